// CTabHostWnd: a top-level window for tab-strip tests. It owns one tab strip
// that fills its client area, lays it out when sized, paints it through the
// strip's tab paint manager and forwards mouse, key and tooltip input to it.
// The strip records what it was asked to do, and a test may refuse clicks and
// selections the way a host with a veto does.
#pragma once
#include "Framework.h"
#include "CZMRTabManager.h"
#include "CZMRToolTipContext.h"
#include <string>
#include <vector>

class CZMRTabPaintManager;
class CZMRImageManager;

class CTabHostWnd : public CWnd
{
public:
    class CStrip : public CZMRTabManager
    {
    public:
        explicit CStrip(CTabHostWnd* pHost) : m_pHost(pHost) {}

        void Reposition() override;
        CZMRTabPaintManager* GetPaintManager() const override;
        void RedrawControl(LPCRECT lpRect, BOOL bNow) override;
        // An icon place while icons are shown: the image of the item's image
        // index from the image manager when one is set, else its icon handle.
        BOOL DrawIcon(CDC* pDC, CPoint pt, CZMRTabManagerItem* pItem, BOOL bDraw, CSize& szIcon) const override;
        BOOL ConfirmItemClick(CZMRTabManagerItem* pItem) override;
        void SetSelectedItem(CZMRTabManagerItem* pItem) override;
        void OnNavigateButtonClickEx(CZMRTabManagerNavigateButton* pButton) override;
        BOOL IsKeyboardFocused() const override { return m_bKeyboardFocused; }
        // The hot and the held item as the pointer would leave them.
        void SetHotItem(CZMRTabManagerItem* pItem) { m_pHotItem = pItem; }
        void SetPressedItem(CZMRTabManagerItem* pItem) { m_pPressedItem = pItem; }

        BOOL m_bRefuseClicks = FALSE;       // ConfirmItemClick answers false
        BOOL m_bRefuseSelection = FALSE;    // SetSelectedItem keeps the old selection
        BOOL m_bKeyboardFocused = FALSE;
        CZMRImageManager* m_pImageManager = nullptr;   // not owned
        int m_nRepositions = 0;
        // "close <item index>" for a tab-close button, "button <id>" for the strip's.
        std::vector<std::wstring> m_log;

    private:
        CTabHostWnd* m_pHost;
    };

    // A visible window with its client area at rcClient (screen coordinates),
    // drawing with the given paint manager (a new one of its own when null).
    // Null when it cannot be made. Deleted by DestroyWindow.
    static CTabHostWnd* Create(const RECT& rcClient, CZMRTabPaintManager* pPaintManager = nullptr);

    CStrip& Strip() { return m_strip; }
    CZMRTabPaintManager* PaintManager() const { return m_pPaintManager; }
    CZMRToolTipContext& ToolTipContext() { return m_toolTipContext; }
    // Lays the strip out in the whole client area.
    void RepositionStrip();
    // Pumps this thread's messages until the queue is empty.
    static void Pump();

protected:
    CTabHostWnd(CZMRTabPaintManager* pPaintManager);
    ~CTabHostWnd() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    void PostNcDestroy() override { delete this; }

private:
    CStrip m_strip;
    CZMRTabPaintManager* m_pPaintManager;
    BOOL m_bOwnPaintManager;
    CZMRToolTipContext m_toolTipContext;
};
