// The picture files built into the program: the drawing code reads each as a 40-byte header, 8 bits per
// pixel, uncompressed with a full colour table, and lays screens out for the sizes below.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "views/Statement.h"

#ifndef TICKERDELL_SOURCE_DIR
#error "TICKERDELL_SOURCE_DIR must name the root of the source tree"
#endif

namespace {

namespace fs = std::filesystem;

struct BitmapSize {
    const char* name;
    std::uint32_t width, height;
};

// Every bitmap resource the game loads, with the size its screens are laid out for.
constexpr BitmapSize kBitmaps[] = {
    {"TD_TITLE", 640, 480}, {"X_TRADTR", 640, 480}, {"EARNER", 640, 420},   {"PSHARE", 640, 420},
    {"STATE", 640, 480},    {"GRAPDARK", 561, 377}, {"X_TD_LOG", 288, 151}, {"CREDIT", 422, 238},
    {"OGPIC", 640, 460},    {"FORREAL", 640, 480},  {"BT_RTB", 104, 69},    {"BT_RTB1", 104, 69},
    {"BT_PORT", 104, 69},   {"BT_PORT1", 104, 69},  {"BT_ABOUT", 104, 69},  {"BT_ABOU1", 104, 69},
    {"BT_EXIT", 104, 69},   {"BT_EXIT1", 104, 69},  {"BT_CAR", 104, 69},    {"BT_CAR1", 104, 69},
    {"BT_POP", 104, 69},    {"BT_POP1", 104, 69},   {"BT_STPV", 99, 53},    {"BT_STNX", 99, 53},
    {"BT_STEX", 99, 53},    {"BT_STPV1", 97, 51},   {"BT_STNX1", 97, 51},   {"BT_STEX1", 96, 51},
    {"BT_STPV2", 98, 51},   {"BT_STNX2", 98, 51},
};

constexpr std::size_t kPixelOffset = 14 + 40 + 256 * 4;  // file header, info header, colour table

fs::path resources() {
    return fs::path(TICKERDELL_SOURCE_DIR) / "resources";
}

std::vector<std::uint8_t> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TEST(BitmapFiles, EveryPictureIsAnUncompressed256ColourBitmapOfItsSize) {
    for (const BitmapSize& expected : kBitmaps) {
        SCOPED_TRACE(expected.name);
        const std::vector<std::uint8_t> b =
            readFile(resources() / "bitmaps" / (std::string(expected.name) + ".bmp"));
        ASSERT_GE(b.size(), kPixelOffset);
        const std::size_t image = (static_cast<std::size_t>(expected.width) + 3) / 4 * 4 * expected.height;
        EXPECT_EQ(std::make_tuple(b[0], b[1], u32(b, 2), u32(b, 10)),
                  std::make_tuple('B', 'M', b.size(), kPixelOffset));
        // Info header size, width, height (positive: rows bottom-up), one plane of 8 bits, no compression.
        EXPECT_EQ(std::make_tuple(u32(b, 14), u32(b, 18), u32(b, 22), u32(b, 26), u32(b, 30)),
                  std::make_tuple(40u, expected.width, expected.height, 1u | 8u << 16, 0u));
        EXPECT_TRUE(u32(b, 34) == 0 || u32(b, 34) == image) << "image size field " << u32(b, 34);
        EXPECT_EQ(u32(b, 46), 0u) << "colours used (0 means the full 256-entry table)";
        EXPECT_EQ(b.size(), kPixelOffset + image);
    }
}

// The statement's picture rules its table and boxes its page total where the page's texts stand: the
// heading band and the total's box end exactly at the places the statement's layout keeps inside.
TEST(BitmapFiles, TheStatementPictureDrawsTheTableAndTheTotalBoxWhereThePageTextsStand) {
    const std::vector<std::uint8_t> b = readFile(resources() / "bitmaps" / "STATE.bmp");
    ASSERT_EQ(b.size(), kPixelOffset + 640 * 480);
    const auto colour = [&b](int x, int y) {
        return u32(b, 54 + 4 * std::size_t{b[kPixelOffset + std::size_t(479 - y) * 640 + std::size_t(x)]});
    };
    const auto spans = [&colour](int left, int right, int y, std::uint32_t inside) {
        return colour(left, y) == inside && colour(right - 1, y) == inside && colour(left - 1, y) != inside &&
               colour(right, y) != inside;
    };
    const int bandY = (kStatementHeadingY + kStatementUnitsY) / 2;
    EXPECT_TRUE(spans(kStatementTableLeft, kStatementTableRight, bandY, colour(320, bandY)));
    const std::uint32_t outline = colour(480, kStatementTotalBoxTop);
    EXPECT_TRUE(spans(kStatementTotalBoxLeft, kStatementTotalBoxRight, kStatementTotalY, outline));
    EXPECT_EQ(colour(480, kStatementTotalBoxBottom - 1), outline);
    EXPECT_NE(colour(480, kStatementTotalBoxTop + 1), outline);
}

// The newspaper's footer lies whole on the paper: the paper's last rows, its edge and the shadow under it
// (the picture's last eight rows) are each one colour across the columns, with no text running off the page.
TEST(BitmapFiles, TheNewspapersTextStaysOnThePaper) {
    const std::vector<std::uint8_t> b = readFile(resources() / "bitmaps" / "X_TRADTR.bmp");
    ASSERT_EQ(b.size(), kPixelOffset + 640 * 480);
    for (int row = 0; row < 8; ++row) {  // stored bottom-up: the picture's last row comes first
        const std::uint8_t* pixels = b.data() + kPixelOffset + 640 * row;
        int breaks = 0;
        for (int x = 41; x < 600; ++x) breaks += pixels[x] != pixels[40];
        EXPECT_EQ(breaks, 0) << "row " << 479 - row;
    }
}

}  // namespace
