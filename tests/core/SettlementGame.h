// A new game on a synthetic market in a scratch folder, and the checks every settlement test makes.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "model/MarketFiles.h"
#include "model/Settlement.h"
#include "tests/core/TestFolder.h"
#include "trading/OrderRules.h"
#include "tests/core/MoneyInvariant.h"

namespace settlement_test {

constexpr int kRecords = 1400;
constexpr double kPennyFraction = kMillionthOfAPenny;

inline int recordOfDay(int dayIndex) {
    return kRecords - 3 - dayIndex;
}

// Record k of share s in the synthetic market, as the settlement must read it for day d.
inline double priceOn(int share, int dayIndex) {
    return marketPrice(share, recordOfDay(dayIndex));
}

inline std::string fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

inline std::string littleEndian(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    std::string bytes;
    for (int i = 0; i < 8; ++i) bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
    return bytes;
}

// A new game on the synthetic market; share 0 has no price on the days given.
struct Game {
    explicit Game(std::initializer_list<int> daysWithoutTrading = {}) {
        folder.writeMarket(kRecords);
        std::vector<double> share0 = rampPrices(0, kRecords);
        for (int day : daysWithoutTrading) share0[recordOfDay(day)] = 0.0;
        folder.writeHistory(0, share0);
        EXPECT_EQ(loadMarketData(model), 1);
    }
    void buy(int share, int quantity) {
        model.selectedShare = share;
        ASSERT_TRUE(bookPurchase(model, quantity).booked());
    }
    void sell(int share, int quantity) {
        model.selectedShare = share;
        ASSERT_TRUE(bookSale(model, quantity));
    }
    MarketFolder folder;
    GameModel model;
};

inline Holding heldShares(int share, int quantity, double cost) {
    Holding slot;
    slot.shareNumber = share;
    slot.heldQuantity = quantity;
    slot.totalCost = cost;
    return slot;
}

// What every settlement leaves, whatever it was asked.
inline void expectSettled(const GameModel& model) {
    EXPECT_FALSE(anyPendingOrder(model));
    EXPECT_EQ(model.cashBalance, model.pendingBalance);
    bool emptySeen = false;
    for (const Holding& slot : model.holdings) {
        if (!slot.isOccupied())
            emptySeen = true;
        else
            EXPECT_FALSE(emptySeen) << "an occupied slot behind an empty one";
    }
    expectMoneyInvariant(model);
}

// Every share but share 0 (whose history the tests change) priced for the two days.
inline void expectPricedFor(const GameModel& model, int dayIndex, int previousDayIndex) {
    for (int s = 1; s < kShareCount; ++s) {
        EXPECT_EQ(model.shareTable[s].currentPrice, priceOn(s, dayIndex)) << s;
        EXPECT_EQ(model.shareTable[s].previousPrice, priceOn(s, previousDayIndex)) << s;
    }
}
}  // namespace settlement_test
