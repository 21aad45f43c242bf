// A shared command description (id, icon, texts, enabled, checked, visible)
// kept once per command id by the bar manager. The controls bound to it take
// their texts and states from it unless they override them.
#pragma once
#include "Framework.h"

class CZMRControl;
class CZMRControlActions;

class CZMRControlAction : public CCmdTarget
{
public:
    explicit CZMRControlAction(CZMRControlActions* pActions = nullptr);
    ~CZMRControlAction() override;

    int GetID() const { return m_nId; }
    void SetID(int nId) { m_nId = nId; }
    int GetIconId() const { return m_nIconId; }
    void SetIconId(int nIconId) { m_nIconId = nIconId; }
    int GetHelpId() const { return m_nHelpId; }
    void SetHelpId(int nHelpId) { m_nHelpId = nHelpId; }

    // The caption, else the tooltip.
    CString GetCaption() const;
    // Keeps the text before the first TAB; bound controls hear of a change.
    void SetCaption(LPCTSTR lpszCaption);
    CString GetTooltip() const { return m_strTooltipText; }
    void SetTooltip(LPCTSTR lpszTooltip) { m_strTooltipText = lpszTooltip; }
    CString GetDescription() const { return m_strDescriptionText; }
    void SetDescription(LPCTSTR lpszDescription) { m_strDescriptionText = lpszDescription; }
    CString GetShortcutText() const { return m_strShortcutText; }
    void SetShortcutText(LPCTSTR lpszShortcutText) { m_strShortcutText = lpszShortcutText; }
    CString GetEditHint() const { return m_strEditHint; }
    void SetEditHint(LPCTSTR lpszEditHint) { m_strEditHint = lpszEditHint; }
    CString GetKeyboardTip() const { return m_strKeyboardTip; }
    void SetKeyboardTip(LPCTSTR lpszKeyboardTip) { m_strKeyboardTip = lpszKeyboardTip; }
    // "description\ntooltip\n\nkeyboard tip"; the caption part is not used.
    void SetPrompt(LPCTSTR lpszPrompt);

    // The states repaint (visibility: lay out again) the bound controls.
    BOOL GetEnabled() const { return m_bEnabled; }
    void SetEnabled(BOOL bEnabled);
    BOOL GetChecked() const { return m_bChecked; }
    void SetChecked(BOOL bChecked);
    BOOL IsVisible() const { return m_bVisible; }
    void SetVisible(BOOL bVisible);

    // A reference-counted object the action owns (a gallery's items).
    CCmdTarget* GetItems() const { return m_pItems; }
    void SetItems(CCmdTarget* pItems);

    int GetCount() const { return int(m_arrControls.GetSize()); }
    CZMRControl* GetControl(int nIndex) const;
    CZMRControlActions* GetActions() const { return m_pActions; }

    // The binding, kept from the control's side (CZMRControl::SetAction).
    void AttachControl(CZMRControl* pControl);
    void DetachControl(CZMRControl* pControl);

    // The string resource of a command id (ids of 1 to 0xFFFF); false when
    // there is none.
    static BOOL LoadCommandString(int nId, CString& strText);
    // Part n of a '\n'-separated prompt; false when it has no part n.
    static BOOL ExtractPromptPart(const CString& strPrompt, int nPart, CString& strPart);

protected:
    CCmdTarget* m_pItems;
    int m_nId;
    int m_nIconId;               // 0 or less: the id
    int m_nHelpId;
    BOOL m_bEnabled;
    BOOL m_bChecked;
    BOOL m_bVisible;
    CString m_strCaption;
    CString m_strTooltipText;
    CString m_strDescriptionText;
    CString m_strShortcutText;
    CString m_strEditHint;
    CString m_strKeyboardTip;
    CArray<CZMRControl*, CZMRControl*> m_arrControls;
    CZMRControlActions* m_pActions;
};
