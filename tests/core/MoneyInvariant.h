// The account's one invariant, checked by every test that books, cancels or settles an order.
#pragma once

#include <gtest/gtest.h>

#include "model/GameModel.h"

constexpr double kMillionthOfAPenny = 1e-8;  // in pounds

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
