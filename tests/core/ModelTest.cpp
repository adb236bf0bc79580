// The holdings rules of the model: compaction, pending orders, finding slots.
#include <gtest/gtest.h>

#include "model/GameModel.h"

namespace {
Holding heldSlot(int share, int quantity, double cost) {
    Holding slot;
    slot.shareNumber = share;
    slot.heldQuantity = quantity;
    slot.totalCost = cost;
    slot.commissionToDate = 12.5;
    slot.repeatPurchases = 2;
    return slot;
}

void expectEmpty(const Holding& slot) {
    EXPECT_EQ(slot.shareNumber, kEmptySlot);
    EXPECT_EQ(slot.action, kNoAction);
    EXPECT_EQ(slot.heldQuantity, 0);
    EXPECT_EQ(slot.pendingQuantity, 0);
    EXPECT_EQ(slot.totalCost, 0.0);
    EXPECT_EQ(slot.pendingAmount, 0.0);
    EXPECT_EQ(slot.pendingCommission, 0.0);
    EXPECT_EQ(slot.commissionToDate, 0.0);
    EXPECT_EQ(slot.repeatPurchases, 0);
}
}  // namespace

TEST(CompactHoldings, MovesOccupiedSlotsForwardAndLeavesNothingBehind) {
    GameModel model;
    model.holdings[1] = heldSlot(7, 100, 250.0);
    model.holdings[3] = heldSlot(12, 40, 80.0);
    model.holdings[3].action = kBuyAction;
    model.holdings[3].pendingQuantity = 10;
    model.holdings[3].pendingAmount = 20.0;
    model.holdings[3].pendingCommission = 10.04;

    compactHoldings(model);

    EXPECT_EQ(model.holdings[0].shareNumber, 7);
    EXPECT_EQ(model.holdings[0].heldQuantity, 100);
    EXPECT_EQ(model.holdings[1].shareNumber, 12);
    EXPECT_EQ(model.holdings[1].action, kBuyAction);
    EXPECT_EQ(model.holdings[1].pendingQuantity, 10);
    for (int i = 2; i < kHoldingCount; ++i) {
        SCOPED_TRACE(i);
        expectEmpty(model.holdings[i]);
    }
}

TEST(CompactHoldings, KeepsOrderOfAFullOrPackedTable) {
    GameModel model;
    for (int i = 0; i < kHoldingCount; ++i) model.holdings[i] = heldSlot(40 - i, i + 1, 1.0 * i);
    compactHoldings(model);
    for (int i = 0; i < kHoldingCount; ++i) EXPECT_EQ(model.holdings[i].shareNumber, 40 - i);

    GameModel none;
    compactHoldings(none);
    for (const Holding& slot : none.holdings) expectEmpty(slot);
}

TEST(Holdings, PendingOrdersAndSlotLookup) {
    GameModel model;
    EXPECT_FALSE(anyPendingOrder(model));
    EXPECT_EQ(findFreeSlot(model), 0);
    EXPECT_EQ(findShareSlot(model, 5), -1);

    model.holdings[0] = heldSlot(5, 10, 10.0);
    model.holdings[2] = heldSlot(9, 10, 10.0);
    EXPECT_FALSE(anyPendingOrder(model));
    EXPECT_EQ(findShareSlot(model, 9), 2);
    EXPECT_EQ(findFreeSlot(model), 1);

    model.holdings[2].action = kSellAction;
    EXPECT_TRUE(anyPendingOrder(model));

    for (int i = 0; i < kHoldingCount; ++i) model.holdings[i] = heldSlot(i, 1, 1.0);
    EXPECT_EQ(findFreeSlot(model), -1);
}
