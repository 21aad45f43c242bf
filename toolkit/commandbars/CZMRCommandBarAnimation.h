// The animation object every command bar owns: it takes the bar's redraw
// requests and paints, and runs the bar's animation timer. Without a cached
// picture it invalidates what the bar asks for and lets the bar paint through
// a flicker-free buffer.
#pragma once
#include "Framework.h"

class CZMRCommandBar;

class CZMRCommandBarAnimation
{
public:
    explicit CZMRCommandBarAnimation(CZMRCommandBar* pBar);
    virtual ~CZMRCommandBarAnimation();

    // Animated redraws are asked for (the bar's "EnableAnimation").
    BOOL IsEnabled() const;
    void SetEnabled(BOOL bEnabled) { m_bEnabled = bEnabled; }
    BOOL IsSwitchOn() const { return m_bEnabled; }
    // Paint through the cached picture even without animation.
    void SetBuffered(BOOL bBuffered) { m_bBuffered = bBuffered; }
    BOOL IsBuffered() const { return m_bBuffered; }

    // Invalidates a rectangle (none: the whole bar) without erasing.
    virtual void RedrawRect(LPCRECT lpRect, BOOL bAnimate);
    // Paints the paint rectangle of the bar's paint device context.
    virtual void OnPaint(CDC* pDC, const CRect& rcPaint);
    // One step of the running animations.
    virtual void OnTimer();
    virtual void StopAll();
    // The bar window goes: nothing may stay running.
    virtual void OnBarDestroy();

protected:
    CZMRCommandBar* m_pBar;
    BOOL m_bEnabled;
    BOOL m_bBuffered;
};
