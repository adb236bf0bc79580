// Ringing the broker's settlement: each kind of order, the history records it writes, and the account
// after it.
#include "tests/core/SettlementGame.h"

using namespace settlement_test;

TEST(Settling, APurchaseBecomesAHoldingAndItsCommissionGoesToTheFeesNotTheCost) {
    Game game;
    game.buy(4, 250);
    const double value = 250 * priceOn(4, 260);
    const double commission = commissionFor(game.model, value);
    const double pendingBefore = game.model.pendingBalance;
    expectMoneyInvariant(game.model);

    const Settlement result = settleDay(game.model, 1);
    const Holding& slot = game.model.holdings[0];
    EXPECT_EQ(result.ordersSettled, 1);
    EXPECT_EQ(result.history, HistoryWrite::Written);
    EXPECT_EQ(slot.shareNumber, 4);
    EXPECT_EQ(slot.heldQuantity, 250);
    EXPECT_EQ(slot.totalCost, value);
    EXPECT_EQ(slot.commissionToDate, commission);
    EXPECT_EQ(slot.action, kNoAction);
    EXPECT_EQ(slot.pendingQuantity, 0);
    EXPECT_EQ(slot.pendingAmount, 0.0);
    EXPECT_EQ(slot.pendingCommission, 0.0);
    EXPECT_EQ(game.model.cashBalance, pendingBefore);
    EXPECT_NEAR(game.model.cashBalance, kStartingCash - value - commission, kPennyFraction);
    expectSettled(game.model);
}

TEST(Settling, SellingThreeHundredOfAThousandKeepsSevenTenthsOfTheCost) {
    Game game;
    game.model.holdings[0] = heldShares(6, 1000, 2500.0);
    game.model.holdings[0].commissionToDate = 15.0;
    game.sell(6, 300);
    const double commission = game.model.holdings[0].pendingCommission;
    expectMoneyInvariant(game.model);
    settleDay(game.model, 1);
    const Holding& slot = game.model.holdings[0];
    EXPECT_EQ(slot.heldQuantity, 700);
    EXPECT_DOUBLE_EQ(slot.totalCost, 1750.0);
    EXPECT_EQ(slot.commissionToDate, 15.0 + commission);
    EXPECT_EQ(slot.action, kNoAction);
    expectSettled(game.model);
}

TEST(Settling, SellingAWholeHoldingFreesItsSlotAndTheSlotsBehindMoveUp) {
    Game game;
    game.model.holdings[0] = heldShares(6, 100, 250.0);
    game.model.holdings[1] = heldShares(8, 40, 90.0);
    game.model.holdings[2] = heldShares(11, 10, 30.0);
    game.sell(6, 100);
    game.buy(20, 15);  // takes slot 3, the first empty one
    settleDay(game.model, 1);
    const auto& slots = game.model.holdings;
    EXPECT_EQ(slots[0].shareNumber, 8);
    EXPECT_EQ(slots[0].heldQuantity, 40);
    EXPECT_EQ(slots[1].shareNumber, 11);
    EXPECT_EQ(slots[2].shareNumber, 20);
    EXPECT_EQ(slots[2].heldQuantity, 15);
    for (int i = 3; i < kHoldingCount; ++i) {
        EXPECT_EQ(slots[i].shareNumber, kEmptySlot) << i;
        EXPECT_EQ(slots[i].heldQuantity, 0) << i;
        EXPECT_EQ(slots[i].totalCost, 0.0) << i;
        EXPECT_EQ(slots[i].commissionToDate, 0.0) << i;
    }
    expectSettled(game.model);
}

TEST(Settling, AnAdvanceWithNoOrdersLeavesTheHistoryAloneButRepricesAndSettlesCash) {
    Game game;
    EXPECT_EQ(settleDay(game.model, 1).history, HistoryWrite::NothingToWrite);
    EXPECT_FALSE(std::filesystem::exists(transactionsFilePath()));

    game.buy(2, 10);
    settleDay(game.model, 1);
    const std::string before = fileBytes(transactionsFilePath());
    const auto stamp = std::filesystem::last_write_time(transactionsFilePath());
    game.model.pendingBalance = 1234.5;  // whatever it holds becomes the cash
    const Settlement result = settleDay(game.model, 2);
    EXPECT_EQ(result.history, HistoryWrite::NothingToWrite);
    EXPECT_EQ(result.ordersSettled, 0);
    EXPECT_EQ(fileBytes(transactionsFilePath()), before);
    EXPECT_EQ(std::filesystem::last_write_time(transactionsFilePath()), stamp);
    EXPECT_EQ(game.model.transactionCount, 1);
    EXPECT_EQ(game.model.cashBalance, 1234.5);
    EXPECT_EQ(game.model.dayIndex, 256);  // 260, less 1, 1 and 2
    expectPricedFor(game.model, 256, 257);
}

TEST(Settling, TheRecordsBytesForAPurchaseAndASale) {
    Game game;
    game.model.holdings[0] = heldShares(6, 1000, 2500.0);
    game.sell(6, 300);
    game.buy(12, 40);
    const double salePrice = priceOn(6, 260), purchasePrice = priceOn(12, 260);
    const double saleCommission = game.model.holdings[0].pendingCommission;
    const double purchaseCommission = game.model.holdings[1].pendingCommission;
    settleDay(game.model, 3);
    ASSERT_EQ(game.model.dayIndex, 257);
    EXPECT_EQ(game.model.transactionCount, 2);

    const std::string bytes = fileBytes(transactionsFilePath());
    ASSERT_EQ(bytes.size(), 176u);
    const std::string sale = bytes.substr(0, 88), purchase = bytes.substr(88, 88);
    EXPECT_EQ(sale.substr(0, 24), std::string("Company 6") + std::string(15, '\0'));
    // The price of the day the order was placed, not of the new day.
    EXPECT_EQ(sale.substr(24, 8), littleEndian(salePrice));
    EXPECT_NE(salePrice, game.model.shareTable[6].currentPrice);
    EXPECT_EQ(sale.substr(32, 4), std::string(4, '\0'));
    EXPECT_EQ(sale.substr(36, 4), std::string("S\0\0\0", 4));
    EXPECT_EQ(sale.substr(40, 8), std::string("\x2C\x01\0\0\0\0\0\0", 8));
    EXPECT_EQ(sale.substr(48, 8), littleEndian(0.7));
    EXPECT_EQ(sale.substr(56, 8), littleEndian(saleCommission));
    EXPECT_EQ(sale.substr(64, 24), std::string("D1137") + std::string(19, '\0'));  // the order day

    EXPECT_EQ(purchase.substr(0, 24), std::string("Company 12") + std::string(14, '\0'));
    EXPECT_EQ(purchase.substr(24, 8), littleEndian(purchasePrice));
    EXPECT_EQ(purchase.substr(36, 4), std::string("B\0\0\0", 4));
    EXPECT_EQ(purchase.substr(40, 8), std::string("\x28\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(purchase.substr(48, 8), littleEndian(40 * purchasePrice));
    EXPECT_EQ(purchase.substr(56, 8), littleEndian(purchaseCommission));
    EXPECT_EQ(purchase.substr(64, 24), std::string("D1137") + std::string(19, '\0'));
}

TEST(Settling, ASaleRecordIsDatedByTheOrderDayEvenAfterALongSkip) {
    Game game;
    settleDay(game.model, 10);  // day 250, "D1147"
    game.model.holdings[0] = heldShares(3, 50, 100.0);
    game.sell(3, 5);
    settleDay(game.model, 20);
    const auto record = readTransaction(0);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->date, "D1147");
    EXPECT_EQ(record->price, priceOn(3, 250));
    EXPECT_EQ(std::string(dateOfDay(game.model, game.model.dayIndex)), "D1167");
}

TEST(Settling, AnUnwritableHistoryStillSettlesAndSaysSo) {
    Game game;
    game.buy(4, 100);
    game.model.holdings[1] = heldShares(9, 60, 80.0);
    game.sell(9, 60);
    std::filesystem::remove_all(transactionsDirectoryPath());

    const Settlement result = settleDay(game.model, 1);
    EXPECT_TRUE(result.historyNotWritten());
    EXPECT_EQ(result.ordersSettled, 2);
    EXPECT_EQ(game.model.transactionCount, 0);
    EXPECT_EQ(game.model.holdings[0].heldQuantity, 100);
    EXPECT_EQ(game.model.holdings[1].shareNumber, kEmptySlot);
    EXPECT_EQ(game.model.dayIndex, 259);
    expectSettled(game.model);
    const auto notices = settlementNotices(game.model, result);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], historyNotWrittenNotice());
    EXPECT_NE(notices[0].find("Trans.db could not be written"), std::string::npos);
    EXPECT_NE(notices[0].find("settled all the same"), std::string::npos);
}

TEST(Settling, BothNoticesComeInOrderWhenBothHappen) {
    Game game;
    game.buy(4, 100);
    std::filesystem::remove_all(transactionsDirectoryPath());
    const Settlement result = settleDay(game.model, 500);
    const auto notices = settlementNotices(game.model, result);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0], historyNotWrittenNotice());
    EXPECT_EQ(notices[1], noLaterPricesNotice(game.model));
}
