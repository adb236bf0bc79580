// Checks the market files the game ships with (built into TICKERDELL_GAME_DIR) and the generator that makes
// them. The file layout numbers are written out here rather than taken from the generator's header so a
// change on that side cannot quietly move both ends at once.

#include "tools/marketgen/MarketGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
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
#include <system_error>
#include <vector>

#ifndef TICKERDELL_GAME_DIR
#error "TICKERDELL_GAME_DIR must name the folder that holds the generated market files"
#endif

namespace {

namespace fs = std::filesystem;

constexpr int kShares = 50;
constexpr int kRecords = 1400;
constexpr int kDates = 1399;
constexpr int kGameStartRecord = 1137;
constexpr int kPreviousDayRecord = 1136;

// FNV-1a over SHARES.NMS, 01.new .. 50.new and dates, generated with the default seed.
constexpr std::uint64_t kExpectedChecksum = 0xEF6AFB3ABB3E9C2CULL;

const fs::path kGameDir{TICKERDELL_GAME_DIR};

using PriceTable = std::vector<std::vector<double>>;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

fs::path historyPath(const fs::path& dir, int share) {
    const int number = share + 1;
    return dir / "SHistory" / ((number < 10 ? "0" : "") + std::to_string(number) + ".new");
}

std::vector<fs::path> checksummedFiles(const fs::path& dir) {
    std::vector<fs::path> files{dir / "SHARES.NMS"};
    for (int share = 0; share < kShares; ++share) files.push_back(historyPath(dir, share));
    files.push_back(dir / "SHistory" / "dates");
    return files;
}

std::uint64_t marketChecksum(const fs::path& dir) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const fs::path& file : checksummedFiles(dir)) {
        for (char byte : readFile(file)) {
            hash ^= static_cast<unsigned char>(byte);
            hash *= 0x100000001B3ULL;
        }
    }
    return hash;
}

// Decodes little-endian IEEE-754 doubles byte by byte, independent of the host's byte order.
std::vector<double> decodeHistory(const std::string& bytes) {
    std::vector<double> prices;
    for (std::size_t offset = 0; offset + 8 <= bytes.size(); offset += 8) {
        std::uint64_t bits = 0;
        for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(bytes[offset + i]);
        double price = 0.0;
        std::memcpy(&price, &bits, sizeof price);
        prices.push_back(price);
    }
    return prices;
}

PriceTable readPrices(const fs::path& dir) {
    PriceTable table;
    for (int share = 0; share < kShares; ++share)
        table.push_back(decodeHistory(readFile(historyPath(dir, share))));
    return table;
}

bool hasFullHistories(const PriceTable& table) {
    for (const auto& prices : table) {
        if (prices.size() != static_cast<std::size_t>(kRecords)) return false;
    }
    return table.size() == static_cast<std::size_t>(kShares);
}

std::vector<std::string> splitCrlfLines(const std::string& text, bool& allCrlf) {
    std::vector<std::string> lines;
    allCrlf = true;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const bool crlf = end > start && end < text.size() && text[end - 1] == '\r';
        allCrlf = allCrlf && crlf;
        lines.push_back(text.substr(start, end - start - (crlf ? 1 : 0)));
        start = end + 1;
    }
    return lines;
}

// The largest fall of the market over at most `window` records, comparing only shares that trade on both
// days so a suspension or holiday cannot masquerade as a crash.
double largestMarketFall(const PriceTable& table, int window) {
    double largest = 0.0;
    for (int from = 0; from < kRecords; ++from) {
        for (int to = from + 1; to <= from + window && to < kRecords; ++to) {
            double before = 0.0, after = 0.0;
            for (const auto& prices : table) {
                if (prices[from] != 0.0 && prices[to] != 0.0) {
                    before += prices[from];
                    after += prices[to];
                }
            }
            if (before > 0.0) largest = std::max(largest, 1.0 - after / before);
        }
    }
    return largest;
}

class TempDir {
public:
    explicit TempDir(const std::string& tag) {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = fs::temp_directory_path() / ("marketgen_" + tag + "_" + std::to_string(stamp));
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

TEST(ShippedMarket, NamesAndDatesFilesHaveTheExpectedShape) {
    bool namesCrlf = false;
    const std::vector<std::string> names = splitCrlfLines(readFile(kGameDir / "SHARES.NMS"), namesCrlf);
    ASSERT_EQ(names.size(), static_cast<std::size_t>(kShares));
    EXPECT_TRUE(namesCrlf) << "every name line ends in CR LF";
    for (const std::string& name : names) {
        EXPECT_FALSE(name.empty());
        EXPECT_LE(name.size(), 18u) << name;
        for (char c : name)
            EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(c)) || c == ' ' || c == '&' || c == '-')
                << "unexpected character in '" << name << "'";
    }
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size()) << "names are unique";

    std::istringstream dates(readFile(kGameDir / "SHistory" / "dates"));
    std::vector<std::string> tokens{std::istream_iterator<std::string>(dates), {}};
    ASSERT_EQ(tokens.size(), static_cast<std::size_t>(kDates));
    for (const std::string& token : tokens) EXPECT_LE(token.size(), 9u) << token;
    EXPECT_EQ(std::set<std::string>(tokens.begin(), tokens.end()).size(), tokens.size()) << "no date repeats";
}

TEST(ShippedMarket, HistoriesHoldFullLengthQuarterPennyPrices) {
    for (int share = 0; share < kShares; ++share) {
        std::error_code code;
        EXPECT_EQ(fs::file_size(historyPath(kGameDir, share), code),
                  static_cast<std::uintmax_t>(kRecords * 8))
            << historyPath(kGameDir, share);
        EXPECT_FALSE(code) << historyPath(kGameDir, share) << ": " << code.message();
    }
    const PriceTable table = readPrices(kGameDir);
    ASSERT_TRUE(hasFullHistories(table));
    int outOfBand = 0, offGrid = 0;
    std::string firstFault;
    for (int share = 0; share < kShares; ++share) {
        for (int record = 0; record < kRecords; ++record) {
            const double price = table[share][record];
            const bool inBand = price == 0.0 || (price >= 0.01 && price < 100.0);
            // Quarter pennies are stored as the double nearest to k / 400.
            const bool onGrid = std::round(price * 400.0) / 400.0 == price;
            outOfBand += inBand ? 0 : 1;
            offGrid += onGrid ? 0 : 1;
            if ((!inBand || !onGrid) && firstFault.empty())
                firstFault = "share " + std::to_string(share) + " record " + std::to_string(record) + ": " +
                             std::to_string(price);
        }
    }
    EXPECT_EQ(outOfBand, 0) << "first fault at " << firstFault;
    EXPECT_EQ(offGrid, 0) << "first fault at " << firstFault;
}

TEST(ShippedMarket, HolidaysSuspensionAndCrashArePresent) {
    const PriceTable table = readPrices(kGameDir);
    ASSERT_TRUE(hasFullHistories(table));
    int holidays = 0;
    for (int record = 0; record < kRecords; ++record) {
        if (table[0][record] != 0.0) continue;
        ++holidays;
        for (int share = 1; share < kShares; ++share)
            EXPECT_EQ(table[share][record], 0.0)
                << "share " << share << " trades on holiday record " << record;
    }
    EXPECT_GE(holidays, 3);
    EXPECT_LE(holidays, 60) << "share 0 is meant to trade on nearly every working day";

    EXPECT_NE(table[0][kPreviousDayRecord], 0.0);
    EXPECT_NE(table[0][kGameStartRecord], 0.0);

    bool suspension = false;
    for (int record = kGameStartRecord + 1; record < kRecords; ++record) {
        for (int share = 1; share < kShares && table[0][record] != 0.0; ++share)
            suspension = suspension || table[share][record] == 0.0;
    }
    EXPECT_TRUE(suspension) << "some share should be suspended while the market trades during play";

    EXPECT_GE(largestMarketFall(table, 10), 0.15);
}

TEST(MarketGenerator, SameSeedGivesIdenticalFilesAndTheShippedChecksum) {
    const TempDir first("first"), second("second"), other("other");
    std::string error;
    ASSERT_TRUE(marketgen::writeMarketFiles(first.path(), marketgen::kDefaultSeed, error)) << error;
    ASSERT_TRUE(marketgen::writeMarketFiles(second.path(), marketgen::kDefaultSeed, error)) << error;
    ASSERT_TRUE(marketgen::writeMarketFiles(other.path(), marketgen::kDefaultSeed + 1, error)) << error;

    const std::vector<fs::path> firstFiles = checksummedFiles(first.path());
    const std::vector<fs::path> secondFiles = checksummedFiles(second.path());
    for (std::size_t i = 0; i < firstFiles.size(); ++i) {
        const std::string bytes = readFile(firstFiles[i]);
        EXPECT_FALSE(bytes.empty()) << firstFiles[i];
        EXPECT_TRUE(bytes == readFile(secondFiles[i])) << firstFiles[i] << " differs between runs";
    }
    EXPECT_TRUE(fs::is_directory(first.path() / "THistory"));
    EXPECT_TRUE(fs::is_empty(first.path() / "THistory"));

    const std::uint64_t checksum = marketChecksum(first.path());
    EXPECT_EQ(checksum, kExpectedChecksum) << std::hex << "checksum is 0x" << checksum;
    EXPECT_EQ(marketChecksum(kGameDir), kExpectedChecksum) << "the shipped files are not the default seed's";
    EXPECT_NE(marketChecksum(other.path()), checksum) << "the seed has no effect";
}

TEST(MarketGenerator, ReportsAFolderItCannotCreate) {
    const TempDir scratch("blocked");
    ASSERT_TRUE(fs::create_directories(scratch.path()));
    const fs::path blocker = scratch.path() / "plain-file";
    std::ofstream(blocker) << "not a folder";

    std::string error;
    EXPECT_FALSE(marketgen::writeMarketFiles(blocker / "game", marketgen::kDefaultSeed, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
