#include "CZMREnumeratorScope.h"
#include "CZMRPropExchangeArchive.h"
#include "CZMRPropExchangeEnumerator.h"
#include "CZMRSectionScope.h"
#include "MemoryPropStore.h"
#include "tests/core/ArchiveStreams.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Serial classes that the exchanges create and store by name.
class CPxShape : public CObject
{
    DECLARE_SERIAL(CPxShape)
public:
    int m_nValue = 0;
    int m_nSerialized = 0;
    void Serialize(CArchive& ar) override
    {
        m_nSerialized++;
        if (ar.IsStoring())
            ar << m_nValue;
        else
            ar >> m_nValue;
    }
};
IMPLEMENT_SERIAL(CPxShape, CObject, 5)

class CPxCircle : public CPxShape
{
    DECLARE_SERIAL(CPxCircle)
};
IMPLEMENT_SERIAL(CPxCircle, CPxShape, 7)

class CPxOther : public CObject
{
    DECLARE_SERIAL(CPxOther)
};
IMPLEMENT_SERIAL(CPxOther, CObject, 1)

namespace
{
using namespace ArchiveStreams;

// What an archive exchange stores, and an archive exchange loading bytes.
Bytes Store(const std::function<void(CZMRPropExchange*)>& write)
{
    return ArchiveStreams::Store([&](CArchive& ar) {
        CZMRPropExchangeArchive px(ar);
        write(&px);
    });
}

void Load(Bytes bytes, const std::function<void(CZMRPropExchange*, CArchive&)>& read, int nBufSize = 4096)
{
    ArchiveStreams::Load(bytes, [&](CArchive& ar) {
        CZMRPropExchangeArchive px(ar);
        read(&px, ar);
    }, nBufSize);
}

} // namespace

TEST(PropExchangeArchive, EveryValueFormInCallOrder)
{
    CY cy;
    cy.int64 = 0x0000000200000001LL;
    COleDateTime date(1.0);
    COleVariant variant(static_cast<long>(7));
    struct Case
    {
        const char* what;
        int nType;
        std::function<void*()> value;
        Bytes bytes;
    };
    short nShort = -3;
    int nInt = 0x01020304;
    float fValue = 1.5f;
    double dValue = -2.0;
    BOOL bValue = TRUE;
    BYTE byValue = 0xAB;
    CString strValue(L"Hi");
    CRect rcValue(1, 2, 3, 4);
    CSize szValue(16, -1);
    int nIgnored = 5;
    const Case cases[] = {
        {"short", ZMR_PX_SHORT, [&] { return &nShort; }, {0xFD, 0xFF}},
        {"int", ZMR_PX_INT, [&] { return &nInt; }, {0x04, 0x03, 0x02, 0x01}},
        {"float", ZMR_PX_FLOAT, [&] { return &fValue; }, {0x00, 0x00, 0xC0, 0x3F}},
        {"double", ZMR_PX_DOUBLE, [&] { return &dValue; }, {0, 0, 0, 0, 0, 0, 0x00, 0xC0}},
        {"currency", ZMR_PX_CURRENCY, [&] { return &cy; }, {1, 0, 0, 0, 2, 0, 0, 0}},
        {"date", ZMR_PX_DATE, [&] { return &date; }, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}},
        {"bool", ZMR_PX_BOOL, [&] { return &bValue; }, {1, 0, 0, 0}},
        {"variant", ZMR_PX_VARIANT, [&] { return &variant; }, {0x03, 0x00, 7, 0, 0, 0}},
        {"byte", ZMR_PX_BYTE, [&] { return &byValue; }, {0xAB}},
        {"string", ZMR_PX_STRING, [&] { return &strValue; }, {0xFF, 0xFE, 0xFF, 0x02, 'H', 0, 'i', 0}},
        {"rect", ZMR_PX_RECT, [&] { return &rcValue; }, {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0}},
        {"size", ZMR_PX_SIZE, [&] { return &szValue; }, {16, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"unknown code", 55, [&] { return &nIgnored; }, {}},
    };
    for (const Case& c : cases)
    {
        Bytes bytes = Store([&](CZMRPropExchange* pPX) {
            EXPECT_TRUE(pPX->ExchangeTypedValue(L"Name", c.nType, c.value(), nullptr)) << c.what;
        });
        EXPECT_EQ(bytes, c.bytes) << c.what;
        // Loading the bytes and storing again gives the same bytes.
        Bytes again = Store([&](CZMRPropExchange* pOut) {
            Load(bytes, [&](CZMRPropExchange* pIn, CArchive&) {
                EXPECT_TRUE(pIn->ExchangeTypedValue(L"Name", c.nType, c.value(), nullptr)) << c.what;
            });
            pOut->ExchangeTypedValue(L"Name", c.nType, c.value(), nullptr);
        });
        EXPECT_EQ(again, c.bytes) << c.what;
    }

    // The typed calls: defaults and names play no part in the archive.
    Bytes bytes = Store([](CZMRPropExchange* pPX) {
        int n = 9;
        BOOL b = FALSE;
        CString s(L"x");
        CSize sz(1, 2);
        CRect rc(0, 0, 0, 0);
        EXPECT_TRUE(PropExchangeInt(pPX, L"A", &n, 9));
        EXPECT_TRUE(PropExchangeBool(pPX, L"B", &b, FALSE));
        EXPECT_TRUE(PropExchangeString(pPX, L"C", &s, L"x"));
        EXPECT_TRUE(PropExchangeSize(pPX, L"D", &sz, CSize(1, 2)));
        EXPECT_TRUE(PropExchangeRect(pPX, L"E", &rc, CRect(0, 0, 0, 0)));
    });
    EXPECT_EQ(bytes, Concat({{9, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFE, 0xFF, 1, 'x', 0, 1, 0, 0, 0, 2, 0, 0, 0},
                             Bytes(16, 0)}));

    // Without an exchange nothing happens.
    int nKept = 3;
    CString strKept(L"kept");
    EXPECT_FALSE(PropExchangeInt(nullptr, L"A", &nKept, 0));
    EXPECT_FALSE(PropExchangeStringNoDefault(nullptr, L"C", &strKept));
    EXPECT_FALSE(PropExchangeSerialize(nullptr, L"D", nullptr));
    EXPECT_EQ(nKept, 3);
    EXPECT_EQ(strKept, L"kept");
}

TEST(PropExchangeArchive, SchemaMarkOrUnmarkedData)
{
    Bytes marked = Store([](CZMRPropExchange* pPX) {
        EXPECT_EQ(pPX->GetSchema(), 33);
        pPX->ExchangeSchema();
    });
    EXPECT_EQ(marked, (Bytes{0xBF, 0xAD, 0xF0, 0x0F, 0x21, 0x00, 0x00, 0x00}));
    Load(Concat({{0xBF, 0xAD, 0xF0, 0x0F, 0x07, 0, 0, 0}, {9, 0, 0, 0}}), [](CZMRPropExchange* pPX, CArchive&) {
        pPX->ExchangeSchema();
        EXPECT_EQ(pPX->GetSchema(), 7);
        int n = 0;
        PropExchangeInt(pPX, L"Next", &n, 0);
        EXPECT_EQ(n, 9);
    });

    // Data from before the mark: schema 17, and its first value is still there.
    struct Case
    {
        const char* what;
        Bytes bytes;
        int nNext;
    } cases[] = {
        {"a value", {0x05, 0x00, 0x00, 0x00}, 5},
        {"two bytes", {0x06, 0x00}, 6},
        {"nothing", {}, -1},
    };
    for (const Case& c : cases)
    {
        Load(c.bytes, [&](CZMRPropExchange* pPX, CArchive& ar) {
            pPX->ExchangeSchema();
            EXPECT_EQ(pPX->GetSchema(), 17) << c.what;
            if (c.bytes.size() == 4)
            {
                int n = 0;
                PropExchangeInt(pPX, L"Next", &n, 0);
                EXPECT_EQ(n, c.nNext) << c.what;
            }
            else if (c.bytes.size() == 2)
            {
                short n = 0;
                ar >> n;
                EXPECT_EQ(n, c.nNext) << c.what;
            }
        });
    }
}

TEST(PropExchangeArchive, SchemaMarkSplitAcrossABufferRefill)
{
    // The archive's buffer (128 bytes, the smallest) holds 126 bytes of
    // leading data and only the first two bytes of what follows, so the look
    // for the mark must refill the buffer without losing those two bytes.
    const Bytes lead(126, 0x55);
    struct Case
    {
        const char* what;
        Bytes tail;
        int nSchema;
        int nNext;
    } cases[] = {
        {"mark", Concat({{0xBF, 0xAD, 0xF0, 0x0F, 0x09, 0, 0, 0}, {4, 0, 0, 0}}), 9, 4},
        {"unmarked value", {0x03, 0x01, 0x00, 0x00}, 17, 0x103},
    };
    for (const Case& c : cases)
    {
        Load(Concat({lead, c.tail}), [&](CZMRPropExchange* pPX, CArchive& ar) {
            Bytes skipped(lead.size());
            ASSERT_EQ(ar.Read(skipped.data(), UINT(skipped.size())), UINT(lead.size()));
            ASSERT_EQ(ar.m_lpBufMax - ar.m_lpBufCur, 2) << "the buffer ends inside the mark";
            pPX->ExchangeSchema();
            EXPECT_EQ(pPX->GetSchema(), c.nSchema) << c.what;
            int n = 0;
            PropExchangeInt(pPX, L"Next", &n, 0);
            EXPECT_EQ(n, c.nNext) << c.what;
        }, 128);
    }
}

TEST(PropExchangeArchive, ByteBuffersAndRawBytes)
{
    BYTE data[3] = {1, 2, 3};
    Bytes bytes = Store([&](CZMRPropExchange* pPX) {
        BYTE* p = data;
        DWORD cb = 3;
        EXPECT_TRUE(PropExchangeBlob(pPX, L"Blob", &p, &cb));
        EXPECT_TRUE(pPX->ExchangeByteBufferChecked(L"Raw", data, 2));
        int n = 7;
        PropExchangeInt(pPX, L"After", &n, 0);
    });
    EXPECT_EQ(bytes, (Bytes{3, 0, 1, 2, 3, 1, 2, 7, 0, 0, 0}));

    Load(bytes, [](CZMRPropExchange* pPX, CArchive&) {
        BYTE* p = nullptr;
        DWORD cb = 0;
        ASSERT_TRUE(PropExchangeBlob(pPX, L"Blob", &p, &cb));
        ASSERT_EQ(cb, 3u);
        EXPECT_EQ(p[2], 3);
        free(p);
        BYTE raw[2] = {};
        EXPECT_EQ(pPX->ExchangeByteBufferCounted(L"Raw", raw, 2), 2u);
        EXPECT_EQ(raw[1], 2);
    });

    // A caller buffer too short refuses the data but passes over it.
    Load(bytes, [](CZMRPropExchange* pPX, CArchive&) {
        BYTE small[2] = {9, 9};
        BYTE* p = small;
        DWORD cb = 2;
        EXPECT_FALSE(PropExchangeBlob(pPX, L"Blob", &p, &cb));
        EXPECT_EQ(small[0], 9);
        BYTE raw[2];
        pPX->ExchangeByteBufferCounted(L"Raw", raw, 2);
        int n = 0;
        PropExchangeInt(pPX, L"After", &n, 0);
        EXPECT_EQ(n, 7);
    });

    // Counts beyond the data: false, without taking memory for the count.
    struct Case
    {
        const char* what;
        Bytes bytes;
        int cause;
    } cases[] = {
        {"count past the end", {0x05, 0x00, 1, 2}, -1},
        {"huge count", {0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F, 1}, -1},
        {"count beyond 32 bits", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 1, 0, 0, 0}, CArchiveException::badIndex},
        {"no count", {0x05}, CArchiveException::endOfFile},
    };
    for (const Case& c : cases)
    {
        Load(c.bytes, [&](CZMRPropExchange* pPX, CArchive&) {
            BYTE* p = nullptr;
            DWORD cb = 0;
            BOOL bResult = TRUE;
            EXPECT_EQ(ArchiveCause([&] { bResult = PropExchangeBlob(pPX, L"Blob", &p, &cb); }), c.cause) << c.what;
            EXPECT_TRUE(c.cause != -1 || !bResult) << c.what;
            EXPECT_EQ(p, nullptr) << c.what;
        });
    }
}

TEST(PropExchangeArchive, DamagedStreamsRaiseTheArchiveException)
{
    struct Case
    {
        const char* what;
        Bytes bytes;
        std::function<void(CZMRPropExchange*)> read;
        int cause;
    } cases[] = {
        {"truncated int", {1, 2, 3},
         [](CZMRPropExchange* pPX) { int n = 4; PropExchangeInt(pPX, L"A", &n, 0); EXPECT_EQ(n, 4); },
         CArchiveException::endOfFile},
        {"truncated rectangle", Bytes(10, 1),
         [](CZMRPropExchange* pPX) {
             CRect rc(5, 5, 5, 5);
             PropExchangeRect(pPX, L"R", &rc, CRect());
             EXPECT_EQ(rc, CRect(5, 5, 5, 5));
         },
         CArchiveException::endOfFile},
        {"truncated size", Bytes(7, 1),
         [](CZMRPropExchange* pPX) {
             CSize sz(5, 5);
             PropExchangeSize(pPX, L"S", &sz, CSize());
             EXPECT_EQ(sz, CSize(5, 5));
         },
         CArchiveException::endOfFile},
        {"huge string", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0x00, 'a'},
         [](CZMRPropExchange* pPX) { CString s(L"kept"); PropExchangeString(pPX, L"S", &s, L""); EXPECT_EQ(s, L"kept"); },
         CArchiveException::endOfFile},
        {"bad class tag", {0x09, 0x80},
         [](CZMRPropExchange* pPX) { CRuntimeClass* p = nullptr; PropExchangeClass(pPX, L"Class", &p, nullptr); },
         CArchiveException::badIndex},
        {"object tag for a class", {0x00, 0x00},
         [](CZMRPropExchange* pPX) { CRuntimeClass* p = nullptr; PropExchangeClass(pPX, L"Class", &p, nullptr); },
         CArchiveException::badIndex},
        {"bad variant type", {0x0D, 0x00},
         [](CZMRPropExchange* pPX) { COleVariant v; pPX->ExchangeTypedValue(L"V", ZMR_PX_VARIANT, &v, nullptr); },
         CArchiveException::badIndex},
    };
    for (const Case& c : cases)
    {
        Load(c.bytes, [&](CZMRPropExchange* pPX, CArchive&) {
            EXPECT_EQ(ArchiveCause([&] { c.read(pPX); }), c.cause) << c.what;
        });
    }

    // Storing into a loading archive is refused the same way.
    Load({}, [](CZMRPropExchange* pPX, CArchive& ar) {
        int n = 1;
        EXPECT_EQ(ArchiveCause([&] { ar << n; }), CArchiveException::readOnly);
        EXPECT_TRUE(pPX->IsLoading());
    });
}

TEST(PropExchangeArchive, UnknownClassesAndClassesOfAnotherBaseAnswerFalse)
{
    struct Case
    {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"unknown class", Concat({{0xFF, 0xFF, 0x01, 0x00, 0x07, 0x00}, Text("CNoSuch")})},
        {"class of the wrong base", Concat({{0xFF, 0xFF, 0x01, 0x00, 0x08, 0x00}, Text("CPxOther")})},
    };
    for (const Case& c : cases)
    {
        Load(c.bytes, [&](CZMRPropExchange* pPX, CArchive&) {
            CObject* p = reinterpret_cast<CObject*>(1);
            BOOL bResult = TRUE;
            EXPECT_EQ(ArchiveCause([&] { bResult = pPX->ExchangeCreatedObject(&p, RUNTIME_CLASS(CPxShape)); }), -1)
                << c.what << ": the exception stays inside";
            EXPECT_FALSE(bResult) << c.what;
            EXPECT_EQ(p, nullptr) << c.what;
        });
    }
    Load(cases[0].bytes, [](CZMRPropExchange* pPX, CArchive&) {
        CRuntimeClass* pClass = RUNTIME_CLASS(CPxShape);
        BOOL bResult = TRUE;
        EXPECT_EQ(ArchiveCause([&] { bResult = PropExchangeClass(pPX, L"Class", &pClass, nullptr); }), -1);
        EXPECT_FALSE(bResult);
        EXPECT_EQ(pClass, nullptr);
    });
}

TEST(PropExchangeArchive, ClassesObjectsAndNestedSerialisation)
{
    CPxCircle circle;
    circle.m_nValue = 42;
    Bytes bytes = Store([&](CZMRPropExchange* pPX) {
        CObject* pObject = &circle;
        EXPECT_TRUE(pPX->ExchangeCreatedObject(&pObject, RUNTIME_CLASS(CPxShape)));
        EXPECT_TRUE(PropExchangeSerialize(pPX, L"Data", &circle));
        CArchive& ar = static_cast<CZMRPropExchangeArchive*>(pPX)->GetArchive();
        ar << static_cast<CObject*>(&circle);   // a later reference to the same object
    });
    const Bytes expected = Concat({
        {0xFF, 0xFF, 0x07, 0x00, 0x09, 0x00}, Text("CPxCircle"),   // class, schema 7
        {42, 0, 0, 0},                                             // the object's data inline
        {0x02, 0x00},                                              // object index 2
    });
    EXPECT_EQ(bytes, expected);

    Load(bytes, [](CZMRPropExchange* pPX, CArchive& ar) {
        CObject* pObject = nullptr;
        ASSERT_TRUE(pPX->ExchangeCreatedObject(&pObject, RUNTIME_CLASS(CPxShape)));
        ASSERT_TRUE(pObject && pObject->IsKindOf(RUNTIME_CLASS(CPxCircle)));
        EXPECT_EQ(pPX->GetSchema(), 7);   // the schema the class reference carried
        EXPECT_TRUE(PropExchangeSerialize(pPX, L"Data", pObject));
        EXPECT_EQ(static_cast<CPxShape*>(pObject)->m_nValue, 42);
        CObject* pAgain = nullptr;
        ar >> pAgain;
        EXPECT_EQ(pAgain, pObject);
        delete pObject;
    });

    // A nested stream that ends early: false, and the exception stays inside.
    Load({1, 2}, [](CZMRPropExchange* pPX, CArchive&) {
        CPxShape shape;
        EXPECT_FALSE(PropExchangeSerialize(pPX, L"Data", &shape));
        EXPECT_EQ(shape.m_nSerialized, 1);
    });

    // An object whose serialisation raises an OLE exception: false as well;
    // any other exception is not the exchange's to answer and goes on.
    class CFailing : public CObject
    {
    public:
        std::function<void()> m_fail;
        void Serialize(CArchive&) override { m_fail(); }
    };
    Load({1, 2, 3, 4}, [](CZMRPropExchange* pPX, CArchive&) {
        CFailing failing;
        failing.m_fail = [] { AfxThrowOleException(E_UNEXPECTED); };
        BOOL bResult = TRUE;
        EXPECT_EQ(ArchiveCause([&] { bResult = PropExchangeSerialize(pPX, L"Data", &failing); }), -1);
        EXPECT_FALSE(bResult);

        failing.m_fail = [] { AfxThrowUserException(); };
        bool bPassedOn = false;
        try
        {
            PropExchangeSerialize(pPX, L"Data", &failing);
        }
        catch (CUserException* e)
        {
            e->Delete();
            bPassedOn = true;
        }
        EXPECT_TRUE(bPassedOn);
    });

    // Sections add nothing to the stream and inherit the schema and context.
    int context = 0;
    Load({0xBF, 0xAD, 0xF0, 0x0F, 0x13, 0, 0, 0}, [&](CZMRPropExchange* pPX, CArchive&) {
        pPX->ExchangeSchema();
        pPX->m_pOwnerContext = &context;
        pPX->m_pSectionOwner = &context;
        pPX->SetSectionOption();
        CZMRSectionScope section(pPX->GetSection(L"Child"));
        ASSERT_TRUE(section->IsKindOf(RUNTIME_CLASS(CZMRPropExchangeArchive)));
        EXPECT_TRUE(section->IsLoading());
        EXPECT_EQ(section->GetSchema(), 19);
        EXPECT_EQ(section->m_pOwnerContext, &context);
        EXPECT_EQ(section->m_pSectionOwner, nullptr);
        EXPECT_TRUE(section->m_bSectionOption);
        EXPECT_FALSE(section->IsNamedStore());
        EXPECT_TRUE(section->IsArchiveStore());
    });
}

TEST(PropExchangeEnumerator, NumberedSectionsBehindACount)
{
    // Archive: the compact count, then each item's values.
    Bytes bytes = Store([](CZMRPropExchange* pPX) {
        CZMREnumeratorScope items(pPX->GetEnumerator(L"Item"));
        POSITION pos = items->GetPosition(3);
        int n = 0;
        while (pos)
        {
            CZMRSectionScope section(items->GetNext(pos));
            PropExchangeInt(section, L"Value", &++n, 0);
        }
        EXPECT_EQ(n, 3);
    });
    EXPECT_EQ(bytes, (Bytes{3, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}));
    Load(bytes, [](CZMRPropExchange* pPX, CArchive&) {
        CZMREnumeratorScope items(pPX->GetEnumerator(L"Item"));
        POSITION pos = items->GetPosition();
        EXPECT_EQ(items->GetCount(), 3u);
        int nSum = 0;
        while (pos)
        {
            CZMRSectionScope section(items->GetNext(pos));
            int n = 0;
            PropExchangeInt(section, L"Value", &n, 0);
            nSum += n;
        }
        EXPECT_EQ(nSum, 6);
    });

    // Named store: sections Item0, Item1, Item2, then position 0; the count
    // as "Count" in either mode.
    for (BOOL bCompact : {TRUE, FALSE})
    {
        CMemoryPropStore::Data data;
    auto& values = data.values;
        CMemoryPropStore store(&data, FALSE);
        CZMREnumeratorScope items(store.GetEnumerator(L"Item"));
        POSITION pos = items->GetPosition(3, bCompact);
        for (int i = 0; i < 3; i++)
        {
            ASSERT_NE(pos, nullptr);
            CZMRSectionScope section(items->GetNext(pos));
            int n = i * 10;
            PropExchangeInt(section, L"Value", &n, 0);
        }
        EXPECT_EQ(pos, nullptr);
        EXPECT_EQ(values.count(L"Count"), 1u);
        EXPECT_EQ(values.count(L"Item2/Value"), 1u);
        EXPECT_EQ(values.count(L"Item3/Value"), 0u);

        CMemoryPropStore loader(&data, TRUE);
        CZMREnumeratorScope back(loader.GetEnumerator(L"Item"));
        EXPECT_NE(back->GetPosition(0, bCompact), nullptr);
        EXPECT_EQ(back->GetCount(), 3u);
    }

    CMemoryPropStore::Data empty;
    CMemoryPropStore loader(&empty, TRUE);
    CZMREnumeratorScope none(loader.GetEnumerator(L"Item"));
    EXPECT_EQ(none->GetPosition(), nullptr);
    CZMRPropExchangeEnumerator orphan(nullptr, L"Item");
    EXPECT_EQ(orphan.GetPosition(5), nullptr);
}

TEST(PropExchangeNamedStore, ByteBuffersAsLetters)
{
    CMemoryPropStore::Data data;
    auto& values = data.values;
    CMemoryPropStore store(&data, FALSE);
    BYTE bytes[2] = {0x00, 0xFF};
    BYTE* p = bytes;
    DWORD cb = 2;
    ASSERT_TRUE(PropExchangeBlob(&store, L"Blob", &p, &cb));
    EXPECT_EQ(values[L"Blob"].text, L"AAPP");
    BYTE one = 0x1F;
    EXPECT_TRUE(store.ExchangeByteBufferChecked(L"One", &one, 1));
    EXPECT_EQ(values[L"One"].text, L"PB");

    values[L"Odd"] = {ZMR_PX_STRING, {}, L"AAP"};
    values[L"Empty"] = {ZMR_PX_STRING, {}, L""};
    CMemoryPropStore loader(&data, TRUE);
    BYTE* pBack = nullptr;
    DWORD cbBack = 0;
    ASSERT_TRUE(PropExchangeBlob(&loader, L"Blob", &pBack, &cbBack));
    ASSERT_EQ(cbBack, 2u);
    EXPECT_EQ(pBack[0], 0x00);
    EXPECT_EQ(pBack[1], 0xFF);
    free(pBack);

    BYTE* pNone = nullptr;
    DWORD cbNone = 0;
    EXPECT_FALSE(PropExchangeBlob(&loader, L"Odd", &pNone, &cbNone));
    EXPECT_FALSE(PropExchangeBlob(&loader, L"Missing", &pNone, &cbNone));
    EXPECT_TRUE(PropExchangeBlob(&loader, L"Empty", &pNone, &cbNone));
    EXPECT_EQ(pNone, nullptr);
    BYTE small[1] = {7};
    EXPECT_FALSE(loader.ExchangeByteBufferChecked(L"Blob", small, 1));
    EXPECT_EQ(small[0], 7);
    EXPECT_EQ(loader.ExchangeByteBufferCounted(L"One", small, 1), 1u);
    EXPECT_EQ(small[0], 0x1F);
}

TEST(PropExchangeNamedStore, ClassesCountsSchemaAndNestedBlobs)
{
    CMemoryPropStore::Data data;
    auto& values = data.values;
    CPxCircle circle;
    circle.m_nValue = 11;
    {
        CMemoryPropStore store(&data, FALSE);
        EXPECT_TRUE(store.IsNamedStore());
        EXPECT_FALSE(store.IsArchiveStore());
        CObject* pObject = &circle;
        EXPECT_TRUE(store.ExchangeCreatedObject(&pObject, RUNTIME_CLASS(CPxShape)));
        store.WriteCount(4);
        store.ExchangeSchema();
        EXPECT_TRUE(PropExchangeSerialize(&store, L"Data", &circle));
        CZMRSectionScope section(store.GetSection(L"Other"));
        CRuntimeClass* pOther = RUNTIME_CLASS(CPxOther);
        PropExchangeClass(section, L"Class", &pOther, nullptr);
    }
    EXPECT_EQ(values[L"Class"].text, L"CPxCircle");
    EXPECT_EQ(values[L"Other/Class"].text, L"CPxOther");
    EXPECT_FALSE(values[L"Data"].text.IsEmpty());

    CMemoryPropStore loader(&data, TRUE);
    CObject* pObject = nullptr;
    ASSERT_TRUE(loader.ExchangeCreatedObject(&pObject, RUNTIME_CLASS(CPxShape)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CPxCircle)));
    EXPECT_EQ(loader.ReadCount(), 4u);
    loader.ExchangeSchema();
    EXPECT_EQ(loader.GetSchema(), 33);
    EXPECT_TRUE(PropExchangeSerialize(&loader, L"Data", pObject));
    EXPECT_EQ(static_cast<CPxShape*>(pObject)->m_nValue, 11);
    delete pObject;

    // A class of the wrong base, an unknown name, a missing value.
    CZMRSectionScope other(loader.GetSection(L"Other"));
    CObject* pWrong = nullptr;
    EXPECT_FALSE(other->ExchangeCreatedObject(&pWrong, RUNTIME_CLASS(CPxShape)));
    EXPECT_EQ(pWrong, nullptr);
    values[L"Unknown/Class"] = {ZMR_PX_STRING, {}, L"CPxGone"};
    CZMRSectionScope unknown(loader.GetSection(L"Unknown"));
    CRuntimeClass* pClass = RUNTIME_CLASS(CPxShape);
    EXPECT_FALSE(PropExchangeClass(unknown, L"Class", &pClass, RUNTIME_CLASS(CPxShape)));
    EXPECT_EQ(pClass, nullptr);
    EXPECT_TRUE(PropExchangeClass(&loader, L"Missing", &pClass, RUNTIME_CLASS(CPxShape)));
    EXPECT_EQ(pClass, RUNTIME_CLASS(CPxShape));
    EXPECT_EQ(FindRuntimeClassByName("CPxCircle"), RUNTIME_CLASS(CPxCircle));
    EXPECT_EQ(FindRuntimeClassByName("cpxcircle"), nullptr);

    // No schema stored: the named store's default; an empty nested stream
    // calls nothing.
    CMemoryPropStore::Data bare;
    bare.values[L"Data"] = {ZMR_PX_STRING, {}, L""};
    CMemoryPropStore bareLoader(&bare, TRUE);
    bareLoader.ExchangeSchema();
    EXPECT_EQ(bareLoader.GetSchema(), 32);
    CPxShape shape;
    EXPECT_FALSE(PropExchangeSerialize(&bareLoader, L"Data", &shape));
    EXPECT_EQ(shape.m_nSerialized, 0);
}
