#include "CZMRStatusBar.h"
#include "CZMRBarManager.h"
#include "CZMRImageManager.h"
#include "CZMRStatusBarPane.h"
#include "ZMRMarkupFacade.h"

CZMRStatusBar::CZMRStatusBar()
    : m_bDrawDisabledText(FALSE), m_pHotPane(nullptr), m_nDividerIndex(-1), m_pMarkupContext(nullptr),
      m_pBarManager(nullptr)
{
}

CZMRStatusBar::~CZMRStatusBar()
{
    // The panes give their markup back before the context goes.
    for (int i = 0; i < GetPaneCount(); i++)
        m_arrPanes[i]->InternalRelease();
    m_arrPanes.RemoveAll();
    DropMarkupContext(&m_pMarkupContext);
}

CZMRStatusBarPane* CZMRStatusBar::GetPane(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetPaneCount())
        return nullptr;
    return m_arrPanes[nIndex];
}

CZMRStatusBarPane* CZMRStatusBar::AddPane()
{
    CZMRStatusBarPane* pPane = new CZMRStatusBarPane(this, GetPaneCount());
    m_arrPanes.Add(pPane);
    return pPane;
}

void CZMRStatusBar::EnableMarkup(BOOL bEnable)
{
    if (bEnable && !m_pMarkupContext)
        m_pMarkupContext = NewMarkupContext(GetSafeHwnd());
    else if (!bEnable)
        DropMarkupContext(&m_pMarkupContext);
}

CZMRImageManager* CZMRStatusBar::GetImageManager() const
{
    return m_pBarManager ? m_pBarManager->GetImageManager() : ::GetImageManager();
}
