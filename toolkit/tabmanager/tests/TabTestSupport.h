// A tab host on the test's desktop with a strip of fixed-width items, so
// that fonts do not decide any geometry: every item is 70 wide (the fixed
// layout) or min = max wide, and the header depth is set by a 24-pixel icon
// size (24 + 4 = 28) rather than by the font.
#pragma once
#include "CTabHostWnd.h"
#include "CZMRTabManagerItem.h"
#include "CZMRTabPaintManager.h"
#include "CZMRTabPaintManagerAppearanceSet.h"
#include "CZMRTabPaintManagerColorSet.h"
#include "CZMROffice2007Images.h"
#include "TestSkinBound.h"

const int kHeaderDepth = 28;

// The shared geometry of the base set; header and client filled by the colour
// set, each tab's face, then its content, as the styles do (the base set
// outlines no tab and draws no content).
class CTestAppearanceSet : public CZMRTabPaintManager::CAppearanceSet
{
public:
    CRect FillTabControl(CZMRTabManager* pManager, CDC* pDC, CRect rc) override
    {
        CZMRTabPaintManager::CColorSet* pColorSet = m_pPaintManager->GetColorSet();
        const CRect rcHeader = GetHeaderRect(rc, pManager);
        pColorSet->FillHeader(pDC, rcHeader, pManager);
        pColorSet->FillClient(pDC, GetClientRect(rc, pManager), pManager);
        return rcHeader;
    }
    void DrawOneTab(CDC* pDC, CZMRTabManagerItem* pItem) override
    {
        m_pPaintManager->GetColorSet()->FillTabFace(pDC, pItem->GetRect(), pItem);
        m_pPaintManager->DrawTabItem(pDC, pItem, pItem->GetRect(), TRUE);
    }
};

class CTabHostFixture
{
public:
    explicit CTabHostFixture(int nItems = 3, CRect rc = CRect(100, 100, 500, 400), int nPosition = zmrTabPositionTop)
    {
        m_pHost = CTabHostWnd::Create(rc);
        CZMRTabPaintManager* pPaintManager = m_pHost->PaintManager();
        pPaintManager->m_szIcon = CSize(24, 24);
        pPaintManager->SetAppearanceSet(new CTestAppearanceSet());
        pPaintManager->GetAppearanceSet()->m_rcHeaderMargin = CRect(2, 3, 6, 0);
        pPaintManager->SetPosition(nPosition);
        pPaintManager->SetLayout(zmrTabLayoutFixed);
        for (int i = 0; i < nItems; i++)
        {
            CZMRTabManagerItem* pItem = Strip().AddItem(-1);
            pItem->SetCaption(CString(L"Item ") + CString(std::to_wstring(i).c_str()));
        }
    }
    ~CTabHostFixture()
    {
        if (m_pHost)
            m_pHost->DestroyWindow();
    }
    CTabHostWnd::CStrip& Strip() { return m_pHost->Strip(); }
    CZMRTabPaintManager* PaintManager() { return m_pHost->PaintManager(); }
    CZMRTabManagerItem* Item(int i) { return Strip().GetItem(i); }
    // Every item min = max = nWidth wide in any layout.
    void SetItemWidth(int nWidth)
    {
        PaintManager()->m_nMinItemWidth = PaintManager()->m_nMaxItemWidth = nWidth;
        PaintManager()->OnPropertyChanged();
    }

    CTabHostWnd* m_pHost;
};
