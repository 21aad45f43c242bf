// The toolkit's report-view list control: buffered painting, per-row text
// and background colours, sort colours, stored column widths.
#pragma once

#include "CZMListBase.h"

class CZMListCtrlBase : public CListCtrl, public CZMListBase
{
public:
    // Both bases read the same extended style; the list logic's is the one named.
    using CZMListBase::GetExtendedStyle;
    using CZMListBase::SetOwner;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    BOOL BaseOnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CZMListCtrl : public CZMListCtrlBase
{
    DECLARE_DYNAMIC(CZMListCtrl)
public:
    CZMListCtrl();
    virtual ~CZMListCtrl();

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};
