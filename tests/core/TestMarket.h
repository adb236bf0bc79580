// A market made in memory for the core tests, and the account's one invariant.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "model/GameModel.h"

constexpr double kMillionthOfAPenny = 1e-8;  // in pounds

// Fifty shares "Company 0" ... "Company 49", each priced today and yesterday at priceOf(its number);
// day index 260 is dated `today`.
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

inline Holding heldShares(int share, int quantity, double cost) {
    Holding slot;
    slot.shareNumber = share;
    slot.heldQuantity = quantity;
    slot.totalCost = cost;
    return slot;
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
