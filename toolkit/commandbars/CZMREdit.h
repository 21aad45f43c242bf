// The toolkit's edit window, the base of the edit windows of bar edits and
// combo boxes: a rich edit in plain-text mode when a rich-edit library loads,
// else a standard edit, with the clipboard commands and a Cut / Copy / Paste
// context menu built as a popup bar.
#pragma once
#include "Framework.h"

class CZMRControl;

class CZMREdit : public CEdit
{
    DECLARE_DYNAMIC(CZMREdit)
public:
    CZMREdit();

    // Replaces the text so that only the final step reports a change.
    void SetText(LPCTSTR lpszText);
    CString GetText() const;
    // The colours the owning control asks for (GetEditCharFormat).
    void ApplyCharFormat(COLORREF clrText, COLORREF clrBack);
    // Clipboard, undo and caret keys go to the window itself; true when it took them.
    BOOL FilterKey(UINT nChar, LPARAM lParam);

    BOOL IsImeComposing() const { return m_bImeComposing; }
    void SetImeComposing(BOOL bComposing) { m_bImeComposing = bComposing; }
    // The owning control lies in a ribbon caption on glass: the window paints opaque.
    void SetInRibbonCaption(BOOL bInCaption) { m_bInRibbonCaption = bInCaption; }
    BOOL IsInRibbonCaption() const { return m_bInRibbonCaption; }
    BOOL IsSettingText() const { return m_bSettingText; }
    // The window is a rich edit 2.0 window.
    BOOL IsRichEdit20() const;

    // Enabled state of the clipboard commands (ID_EDIT_CUT, _COPY, _PASTE).
    virtual BOOL IsClipboardCommandEnabled(UINT nID) const;
    // Runs a clipboard command.
    virtual void OnClipboardCommand(UINT nID);
    // The Cut / Copy / Paste menu at a client point; false when the program
    // carries no edit command strings and shows none.
    virtual BOOL ShowContextMenu(CZMRControl* pControl, CPoint point);
    // Creates the window as a child of the parent.
    virtual BOOL CreateEditWindow(DWORD dwStyle, CWnd* pParentWnd);

    // The class the rich-edit loader found ("RichEdit20W", "RICHEDIT"), empty
    // without one; loaded once per process.
    static CString GetRichEditClass();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    BOOL m_bImeComposing;
    BOOL m_bInRibbonCaption;
    BOOL m_bSettingText;
};
