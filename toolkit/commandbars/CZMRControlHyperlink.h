// A link on a bar: its caption drawn blue (red under the mouse), its
// tooltip text the address that a click opens.
#pragma once
#include "CZMRControl.h"

class CZMRControlHyperlink : public CZMRControl
{
    DECLARE_SERIAL(CZMRControlHyperlink)
public:
    CZMRControlHyperlink();

    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint point = CPoint(0, 0)) override;
    // Opens the address; only web and mail addresses are opened.
    void OnExecute() override;
    // The hand cursor over the link.
    void OnMouseMove(CPoint point) override;

    // Whether an address may be handed to the shell: it starts with
    // "http:", "https:" or "mailto:". The address comes from saved state,
    // so anything else (a program, a document, a share) is refused.
    static BOOL IsOpenableTarget(const CString& strTarget);

    // The shell call that opens an address; tests put another in its place.
    typedef HINSTANCE(WINAPI* PFNSHELLEXECUTE)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    static PFNSHELLEXECUTE s_pfnShellExecute;

protected:
    // The bar font the caption is measured and drawn in.
    CFont* GetLinkFont() const;

    HCURSOR m_hCursorHand;
};
