#include "CZMThemeManager.h"

// ---------------------------------------------------------------- manager

CZMThemeManager::CZMThemeManager()
    : m_nCurrentTheme(0), m_pFirstFactory(nullptr)
{
}

CZMThemeManager::~CZMThemeManager()
{
    POSITION pos = m_mapFactories.GetStartPosition();
    while (pos)
    {
        void* pKey;
        void* pValue;
        m_mapFactories.GetNextAssoc(pos, pKey, pValue);
        delete static_cast<CZMThemeManagerStyleFactory*>(pValue);
    }
    m_mapFactories.RemoveAll();
}

CZMThemeManager* GetThemeManager()
{
    static CZMThemeManager s_manager;
    return &s_manager;
}

CZMThemeManagerStyleFactory* CZMThemeManager::GetFactory(CRuntimeClass* pFactoryClass)
{
    if (!pFactoryClass)
        return nullptr;
    void* pValue = nullptr;
    if (m_mapFactories.Lookup(pFactoryClass, pValue))
        return static_cast<CZMThemeManagerStyleFactory*>(pValue);

    CObject* pObject = pFactoryClass->CreateObject();
    CZMThemeManagerStyleFactory* pFactory = dynamic_cast<CZMThemeManagerStyleFactory*>(pObject);
    if (!pFactory)
    {
        delete pObject;
        return nullptr;
    }
    m_mapFactories.SetAt(pFactoryClass, pFactory);
    return pFactory;
}

void CZMThemeManager::LinkFactory(CZMThemeManagerStyleFactory* pFactory)
{
    pFactory->m_pNextFactory = m_pFirstFactory;
    m_pFirstFactory = pFactory;
}

void CZMThemeManager::UnlinkFactory(CZMThemeManagerStyleFactory* pFactory)
{
    for (CZMThemeManagerStyleFactory** pp = &m_pFirstFactory; *pp; pp = &(*pp)->m_pNextFactory)
    {
        if (*pp == pFactory)
        {
            *pp = pFactory->m_pNextFactory;
            break;
        }
    }
}

// ---------------------------------------------------------------- factory

IMPLEMENT_DYNCREATE(CZMThemeManagerStyleFactory, CObject)

CZMThemeManagerStyleFactory::CZMThemeManagerStyleFactory()
    : m_pStyle(nullptr), m_pFirstHost(nullptr), m_pNextFactory(nullptr)
{
    GetThemeManager()->LinkFactory(this);
}

CZMThemeManagerStyleFactory::~CZMThemeManagerStyleFactory()
{
    delete m_pStyle;
    GetThemeManager()->UnlinkFactory(this);
}

CZMThemeManagerStyle* CZMThemeManagerStyleFactory::CreateTheme(int)
{
    return nullptr;
}

void CZMThemeManagerStyleFactory::RefreshMetrics()
{
    if (m_pStyle)
        m_pStyle->RefreshMetrics();
}

void CZMThemeManagerStyleFactory::SetStyle(CZMThemeManagerStyle* pStyle)
{
    if (!pStyle)
        return;
    if (pStyle != m_pStyle)
        delete m_pStyle;
    m_pStyle = pStyle;
    pStyle->m_pFactory = this;
    pStyle->RefreshMetrics();
    for (CZMThemeManagerStyleHost* pHost = m_pFirstHost; pHost;)
    {
        // A host may leave the list while it is told.
        CZMThemeManagerStyleHost* pNext = pHost->m_pNextHost;
        pHost->OnThemeChanged();
        pHost = pNext;
    }
}

void CZMThemeManagerStyleFactory::AddHost(CZMThemeManagerStyleHost* pHost)
{
    pHost->m_pNextHost = m_pFirstHost;
    m_pFirstHost = pHost;
}

void CZMThemeManagerStyleFactory::RemoveHost(CZMThemeManagerStyleHost* pHost)
{
    for (CZMThemeManagerStyleHost** pp = &m_pFirstHost; *pp; pp = &(*pp)->m_pNextHost)
    {
        if (*pp == pHost)
        {
            *pp = pHost->m_pNextHost;
            pHost->m_pNextHost = nullptr;
            break;
        }
    }
}

// ---------------------------------------------------------------- host

CZMThemeManagerStyleHost::CZMThemeManagerStyleHost(CRuntimeClass* pFactoryClass)
    : m_bOwnsPrivateFactory(false), m_pFactoryClass(nullptr), m_pPrivateFactory(nullptr),
      m_pSharedFactory(nullptr), m_pNextHost(nullptr)
{
    if (pFactoryClass)
        SetFactoryClass(pFactoryClass);
}

CZMThemeManagerStyleHost::~CZMThemeManagerStyleHost()
{
    if (CZMThemeManagerStyleFactory* pFactory = GetFactory())
        pFactory->RemoveHost(this);
    if (m_bOwnsPrivateFactory)
        delete m_pPrivateFactory;
}

CZMThemeManagerStyleFactory* CZMThemeManagerStyleHost::CreateFactory()
{
    if (!m_pFactoryClass)
        return nullptr;
    CObject* pObject = m_pFactoryClass->CreateObject();
    CZMThemeManagerStyleFactory* pFactory = dynamic_cast<CZMThemeManagerStyleFactory*>(pObject);
    if (!pFactory)
        delete pObject;
    return pFactory;
}

void CZMThemeManagerStyleHost::SetFactoryClass(CRuntimeClass* pFactoryClass)
{
    if (!pFactoryClass)
        return;
    if (m_pSharedFactory)
        m_pSharedFactory->RemoveHost(this);
    m_pFactoryClass = pFactoryClass;
    m_pSharedFactory = GetThemeManager()->GetFactory(pFactoryClass);
    if (m_pSharedFactory)
        m_pSharedFactory->AddHost(this);
}

CZMThemeManagerStyleFactory* CZMThemeManagerStyleHost::GetFactory() const
{
    return m_pPrivateFactory ? m_pPrivateFactory : m_pSharedFactory;
}

void CZMThemeManagerStyleHost::SetTheme(CZMThemeManagerStyle* pStyle)
{
    if (!m_pPrivateFactory && !pStyle)
        return;

    if (CZMThemeManagerStyleFactory* pFactory = GetFactory())
        pFactory->RemoveHost(this);
    if (m_bOwnsPrivateFactory)
        delete m_pPrivateFactory;
    m_pPrivateFactory = nullptr;
    m_bOwnsPrivateFactory = false;

    if (pStyle)
    {
        m_pPrivateFactory = CreateFactory();
        if (m_pPrivateFactory)
        {
            m_pPrivateFactory->SetStyle(pStyle);
            m_bOwnsPrivateFactory = true;
        }
        else
        {
            delete pStyle; // nobody else will own it
        }
    }
    OnThemeChanged();
    if (CZMThemeManagerStyleFactory* pFactory = GetFactory())
        pFactory->AddHost(this);
}

// ---------------------------------------------------------------- style

CZMThemeManagerStyle::CZMThemeManagerStyle()
    : m_pFactory(nullptr), m_nTheme(0)
{
}

CZMThemeManagerStyle::~CZMThemeManagerStyle()
{
}

BOOL CZMThemeManagerStyle::CaptureParentBackground(CWnd* pControl)
{
    CWnd* pParent = pControl ? pControl->GetParent() : nullptr;
    if (!pParent || !::IsWindow(pParent->GetSafeHwnd()))
        return FALSE;

    m_bmpCaptured.DeleteObject();
    CRect rc;
    pControl->GetWindowRect(&rc);
    pParent->ScreenToClient(&rc);

    CDC* pParentDC = pParent->GetDC();
    CDC dcMem;
    dcMem.CreateCompatibleDC(pParentDC);
    m_bmpCaptured.CreateCompatibleBitmap(pParentDC, rc.Width(), rc.Height());
    CBitmap* pOld = dcMem.SelectObject(&m_bmpCaptured);
    dcMem.BitBlt(0, 0, rc.Width(), rc.Height(), pParentDC, rc.left, rc.top, SRCCOPY);
    dcMem.SelectObject(pOld);
    pParent->ReleaseDC(pParentDC);
    return TRUE;
}

BOOL CZMThemeManagerStyle::PaintCapturedBackground(CDC* pDC, CWnd* pControl)
{
    if (!pControl || !(pControl->GetExStyle() & WS_EX_TRANSPARENT) || !m_bmpCaptured.GetSafeHandle())
        return FALSE;
    CRect rc;
    pControl->GetClientRect(&rc);
    CDC dcMem;
    dcMem.CreateCompatibleDC(pDC);
    CBitmap* pOld = dcMem.SelectObject(&m_bmpCaptured);
    pDC->BitBlt(0, 0, rc.Width(), rc.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOld);
    return TRUE;
}
