// The logic of the themed list control: row and sort colours, columns,
// stored column widths and the header notifications. It is not a window;
// it works on the list window it is given as its owner.
#pragma once

#include "CZMHeaderCtrl.h"

class CZMListBase
{
public:
    struct ROWCOLOR
    {
        int nRow;
        COLORREF clrBack;
        COLORREF clrText;
    };

    CZMListBase();
    virtual ~CZMListBase();

    void SetOwner(CListCtrl* pOwner) { m_pListCtrl = pOwner; }
    void RefreshMetrics();

    // Row colours may be set from any thread.
    void EnableRowColors(bool bEnable) { m_bRowColors = bEnable; }
    void SetRowColor(int nRow, COLORREF clrText, COLORREF clrBack, bool bRedraw = true);
    // A copy of the row's record; false when the row has none.
    bool GetRowColor(int nRow, ROWCOLOR* pRecord);

    virtual int SetSortIndicator(int nColumn, int nAscending);
    virtual int GetStoredColumnWidth(int n);
    virtual void RestoreColumnWidth(int nColumn);
    virtual void LoadColumnWidths();
    virtual void SaveColumnWidths();
    virtual BOOL SizeColumnToHeaderText(int nColumn);
    virtual void RememberColumnWidths(LPCWSTR lpszSection = nullptr, LPCWSTR lpszEntry = nullptr,
                                      LPCWSTR lpszDefault = nullptr);
    virtual BOOL AttachFlatHeader(bool bBold);
    virtual bool SortList(int nColumn, bool bAscending);
    virtual DWORD AddExtendedStyle(DWORD dwStyle);
    virtual DWORD GetExtendedStyle();
    virtual void LockColumnWidths(bool bLock) { m_bLockWidths = bLock; }
    virtual int HitTestCell(POINT pt, int* pnColumn = nullptr);
    virtual int AddColumn(LPCWSTR lpszHeading, int nWidth = -1, int nFormat = LVCFMT_LEFT);
    virtual BOOL InsertColumnsFromArrays(int nCount, const int* pWidths, LPCWSTR* ppHeadings);
    virtual BOOL InsertColumnsFromStringIds(int nCount, const int* pWidths, const UINT* pIDs);
    virtual int GetColumnCount();
    virtual int CopyRow(int nFrom, int nTo);
    virtual BOOL MoveRow(int nFrom, int nTo);
    virtual ROWCOLOR* FindRowColor(int nRow);
    virtual BOOL ModifyExtendedStyle(DWORD dwRemove, DWORD dwAdd);
    virtual BOOL InitializeList();
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Setters the hosts of this system do not use.
    void SetMinColumnWidth(int nWidth) { m_nMinColumnWidth = nWidth; }
    void SetCustomColors(COLORREF clrText, COLORREF clrBack);
    void EnableSortTint(bool bEnable) { m_bSortTint = bEnable; }
    void UseSharedFont(bool bUse) { m_bUseSharedFont = bUse; }

    // Effective colours of the drawing.
    COLORREF GetTextColor() const;
    COLORREF GetBackColor() const;
    COLORREF GetSortTextColor() const;
    COLORREF GetSortBackColor() const;

    int GetSortColumn() const { return m_nSortColumn; }
    bool IsSortAscending() const { return m_bAscending; }
    CZMFlatHeaderCtrl& GetFlatHeader() { return m_wndHeader; }

protected:
    bool IsReportView() const;
    // The n-th stored width as text, empty when there is none.
    CString GetStoredField(int n);
    HWND GetHeaderHwnd() const;
    CZMHeaderCtrl* GetZMHeader() const;
    // The owner window's own notification handling.
    virtual BOOL BaseOnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) = 0;
    // Colours of one cell of the custom draw.
    void ColorCell(NMLVCUSTOMDRAW* pDraw);

    int m_nMinColumnWidth;
    int m_nMaxColumnWidth;
    int m_nSortColumn;
    bool m_bUseSharedFont;
    bool m_bSaveWidths;
    bool m_bCustomColors;
    bool m_bRowColors;
    bool m_bSortTint;
    bool m_bAscending;
    bool m_bLockWidths;
    CString m_strSection;
    CString m_strEntry;
    CString m_strDefault;
    COLORREF m_clrText;
    COLORREF m_clrBack;
    COLORREF m_clrSortText;
    COLORREF m_clrSortBack;
    CList<ROWCOLOR, ROWCOLOR&> m_listRowColors;
    CZMFlatHeaderCtrl m_wndHeader;
    CListCtrl* m_pListCtrl;
    bool m_bInitOnSubclass;
    CRITICAL_SECTION m_csRowColors;
};
