// Bitmap headers and the drawing modes' placement, without drawing anything.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "runtime/BitmapGeometry.h"

namespace {
std::vector<uint8_t> dibHeader(int width, int height, int bits, uint32_t coloursUsed,
                               std::size_t colourEntries) {
    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    std::vector<uint8_t> bytes(40 + 4 * colourEntries +
                               stride * static_cast<std::size_t>(height < 0 ? -height : height));
    auto put32 = [&](std::size_t at, uint32_t v) { std::memcpy(&bytes[at], &v, 4); };
    put32(0, 40);
    put32(4, static_cast<uint32_t>(width));
    put32(8, static_cast<uint32_t>(height));
    bytes[12] = 1;
    bytes[14] = static_cast<uint8_t>(bits);
    put32(32, coloursUsed);
    return bytes;
}
}  // namespace

TEST(DibLayout, ReadsTheGamesBitmapHeaders) {
    const auto title = dibHeader(640, 480, 8, 0, 256);
    const DibLayout layout = readDibLayout(title.data(), title.size());
    ASSERT_TRUE(layout.valid);
    EXPECT_EQ(layout.width, 640);
    EXPECT_EQ(layout.height, 480);
    EXPECT_EQ(layout.paletteColours, 256);
    EXPECT_EQ(layout.pixelOffset, 40u + 1024u);

    const auto odd = dibHeader(97, 51, 8, 0, 256);  // rows padded to 100 bytes
    EXPECT_TRUE(readDibLayout(odd.data(), odd.size()).valid);
    EXPECT_FALSE(readDibLayout(odd.data(), odd.size() - 1).valid);  // the last row cut short

    const auto fewColours = dibHeader(16, 16, 8, 20, 20);
    EXPECT_EQ(readDibLayout(fewColours.data(), fewColours.size()).paletteColours, 20);
    EXPECT_EQ(readDibLayout(fewColours.data(), fewColours.size()).pixelOffset, 40u + 80u);

    const auto trueColour = dibHeader(8, 8, 24, 0, 0);
    EXPECT_TRUE(readDibLayout(trueColour.data(), trueColour.size()).valid);
    EXPECT_EQ(readDibLayout(trueColour.data(), trueColour.size()).paletteColours, 0);
}

TEST(DibLayout, RejectsOtherHeadersAndDamage) {
    auto core = dibHeader(16, 16, 8, 0, 256);
    core[0] = 12;  // an old core header: drawn another way
    EXPECT_FALSE(readDibLayout(core.data(), core.size()).valid);
    auto huge = dibHeader(16, 16, 8, 0, 256);
    const uint32_t tooMany = 70000;
    std::memcpy(&huge[32], &tooMany, 4);
    EXPECT_FALSE(readDibLayout(huge.data(), huge.size()).valid);
    EXPECT_FALSE(readDibLayout(nullptr, 0).valid);
    EXPECT_FALSE(readDibLayout(core.data(), 39).valid);
}

TEST(DibLayout, ColourCountByDepth) {
    const int cases[][3] = {{1, 0, 2}, {4, 0, 16}, {8, 0, 256}, {24, 0, 0}, {8, 17, 17}};
    for (const auto& c : cases) EXPECT_EQ(paletteColourCount(c[0], c[1]), c[2]) << c[0] << " " << c[1];
}

TEST(PlaceBitmap, ModesPutTheBitmapWhereTheyShould) {
    const Rect request{10, 20, 110, 70};  // 100 x 50
    const BitmapPlacement natural = placeBitmap(kNaturalSize, {10, 20, 15, 25}, 64, 32);
    // The requested size does not count at natural size.
    EXPECT_EQ(
        std::make_tuple(natural.target.left, natural.target.top, natural.target.right, natural.target.bottom),
        std::make_tuple(10, 20, 74, 52));
    EXPECT_FALSE(natural.fillAround);

    const BitmapPlacement stretched = placeBitmap(kStretched, request, 64, 32);
    EXPECT_EQ(stretched.target.width(), 100);
    EXPECT_EQ(stretched.target.height(), 50);

    const BitmapPlacement centred = placeBitmap(kCentred, request, 63, 31);
    EXPECT_EQ(centred.target.left, 10 + 18);  // (100 - 63) / 2 truncated
    EXPECT_EQ(centred.target.top, 20 + 9);
    EXPECT_EQ(centred.target.width(), 63);
    EXPECT_TRUE(centred.fillAround);

    const BitmapPlacement exact = placeBitmap(kCentred, request, 100, 50);
    EXPECT_EQ(exact.target.left, 10);
    EXPECT_EQ(exact.target.width(), 100);
    EXPECT_TRUE(exact.fillAround);  // nothing is left around it to fill
    for (auto [w, h] : {std::pair{101, 50}, std::pair{100, 51}}) {
        const BitmapPlacement tooBig = placeBitmap(kCentred, request, w, h);
        EXPECT_FALSE(tooBig.fillAround);
        EXPECT_EQ(tooBig.target.width(), 100);
        EXPECT_EQ(tooBig.target.height(), 50);
    }
}

TEST(Background, ScrollOffsetsMoveOnlyANaturalSizeWindowBackground) {
    const Rect client{0, 0, 640, 480};
    const Rect moved = scrolledBackground(client, {30, 12}, kNaturalSize, false);
    EXPECT_EQ(moved.left, -30);
    EXPECT_EQ(moved.top, -12);
    EXPECT_EQ(moved.right, 640);
    EXPECT_EQ(scrolledBackground(client, {30, 12}, kStretched, false).left, 0);
    EXPECT_EQ(scrolledBackground(client, {30, 12}, kNaturalSize, true).left, 0);
    const std::pair<Rect, bool> others[] = {{{600, 400, 700, 500}, true}, {{640, 0, 700, 10}, false},
                                            {{-50, 0, 0, 10}, false},     {{-50, 0, -10, 10}, false},
                                            {{0, 480, 10, 500}, false},   {{0, -20, 10, 0}, false},
                                            {{-5, -5, 1, 1}, true}};
    for (const auto& [other, meets] : others) {
        EXPECT_EQ(rectanglesMeet(client, other), meets) << other.left << "," << other.top;
        EXPECT_EQ(rectanglesMeet(other, client), meets) << other.left << "," << other.top;
    }
}

TEST(FocusDrawCounter, TheFirstFocusDrawAfterAResetShowsNothing) {
    FocusDrawCounter counter;
    std::string turns;
    for (int i = 0; i < 5; ++i) {
        if (i == 3) counter.reset();
        turns += counter.takeTurn() ? 'y' : 'n';
    }
    EXPECT_EQ(turns, "nyyny");
}
