// Placement arithmetic of the runtime: centring, keeping on screen, restyling, frame and bar layout.
#include <gtest/gtest.h>

#include "runtime/ColourScheme.h"
#include "runtime/Layout.h"

TEST(Centring, HalvesTheSpareRoomTruncatingTowardZero) {
    const Point buy = centredOrigin(800, 600, {10, 20, 10 + 306, 20 + 151});
    EXPECT_EQ(buy.x, 247);  // (800 - 306) / 2
    EXPECT_EQ(buy.y, 224);  // (600 - 151) / 2 = 224.5
    const Point wide = centredOrigin(640, 480, {0, 0, 701, 100});
    EXPECT_EQ(wide.x, -30);  // -61 / 2 truncates toward zero
    EXPECT_EQ(wide.y, 190);
}

TEST(KeepOnScreen, PullsBackOnlyWindowsThatFit) {
    const Point pulled = keptOnScreen(800, 600, 700, 550, 200, 100);
    EXPECT_EQ(pulled.x, 600);
    EXPECT_EQ(pulled.y, 500);
    const Point tooBig = keptOnScreen(800, 600, 100, 50, 900, 700);
    EXPECT_EQ(tooBig.x, 100);
    EXPECT_EQ(tooBig.y, 50);
    const Point inside = keptOnScreen(800, 600, 80, 50, 640, 480);
    EXPECT_EQ(inside.x, 80);
    EXPECT_EQ(inside.y, 50);
}

TEST(HostedChildStyle, DropsThePopUpPartsAndMakesAChild) {
    const uint32_t popup =
        0x80000000u | 0x00C00000u | 0x00080000u | 0x00040000u | 0x80u | 0x02u | 0x10000000u;
    // WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME | DS_SYSMODAL | WS_VISIBLE
    EXPECT_EQ(hostedChildStyle(popup, kClientDialog), 0x10000000u | 0x44000000u);
    EXPECT_EQ(hostedChildStyle(popup, kTopBar), (popup & 0x5EFFFFFDu) | 0x44000000u);
    EXPECT_EQ(hostedChildStyle(popup, kTopBar) & 0x00C00000u, 0x00C00000u);  // bars keep their caption
    EXPECT_EQ(hostedChildStyle(0x21000000u, kRightBar), 0x44000000u);        // WS_MINIMIZE | WS_MAXIMIZE go
}

TEST(FrameLayout, FitsTheFrameAroundDialogAndBars) {
    const Size fitted = frameSizeForClient({640, 480}, {632, 434}, {640, 480}, {10, 20, 5, 15});
    EXPECT_EQ(fitted.width, 640 + 8 + 15);
    EXPECT_EQ(fitted.height, 480 + 46 + 35);

    const BarSizes bars{30, 20, 40, 10};
    const Size bar{50, 25};
    const Rect top = layoutRectFor(kTopBar, 500, 300, bars, bar, false);
    EXPECT_EQ(top.left, 30);
    EXPECT_EQ(top.right, 460);
    EXPECT_EQ(top.top, 0);
    EXPECT_EQ(top.bottom, 25);
    const Rect bottomFull = layoutRectFor(kBottomBar, 500, 300, bars, bar, true);
    EXPECT_EQ(bottomFull.left, 0);
    EXPECT_EQ(bottomFull.right, 500);
    EXPECT_EQ(bottomFull.top, 275);
    const Rect left = layoutRectFor(kLeftBar, 500, 300, bars, bar, false);
    EXPECT_EQ(left.top, 0);
    EXPECT_EQ(left.bottom, 300);
    EXPECT_EQ(left.right, 50);
    const Rect rightFull = layoutRectFor(kRightBar, 500, 300, bars, bar, true);
    EXPECT_EQ(rightFull.left, 450);
    EXPECT_EQ(rightFull.top, 20);
    EXPECT_EQ(rightFull.bottom, 290);
    const Rect client = layoutRectFor(kClientDialog, 500, 300, bars, bar, false);
    EXPECT_EQ(client.left, 30);
    EXPECT_EQ(client.top, 20);
    EXPECT_EQ(client.right, 460);
    EXPECT_EQ(client.bottom, 290);
}

TEST(GreyScheme, OffForEveryClassWithTheGameOptions) {
    EXPECT_EQ(greySchemeBitFor("Edit"), 0x10u);
    EXPECT_EQ(greySchemeBitFor("combobox"), 0x04u);
    EXPECT_EQ(greySchemeBitFor("STATIC"), 0x40u);
    EXPECT_EQ(greySchemeBitFor("RichEdit"), 0u);
    EXPECT_EQ(greySchemeBitFor(nullptr), 0u);
    for (const char* name : {"Edit", "ComboBox", "ListBox", "Button", "ScrollBar", "Static"})
        EXPECT_FALSE(greySchemeApplies(kRuntimeOptions, name)) << name;
    EXPECT_TRUE(greySchemeApplies(0x10, "edit"));
    EXPECT_FALSE(greySchemeApplies(0x10, "listbox"));
    EXPECT_FALSE(greySchemeApplies(0x7F, "EditPlusAVeryLongClassName"));
}
