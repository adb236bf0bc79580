// What the core tests and the case table's rows build on: scratch market folders, markets made in memory,
// a new game on a synthetic market, and the checks every account and every settlement must pass.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cfenv>
#include <climits>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/GameModel.h"
#include "model/MarketFiles.h"
#include "model/Settlement.h"
#include "model/TransactionHistory.h"
#include "trading/OrderRules.h"
#include "views/Statement.h"

namespace fs = std::filesystem;
constexpr double kMillionthOfAPenny = 1e-8;  // in pounds
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kRecords = 1400;

inline std::string littleEndian(double value) {
    std::string bytes(8, '\0');
    std::memcpy(bytes.data(), &value, 8);  // the game's files and this machine are little-endian
    return bytes;
}

inline std::string fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Texts one after another with `between` between each two, so an empty text still counts as a field.
template <class Texts = std::vector<std::string>>
std::string joined(const Texts& texts, const std::string& between = "\t") {
    std::string text;
    for (const std::string& each : texts) text += each + between;
    return text.substr(0, text.size() - std::min(text.size(), between.size()));
}

inline double marketPrice(int share, int record) {
    return share + 1 + record / 1000.0;
}
inline std::vector<double> rampPrices(int share, int records) {
    std::vector<double> prices;
    for (int k = 0; k < records; ++k) prices.push_back(marketPrice(share, k));
    return prices;
}

// A scratch folder laid out like the game's, current for the length of a test.
class MarketFolder {
public:
    MarketFolder() : previous_(fs::current_path()) {
        static std::atomic<int> serial{0};
        root_ = fs::temp_directory_path() /
                ("tickerdell_test_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "_" +
                 std::to_string(++serial));
        fs::remove_all(root_);
        fs::create_directories(root_ / "SHistory");
        fs::current_path(root_);
    }
    ~MarketFolder() {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
        fs::remove_all(root_, ignored);
    }
    MarketFolder(const MarketFolder&) = delete;
    MarketFolder& operator=(const MarketFolder&) = delete;

    void writeFile(const std::string& relativePath, const std::string& bytes) const {
        fs::create_directories((root_ / relativePath).parent_path());
        std::ofstream(root_ / relativePath, std::ios::binary) << bytes;
    }
    void writeHistory(int share, const std::vector<double>& prices, const std::string& tail = "") const {
        std::string bytes;
        for (double price : prices) bytes += littleEndian(price);
        writeFile(historyFilePath(share), bytes + tail);
    }
    // Fifty shares "Company 0" ... priced by rampPrices, and dates D0 ... D(dates - 1).
    void writeMarket(int records = kRecords, int dates = kRecords - 1) const {
        std::string names, dateText;
        for (int s = 0; s < kShareCount; ++s)
            names.append("Company ").append(std::to_string(s)).append("\r\n");
        writeFile("SHARES.NMS", names);
        for (int s = 0; s < kShareCount; ++s) writeHistory(s, rampPrices(s, records));
        for (int d = 0; d < dates; ++d) dateText.append("D").append(std::to_string(d)).append("\r\n");
        writeFile("SHistory/dates", dateText);
    }

private:
    fs::path root_, previous_;
};

// Fifty shares "Company 0" ... each priced today and yesterday at priceOf(its number); day 260 is `today`.
template <class PriceOf>
GameModel fiftyShares(PriceOf priceOf, const char* today = "D260") {
    GameModel model;
    for (int i = 0; i < kShareCount; ++i) {
        ShareRecord& share = model.shareTable[i];
        share.shareNumber = i;
        std::snprintf(share.name, kShareNameSize, "Company %d", i);
        share.currentPrice = share.previousPrice = priceOf(i);
    }
    model.dateCount = 300;
    std::strcpy(model.dateTable[model.dateCount - 2 - kStartingDayIndex], today);
    return model;
}

// Share `number`, its prices given in pence.
inline ShareRecord priced(int number, const std::string& name, double previousPence, double currentPence) {
    ShareRecord record;
    record.shareNumber = number;
    std::snprintf(record.name, kShareNameSize, "%s", name.c_str());
    record.previousPrice = previousPence / 100.0;
    record.currentPrice = currentPence / 100.0;
    return record;
}

// A deal in "Abbey Foods" on "21-May-97", worth its quantity times its price unless an amount is given.
inline TransactionRecord deal(char action, int quantity, double price, double commission,
                              std::optional<double> amount = {}) {
    return {"Abbey Foods", price,      action, quantity, amount.value_or(quantity * price),
            commission,    "21-May-97"};
}

inline Holding heldShares(int share, int quantity, double cost, double fees = 0.0, const char* date = "") {
    Holding slot;
    std::snprintf(slot.dateBought, kDateBoughtSize, "%s", date);
    slot.shareNumber = share, slot.heldQuantity = quantity, slot.totalCost = cost,
    slot.commissionToDate = fees;
    return slot;
}

// The dealing room the buy rules are tried on: share 4 at 1.00, 7 at 2.50 and "Harbour Lights plc" (9)
// at 30.00, the rest from 0.50 up in steps of 0.25.
inline GameModel buyingMarket() {
    GameModel model = fiftyShares([](int i) { return 0.5 + 0.25 * i; });
    model.shareTable[4].currentPrice = 1.0;
    model.shareTable[7].currentPrice = 2.5;
    model.shareTable[9].currentPrice = 30.0;
    std::strcpy(model.shareTable[9].name, "Harbour Lights plc");
    return model;
}

// `held` shares of "Pellinor \xC9tain" (share 7) in the second holding, behind five of share 3.
constexpr int kSoldShare = 7;
inline GameModel saleHolding(int held, double price, double balance = kStartingCash) {
    GameModel model = fiftyShares([](int i) { return 1.0 + i; });
    std::strcpy(model.shareTable[kSoldShare].name, "Pellinor \xC9tain");
    model.shareTable[kSoldShare].currentPrice = price;
    model.holdings[0] = heldShares(3, 5, 5.0);
    model.holdings[1] = heldShares(kSoldShare, held, held * 0.5);
    model.cashBalance = model.pendingBalance = balance;
    return model;
}

inline auto fieldsOf(const Holding& slot) {
    return std::make_tuple(slot.shareNumber, slot.heldQuantity, slot.totalCost, slot.action,
                           slot.pendingQuantity, slot.pendingAmount, slot.pendingCommission,
                           slot.commissionToDate, slot.repeatPurchases, std::string(slot.dateBought));
}

// What a refused order must leave as it was: both balances and every holding.
inline void expectSameAccount(const GameModel& a, const GameModel& b) {
    EXPECT_EQ(a.cashBalance, b.cashBalance);
    EXPECT_EQ(a.pendingBalance, b.pendingBalance);
    for (int i = 0; i < kHoldingCount; ++i) EXPECT_EQ(fieldsOf(a.holdings[i]), fieldsOf(b.holdings[i])) << i;
}

inline void order(GameModel& model, int share, int quantity, OrderKind kind) {
    ASSERT_TRUE(kind == OrderKind::Purchase ? bookPurchase(model, share, quantity).booked()
                                            : bookSale(model, share, quantity));
}

// The pending balance is the cash less the pending purchases with their commission, plus the pending
// sales' proceeds less theirs.
inline void expectMoneyInvariant(const GameModel& model) {
    double expected = model.cashBalance;
    for (const Holding& slot : model.holdings) {
        if (slot.action == kBuyAction) expected -= slot.pendingAmount + slot.pendingCommission;
        if (slot.action == kSellAction)
            expected += model.shareTable[slot.shareNumber].currentPrice * slot.pendingQuantity -
                        slot.pendingCommission;
    }
    EXPECT_NEAR(model.pendingBalance, expected, kMillionthOfAPenny);
}

inline int recordOfDay(int dayIndex) {
    return kRecords - 3 - dayIndex;
}
inline double priceOn(int share, int dayIndex) {
    return marketPrice(share, recordOfDay(dayIndex));
}

// A new game on the synthetic market; share 0 has no price on the days given.
struct Game {
    explicit Game(std::initializer_list<int> daysWithoutTrading = {}) {
        folder.writeMarket();
        std::vector<double> share0 = rampPrices(0, kRecords);
        for (int day : daysWithoutTrading) share0[recordOfDay(day)] = 0.0;
        folder.writeHistory(0, share0);
        EXPECT_EQ(loadMarketData(model), 1);
    }
    MarketFolder folder;
    GameModel model;
};

// What every settlement leaves: no orders, cash equal to the pending balance, the occupied holdings
// packed at the front, and every share but share 0 priced for the two days.
inline void expectSettled(const GameModel& model, int dayIndex, int previousDayIndex) {
    EXPECT_EQ(std::make_pair(model.dayIndex, model.previousDayIndex),
              std::make_pair(dayIndex, previousDayIndex));
    EXPECT_FALSE(anyPendingOrder(model));
    EXPECT_EQ(model.cashBalance, model.pendingBalance);
    for (int i = 1; i < kHoldingCount; ++i)
        EXPECT_FALSE(model.holdings[i].isOccupied() && !model.holdings[i - 1].isOccupied()) << i;
    for (int s = 1; s < kShareCount; ++s) {
        EXPECT_EQ(model.shareTable[s].currentPrice, priceOn(s, dayIndex)) << s;
        EXPECT_EQ(model.shareTable[s].previousPrice, priceOn(s, previousDayIndex)) << s;
    }
}

// Record i's quantity is i, so a page's rows say which records it holds; reading fails from unreadableFrom.
struct MemorySource : TransactionSource {
    std::vector<TransactionRecord> records;
    int unreadableFrom;
    explicit MemorySource(int count, int unreadable = INT_MAX) : unreadableFrom(unreadable) {
        for (int i = 0; i < count; ++i) records.push_back(deal('B', i, 1.0, 10.0));
    }
    int recordCount() override { return static_cast<int>(records.size()); }
    std::optional<TransactionRecord> record(int i) override {
        if (i < 0 || i >= std::min(unreadableFrom, recordCount())) return std::nullopt;
        return records[i];
    }
};

inline std::vector<std::string> quantities(const StatementPage& page) {
    std::vector<std::string> result;
    for (const StatementRow& row : page.rows)
        result.push_back(row[static_cast<int>(StatementColumn::Quantity)]);
    return result;
}

// The ticker's market: shares 3 and 20 rose a tenth, 7 fell a quarter, 9 has no price yesterday, 11 none
// today and 30 no number; the rest are unchanged.
inline GameModel movedMarket() {
    GameModel model = fiftyShares([](int) { return 1.0; });
    // clang-format off
    const struct { int share; double previous, current; } moves[] = {{3, 1.0, 1.1},  {7, 2.0, 1.5},   {9, 0.0, 1.5},
                 {11, 1.5, 0.0}, {20, 0.5, 0.55}, {30, 1.0, NAN}};
    // clang-format on
    for (const auto& m : moves) {
        model.shareTable[m.share].previousPrice = m.previous;
        model.shareTable[m.share].currentPrice = m.current;
    }
    return model;
}
