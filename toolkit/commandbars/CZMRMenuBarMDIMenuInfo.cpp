#include "CZMRMenuBarMDIMenuInfo.h"
#include "CZMRControls.h"
#include "ZMRCommandBarDefs.h"

CZMRMenuBarMDIMenuInfo::CZMRMenuBarMDIMenuInfo(CZMRBarManager* pBarManager, UINT nIDMenu)
    : m_pControls(new CZMRControls), m_hIcon(nullptr), m_nIDResource(nIDMenu), m_bChanged(FALSE)
{
    m_pControls->SetBarManager(pBarManager);
    m_hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDMenu));

    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return;
    POSITION pos = pApp->GetFirstDocTemplatePosition();
    while (pos)
    {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(pos);
        if (pTemplate && pTemplate->m_nIDResource == nIDMenu)
        {
            pTemplate->GetDocString(m_strDocName, CDocTemplate::docName);
            pTemplate->GetDocString(m_strFileTypeName, CDocTemplate::regFileTypeName);
            break;
        }
    }
}

CZMRMenuBarMDIMenuInfo::~CZMRMenuBarMDIMenuInfo()
{
    // The icon is the module's shared one: the system keeps it.
    ZMRReplaceReference(m_pControls, static_cast<CZMRControls*>(nullptr));
}

void CZMRMenuBarMDIMenuInfo::SetControls(CZMRControls* pControls)
{
    ZMRReplaceReference(m_pControls, pControls);
}
