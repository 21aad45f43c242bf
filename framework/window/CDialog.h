// CDialog: a dialog box from a template resource, run by the system dialog
// manager. DoModal creates it, disables its owner and runs the dialog's own
// message loop (PreTranslateMessage, then the dialog manager's keyboard
// handling) until EndDialog; Create makes a modeless one.
#pragma once

#include "window/CWnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modal: the result passed to EndDialog; -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Modeless.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

    // After the controls exist: fills them from the members (UpdateData(FALSE)).
    // TRUE lets the dialog manager put the focus on the first control.
    virtual BOOL OnInitDialog();
    // IDOK: takes the members from the controls and ends with IDOK (stays
    // open when a value cannot be read). IDCANCEL: ends with IDCANCEL.
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int nResult);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);

    LPCTSTR m_lpszTemplateName;
    UINT m_nIDHelp;
    CWnd* m_pParentWnd;

protected:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    int RunModalLoop();
    void EndModalLoop(int nResult);
    HWND PreModal();
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    int m_nModalResult;
    BOOL m_bContinueModal;

    DECLARE_MESSAGE_MAP()
};
