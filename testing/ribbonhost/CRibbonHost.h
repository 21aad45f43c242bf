// CRibbonHost: a framework MDI frame (CFrameHost) with a bar manager and a
// ribbon docked at its top, drawn by a ribbon theme of its own, for the
// ribbon's tests and pictures. The frame loses its Windows menu to the
// ribbon as it would to a menu bar. Destroying the host closes the frame.
#pragma once
#include "CFrameHost.h"

#include <functional>
#include <vector>

class CZMRBarManager;
class CZMRPaintManager;
class CZMRRibbonBar;

class CRibbonHost
{
public:
    // A control notification (10338) the frame received: its code, the
    // control, and the tab of a tab-strip notification.
    struct CNotification
    {
        int nCode;
        class CZMRControl* pControl;
        class CZMRRibbonTab* pTab;
    };

    // A visible frame at rc (screen coordinates) with its ribbon, drawn by
    // the paint manager given (whose reference the host takes), or by a new
    // ribbon theme. Null when the frame cannot be made.
    static CRibbonHost* Create(const RECT& rc = {0, 0, 640, 480}, CZMRPaintManager* pPaintManager = nullptr);
    ~CRibbonHost();

    CFrameHost* Frame() const { return m_pFrame; }
    CZMRBarManager* Manager() const { return m_pManager; }
    CZMRRibbonBar* Ribbon() const { return m_pRibbon; }
    CZMRPaintManager* PaintManager() const;

    // Lays the frame out now and paints what is invalid.
    void Layout();
    // The ribbon's client rectangle in the frame's client coordinates.
    CRect RibbonRectInFrame() const;
    // The frame's client pixels, row by row, read from the window.
    std::vector<COLORREF> CaptureFrame(CSize& sz) const;
    // The frame's client area as a PNG in the build's artifacts folder.
    void SavePicture(LPCWSTR lpszName) const;
    // Pumps this thread's messages until the queue is empty.
    static void Pump();

    // The control notifications the frame received, in order.
    std::vector<CNotification> m_notifications;
    // Answers a notification (0 when not set): a non-zero answer to the
    // selection-changing code refuses the new tab.
    std::function<LRESULT(const CNotification&)> m_answer;
    // Every message the frame received, by number (0: none recorded).
    std::vector<MSG> m_frameMessages;
    UINT m_nRecordMessage = 0;

private:
    CRibbonHost() = default;
    static LRESULT CALLBACK FrameSubclass(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam, UINT_PTR nId,
                                          DWORD_PTR dwRefData);

    CFrameHost* m_pFrame = nullptr;
    CZMRBarManager* m_pManager = nullptr;
    CZMRRibbonBar* m_pRibbon = nullptr;
};
