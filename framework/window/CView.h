// CView: the window that shows a document inside a frame. It fills the
// frame's room left by the bars (id AFX_IDW_PANE_FIRST), draws through
// OnDraw, takes commands before its frame (and hands the rest to its
// document), and deletes itself when its window goes.
#pragma once

#include "window/CWnd.h"

class CDocument;

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    CView();
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    // Once the document is ready (WM_INITIALUPDATE): the same as an update.
    virtual void OnInitialUpdate();
    // The document changed: the default repaints the whole view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnDraw(CDC* pDC) = 0;
    // Whether the view shows the object (an item of its document) selected;
    // a plain view selects nothing.
    virtual BOOL IsSelected(const CObject* pDocItem) const;
    // The frame made this view (bActivate) or another one its active view.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void PostNcDestroy() override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);

    CDocument* m_pDocument;
    friend class CDocument;

    DECLARE_MESSAGE_MAP()
};
