// The skinned theme's drawing of a frame window's non-client area: borders,
// caption, caption buttons and title, the status-bar strip, and the frame's
// rounded window region. Until it is drawn here the frame keeps the
// system's own non-client painting and its square window.
#include "CZMROffice2007Theme.h"

void CZMROffice2007Theme::DrawFrame(CDC* /*pDC*/, CZMRRibbonFrameHelper* /*pFrameHelper*/)
{
}

HRGN CZMROffice2007Theme::CreateFrameRegion(CZMRRibbonFrameHelper* /*pFrameHelper*/, int /*cx*/, int /*cy*/)
{
    return nullptr;
}

void CZMROffice2007Theme::DrawFrameCaptionButton(CDC* /*pDC*/, CRect /*rc*/, int /*nId*/, BOOL /*bSelected*/,
                                                 BOOL /*bPressed*/, BOOL /*bEnabledAndActive*/)
{
}

void CZMROffice2007Theme::DrawFrameCaptionText(CDC* /*pDC*/, CRect /*rcText*/, CWnd* /*pFrame*/, BOOL /*bActive*/)
{
}

HICON CZMROffice2007Theme::SmallIconOfWindow(CWnd* /*pWnd*/)
{
    return nullptr;
}

HICON CZMROffice2007Theme::LargeIconOfWindow(CWnd* /*pWnd*/)
{
    return nullptr;
}
