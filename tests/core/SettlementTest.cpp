// Ringing the broker's settlement: each kind of order, the history records it writes, and the account
// after it.
#include "tests/core/SettlementGame.h"
#include "trading/Portfolio.h"

using namespace settlement_test;

TEST(Settling, EachKindOfOrderLeavesItsHoldingAndItsRecord) {
    Game game;
    GameModel& model = game.model;
    model.holdings[0] = heldShares(6, 1000, 2500.0);
    model.holdings[0].commissionToDate = 15.0;
    model.holdings[1] = heldShares(8, 40, 90.0);
    game.order(6, 300, OrderKind::Sale);
    game.order(8, 40, OrderKind::Sale);        // the whole holding: its slot is freed, the rest move up
    game.order(12, 250, OrderKind::Purchase);  // takes slot 2, the first empty one
    const double sold = 300 * priceOn(6, 260), bought = 250 * priceOn(12, 260);
    const double cashAfter = model.pendingBalance;
    const Settlement result = settleDay(model, 3);
    EXPECT_EQ(std::make_tuple(result.ordersSettled, result.history, model.transactionCount),
              std::make_tuple(3, HistoryWrite::Written, 3));
    expectSettled(model, 257, 258);
    EXPECT_EQ(model.cashBalance, cashAfter);
    const struct {
        int share, held;
        double cost, fees;
    } expected[] = {{6, 700, 1750.0, 15.0 + commissionFor(model, sold)},
                    {12, 250, bought, commissionFor(model, bought)},
                    {kEmptySlot, 0, 0.0, 0.0}};
    for (int i = 0; i < 3; ++i) {
        const Holding& slot = model.holdings[i];
        EXPECT_EQ(std::make_tuple(slot.shareNumber, slot.heldQuantity, slot.action, slot.pendingQuantity),
                  std::make_tuple(expected[i].share, expected[i].held, kNoAction, 0))
            << i;
        EXPECT_NEAR(slot.totalCost, expected[i].cost, kMillionthOfAPenny) << i;
        EXPECT_NEAR(slot.commissionToDate, expected[i].fees, kMillionthOfAPenny) << i;
    }
    // Records in slot order, dated and priced by the order day; the whole holding sold keeps nothing.
    const auto first = readTransaction(0), whole = readTransaction(1);
    ASSERT_TRUE(first && whole);
    EXPECT_EQ(std::make_tuple(first->name, first->price, first->action, first->amount, first->date),
              std::make_tuple("Company 6", priceOn(6, 260), 'S', 0.7, "D1137"));
    EXPECT_EQ(whole->amount, 0.0);
}

TEST(Settling, AnAdvanceWithNoOrdersLeavesTheHistoryAloneButRepricesAndSettlesCash) {
    Game game;
    EXPECT_EQ(settleDay(game.model, 1).history, HistoryWrite::NothingToWrite);
    EXPECT_FALSE(std::filesystem::exists(transactionsFilePath()));
    game.model.pendingBalance = 1234.5;  // whatever it holds becomes the cash
    EXPECT_EQ(settleDay(game.model, 2).ordersSettled, 0);
    EXPECT_EQ(game.model.cashBalance, 1234.5);
    expectSettled(game.model, 257, 258);
}

TEST(Settling, AnUnwritableHistoryStillSettlesAndBothNoticesComeInOrder) {
    Game game;
    game.order(4, 100, OrderKind::Purchase);
    std::filesystem::remove_all(transactionsDirectoryPath());
    const Settlement result = settleDay(game.model, 500);
    EXPECT_TRUE(result.historyNotWritten());
    EXPECT_EQ(std::make_tuple(result.ordersSettled, game.model.transactionCount), std::make_tuple(1, 0));
    EXPECT_EQ(game.model.holdings[0].heldQuantity, 100);
    expectSettled(game.model, 0, 1);
    std::vector<std::tuple<std::string, NoticeIcon>> shown;
    for (const Notice& notice : settlementNotices(game.model, result))
        shown.emplace_back(notice.text, notice.icon);
    EXPECT_EQ(shown,
              (std::vector<std::tuple<std::string, NoticeIcon>>{
                  {"The transaction history file " + transactionsFilePath() +
                       " could not be written, so the transactions just settled will not appear in the "
                       "statement. They have been settled all the same.",
                   NoticeIcon::Exclamation},
                  {endOfDataNotice(game.model), NoticeIcon::Information}}));
}

// A holding is an int32_t: a purchase that would take it past that is held at its largest, never wrapped
// into a negative count that empties the slot while the fees are kept.
TEST(Settling, AHeldQuantityNeverOverflows) {
    Game game;
    game.model.holdings[0] = {4, 2000000000, 10.0, kBuyAction, 2000000000, 20.0, 10.04};
    game.model.pendingBalance -= 30.04;
    settleDay(game.model, 1);
    const Holding& slot = game.model.holdings[0];
    EXPECT_EQ(std::make_tuple(slot.shareNumber, slot.heldQuantity, slot.totalCost, slot.commissionToDate),
              std::make_tuple(4, INT32_MAX, 30.0, 10.04));
}
