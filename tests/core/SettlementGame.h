// A new game on a synthetic market in a scratch folder, and the checks every settlement test makes.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "model/MarketFiles.h"
#include "model/Settlement.h"
#include "tests/core/TestFolder.h"
#include "tests/core/TestMarket.h"
#include "trading/OrderRules.h"

namespace settlement_test {

constexpr int kRecords = 1400;

inline int recordOfDay(int dayIndex) {
    return kRecords - 3 - dayIndex;
}

// The price of share s on day d in the synthetic market.
inline double priceOn(int share, int dayIndex) {
    return marketPrice(share, recordOfDay(dayIndex));
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
    void order(int share, int quantity, OrderKind kind) {
        ASSERT_TRUE(kind == OrderKind::Purchase ? bookPurchase(model, share, quantity).booked()
                                                : bookSale(model, share, quantity));
    }
    MarketFolder folder;
    GameModel model;
};

// What every settlement leaves, whatever it was asked: no orders, cash equal to the pending balance,
// the occupied holdings packed at the front, and every share but share 0 priced for the two days.
inline void expectSettled(const GameModel& model, int dayIndex, int previousDayIndex,
                          const std::function<double(int, int)>& price = priceOn) {
    EXPECT_EQ(std::make_pair(model.dayIndex, model.previousDayIndex),
              std::make_pair(dayIndex, previousDayIndex));
    EXPECT_FALSE(anyPendingOrder(model));
    EXPECT_EQ(model.cashBalance, model.pendingBalance);
    for (int i = 1; i < kHoldingCount; ++i)
        EXPECT_FALSE(model.holdings[i].isOccupied() && !model.holdings[i - 1].isOccupied()) << i;
    for (int s = 1; s < kShareCount; ++s) {
        EXPECT_EQ(model.shareTable[s].currentPrice, price(s, dayIndex)) << s;
        EXPECT_EQ(model.shareTable[s].previousPrice, price(s, previousDayIndex)) << s;
    }
}
}  // namespace settlement_test
