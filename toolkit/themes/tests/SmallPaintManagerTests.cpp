// The small paint managers that every paint manager owns: their metrics
// after construction and after a refresh.
#include "CZMRControlGalleryPaintManager.h"
#include "CZMRProgressPaintManager.h"
#include "CZMRSliderPaintManager.h"
#include <gtest/gtest.h>

TEST(SmallPaintManagers, MetricsAfterConstructionAndRefresh)
{
    // Their owner is only kept here; the paint manager's tests give them one.
    CZMRPaintManager* pOwner = nullptr;
    const CRect rcSystem(::GetSystemMetrics(SM_CXHSCROLL), ::GetSystemMetrics(SM_CYHSCROLL),
                         ::GetSystemMetrics(SM_CYVSCROLL), ::GetSystemMetrics(SM_CXVSCROLL));
    auto metrics = [](const CZMRScrollBarPaintManager& pm) {
        return CRect(pm.m_cxHScroll, pm.m_cyHScroll, pm.m_cyVScroll, pm.m_cxVScroll);
    };

    CZMRScrollBarPaintManager scrollBar(pOwner);
    CZMRSliderPaintManager slider(pOwner);
    CZMRControlGalleryPaintManager gallery(pOwner);
    CZMRProgressPaintManager progress(pOwner);
    EXPECT_EQ(rcSystem, metrics(scrollBar));
    EXPECT_EQ(rcSystem, metrics(slider));
    EXPECT_EQ(0, slider.m_nThumbSize);
    EXPECT_EQ(19, gallery.m_cyUpButton);
    EXPECT_EQ(19, gallery.m_cyDownButton);
    EXPECT_EQ(16, gallery.m_cxScrollColumn);
    EXPECT_EQ(16, progress.m_nDefaultHeight);

    scrollBar.m_nThumbSize = 7;
    scrollBar.m_cxHScroll = 1;
    gallery.m_cyUpButton = gallery.m_cyDownButton = gallery.m_cxScrollColumn = 1;
    scrollBar.RefreshMetrics();
    slider.RefreshMetrics();
    gallery.RefreshMetrics();
    progress.RefreshMetrics();
    EXPECT_EQ(rcSystem, metrics(scrollBar));
    EXPECT_EQ(7, scrollBar.m_nThumbSize) << "a refresh keeps the fixed thumb size";
    EXPECT_EQ(CRect(16, 16, rcSystem.right, rcSystem.bottom), metrics(slider));
    EXPECT_EQ(11, slider.m_nThumbSize);
    EXPECT_EQ(19, gallery.m_cyUpButton);
    EXPECT_EQ(19, gallery.m_cyDownButton);
    EXPECT_EQ(16, gallery.m_cxScrollColumn);
    EXPECT_EQ(rcSystem, metrics(gallery));
    // Wine's own theme has both classes.
    EXPECT_TRUE(scrollBar.m_themeScrollBar.IsThemeOpen());
    EXPECT_TRUE(progress.m_themeProgress.IsThemeOpen());
}
