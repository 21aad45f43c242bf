// A button in the caption of a floating frame (close and its kin): where it
// sits in the frame, the system command it sends and the state the themes
// draw it in.
#pragma once
#include "Framework.h"

class CZMRCaptionButton
{
public:
    explicit CZMRCaptionButton(UINT nCommand) : m_nCommand(nCommand) {}

    // The system command, SC_CLOSE for the close button.
    UINT GetCommand() const { return m_nCommand; }
    // In the frame's client coordinates.
    CRect GetRect() const { return m_rc; }
    void SetRect(const CRect& rc) { m_rc = rc; }
    // Under the mouse.
    BOOL IsHot() const { return m_bHot; }
    void SetHot(BOOL bHot) { m_bHot = bHot; }
    BOOL IsPressed() const { return m_bPressed; }
    void SetPressed(BOOL bPressed) { m_bPressed = bPressed; }
    BOOL GetEnabled() const { return m_bEnabled; }
    void SetEnabled(BOOL bEnabled) { m_bEnabled = bEnabled; }

private:
    UINT m_nCommand;
    CRect m_rc;
    BOOL m_bHot = FALSE;
    BOOL m_bPressed = FALSE;
    BOOL m_bEnabled = TRUE;
};
