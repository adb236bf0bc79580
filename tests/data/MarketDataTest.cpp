// The market files the game ships with (built into TICKERDELL_GAME_DIR) and the generator that makes
// them. The layout numbers are written out here rather than taken from the generator's header, so a
// change on that side cannot quietly move both ends at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/MarketFiles.h"
#include "tools/marketgen/MarketGenerator.h"
#include "views/ShareIndex.h"

#ifndef TICKERDELL_GAME_DIR
#error "TICKERDELL_GAME_DIR must name the folder that holds the generated market files"
#endif

namespace {
namespace fs = std::filesystem;
constexpr int kShares = 50;
constexpr int kRecords = 1400;
constexpr std::uint64_t kExpectedChecksum = 0xA40257231C5268FCULL;  // FNV-1a over the default seed's files
const fs::path kGameDir{TICKERDELL_GAME_DIR};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

fs::path historyPath(const fs::path& dir, int share) {
    char name[16];
    std::snprintf(name, sizeof name, "%02d.new", share + 1);
    return dir / "SHistory" / name;
}

std::uint64_t marketChecksum(const fs::path& dir) {
    std::vector<fs::path> files{dir / "SHARES.NMS"};
    for (int share = 0; share < kShares; ++share) files.push_back(historyPath(dir, share));
    files.push_back(dir / "SHistory" / "dates");
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const fs::path& file : files)
        for (char byte : readFile(file)) hash = (hash ^ static_cast<unsigned char>(byte)) * 0x100000001B3ULL;
    return hash;
}

// Little-endian doubles decoded byte by byte, whatever the host's byte order.
std::vector<double> prices(int share) {
    const std::string bytes = readFile(historyPath(kGameDir, share));
    std::vector<double> result;
    for (std::size_t at = 0; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t bits = 0;
        for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(bytes[at + i]);
        double price;
        std::memcpy(&price, &bits, sizeof price);
        result.push_back(price);
    }
    return result;
}
}  // namespace

TEST(ShippedMarket, NamesDatesAndQuarterPennyPricesWithHolidaysAndSuspensions) {
    std::istringstream names(readFile(kGameDir / "SHARES.NMS"));
    std::set<std::string> unique;
    for (std::string line; std::getline(names, line); unique.insert(line))
        EXPECT_TRUE(line.size() >= 2 && line.size() <= 19 && line.back() == '\r') << line;  // 18 and CR LF
    EXPECT_EQ(unique.size(), static_cast<std::size_t>(kShares));
    std::istringstream dates(readFile(kGameDir / "SHistory" / "dates"));
    const std::set<std::string> tokens{std::istream_iterator<std::string>(dates), {}};
    EXPECT_EQ(tokens.size(), static_cast<std::size_t>(kRecords - 1)) << "one date a record, none repeated";

    std::vector<std::vector<double>> table;
    for (int share = 0; share < kShares; ++share) table.push_back(prices(share));
    for (const auto& share : table) ASSERT_EQ(share.size(), static_cast<std::size_t>(kRecords));
    int holidays = 0, suspensions = 0;
    for (int record = 0; record < kRecords; ++record) {
        const bool holiday = table[0][record] == 0.0;
        holidays += holiday;
        for (int share = 0; share < kShares; ++share) {
            const double price = table[share][record];
            EXPECT_TRUE(price == 0.0 || (price >= 0.01 && price < 100.0)) << share << " " << record;
            EXPECT_EQ(std::round(price * 400.0) / 400.0, price) << share << " " << record;
            EXPECT_FALSE(holiday && price != 0.0) << "share " << share << " trades on holiday " << record;
            suspensions += !holiday && price == 0.0 && record > 1137;  // while the game is played
        }
    }
    EXPECT_TRUE(holidays >= 3 && holidays <= 60) << holidays;
    EXPECT_EQ(suspensions, 4) << "one share, four days";
    // The crash: the market (the mean of the priced shares' logarithms) loses a fifth in four trading days.
    std::vector<double> market;
    for (int record = 0; record < kRecords; ++record) {
        double logs = 0.0;
        int priced = 0;
        for (const auto& share : table)
            if (share[record] != 0.0) logs += std::log(share[record]), ++priced;
        if (priced) market.push_back(logs / priced);
    }
    double worstFall = 0.0;
    for (std::size_t day = 4; day < market.size(); ++day)
        worstFall = std::min(worstFall, market[day] - market[day - 4]);
    EXPECT_LT(worstFall, std::log(0.8));
    EXPECT_NE(table[0][1136] * table[0][1137], 0.0) << "the game's first two days trade";
}

TEST(MarketGenerator, SameSeedGivesTheShippedBytesAndAnotherSeedOthers) {
    const fs::path scratch =
        fs::temp_directory_path() /
        ("marketgen_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::string error;
    ASSERT_TRUE(marketgen::writeMarketFiles(scratch / "a", marketgen::kDefaultSeed, error)) << error;
    ASSERT_TRUE(marketgen::writeMarketFiles(scratch / "b", marketgen::kDefaultSeed + 1, error)) << error;
    EXPECT_EQ(marketChecksum(scratch / "a"), kExpectedChecksum);
    EXPECT_EQ(marketChecksum(kGameDir), kExpectedChecksum) << "the shipped files are not the default seed's";
    EXPECT_NE(marketChecksum(scratch / "b"), kExpectedChecksum) << "the seed has no effect";
    EXPECT_TRUE(fs::is_directory(scratch / "a" / "THistory") && fs::is_empty(scratch / "a" / "THistory"));
    std::ofstream(scratch / "plain-file") << "not a folder";
    EXPECT_FALSE(marketgen::writeMarketFiles(scratch / "plain-file" / "g", marketgen::kDefaultSeed, error));
    fs::remove_all(scratch);
}

TEST(ShippedMarket, ListsTheNamesInTheShareIndexsAlphabeticalOrderEachWithItsOwnHistory) {
    const fs::path before = fs::current_path();
    fs::current_path(kGameDir);
    GameModel model;
    const int loaded = loadMarketData(model);
    fs::current_path(before);
    ASSERT_EQ(loaded, 1);
    const auto names = [](const ShareList& shares) {
        std::vector<std::string> list;
        for (const ShareRecord& share : shares) list.emplace_back(share.name);
        return list;
    };
    ShareList sorted = sortedSharesOf(model);
    sortShares(sorted, ShareOrder::ByName);
    EXPECT_EQ(names(model.shareTable), names(sorted));
    // The gold miner suspended four days after the game opens keeps its history under its own name.
    int suspended = -1;
    for (int share = 0; share < kShares; ++share)
        if (prices(share)[1142] == 0.0 && prices(share)[1141] != 0.0) suspended = share;
    ASSERT_NE(suspended, -1);
    EXPECT_STREQ(model.shareTable[suspended].name, "Pellinor Gold");
}
