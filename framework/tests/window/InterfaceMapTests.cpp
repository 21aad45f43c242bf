// Interface maps: lookup along the chain of maps, parts declared in a mix-in
// base, the outer object seen from a part, and the shared reference count.
#include "Framework.h"
#include <gtest/gtest.h>

namespace
{
const IID IID_IProbeFirst = { 0x5b1d0c01, 0x1111, 0x4a4a, { 0x80, 0, 0, 0, 0, 0, 0, 1 } };
const IID IID_IProbeSecond = { 0x5b1d0c01, 0x2222, 0x4a4a, { 0x80, 0, 0, 0, 0, 0, 0, 2 } };
const IID IID_IProbeMixed = { 0x5b1d0c01, 0x3333, 0x4a4a, { 0x80, 0, 0, 0, 0, 0, 0, 3 } };
const IID IID_IProbeMissing = { 0x5b1d0c01, 0x4444, 0x4a4a, { 0x80, 0, 0, 0, 0, 0, 0, 4 } };

struct IProbe : public IUnknown
{
    virtual int STDMETHODCALLTYPE Value() = 0;
};

// The three IUnknown methods of a part, all handed to the command target.
#define PROBE_PART_UNKNOWN(theClass, localClass, target) \
    STDMETHODIMP theClass::X##localClass::QueryInterface(REFIID iid, LPVOID* ppvObj) \
    { \
        METHOD_PROLOGUE(theClass, localClass) \
        return (target)->ExternalQueryInterface(&iid, ppvObj); \
    } \
    STDMETHODIMP_(ULONG) theClass::X##localClass::AddRef() \
    { \
        METHOD_PROLOGUE(theClass, localClass) \
        return (target)->ExternalAddRef(); \
    } \
    STDMETHODIMP_(ULONG) theClass::X##localClass::Release() \
    { \
        METHOD_PROLOGUE(theClass, localClass) \
        return (target)->ExternalRelease(); \
    }

class CProbeBase : public CCmdTarget
{
public:
    int m_nFirst = 1;
    bool* m_pDeleted = nullptr;
    ~CProbeBase() override
    {
        if (m_pDeleted)
            *m_pDeleted = true;
    }

    BEGIN_INTERFACE_PART(First, IProbe)
        int STDMETHODCALLTYPE Value() override;
    END_INTERFACE_PART(First)
    DECLARE_INTERFACE_MAP()
};

BEGIN_INTERFACE_MAP(CProbeBase, CCmdTarget)
    INTERFACE_PART(CProbeBase, IID_IProbeFirst, First)
END_INTERFACE_MAP()

PROBE_PART_UNKNOWN(CProbeBase, First, pThis)
int CProbeBase::XFirst::Value()
{
    METHOD_PROLOGUE(CProbeBase, First)
    return pThis->m_nFirst;
}

// A mix-in that is not a command target: it reaches the target through a
// virtual function, the way the toolkit's accessibility mix-in does.
class CProbeMixin
{
public:
    virtual ~CProbeMixin() = default;
    virtual CCmdTarget* GetTarget() = 0;
    int m_nMixed = 3;

    BEGIN_INTERFACE_PART(Mixed, IProbe)
        int STDMETHODCALLTYPE Value() override;
    END_INTERFACE_PART(Mixed)
};

PROBE_PART_UNKNOWN(CProbeMixin, Mixed, pThis->GetTarget())
int CProbeMixin::XMixed::Value()
{
    METHOD_PROLOGUE(CProbeMixin, Mixed)
    return pThis->m_nMixed;
}

// The mix-in sits after the command target, so its parts lie at an offset
// from the target's address.
class CProbeDerived : public CProbeBase, public CProbeMixin
{
public:
    int m_nSecond = 2;
    CCmdTarget* GetTarget() override { return this; }

    BEGIN_INTERFACE_PART(Second, IProbe)
        int STDMETHODCALLTYPE Value() override;
    END_INTERFACE_PART(Second)
    DECLARE_INTERFACE_MAP()
};

BEGIN_INTERFACE_MAP(CProbeDerived, CProbeBase)
    INTERFACE_PART(CProbeDerived, IID_IProbeSecond, Second)
    INTERFACE_PART(CProbeDerived, IID_IProbeMixed, Mixed)
END_INTERFACE_MAP()

PROBE_PART_UNKNOWN(CProbeDerived, Second, pThis)
int CProbeDerived::XSecond::Value()
{
    METHOD_PROLOGUE(CProbeDerived, Second)
    return pThis->m_nSecond;
}

int ValueOf(LPUNKNOWN pUnk)
{
    return pUnk ? static_cast<IProbe*>(pUnk)->Value() : -1;
}
} // namespace

TEST(InterfaceMap, QueriesWalkTheChainAndEachAnswerHoldsAReference)
{
    CProbeDerived target;
    target.m_nFirst = 11;
    target.m_nSecond = 22;
    target.m_nMixed = 33;

    struct Case
    {
        const IID* piid;
        int nValue;   // Value() of the part found, -1 for none
    };
    const Case cases[] = {
        { &IID_IProbeFirst, 11 },     // in the base class's map
        { &IID_IProbeSecond, 22 },    // in the class's own map
        { &IID_IProbeMixed, 33 },     // a part of the mix-in base
        { &IID_IUnknown, 22 },        // the first part of the most derived map
        { &IID_IProbeMissing, -1 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nValue);
        const long nBefore = target.GetRefCount();
        EXPECT_EQ(c.nValue, ValueOf(target.GetInterface(c.piid)));
        EXPECT_EQ(nBefore, target.GetRefCount()) << "GetInterface adds no reference";

        LPVOID pv = reinterpret_cast<LPVOID>(1);
        HRESULT hr = target.ExternalQueryInterface(c.piid, &pv);
        if (c.nValue < 0)
        {
            EXPECT_EQ(E_NOINTERFACE, hr);
            EXPECT_EQ(nullptr, pv);
            EXPECT_EQ(nBefore, target.GetRefCount());
            continue;
        }
        ASSERT_EQ(S_OK, hr);
        EXPECT_EQ(c.nValue, ValueOf(static_cast<LPUNKNOWN>(pv)));
        EXPECT_EQ(nBefore + 1, target.GetRefCount());
        static_cast<LPUNKNOWN>(pv)->Release();
        EXPECT_EQ(nBefore, target.GetRefCount());
    }

    EXPECT_EQ(E_POINTER, target.InternalQueryInterface(&IID_IProbeFirst, nullptr));
    EXPECT_EQ(nullptr, target.GetInterface(nullptr));
}

TEST(InterfaceMap, PartsShareTheTargetsCountAndTheLastReleaseDeletesIt)
{
    bool bDeleted = false;
    CProbeDerived* pTarget = new CProbeDerived;
    pTarget->m_pDeleted = &bDeleted;

    // Move from part to part through QueryInterface, as a client would.
    IProbe* pMixed = static_cast<IProbe*>(pTarget->GetInterface(&IID_IProbeMixed));
    ASSERT_NE(nullptr, pMixed);
    IProbe* pFirst = nullptr;
    ASSERT_EQ(S_OK, pMixed->QueryInterface(IID_IProbeFirst, reinterpret_cast<void**>(&pFirst)));
    EXPECT_EQ(1, pFirst->Value());
    EXPECT_EQ(2, pTarget->GetRefCount());
    EXPECT_EQ(3UL, pMixed->AddRef());

    // A plain command target exposes nothing.
    CCmdTarget plain;
    LPVOID pv = nullptr;
    EXPECT_EQ(E_NOINTERFACE, plain.ExternalQueryInterface(&IID_IUnknown, &pv));

    EXPECT_EQ(2UL, pMixed->Release());
    EXPECT_EQ(1UL, pFirst->Release());
    EXPECT_FALSE(bDeleted);
    EXPECT_EQ(0UL, pTarget->ExternalRelease());
    EXPECT_TRUE(bDeleted);
}

namespace
{
// A command target that is an automation object: its map lists a part for
// IDispatch, the way bars and controls list their accessibility part.
class CDispatchProbe : public CCmdTarget
{
public:
    BEGIN_INTERFACE_PART(Dispatch, IDispatch)
        STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
        STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
        STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
        STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
        {
            return E_NOTIMPL;
        }
    END_INTERFACE_PART(Dispatch)
    DECLARE_INTERFACE_MAP()
};

BEGIN_INTERFACE_MAP(CDispatchProbe, CCmdTarget)
    INTERFACE_PART(CDispatchProbe, IID_IDispatch, Dispatch)
END_INTERFACE_MAP()

PROBE_PART_UNKNOWN(CDispatchProbe, Dispatch, pThis)
STDMETHODIMP CDispatchProbe::XDispatch::GetTypeInfoCount(UINT* pctinfo)
{
    *pctinfo = 7;   // tells the test it reached this part
    return S_OK;
}
} // namespace

TEST(InterfaceMap, GetIDispatchGivesTheDispatchPartAndAReferenceOnlyWhenAsked)
{
    CDispatchProbe target;
    LPDISPATCH pPlain = target.GetIDispatch(FALSE);
    ASSERT_NE(nullptr, pPlain);
    UINT nInfo = 0;
    EXPECT_EQ(S_OK, pPlain->GetTypeInfoCount(&nInfo));
    EXPECT_EQ(7U, nInfo);
    EXPECT_EQ(1, target.GetRefCount());

    LPDISPATCH pHeld = target.GetIDispatch(TRUE);
    EXPECT_EQ(pPlain, pHeld);
    EXPECT_EQ(2, target.GetRefCount());
    EXPECT_EQ(1UL, pHeld->Release());

    // An object without a dispatch part has none to give, and no reference is taken.
    CProbeDerived probe;
    EXPECT_EQ(nullptr, probe.GetIDispatch(TRUE));
    EXPECT_EQ(1, probe.GetRefCount());
}
