// CRibbonHost: a framework MDI frame (CFrameHost) with a bar manager and a
// ribbon docked at its top, drawn by a ribbon theme of its own, for the
// ribbon's tests and pictures. The frame loses its Windows menu to the
// ribbon as it would to a menu bar. Destroying the host closes the frame.
#pragma once
#include "CFrameHost.h"

#include <vector>

class CZMRBarManager;
class CZMRPaintManager;
class CZMRRibbonBar;

class CRibbonHost
{
public:
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

private:
    CRibbonHost() = default;

    CFrameHost* m_pFrame = nullptr;
    CZMRBarManager* m_pManager = nullptr;
    CZMRRibbonBar* m_pRibbon = nullptr;
};
