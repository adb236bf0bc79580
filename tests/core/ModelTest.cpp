// The holdings rules of the model: compaction, pending orders, finding slots.
#include <gtest/gtest.h>

#include "tests/core/TestMarket.h"

TEST(Holdings, CompactionMovesOccupiedSlotsForwardInOrderAndLeavesNothingBehind) {
    GameModel model;
    EXPECT_FALSE(anyPendingOrder(model));
    EXPECT_EQ(std::make_tuple(findFreeSlot(model), findShareSlot(model, 5)), std::make_tuple(0, -1));
    model.holdings[1] = heldShares(7, 100, 250.0);
    model.holdings[3] = Holding{12, 40, 80.0, kBuyAction, 10, 20.0, 10.04, 12.5, 2, "D1"};
    model.holdings[9] = heldShares(5, 1, 1.0);
    EXPECT_EQ(std::make_tuple(findShareSlot(model, 12), findShareSlot(model, 5), findFreeSlot(model)),
              std::make_tuple(3, 9, 0));
    EXPECT_TRUE(anyPendingOrder(model));
    const Holding moved = model.holdings[3];
    compactHoldings(model);
    EXPECT_EQ(model.holdings[0].shareNumber, 7);
    EXPECT_EQ(std::make_tuple(model.holdings[1].shareNumber, model.holdings[1].pendingCommission,
                              model.holdings[1].commissionToDate, std::string(model.holdings[1].dateBought)),
              std::make_tuple(12, moved.pendingCommission, 12.5, std::string("D1")));
    EXPECT_EQ(model.holdings[2].shareNumber, 5);
    for (int i = 3; i < kHoldingCount; ++i) {
        const Holding& slot = model.holdings[i];
        EXPECT_EQ(std::make_tuple(slot.shareNumber, slot.heldQuantity, slot.totalCost, slot.action,
                                  slot.pendingQuantity, slot.pendingAmount, slot.commissionToDate,
                                  slot.repeatPurchases),
                  std::make_tuple(kEmptySlot, 0, 0.0, kNoAction, 0, 0.0, 0.0, 0))
            << i;
    }
    model.holdings[1].action = kSellAction;
    EXPECT_TRUE(anyPendingOrder(model));
    for (int i = 0; i < kHoldingCount; ++i) model.holdings[i] = heldShares(40 - i, 1, 1.0);
    compactHoldings(model);
    for (int i = 0; i < kHoldingCount; ++i) EXPECT_EQ(model.holdings[i].shareNumber, 40 - i);
    EXPECT_EQ(findFreeSlot(model), -1);
    EXPECT_FALSE(anyPendingOrder(model));
}
