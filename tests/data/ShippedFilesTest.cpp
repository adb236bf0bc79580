// The files the game ships: the market files and their generator, the pictures, the help's refusals.
// Layout numbers are written out rather than taken from the generator, so one change cannot move both ends.
#include "tests/core/TestKit.h"
#include "tools/marketgen/MarketGenerator.h"
#include "trading/BuyRules.h"
#include "views/ShareIndex.h"
#include "views/Statement.h"

#include <bit>
#include <set>
#include <sstream>

namespace {
const fs::path kGameDir{TICKERDELL_GAME_DIR}, kResources = fs::path(TICKERDELL_SOURCE_DIR) / "resources";
constexpr int kShippedShares = 50;
constexpr int kShippedRecords = 1400;
constexpr std::uint64_t kExpectedChecksum = 0xA40257231C5268FCULL;  // FNV-1a over the default seed's files

fs::path historyPath(const fs::path& dir, int share) {
    char name[16];
    std::snprintf(name, sizeof name, "%02d.new", share + 1);
    return dir / "SHistory" / name;
}

std::uint64_t marketChecksum(const fs::path& dir) {
    std::vector<fs::path> files{dir / "SHARES.NMS"};
    for (int share = 0; share < kShippedShares; ++share) files.push_back(historyPath(dir, share));
    files.push_back(dir / "SHistory" / "dates");
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const fs::path& file : files)
        for (char byte : fileBytes(file)) hash = (hash ^ static_cast<unsigned char>(byte)) * 0x100000001B3ULL;
    return hash;
}

// Little-endian, decoded byte by byte whatever the host's byte order.
std::uint32_t u32(const std::string& b, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(b[at + i]);
    return value;
}

// The index's order is the table's: the miner suspended four days into the game keeps its own history.
TEST(ShippedMarket, NamesInTheIndexsOrderDatesAndQuarterPennyPricesWithHolidaysAndSuspensions) {
    std::istringstream names(fileBytes(kGameDir / "SHARES.NMS"));
    std::set<std::string> unique;
    for (std::string line; std::getline(names, line); unique.insert(line))
        EXPECT_TRUE(line.size() >= 2 && line.size() <= 19 && line.back() == '\r') << line;  // 18 and CR LF
    EXPECT_EQ(unique.size(), static_cast<std::size_t>(kShippedShares));
    std::istringstream dates(fileBytes(kGameDir / "SHistory" / "dates"));
    const std::set<std::string> tokens{std::istream_iterator<std::string>(dates), {}};
    EXPECT_EQ(tokens.size(), static_cast<std::size_t>(kShippedRecords - 1))
        << "one date a record, none repeated";

    std::vector<std::vector<double>> table(kShippedShares);
    for (int share = 0; share < kShippedShares; ++share) {
        const std::string bytes = fileBytes(historyPath(kGameDir, share));
        for (std::size_t at = 0; at + 8 <= bytes.size(); at += 8)
            table[share].push_back(
                std::bit_cast<double>(u32(bytes, at) | std::uint64_t{u32(bytes, at + 4)} << 32));
        ASSERT_EQ(table[share].size(), static_cast<std::size_t>(kShippedRecords));
    }
    int holidays = 0, suspensions = 0;
    std::vector<double> market;  // the mean of the priced shares' logarithms, each day that trades
    for (int record = 0; record < kShippedRecords; ++record) {
        const bool holiday = table[0][record] == 0.0;
        holidays += holiday;
        double logs = 0.0;
        int priced = 0;
        for (int share = 0; share < kShippedShares; ++share) {
            const double price = table[share][record];
            EXPECT_TRUE(price == 0.0 || (price >= 0.01 && price < 100.0)) << share << " " << record;
            EXPECT_EQ(std::round(price * 400.0) / 400.0, price) << share << " " << record;
            EXPECT_FALSE(holiday && price != 0.0) << "share " << share << " trades on holiday " << record;
            suspensions += !holiday && price == 0.0 && record > 1137;  // while the game is played
            if (price != 0.0) logs += std::log(price), ++priced;
        }
        if (priced) market.push_back(logs / priced);
    }
    EXPECT_TRUE(holidays >= 3 && holidays <= 60) << holidays;
    EXPECT_EQ(suspensions, 4) << "one share, four days";
    // The crash: the market loses a fifth in four trading days.
    double worstFall = 0.0;
    for (std::size_t day = 4; day < market.size(); ++day)
        worstFall = std::min(worstFall, market[day] - market[day - 4]);
    EXPECT_LT(worstFall, std::log(0.8));
    EXPECT_NE(table[0][1136] * table[0][1137], 0.0) << "the game's first two days trade";

    const fs::path before = fs::current_path();
    fs::current_path(kGameDir);
    GameModel model;
    const int loaded = loadMarketData(model);
    fs::current_path(before);
    ASSERT_EQ(loaded, 1);
    ShareList sorted = sortedSharesOf(model);
    sortShares(sorted, ShareOrder::ByName);
    for (int share = 0; share < kShippedShares; ++share) EXPECT_EQ(sorted[share].shareNumber, share);
    int suspended = -1;
    for (int share = 0; share < kShippedShares; ++share)
        if (table[share][1142] == 0.0 && table[share][1141] != 0.0) suspended = share;
    ASSERT_NE(suspended, -1);
    EXPECT_STREQ(model.shareTable[suspended].name, "Pellinor Gold");
}

TEST(MarketGenerator, SameSeedGivesTheShippedBytesAndAnotherSeedOthers) {
    MarketFolder scratch;  // the generated folders go in a scratch folder, current for the test
    std::string error;
    ASSERT_TRUE(marketgen::writeMarketFiles("a", marketgen::kDefaultSeed, error)) << error;
    ASSERT_TRUE(marketgen::writeMarketFiles("b", marketgen::kDefaultSeed + 1, error)) << error;
    EXPECT_EQ(marketChecksum("a"), kExpectedChecksum);
    EXPECT_EQ(marketChecksum(kGameDir), kExpectedChecksum) << "the shipped files are not the default seed's";
    EXPECT_NE(marketChecksum("b"), kExpectedChecksum) << "the seed has no effect";
    EXPECT_TRUE(fs::is_directory("a/THistory") && fs::is_empty("a/THistory"));
    std::ofstream("plain-file") << "not a folder";
    EXPECT_FALSE(marketgen::writeMarketFiles("plain-file/g", marketgen::kDefaultSeed, error));
}

constexpr std::size_t kPixelOffset = 14 + 40 + 256 * 4;  // file header, info header, colour table

TEST(BitmapFiles, EveryPictureIsAnUncompressed256ColourBitmapOfItsSize) {
    std::ifstream sizes(fs::path(TICKERDELL_SOURCE_DIR) / "tests" / "data" / "bitmaps.expected");
    std::set<std::string> listed;
    for (std::string line; std::getline(sizes, line);) {
        std::istringstream row(line);
        std::string name;
        std::uint32_t width = 0, height = 0;
        if (line.empty() || line[0] == '#') continue;
        ASSERT_TRUE(row >> name >> width >> height) << line;
        listed.insert(name + ".bmp");
        SCOPED_TRACE(name);
        const std::string b = fileBytes(kResources / "bitmaps" / (name + ".bmp"));
        ASSERT_GE(b.size(), kPixelOffset);
        const std::size_t image = (std::size_t{width} + 3) / 4 * 4 * height;
        EXPECT_EQ(std::make_tuple(b[0], b[1], u32(b, 2), u32(b, 10)),
                  std::make_tuple('B', 'M', b.size(), kPixelOffset));
        // Info header size, width, height (positive: rows bottom-up), one plane of 8 bits, no compression.
        EXPECT_EQ(std::make_tuple(u32(b, 14), u32(b, 18), u32(b, 22), u32(b, 26), u32(b, 30)),
                  std::make_tuple(40u, width, height, 1u | 8u << 16, 0u));
        EXPECT_TRUE(u32(b, 34) == 0 || u32(b, 34) == image) << "image size field " << u32(b, 34);
        EXPECT_EQ(u32(b, 46), 0u) << "colours used (0 means the full 256-entry table)";
        EXPECT_EQ(b.size(), kPixelOffset + image);
    }
    std::set<std::string> shipped;
    for (const auto& entry : fs::directory_iterator(kResources / "bitmaps"))
        if (entry.path().extension() == ".bmp") shipped.insert(entry.path().filename().string());
    EXPECT_EQ(listed, shipped);
}

// The heading band and the total's box end exactly where the statement's layout keeps its texts inside.
TEST(BitmapFiles, TheStatementPictureDrawsTheTableAndTheTotalBoxWhereThePageTextsStand) {
    const std::string b = fileBytes(kResources / "bitmaps" / "STATE.bmp");
    ASSERT_EQ(b.size(), kPixelOffset + 640 * 480);
    const auto colour = [&b](int x, int y) {
        return u32(b, 54 + 4 * static_cast<unsigned char>(b[kPixelOffset + std::size_t(479 - y) * 640 + x]));
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

// The paper's last rows, its edge and the shadow under it are each one colour: no text runs off the page.
TEST(BitmapFiles, TheNewspapersTextStaysOnThePaper) {
    const std::string b = fileBytes(kResources / "bitmaps" / "X_TRADTR.bmp");
    ASSERT_EQ(b.size(), kPixelOffset + 640 * 480);
    for (int row = 0; row < 8; ++row) {  // stored bottom-up: the picture's last row comes first
        const char* pixels = b.data() + kPixelOffset + 640 * row;
        int breaks = 0;
        for (int x = 41; x < 600; ++x) breaks += pixels[x] != pixels[40];
        EXPECT_EQ(breaks, 0) << "row " << 479 - row;
    }
}

// The help's list item that explains a refusal: it opens with the refusal's text in quotes.
std::string helpItemFor(const std::string& refusal) {
    std::ifstream in(kResources / "help" / "project.txt");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("- \"" + refusal + "\"", 0) == 0) return line;
    return {};
}

TEST(HelpText, EachBuyRefusalIsExplainedByTheCaseThatGivesIt) {
    const GameModel model = buyingMarket();  // share 7 at 2.50
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"", "", "both boxes empty"},
        {"9", "22.50", "below ten"},
        {"10", "", "ten or more but the Value box is empty"},
        {"10", "2.49", "worth less than one share"}};
    for (const auto& [quantity, value, helpWords] : cases) {
        const std::string refusal = decideBuy(model, 7, quantity, value).refusal;
        ASSERT_FALSE(refusal.empty()) << quantity << " / " << value;
        EXPECT_NE(helpItemFor(refusal).find(helpWords), std::string::npos) << refusal << ": " << helpWords;
    }
}
}  // namespace
