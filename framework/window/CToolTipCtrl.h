// CToolTipCtrl: the common controls' tooltip window. It shows the tip of the
// tool under the mouse; its owner relays the mouse messages to it
// (RelayEvent) and registers the tools (AddTool, DelTool).
#pragma once

#include "window/CWnd.h"

class CToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl();
    ~CToolTipCtrl() override;

    // A top-level tooltip window owned by pParentWnd (TTS_ styles in dwStyle).
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    void Activate(BOOL bActivate);
    // A tool for a rectangle of pWnd (nIDTool), or for the whole window pWnd
    // when lpRectTool is null and nIDTool is 0. LPSTR_TEXTCALLBACK asks the
    // window for the text with TTN_NEEDTEXT.
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void RelayEvent(LPMSG lpMsg);
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    // New text for a registered tool (found as AddTool registered it);
    // LPSTR_TEXTCALLBACK makes the tool ask for its text again.
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);

    void SetDelayTime(UINT nDelay);
    void SetDelayTime(DWORD dwDuration, int iTime);
    int GetDelayTime(DWORD dwDuration) const;
    int SetMaxTipWidth(int iWidth);
    void SetTipBkColor(COLORREF clr);
    void SetTipTextColor(COLORREF clr);
    void SetMargin(LPRECT lprc);
    BOOL SetTitle(UINT uIcon, LPCTSTR lpstrTitle);

private:
    void FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
};
