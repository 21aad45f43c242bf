// One tab of a tab strip: caption, tooltip, icon, colour, rectangle, state
// flags and the small buttons drawn inside it (the tab-close button).
#pragma once
#include "Framework.h"
#include "CZMRTabManager.h"

class CZMRImageManagerIcon;
class CZMRMarkupUIElement;

class CZMRTabManagerItem : public CCmdTarget
{
    DECLARE_SERIAL(CZMRTabManagerItem)
public:
    CZMRTabManagerItem();
    ~CZMRTabManagerItem() override;

    // Hidden items get zero width and are skipped by hit tests and keys.
    virtual void SetVisible(BOOL bVisible);
    // Deletes the item's own buttons; the strip calls it before releasing the item.
    virtual void OnRemoved();

    CString GetCaption() const;
    COLORREF GetColor() const;
    void Select();
    void Remove();
    void RepositionOwner();

    // The setters each lay the strip out again when the value changes.
    void SetCaption(LPCTSTR lpszCaption);
    void SetTooltip(LPCTSTR lpszTooltip);
    void SetColor(COLORREF clr);
    void SetIcon(HICON hIcon);
    void SetImageIndex(int nImageIndex);
    void SetEnabled(BOOL bEnabled);
    void SetClosable(BOOL bClosable);

    BOOL IsEnabled() const { return m_bEnabled; }
    BOOL IsVisible() const { return m_bVisible; }
    BOOL IsClosable() const { return m_bClosable; }
    BOOL IsSelected() const;
    BOOL IsHighlighted() const;
    BOOL IsPressed() const;
    CString GetRawCaption() const { return m_strCaption; }
    CString GetTooltip() const { return m_strTooltip; }
    COLORREF GetRawColor() const { return m_clrItem; }
    HICON GetIcon() const { return m_hIcon; }
    int GetImageIndex() const { return m_nImageIndex; }
    int GetIndex() const { return m_nIndex; }
    DWORD_PTR GetData() const { return m_dwItemData; }
    void SetData(DWORD_PTR dwData) { m_dwItemData = dwData; }
    CZMRTabManager* GetTabManager() const { return m_pManager; }
    CRect GetRect() const { return m_rcItem; }
    // Stores the rectangle and empties the own buttons' rectangles; drawing
    // places them again.
    void SetRect(CRect rc);
    int GetWidth() const { return m_nWidth; }
    int GetContentWidth() const { return m_nContentWidth; }
    int GetRow() const { return m_nRow; }
    CZMRTabManagerNavigateButtonArray& GetNavigateButtons() { return m_arrNavigateButtons; }
    // The parsed markup of the caption, when the strip's captions are markup.
    CZMRMarkupUIElement* GetMarkupElement() const { return m_pMarkupElement; }

    // Draws the icon in the item's state: disabled, hot, selected or normal.
    void DrawImage(CDC* pDC, CRect rc, CZMRImageManagerIcon* pImage);

protected:
    void UpdateMarkup();

    friend class CZMRTabManager;
    friend class CZMRTabPaintManager;

protected:
    int m_nWidth;     // width along the strip from the last layout
    int m_nContentWidth;    // the width the item asked for
    int m_nImageIndex;
    int m_nIndex;
    BOOL m_bEnabled;
    BOOL m_bVisible;
    DWORD_PTR m_dwItemData;
    HICON m_hIcon;
    CRect m_rcItem;
    CString m_strCaption;
    CString m_strTooltip;
    COLORREF m_clrItem;
    CZMRTabManager* m_pManager;
    int m_nRow;
    BOOL m_bClosable;
    CZMRTabManagerNavigateButtonArray m_arrNavigateButtons;
    CZMRMarkupUIElement* m_pMarkupElement;
};
