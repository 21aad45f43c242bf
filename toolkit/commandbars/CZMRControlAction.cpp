#include "CZMRControlAction.h"
#include "CZMRControlActions.h"
#include "CZMRControl.h"

CZMRControlAction::CZMRControlAction(CZMRControlActions* pActions)
    : m_pItems(nullptr), m_nId(0), m_nIconId(0), m_nHelpId(0), m_bEnabled(TRUE), m_bChecked(FALSE),
      m_bVisible(TRUE), m_pActions(pActions)
{
}

CZMRControlAction::~CZMRControlAction()
{
    // Controls still bound would keep a pointer to this action: they are
    // unbound first (which also takes them off the list).
    for (INT_PTR i = m_arrControls.GetSize() - 1; i >= 0; i--)
    {
        if (i < m_arrControls.GetSize())
            m_arrControls[i]->SetAction(nullptr);
    }
    SetItems(nullptr);
}

CString CZMRControlAction::GetCaption() const
{
    return m_strCaption.IsEmpty() ? m_strTooltipText : m_strCaption;
}

void CZMRControlAction::SetCaption(LPCTSTR lpszCaption)
{
    CString strCaption(lpszCaption);
    const int nTab = strCaption.Find(L'\t');
    if (nTab != -1)
        strCaption = strCaption.Left(nTab);
    if (strCaption == m_strCaption)
        return;

    for (INT_PTR i = 0; i < m_arrControls.GetSize(); i++)
        m_arrControls[i]->OnActionChanging(zmrActionCaption);
    m_strCaption = strCaption;
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); i++)
        m_arrControls[i]->OnActionChanged(zmrActionCaption);
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); i++)
        m_arrControls[i]->InvalidateParentLayout();
}

void CZMRControlAction::SetPrompt(LPCTSTR lpszPrompt)
{
    CString strPrompt(lpszPrompt);
    if (strPrompt.IsEmpty())
        return;
    if (strPrompt.Find(L'\n') != -1)
    {
        ExtractPromptPart(strPrompt, 1, m_strTooltipText);
        ExtractPromptPart(strPrompt, 0, m_strDescriptionText);
    }
    else
    {
        m_strTooltipText = strPrompt;
        m_strDescriptionText = strPrompt;
    }
    if (m_strKeyboardTip.IsEmpty())
        ExtractPromptPart(strPrompt, 3, m_strKeyboardTip);
}

void CZMRControlAction::SetEnabled(BOOL bEnabled)
{
    if (m_bEnabled == bEnabled)
        return;
    m_bEnabled = bEnabled;
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); i++)
        m_arrControls[i]->RepaintInParentBar();
}

void CZMRControlAction::SetChecked(BOOL bChecked)
{
    if (m_bChecked == bChecked)
        return;
    m_bChecked = bChecked;
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); i++)
        m_arrControls[i]->RepaintInParentBar();
}

void CZMRControlAction::SetVisible(BOOL bVisible)
{
    if (m_bVisible == bVisible)
        return;
    m_bVisible = bVisible;
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); i++)
        m_arrControls[i]->InvalidateParentLayout();
}

void CZMRControlAction::SetItems(CCmdTarget* pItems)
{
    if (m_pItems)
        m_pItems->InternalRelease();
    m_pItems = pItems;
}

CZMRControl* CZMRControlAction::GetControl(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_arrControls.GetSize() ? m_arrControls[nIndex] : nullptr;
}

void CZMRControlAction::AttachControl(CZMRControl* pControl)
{
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); i++)
    {
        if (m_arrControls[i] == pControl)
            return;
    }
    m_arrControls.Add(pControl);
}

void CZMRControlAction::DetachControl(CZMRControl* pControl)
{
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); i++)
    {
        if (m_arrControls[i] == pControl)
        {
            m_arrControls.RemoveAt(i);
            return;
        }
    }
}

BOOL CZMRControlAction::LoadCommandString(int nId, CString& strText)
{
    // String resources have 16-bit ids; the system would read others as
    // another id or as a pointer.
    if (nId < 1 || nId > 0xFFFF)
        return FALSE;
    CString strLoaded;
    if (!strLoaded.LoadString(UINT(nId)))
        return FALSE;
    strText = strLoaded;
    return TRUE;
}

BOOL CZMRControlAction::ExtractPromptPart(const CString& strPrompt, int nPart, CString& strPart)
{
    int nStart = 0;
    for (int i = 0; i < nPart; i++)
    {
        nStart = strPrompt.Find(L'\n', nStart);
        if (nStart == -1)
        {
            strPart.Empty();
            return FALSE;
        }
        nStart++;
    }
    const int nEnd = strPrompt.Find(L'\n', nStart);
    strPart = nEnd == -1 ? strPrompt.Mid(nStart) : strPrompt.Mid(nStart, nEnd - nStart);
    return TRUE;
}
