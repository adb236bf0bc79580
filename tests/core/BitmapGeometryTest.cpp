#include "tests/core/TestKit.h"
#include "runtime/BitmapGeometry.h"

namespace {
std::vector<uint8_t> dibHeader(int width, int height, int bits, uint32_t coloursUsed,
                               std::size_t colourEntries) {
    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    std::vector<uint8_t> bytes(40 + 4 * colourEntries +
                               stride * static_cast<std::size_t>(height < 0 ? -height : height));
    const uint32_t fields[][2] = {
        {0, 40}, {4, static_cast<uint32_t>(width)}, {8, static_cast<uint32_t>(height)}, {32, coloursUsed}};
    for (const auto& [at, value] : fields) std::memcpy(&bytes[at], &value, 4);
    bytes[12] = 1;
    bytes[14] = static_cast<uint8_t>(bits);
    return bytes;
}
}  // namespace

TEST(DibLayout, ReadsTheGamesHeadersAndRejectsOthersAndDamage) {
    auto core = dibHeader(16, 16, 8, 0, 256);
    core[0] = 12;  // an old core header: drawn another way
    auto huge = dibHeader(16, 16, 8, 70000, 256);
    auto odd = dibHeader(97, 51, 8, 0, 256);  // rows padded to 100 bytes
    auto cut = odd;
    cut.pop_back();  // the last row cut short
    // clang-format off
    const struct { std::vector<uint8_t> bytes; bool valid; int width, height, colours; std::size_t pixelOffset; } cases[] = {
        {dibHeader(640, 480, 8, 0, 256), true, 640, 480, 256, 40 + 1024}, {odd, true, 97, 51, 256, 40 + 1024},
        {cut, false, 97, 51, 256, 40 + 1024}, {dibHeader(16, 16, 8, 20, 20), true, 16, 16, 20, 40 + 80},
        {dibHeader(8, -8, 24, 0, 0), true, 8, -8, 0, 40}, {huge, false, 0, 0, 0, 0}, {core, false, 0, 0, 0, 0}};
    // clang-format on
    for (const auto& c : cases) {
        const DibLayout layout = readDibLayout(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(layout.valid, c.valid) << c.width;
        if (c.width) {
            EXPECT_EQ(std::make_tuple(layout.width, layout.height, layout.paletteColours, layout.pixelOffset),
                      std::make_tuple(c.width, c.height, c.colours, c.pixelOffset));
        }
    }
    EXPECT_FALSE(readDibLayout(nullptr, 0).valid);
    EXPECT_FALSE(readDibLayout(core.data(), 39).valid);
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
