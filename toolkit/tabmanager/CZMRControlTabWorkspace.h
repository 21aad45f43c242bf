// A command-bar control that shows the tabs of an MDI tab client, so that
// the strip can live on a tool bar: the control's workspace stands in for
// the client's own groups while the client hosts it.
#pragma once
#include "CZMRControlButton.h"
#include "CZMRTabClientWnd.h"

class CZMRControlTabWorkspace : public CZMRControlButton
{
    DECLARE_SERIAL(CZMRControlTabWorkspace)
public:
    // The strip inside the control: drawn and laid out through its bar.
    class CControlWorkspace : public CZMRTabClientWnd::CWorkspace
    {
    public:
        explicit CControlWorkspace(CZMRControlTabWorkspace* pControl) : m_pControl(pControl) {}

        void Reposition() override;
        void RedrawControl(LPCRECT lpRect, BOOL bNow) override;
        int GetPosition() const override;
        CWnd* GetClientWindow() const override;

    private:
        CZMRControlTabWorkspace* m_pControl;
    };

    CZMRControlTabWorkspace();
    ~CZMRControlTabWorkspace() override;

    CControlWorkspace* GetWorkspace() { return &m_workspace; }
    int GetDefaultLength() const { return m_nDefaultLength; }
    void SetDefaultLength(int nLength) { m_nDefaultLength = nLength; }
    BOOL IsLayoutPending() const { return m_bLayoutPending; }

    void SetRect(CRect rcControl) override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint point = CPoint(0, 0)) override;
    void OnMouseMove(CPoint point) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) override;
    void OnRemoved() override;
    void Copy(CZMRControl* pControl, BOOL bRecursive = FALSE) override;

protected:
    CControlWorkspace m_workspace;
    BOOL m_bLayoutPending;
    int m_nDefaultLength;
};
