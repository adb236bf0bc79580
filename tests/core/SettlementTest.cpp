// Ringing the broker's settlement: each kind of order, the history records it writes, and the account
// after it.
#include "tests/core/SettlementGame.h"

using namespace settlement_test;

TEST(Settling, EachKindOfOrderLeavesItsHoldingAndTheRecordsBytes) {
    Game game;
    game.model.holdings[0] = heldShares(6, 1000, 2500.0);
    game.model.holdings[0].commissionToDate = 15.0;
    game.model.holdings[1] = heldShares(8, 40, 90.0);
    game.model.holdings[2] = heldShares(11, 10, 30.0);
    game.sell(6, 300);
    game.sell(8, 40);   // the whole holding: its slot is freed and the slots behind move up
    game.buy(12, 250);  // takes slot 3, the first empty one
    game.buy(11, 5);
    const double saleFee = commissionFor(game.model, 300 * priceOn(6, 260));
    const double value = 250 * priceOn(12, 260);
    const double cashAfter = game.model.pendingBalance;

    const Settlement result = settleDay(game.model, 3);
    EXPECT_EQ(result.ordersSettled, 4);
    EXPECT_EQ(result.history, HistoryWrite::Written);
    expectSettled(game.model, 257, 258);
    EXPECT_EQ(game.model.cashBalance, cashAfter);
    const struct {
        int share, held;
        double cost, fees;
    } expected[] = {{6, 700, 1750.0, 15.0 + saleFee},
                    {11, 15, 30.0 + 5 * priceOn(11, 260), commissionFor(game.model, 5 * priceOn(11, 260))},
                    {12, 250, value, commissionFor(game.model, value)},
                    {kEmptySlot, 0, 0.0, 0.0}};
    for (int i = 0; i < 4; ++i) {
        const Holding& slot = game.model.holdings[i];
        EXPECT_EQ(slot.shareNumber, expected[i].share) << i;
        EXPECT_EQ(slot.heldQuantity, expected[i].held) << i;
        EXPECT_NEAR(slot.totalCost, expected[i].cost, kMillionthOfAPenny) << i;
        EXPECT_NEAR(slot.commissionToDate, expected[i].fees, kMillionthOfAPenny) << i;
        EXPECT_EQ(
            std::make_tuple(slot.action, slot.pendingQuantity, slot.pendingAmount, slot.pendingCommission),
            std::make_tuple(kNoAction, 0, 0.0, 0.0))
            << i;
    }

    // Four records in slot order, dated and priced by the order day, not the new day.
    const std::string bytes = fileBytes(transactionsFilePath());
    ASSERT_EQ(bytes.size(), 4 * 88u);
    EXPECT_EQ(game.model.transactionCount, 4);
    const std::string sale = bytes.substr(0, 88), purchase = bytes.substr(3 * 88, 88);
    EXPECT_EQ(sale.substr(0, 40), std::string("Company 6") + std::string(15, '\0') +
                                      littleEndian(priceOn(6, 260)) + std::string("\0\0\0\0S\0\0\0", 8));
    EXPECT_EQ(sale.substr(40, 48), std::string("\x2C\x01\0\0\0\0\0\0", 8) + littleEndian(0.7) +
                                       littleEndian(saleFee) + "D1137" + std::string(19, '\0'));
    EXPECT_EQ(bytes.substr(88 + 48, 8), littleEndian(0.0));  // the whole holding sold keeps nothing
    EXPECT_EQ(purchase.substr(0, 40), std::string("Company 12") + std::string(14, '\0') +
                                          littleEndian(priceOn(12, 260)) + std::string("\0\0\0\0B\0\0\0", 8));
    EXPECT_EQ(purchase.substr(40, 48), std::string("\xFA\0\0\0\0\0\0\0", 8) + littleEndian(value) +
                                           littleEndian(commissionFor(game.model, value)) + "D1137" +
                                           std::string(19, '\0'));
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
}

TEST(Settling, AnAdvanceWithNoOrdersLeavesTheHistoryAloneButRepricesAndSettlesCash) {
    Game game;
    EXPECT_EQ(settleDay(game.model, 1).history, HistoryWrite::NothingToWrite);
    EXPECT_FALSE(std::filesystem::exists(transactionsFilePath()));
    game.buy(2, 10);
    settleDay(game.model, 1);
    const std::string before = fileBytes(transactionsFilePath());
    game.model.pendingBalance = 1234.5;  // whatever it holds becomes the cash
    const Settlement result = settleDay(game.model, 2);
    EXPECT_EQ(result.history, HistoryWrite::NothingToWrite);
    EXPECT_EQ(result.ordersSettled, 0);
    EXPECT_EQ(fileBytes(transactionsFilePath()), before);
    EXPECT_EQ(game.model.transactionCount, 1);
    EXPECT_EQ(game.model.cashBalance, 1234.5);
    expectSettled(game.model, 256, 257);
}

TEST(Settling, AnUnwritableHistoryStillSettlesAndBothNoticesComeInOrder) {
    Game game;
    game.buy(4, 100);
    game.model.holdings[1] = heldShares(9, 60, 80.0);
    game.sell(9, 60);
    std::filesystem::remove_all(transactionsDirectoryPath());
    const Settlement result = settleDay(game.model, 500);
    EXPECT_TRUE(result.historyNotWritten());
    EXPECT_EQ(result.ordersSettled, 2);
    EXPECT_EQ(game.model.transactionCount, 0);
    EXPECT_EQ(game.model.holdings[0].heldQuantity, 100);
    EXPECT_EQ(game.model.holdings[1].shareNumber, kEmptySlot);
    expectSettled(game.model, 0, 1);
    EXPECT_EQ(settlementNotices(game.model, result),
              (std::vector<std::string>{
                  "The transaction history file " + transactionsFilePath() +
                      " could not be written, so the transactions just settled will not appear in the "
                      "statement. They have been settled all the same.",
                  noLaterPricesNotice(game.model)}));
}

// A holding is an int32_t: a purchase that would take it past that is held at its largest, never wrapped
// into a negative count that empties the slot while the fees are kept.
TEST(Settling, AHeldQuantityNeverOverflows) {
    Game game;
    game.model.holdings[0] = heldShares(4, 2000000000, 10.0);
    game.model.holdings[0].action = kBuyAction;
    game.model.holdings[0].pendingQuantity = 2000000000;
    game.model.holdings[0].pendingAmount = 20.0;
    game.model.holdings[0].pendingCommission = 10.04;
    game.model.pendingBalance -= 30.04;
    settleDay(game.model, 1);
    const Holding& slot = game.model.holdings[0];
    EXPECT_EQ(slot.shareNumber, 4);
    EXPECT_EQ(slot.heldQuantity, INT32_MAX);
    EXPECT_EQ(slot.totalCost, 30.0);
    EXPECT_EQ(slot.commissionToDate, 10.04);
}
