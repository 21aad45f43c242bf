// The tooltips of a window with tools of its own (a command bar, a tab strip,
// a markup host): kind, colours, fonts, delays and width. The window feeds it
// its mouse messages; it finds the tool under the cursor through HitTestTool
// and keeps one tooltip window of its kind, to which it relays them.
#pragma once
#include "Framework.h"
#include "CZMRToolTipContextToolTip.h"

#include <functional>

class CZMRImageManager;
class CZMRRichRender;
class CZMRMarkupContext;
class CZMRMarkupUIElement;
struct IWebBrowser2;

// What the extended form of a tool record (TTTOOLINFOW_V2_SIZE, lParam
// pointing here) adds: title, description, the image manager of the tool's
// image, where the tip goes (empty: under the cursor) and the object the
// tool stands for.
struct ZMR_TOOLINFO_EXTENDED
{
    LPWSTR lpszDescription;   // malloc'd copy; the context frees it
    LPWSTR lpszTitle;         // malloc'd copy; the context frees it
    CZMRImageManager* pImageManager;
    RECT rcPlacement;
    CObject* pObject;         // a bar's control, say; not owned
};

// The kinds of tip.
enum ZMRToolTipStyle
{
    zmrToolTipStandard = 0,
    zmrToolTipBalloon = 1,
    zmrToolTipFlat = 2,          // flat frame, no shadow
    zmrToolTipRichText = 3,
    zmrToolTipLuna = 4,          // gradient background
    zmrToolTipOffice2007 = 5,
    zmrToolTipHtml = 6,
    zmrToolTipMarkup = 7
};

class CZMRToolTipContext : public CCmdTarget
{
public:
    // The platform tooltip control of the standard and balloon kinds: a child
    // window that hands its tools to its parent is never the window under the
    // mouse, as with the toolkit's own tip window.
    class CStandardToolTip : public CToolTipCtrl
    {
    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    };

    // Private tool flag: activate the tip even when the application is not in
    // the foreground. It and the bit above it never reach the window.
    enum { toolFlagAlwaysActivate = 0x40000000, toolFlagsPrivate = 0xC0000000 };
    // Private style bits of the toolkit's own tip windows.
    enum { tipStyleFlatTopLeft = 0x1000, tipStyleNoShadow = 0x2000, tipStyleRounded = 0x4000 };

    // The own window with a gradient background after the system colour scheme.
    class CLunaToolTip : public CZMRToolTipContextToolTip
    {
    public:
        explicit CLunaToolTip(CZMRToolTipContext* pContext) : CZMRToolTipContextToolTip(pContext) {}
        void DrawTipBackground(CDC* pDC, TOOLITEM* pTool, CRect rc) override;
    };

    // The own window showing its text as rich text (RTF or plain).
    class CRichEditToolTip : public CZMRToolTipContextToolTip
    {
    public:
        explicit CRichEditToolTip(CZMRToolTipContext* pContext);
        ~CRichEditToolTip() override;
        CSize CalcTipSize(TOOLITEM* pTool) override;
        void DrawTipContent(CDC* pDC, TOOLITEM* pTool, CRect rc) override;

    protected:
        CZMRRichRender* m_pRender;
    };

    // The own window showing its text as markup, or as plain text when the
    // markup does not parse.
    class CMarkupToolTip : public CZMRToolTipContextToolTip
    {
    public:
        explicit CMarkupToolTip(CZMRToolTipContext* pContext);
        ~CMarkupToolTip() override;
        CSize CalcTipSize(TOOLITEM* pTool) override;
        void DrawTipContent(CDC* pDC, TOOLITEM* pTool, CRect rc) override;
        CZMRMarkupUIElement* GetMarkupTree() const { return m_pTree; }

    protected:
        CZMRMarkupUIElement* m_pTree;
        CZMRMarkupContext* m_pMarkupContext;
    };

    // The own window showing its text as an HTML page in the system's web
    // browser control, a child of the tip. Without the control, its interfaces
    // or its document (or when the blank page does not get ready in time) the
    // tip measures 0 x 0 and is not shown.
    class CHTMLToolTip : public CZMRToolTipContextToolTip
    {
    public:
        explicit CHTMLToolTip(CZMRToolTipContext* pContext);
        ~CHTMLToolTip() override;
        CSize CalcTipSize(TOOLITEM* pTool) override;
        // The browser's own window shows the page; nothing is drawn over it.
        void DrawTipContent(CDC* pDC, TOOLITEM* pTool, CRect rc) override;

        // The narrowest width up to nMaxWidth at which the page stays
        // nTargetHeight high. probe(width) lays the page out at that width
        // and answers its scroll width (cx) and scroll height (cy).
        static int FindTipWidth(int nMaxWidth, int nTargetHeight, const std::function<CSize(int)>& probe);

        IWebBrowser2* GetBrowser() const { return m_pBrowser; }
        BOOL IsBrowserUnavailable() const { return m_bUnavailable; }

        // How long the blank page may take to load before the browser counts
        // as unavailable for the life of the tip window, in milliseconds.
        static DWORD s_dwReadyTimeout;

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
        BOOL CreateBrowser();
        void DestroyBrowser();
        void SizeBrowser(int x, int y, int cx, int cy);

        class CHostSite;
        CHostSite* m_pHostSite;    // one reference, made with the browser
        CWnd m_wndBrowser;
        IWebBrowser2* m_pBrowser;  // one reference
        BOOL m_bUnavailable;       // the browser failed once; it is not tried again
    };

    CZMRToolTipContext();
    ~CZMRToolTipContext() override;

    // A new window object of the current kind, not yet created, or null.
    virtual CWnd* CreateToolTip(CWnd* pOwner);
    // The tool under the point (client coordinates of pWnd) with pInfo
    // filled, or -1. Tool ids may be addresses, so they are pointer-sized.
    virtual INT_PTR HitTestTool(CWnd* pWnd, CPoint point, TOOLINFO* pInfo);

    int GetStyle() const { return m_nStyle; }
    // Destroys the tip window when the kind (or its style bits) change; a
    // balloon is refused when the common controls cannot draw one.
    void SetStyle(int nStyle);
    BOOL IsBalloonStyleSupported() const;
    // Any change of the style bits destroys the tip window.
    void ModifyToolTipStyle(DWORD dwRemove, DWORD dwAdd);
    DWORD GetToolTipStyle() const { return m_dwStyle; }

    // Fills the rectangle, window, id and a copy of the text (allocated with
    // malloc; whoever hands the record on frees it). Nothing for a null record
    // or one smaller than the basic tool record.
    static void AFXAPI FillInToolInfo(TOOLINFO* pInfo, HWND hWnd, int nLeft, int nTop, int nRight, int nBottom,
                                      INT_PTR nId, LPCWSTR lpszText);
    // Also copies the title and description (only when both are given) and
    // sets the image manager, for an extended record.
    static void AFXAPI FillInToolInfoEx(TOOLINFO* pInfo, HWND hWnd, LPCRECT lpRect, INT_PTR nId, LPCWSTR lpszText,
                                        LPCWSTR lpszTitle, LPCWSTR lpszDescription, CZMRImageManager* pImageManager);

    // A host window's own message, with the cursor position of now.
    void FilterMouseMessage(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Shows, moves or hides the tip for one message of pOwner.
    void FilterToolTipMessage(CWnd* pOwner, MSG* pMsg, BOOL bFromHost);
    void CancelToolTips();
    void RelayToolTipEvent(CWnd* pToolTip, MSG* pMsg);

    COLORREF GetTipBackColor() const;
    COLORREF GetTipTextColor() const;

    CWnd* GetToolTip() const { return m_pToolTip; }
    const TOOLINFO& GetLastTool() const { return m_lastTool; }
    CFont* GetFont() { return &m_fntRegular; }
    CFont* GetBoldFont() { return &m_fntBold; }
    int GetMaxTipWidth() const { return m_nMaxTipWidth; }

protected:
    void DestroyToolTip();
    BOOL CreateToolTipWindow(HWND hWndOwner);

public:
    // Settings the owners assign as they need.
    BOOL m_bShowTitleAndDescription;
    BOOL m_bShowImage;
    int m_nImageWidth;
    int m_nImageBase;
    int m_nIconTitle;
    int m_nMaxTipWidth;        // -1: the screen width
    CRect m_rcMargin;
    int m_nDelayInitial;       // -1 keeps the window's default
    int m_nDelayReshow;
    int m_nDelayAutoPop;
    COLORREF m_clrBack;        // -1: the info background colour
    COLORREF m_clrText;        // -1: the info text colour

protected:
    int m_nStyle;
    DWORD m_dwComCtlVersion;   // major in the high word
    DWORD m_dwStyle;           // tip window style bits
    CWnd* m_pToolTip;          // owned, made on first need
    TOOLINFO m_lastTool;       // the tool registered last; its text is not kept
    CFont m_fntRegular;
    CFont m_fntBold;
};
