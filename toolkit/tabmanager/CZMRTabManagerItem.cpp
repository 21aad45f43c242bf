#include "CZMRTabManagerItem.h"
#include "CZMRTabManagerNavigateButton.h"
#include "CZMRTabPaintManager.h"
#include "CZMRImageManager.h"
#include "CZMRIconHandle.h"
#include "ZMRMarkupFacade.h"

IMPLEMENT_SERIAL(CZMRTabManagerItem, CCmdTarget, VERSIONABLE_SCHEMA | 0x21)

CZMRTabManagerItem::CZMRTabManagerItem()
    : m_nWidth(0), m_nContentWidth(0), m_nImageIndex(-1), m_nIndex(-1), m_bEnabled(TRUE), m_bVisible(TRUE),
      m_dwItemData(0), m_hIcon(nullptr), m_clrItem(0), m_pManager(nullptr), m_nRow(0), m_bClosable(TRUE),
      m_pMarkupElement(nullptr)
{
    m_rcItem.SetRectEmpty();
}

CZMRTabManagerItem::~CZMRTabManagerItem()
{
    OnRemoved();
    DropMarkupTree(&m_pMarkupElement);
}

void CZMRTabManagerItem::SetVisible(BOOL bVisible)
{
    if (bVisible == m_bVisible)
        return;
    m_bVisible = bVisible;
    RepositionOwner();
}

void CZMRTabManagerItem::OnRemoved()
{
    for (INT_PTR i = 0; i < m_arrNavigateButtons.GetSize(); i++)
        delete m_arrNavigateButtons[i];
    m_arrNavigateButtons.RemoveAll();
}

CString CZMRTabManagerItem::GetCaption() const
{
    return m_pManager ? m_pManager->GetItemCaption(this) : m_strCaption;
}

COLORREF CZMRTabManagerItem::GetColor() const
{
    return m_pManager ? m_pManager->GetItemColor(this) : m_clrItem;
}

void CZMRTabManagerItem::Select()
{
    if (m_pManager)
        m_pManager->OnItemClick(this);
}

void CZMRTabManagerItem::Remove()
{
    if (m_pManager)
        m_pManager->DeleteItem(m_nIndex);
}

void CZMRTabManagerItem::RepositionOwner()
{
    if (m_pManager)
        m_pManager->Reposition();
}

BOOL CZMRTabManagerItem::IsSelected() const
{
    return m_pManager && m_pManager->GetSelectedItem() == this;
}

BOOL CZMRTabManagerItem::IsHighlighted() const
{
    return m_pManager && m_pManager->GetHotItem() == this;
}

BOOL CZMRTabManagerItem::IsPressed() const
{
    return m_pManager && m_pManager->GetPressedItem() == this;
}

void CZMRTabManagerItem::SetCaption(LPCTSTR lpszCaption)
{
    if (m_strCaption == lpszCaption)
        return;
    m_strCaption = lpszCaption;
    UpdateMarkup();
    RepositionOwner();
}

void CZMRTabManagerItem::SetTooltip(LPCTSTR lpszTooltip)
{
    if (m_strTooltip == lpszTooltip)
        return;
    m_strTooltip = lpszTooltip;
    RepositionOwner();
}

void CZMRTabManagerItem::SetColor(COLORREF clr)
{
    if (m_clrItem == clr)
        return;
    m_clrItem = clr;
    RepositionOwner();
}

void CZMRTabManagerItem::SetIcon(HICON hIcon)
{
    if (m_hIcon == hIcon)
        return;
    m_hIcon = hIcon;
    RepositionOwner();
}

void CZMRTabManagerItem::SetImageIndex(int nImageIndex)
{
    if (m_nImageIndex == nImageIndex)
        return;
    m_nImageIndex = nImageIndex;
    RepositionOwner();
}

void CZMRTabManagerItem::SetEnabled(BOOL bEnabled)
{
    if (m_bEnabled == bEnabled)
        return;
    m_bEnabled = bEnabled;
    RepositionOwner();
}

void CZMRTabManagerItem::SetClosable(BOOL bClosable)
{
    if (m_bClosable == bClosable)
        return;
    m_bClosable = bClosable;
    RepositionOwner();
}

void CZMRTabManagerItem::SetRect(CRect rc)
{
    m_rcItem = rc;
    for (INT_PTR i = 0; i < m_arrNavigateButtons.GetSize(); i++)
        m_arrNavigateButtons[i]->SetRect(CRect(0, 0, 0, 0));
}

void CZMRTabManagerItem::UpdateMarkup()
{
    DropMarkupTree(&m_pMarkupElement);
    if (m_pManager && m_pManager->GetMarkupContext())
        m_pMarkupElement = BuildMarkupTree(m_pManager->GetMarkupContext(), m_strCaption);
}

// ------------------------------------------------------------ icons

namespace
{
// A 32-bit top-down bitmap of n x n pixels and its bits.
HBITMAP CreateSquareBitmap(int n, DWORD** ppBits)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = n;
    bmi.bmiHeader.biHeight = -n;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    return ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(ppBits), nullptr, 0);
}

// Turns the pixels of pSrc a quarter into pDst: clockwise, or back.
void TurnQuarter(const DWORD* pSrc, DWORD* pDst, int n, bool bClockwise)
{
    ::GdiFlush();
    for (int y = 0; y < n; y++)
    {
        for (int x = 0; x < n; x++)
        {
            if (bClockwise)
                pDst[x * n + (n - 1 - y)] = pSrc[y * n + x];
            else
                pDst[(n - 1 - x) * n + y] = pSrc[y * n + x];
        }
    }
}
}

void CZMRTabManagerItem::DrawImage(CDC* pDC, CRect rc, CZMRImageManagerIcon* pImage)
{
    if (!pImage)
        return;
    CZMRIconHandle* pHandle;
    if (!m_bEnabled)
        pHandle = &pImage->GetDisabledIcon();
    else if (IsHighlighted())
        pHandle = &pImage->GetHotIcon();
    else if (IsSelected())
        pHandle = &pImage->GetCheckedIcon();
    else
        pHandle = &pImage->GetIcon(ZMR_ICONSTATE_NORMAL);

    const CZMRTabPaintManager* pPaintManager = m_pManager ? m_pManager->GetPaintManager() : nullptr;
    const BOOL bTurn = pPaintManager && pPaintManager->m_bRotateIcons && !m_pManager->IsHorizontal()
                       && rc.Width() == rc.Height() && rc.Width() > 0;
    if (bTurn)
    {
        // The background is turned a quarter, the icon drawn upright on it and
        // the whole turned back: the icon ends up turned against the strip.
        const int n = rc.Width();
        DWORD* pBackBits = nullptr;
        DWORD* pTurnedBits = nullptr;
        CBitmap bmpBack, bmpTurned;
        bmpBack.Attach(CreateSquareBitmap(n, &pBackBits));
        bmpTurned.Attach(CreateSquareBitmap(n, &pTurnedBits));
        CDC dcMem;
        if (bmpBack.GetSafeHandle() && bmpTurned.GetSafeHandle() && dcMem.CreateCompatibleDC(pDC))
        {
            CBitmap* pOld = dcMem.SelectObject(&bmpBack);
            dcMem.BitBlt(0, 0, n, n, pDC, rc.left, rc.top, SRCCOPY);
            TurnQuarter(pBackBits, pTurnedBits, n, true);
            dcMem.SelectObject(&bmpTurned);
            pImage->Draw(&dcMem, CPoint(0, 0), *pHandle, CSize(n, n));
            TurnQuarter(pTurnedBits, pBackBits, n, false);
            dcMem.SelectObject(pOld);
            pDC->DrawState(rc.TopLeft(), rc.Size(), &bmpBack, DST_BITMAP | DSS_NORMAL);
            return;
        }
    }
    pImage->Draw(pDC, rc.TopLeft(), *pHandle, rc.Size());
}
