// The animation object every command bar owns. It keeps a picture of the
// bar's client area and, when a part of the bar is redrawn with animation,
// cross-fades that part from its old look to its new one in six steps on the
// bar's animation timer. Without animation it paints through the picture when
// the bar asks for buffering, and otherwise lets the bar paint normally.
#pragma once
#include "Framework.h"
#include <vector>

class CZMRCommandBar;

class CZMRCommandBarAnimation
{
public:
    // One running cross-fade: the old and new looks of its rectangle.
    class CAnimateInfo
    {
    public:
        explicit CAnimateInfo(const CRect& rc);
        ~CAnimateInfo();

        HBITMAP m_hbmNew;
        LPBYTE m_pNewBits;
        HBITMAP m_hbmOld;
        LPBYTE m_pOldBits;
        CRect m_rc;                    // bar client coordinates
        int m_nStep;                   // 1..6, then done
        std::vector<CRect> m_excluded; // parts redrawn without animation since
    };

    // Steps of a cross-fade and the timer period between them.
    enum
    {
        kSteps = 6,
        kPeriod = 50
    };

    explicit CZMRCommandBarAnimation(CZMRCommandBar* pBar);
    virtual ~CZMRCommandBarAnimation();

    // Animated redraws are asked for (the bar's "EnableAnimation") or the
    // paint manager animates bars.
    BOOL IsEnabled() const;
    void SetEnabled(BOOL bEnabled) { m_bEnabled = bEnabled; }
    BOOL IsSwitchOn() const { return m_bEnabled; }
    // Paint through the cached picture even without animation.
    void SetBuffered(BOOL bBuffered) { m_bBuffered = bBuffered; }
    BOOL IsBuffered() const { return m_bBuffered; }

    // Redraws a rectangle (none: the whole bar), fading it when asked.
    virtual void RedrawRect(LPCRECT lpRect, BOOL bAnimate);
    // Paints the paint rectangle of the bar's paint device context.
    virtual void OnPaint(CDC* pDC, const CRect& rcPaint);
    // One step of the running cross-fades.
    virtual void OnTimer();
    virtual void StopAll();
    // The bar window goes: the picture is dropped and nothing stays running.
    virtual void OnBarDestroy();

    int GetAnimationCount() const { return static_cast<int>(m_arrAnimations.size()); }
    BOOL IsTimerRunning() const { return m_nTimer != 0; }
    BOOL HasCachedImage() const { return m_bmpCache.GetSafeHandle() != nullptr; }

    // (new x k + old x (255 - k)) / 256, byte by byte.
    static void BlendPixels(LPBYTE pDest, const BYTE* pNew, const BYTE* pOld, int nBytes, int k);

protected:
    void AddAnimation(CDC* pDC, CAnimateInfo* pInfo);
    void ExcludeRect(const CRect& rc, BOOL bAdd);
    void DrawStep(CDC* pDC, CAnimateInfo* pInfo);
    void DropCache();

    CZMRCommandBar* m_pBar;
    CBitmap m_bmpCache;
    BOOL m_bRepaint;
    UINT_PTR m_nTimer;
    BOOL m_bEnabled;
    BOOL m_bBuffered;
    std::vector<CAnimateInfo*> m_arrAnimations;
};
