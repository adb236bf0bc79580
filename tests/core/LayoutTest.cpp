// Placement arithmetic of the runtime: centring, keeping on screen, frame and bar layout.
#include "tests/core/TestKit.h"
#include "runtime/ColourScheme.h"
#include "runtime/Layout.h"

namespace {
auto corners(const Rect& r) {
    return std::make_tuple(r.left, r.top, r.right, r.bottom);
}
auto xy(const Point& p) {
    return std::make_pair(p.x, p.y);
}
}  // namespace

TEST(Placement, CentringTruncatesTowardZeroAndOnlyWindowsThatFitArePulledBack) {
    EXPECT_EQ(xy(centredOrigin(800, 600, {10, 20, 10 + 306, 20 + 151})), std::make_pair(247, 224));
    EXPECT_EQ(xy(centredOrigin(640, 480, {0, 0, 701, 100})), std::make_pair(-30, 190));
    EXPECT_EQ(xy(keptOnScreen(800, 600, 700, 550, 200, 100)), std::make_pair(600, 500));
    EXPECT_EQ(xy(keptOnScreen(800, 600, 100, 50, 900, 700)), std::make_pair(100, 50));
    EXPECT_EQ(xy(keptOnScreen(800, 600, 600, 500, 200, 100)), std::make_pair(600, 500));
    EXPECT_EQ(xy(keptOnScreen(800, 600, 100, 50, 200, 100)), std::make_pair(100, 50));
}

// A picture page shows whole inside the main window's client area: 1:1 where it fits, else shrunk with
// its shape kept by the side with less room; centred. Halves of a scaled length round away from zero.
TEST(Placement, APageFitsInsideTheAreaShrunkOnlyWhenItMustAndKeepsItsShape) {
    // clang-format off
    const struct { Rect area; Size page, frame; std::tuple<int, int, int, int> window; int numerator, denominator; } cases[] = {
        {{83, 91, 723, 571}, {640, 480}, {0, 0}, {83, 91, 723, 571}, 1, 1},     // 800 x 600: the client area
        {{0, 38, 640, 480}, {640, 480}, {0, 0}, {25, 38, 614, 480}, 442, 480},  // 640 x 480, maximised
        {{0, 0, 640, 480}, {640, 460}, {6, 6}, {0, 9, 640, 471}, 634, 640},     // a frame: the width decides
        {{0, 0, 640, 480}, {422, 238}, {6, 25}, {106, 108, 534, 371}, 1, 1},
        {{0, 0, 20, 10}, {640, 480}, {20, 10}, {0, 0, 21, 11}, 1, 640},
        {{0, 0, 320, 240}, {640, 480}, {0, 0}, {0, 0, 320, 240}, 320, 640},  // both sides alike: the width  // no room: the least scale    // small: centred as it is
    };
    // clang-format on
    for (const auto& c : cases) {
        const PageFit fit = fitPage(c.area, c.page, c.frame);
        EXPECT_EQ(corners(fit.window), c.window) << c.area.top << " " << c.page.height;
        EXPECT_EQ(std::make_pair(fit.scale.numerator, fit.scale.denominator),
                  std::make_pair(c.numerator, c.denominator));
    }
    EXPECT_EQ(
        (std::vector<int>{Scale{442, 480}.of(-15), Scale{1, 2}.of(3), Scale{1, 2}.of(-3), Scale{}.of(7)}),
        (std::vector<int>{-14, 2, -2, 7}));
}

TEST(FrameLayout, FitsTheFrameAroundDialogAndBars) {
    const Size fitted = frameSizeForClient({640, 480}, {632, 434}, {640, 480}, {10, 20, 5, 15});
    EXPECT_EQ(std::make_pair(fitted.width, fitted.height), std::make_pair(640 + 8 + 15, 480 + 46 + 35));
    // A hosted dialog loses its pop-up style and caption; a bar keeps its caption.
    EXPECT_EQ(hostedChildStyle(0x80C00000u, kClientDialog) & 0x80C00000u, 0u);
    EXPECT_EQ(hostedChildStyle(0x80C00000u, kTopBar) & 0x80C00000u, 0x00C00000u);
    const BarSizes bars{30, 20, 40, 10};
    // clang-format off
    const struct { int kind; bool fullWidth; std::tuple<int, int, int, int> rect; } cases[] = {{kTopBar, false, {30, 0, 460, 25}},        {kTopBar, true, {0, 0, 500, 25}},
                 {kBottomBar, true, {0, 275, 500, 300}},    {kLeftBar, false, {0, 0, 50, 300}},
                 {kLeftBar, true, {0, 20, 50, 290}},        {kRightBar, true, {450, 20, 500, 290}},
                 {kClientDialog, false, {30, 20, 460, 290}}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(corners(layoutRectFor(c.kind, 500, 300, bars, {50, 25}, c.fullWidth)), c.rect)
            << c.kind << c.fullWidth;
}

TEST(GreyScheme, OffForEveryClassWithTheGameOptions) {
    const std::pair<const char*, unsigned> bits[] = {{"Edit", 0x10u}, {"combobox", 0x04u}, {nullptr, 0u}};
    for (const auto& [name, bit] : bits) EXPECT_EQ(greySchemeBitFor(name), bit) << (name ? name : "null");
    for (const char* name : {"Edit", "ComboBox", "ListBox", "Button", "ScrollBar", "Static"})
        EXPECT_FALSE(greySchemeApplies(kRuntimeOptions, name)) << name;
    EXPECT_TRUE(greySchemeApplies(0x10, "edit"));
    EXPECT_FALSE(greySchemeApplies(0x10, "listbox"));
}
