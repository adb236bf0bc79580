// Checks the picture files built into the program (resources/bitmaps, listed by resources/Bitmaps.rc).
// The drawing code reads every bitmap resource as a 40-byte information header, 8 bits per pixel, no
// compression and a full 256-entry colour table, and lays screens and buttons out for the sizes below, so
// a file of another form or size would be drawn wrongly or not at all.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#ifndef TICKERDELL_SOURCE_DIR
#error "TICKERDELL_SOURCE_DIR must name the root of the source tree"
#endif

namespace {

namespace fs = std::filesystem;

struct BitmapSize {
    const char* name;
    int width;
    int height;
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
};

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::size_t kColourTableBytes = 256 * 4;
constexpr std::size_t kPixelOffset = kFileHeaderBytes + kInfoHeaderBytes + kColourTableBytes;

fs::path sourceDir() {
    return fs::path(TICKERDELL_SOURCE_DIR);
}

fs::path bitmapPath(const std::string& name) {
    return sourceDir() / "resources" / "bitmaps" / (name + ".bmp");
}

std::vector<std::uint8_t> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::int32_t s32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::int32_t>(u32(b, at));
}

std::size_t rowStride(int width) {
    return (static_cast<std::size_t>(width) + 3) / 4 * 4;
}

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

TEST(BitmapFiles, EveryPictureIsAnUncompressed256ColourBitmapOfItsSize) {
    for (const BitmapSize& expected : kBitmaps) {
        SCOPED_TRACE(expected.name);
        const fs::path path = bitmapPath(expected.name);
        ASSERT_TRUE(fs::is_regular_file(path)) << path;
        const std::vector<std::uint8_t> b = readFile(path);
        ASSERT_GE(b.size(), kPixelOffset);

        // BITMAPFILEHEADER
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(u32(b, 2), b.size()) << "file size field";
        EXPECT_EQ(u32(b, 10), kPixelOffset) << "pixel data offset";

        // BITMAPINFOHEADER
        EXPECT_EQ(u32(b, 14), kInfoHeaderBytes);
        EXPECT_EQ(s32(b, 18), expected.width);
        EXPECT_EQ(s32(b, 22), expected.height) << "height must be positive (rows stored bottom-up)";
        EXPECT_EQ(u16(b, 26), 1) << "planes";
        EXPECT_EQ(u16(b, 28), 8) << "bits per pixel";
        EXPECT_EQ(u32(b, 30), 0u) << "compression must be BI_RGB";
        const std::size_t image = rowStride(expected.width) * static_cast<std::size_t>(expected.height);
        EXPECT_TRUE(u32(b, 34) == 0 || u32(b, 34) == image) << "image size field " << u32(b, 34);
        EXPECT_EQ(u32(b, 46), 0u) << "colours used (0 means the full 256-entry table)";
        EXPECT_TRUE(u32(b, 50) == 0 || u32(b, 50) == 256) << "colours important " << u32(b, 50);

        // colour table, then rows padded to four bytes, then nothing
        EXPECT_EQ(b.size(), kPixelOffset + image);
        for (std::size_t i = 0; i < 256; ++i)
            EXPECT_EQ(b[kFileHeaderBytes + kInfoHeaderBytes + 4 * i + 3], 0)
                << "reserved byte of colour " << i;
    }
}

TEST(BitmapFiles, ResourceScriptNamesEveryPictureOnceWithItsFile) {
    const fs::path script = sourceDir() / "resources" / "Bitmaps.rc";
    std::ifstream in(script);
    ASSERT_TRUE(in) << script;

    const std::regex entry(R"(^\s*([A-Za-z0-9_]+)\s+BITMAP\s+\"([^\"]+)\"\s*$)");
    std::map<std::string, std::vector<std::string>> files;  // upper-case resource name -> files named for it
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t comment = line.find("//");
        if (comment != std::string::npos) line.erase(comment);
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        std::smatch m;
        if (!std::regex_match(line, m, entry)) {
            ADD_FAILURE() << "Bitmaps.rc line " << lineNumber << " is not a bitmap entry: " << line;
            continue;
        }
        files[upper(m[1].str())].push_back(m[2].str());  // resource names are matched without regard to case
    }

    std::set<std::string> known;
    for (const BitmapSize& expected : kBitmaps) {
        SCOPED_TRACE(expected.name);
        known.insert(expected.name);
        const auto it = files.find(expected.name);
        ASSERT_NE(it, files.end()) << "not named in Bitmaps.rc";
        ASSERT_EQ(it->second.size(), 1u) << "named more than once";
        EXPECT_EQ(it->second.front(), std::string("bitmaps/") + expected.name + ".bmp");
        EXPECT_TRUE(fs::is_regular_file(sourceDir() / "resources" / it->second.front()));
    }
    for (const auto& [name, paths] : files)
        EXPECT_TRUE(known.count(name)) << "Bitmaps.rc names an unknown bitmap " << name;
}

}  // namespace
