// Placement arithmetic of the runtime: centring, keeping on screen, restyling, frame and bar layout.
#include <gtest/gtest.h>

#include <tuple>

#include "runtime/ColourScheme.h"
#include "runtime/Layout.h"

namespace {
auto corners(const Rect& r) {
    return std::make_tuple(r.left, r.top, r.right, r.bottom);
}
}  // namespace

TEST(Placement, CentringTruncatesTowardZeroAndOnlyWindowsThatFitArePulledBack) {
    const std::pair<Point, std::pair<int, int>> centred[] = {
        {centredOrigin(800, 600, {10, 20, 10 + 306, 20 + 151}), {247, 224}},
        {centredOrigin(640, 480, {0, 0, 701, 100}), {-30, 190}}};
    for (const auto& [point, expected] : centred) EXPECT_EQ(std::make_pair(point.x, point.y), expected);
    const std::pair<Point, std::pair<int, int>> kept[] = {
        {keptOnScreen(800, 600, 700, 550, 200, 100), {600, 500}},
        {keptOnScreen(800, 600, 100, 50, 900, 700), {100, 50}},
        {keptOnScreen(800, 600, 80, 50, 640, 480), {80, 50}},
        {keptOnScreen(800, 600, 600, 500, 200, 100), {600, 500}}};
    for (const auto& [point, expected] : kept) EXPECT_EQ(std::make_pair(point.x, point.y), expected);
}

TEST(HostedChildStyle, DropsThePopUpPartsAndMakesAChild) {
    constexpr uint32_t popup = 0x80000000u, minimize = 0x20000000u, maximize = 0x01000000u,
                       visible = 0x10000000u, caption = 0x00C00000u, sysMenu = 0x00080000u,
                       thickFrame = 0x00040000u, modalFrame = 0x80u, sysModal = 0x02u,
                       childClipSiblings = 0x44000000u;
    constexpr uint32_t frame = caption | sysMenu | thickFrame | modalFrame;
    const uint32_t dialog = popup | minimize | maximize | visible | frame | sysModal;
    EXPECT_EQ(hostedChildStyle(dialog, kClientDialog), visible | childClipSiblings);
    for (int bar : {kTopBar, kBottomBar, kLeftBar, kRightBar})  // a bar keeps its caption and frame
        EXPECT_EQ(hostedChildStyle(dialog, bar), visible | frame | childClipSiblings) << bar;
}

TEST(FrameLayout, FitsTheFrameAroundDialogAndBars) {
    const Size fitted = frameSizeForClient({640, 480}, {632, 434}, {640, 480}, {10, 20, 5, 15});
    EXPECT_EQ(std::make_pair(fitted.width, fitted.height), std::make_pair(640 + 8 + 15, 480 + 46 + 35));
    const BarSizes bars{30, 20, 40, 10};
    const Size bar{50, 25};
    const struct {
        int kind;
        bool fullWidth;
        std::tuple<int, int, int, int> rect;
    } cases[] = {{kTopBar, false, {30, 0, 460, 25}},     {kTopBar, true, {0, 0, 500, 25}},
                 {kBottomBar, true, {0, 275, 500, 300}}, {kBottomBar, false, {30, 275, 460, 300}},
                 {kLeftBar, false, {0, 0, 50, 300}},     {kLeftBar, true, {0, 20, 50, 290}},
                 {kRightBar, true, {450, 20, 500, 290}}, {kClientDialog, false, {30, 20, 460, 290}}};
    for (const auto& c : cases)
        EXPECT_EQ(corners(layoutRectFor(c.kind, 500, 300, bars, bar, c.fullWidth)), c.rect)
            << c.kind << c.fullWidth;
}

TEST(GreyScheme, OffForEveryClassWithTheGameOptions) {
    const std::pair<const char*, unsigned> bits[] = {
        {"Edit", 0x10u}, {"combobox", 0x04u}, {"STATIC", 0x40u}, {"RichEdit", 0u}, {nullptr, 0u}};
    for (const auto& [name, bit] : bits) EXPECT_EQ(greySchemeBitFor(name), bit) << (name ? name : "null");
    for (const char* name : {"Edit", "ComboBox", "ListBox", "Button", "ScrollBar", "Static"})
        EXPECT_FALSE(greySchemeApplies(kRuntimeOptions, name)) << name;
    EXPECT_TRUE(greySchemeApplies(0x10, "edit"));
    EXPECT_FALSE(greySchemeApplies(0x10, "listbox"));
    EXPECT_FALSE(greySchemeApplies(0x7F, "EditPlusAVeryLongClassName"));
}
