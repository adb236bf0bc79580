// The holdings rules of the model: compaction, pending orders, finding slots.
#include <gtest/gtest.h>

#include "tests/core/TestMarket.h"

TEST(Holdings, CompactionMovesOccupiedSlotsForwardInOrderAndLeavesNothingBehind) {
    GameModel model;
    EXPECT_EQ(std::make_tuple(findFreeSlot(model), findShareSlot(model, 5)), std::make_tuple(0, -1));
    model.holdings[1] = heldShares(7, 100, 250.0);
    model.holdings[3] = Holding{12, 40, 80.0, kSellAction, 10, 20.0, 10.04, 12.5, 2, "D1"};
    model.holdings[9] = heldShares(5, 1, 1.0);
    EXPECT_EQ(std::make_tuple(findShareSlot(model, 5), findFreeSlot(model), anyPendingOrder(model)),
              std::make_tuple(9, 0, true));
    const Holding moved = model.holdings[3];
    compactHoldings(model);
    EXPECT_EQ(std::make_tuple(model.holdings[0].shareNumber, model.holdings[1].commissionToDate,
                              std::string(model.holdings[1].dateBought), model.holdings[2].shareNumber),
              std::make_tuple(7, moved.commissionToDate, std::string("D1"), 5));
    for (int i = 3; i < kHoldingCount; ++i)
        EXPECT_EQ(std::make_tuple(model.holdings[i].shareNumber, model.holdings[i].heldQuantity,
                                  model.holdings[i].action, model.holdings[i].repeatPurchases),
                  std::make_tuple(kEmptySlot, 0, kNoAction, 0))
            << i;
    for (int i = 0; i < kHoldingCount; ++i) model.holdings[i] = heldShares(40 - i, 1, 1.0);
    EXPECT_EQ(std::make_tuple(findFreeSlot(model), anyPendingOrder(model)), std::make_tuple(-1, false));
}
