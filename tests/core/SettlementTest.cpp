#include "tests/core/TestKit.h"
#include "trading/Portfolio.h"

TEST(Settling, EachKindOfOrderLeavesItsHoldingAndItsRecord) {
    Game game;
    GameModel& model = game.model;
    model.holdings[0] = heldShares(6, 1000, 2500.0, 15.0);
    model.holdings[1] = heldShares(8, 40, 90.0);
    order(model, 6, 300, OrderKind::Sale);
    order(model, 8, 40, OrderKind::Sale);        // the whole holding: its slot is freed, the rest move up
    order(model, 12, 250, OrderKind::Purchase);  // takes slot 2, the first empty one
    const double sold = 300 * priceOn(6, 260), bought = 250 * priceOn(12, 260),
                 cashAfter = model.pendingBalance;
    const Settlement result = settleDay(model, 3);
    EXPECT_EQ(std::make_tuple(result.ordersSettled, result.history, model.transactionCount),
              std::make_tuple(3, HistoryWrite::Written, 3));
    expectSettled(model, 257, 258);
    EXPECT_EQ(model.cashBalance, cashAfter);
    const Holding expected[] = {heldShares(6, 700, 1750.0, 15.0 + commissionFor(model, sold)),
                                heldShares(12, 250, bought, commissionFor(model, bought), "D1137"),
                                {}};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(fieldsOf(model.holdings[i]), fieldsOf(expected[i])) << i;
    // Records in slot order, dated and priced by the order day; the whole holding sold keeps nothing.
    const auto first = readTransaction(0), whole = readTransaction(1);
    ASSERT_TRUE(first && whole);
    EXPECT_EQ(std::make_tuple(first->name, first->price, first->action, first->amount, first->date),
              std::make_tuple("Company 6", priceOn(6, 260), 'S', 0.7, "D1137"));
    EXPECT_EQ(whole->amount, 0.0);
    // No orders: the history is left alone, but the market is re-priced and the pending balance is the cash.
    std::filesystem::remove(transactionsFilePath());
    model.pendingBalance = 1234.5;
    const Settlement none = settleDay(model, 2);
    EXPECT_EQ(std::make_tuple(none.history, none.ordersSettled, model.cashBalance),
              std::make_tuple(HistoryWrite::NothingToWrite, 0, 1234.5));
    EXPECT_FALSE(fs::exists(transactionsFilePath()));
    expectSettled(model, 255, 256);
    // A holding is an int32_t: a purchase past that is held at its largest, never wrapped to a negative.
    model.holdings[0] = {4, 2000000000, 10.0, kBuyAction, 2000000000, 20.0, 10.04};
    model.pendingBalance -= 30.04;
    settleDay(model, 1);
    EXPECT_EQ(fieldsOf(model.holdings[0]),
              fieldsOf(Holding{4, INT32_MAX, 30.0, kNoAction, 0, 0.0, 0.0, 10.04}));
}

// A history that cannot be opened, or that takes no byte when flushed (/dev/full), counts nothing but
// the orders are settled all the same, and both notices come in order.
TEST(Settling, AnUnwritableHistoryStillSettlesAndBothNoticesComeInOrder) {
    const std::function<void()> spoils[] = {
        [] { fs::remove_all(transactionsDirectoryPath()); },
#ifdef __linux__
        [] { fs::create_symlink("/dev/full", transactionsFilePath()); },
#endif
    };
    for (const auto& spoil : spoils) {
        Game game;
        order(game.model, 4, 100, OrderKind::Purchase);
        spoil();
        const Settlement result = settleDay(game.model, 500);
        EXPECT_TRUE(result.historyNotWritten());
        EXPECT_FALSE(fs::is_regular_file(transactionsFilePath()));
        EXPECT_EQ(std::make_tuple(result.ordersSettled, game.model.transactionCount,
                                  game.model.holdings[0].heldQuantity),
                  std::make_tuple(1, 0, 100));
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
}

// How the day moves over days without trading is in the rows of cases.tsv.
TEST(Calendar, AShortPriceFileReadsAsNoPriceAndAnUnreadableShare0MovesByTheCountAlone) {
    Game game({259});
    game.folder.writeHistory(5, rampPrices(5, 200));  // covers day indexes 197 to -2 only
    fs::remove(historyFilePath(0));
    settleDay(game.model, 1);
    EXPECT_EQ(std::make_tuple(game.model.dayIndex, game.model.previousDayIndex), std::make_tuple(259, 260));
    EXPECT_EQ(std::make_tuple(game.model.shareTable[0].currentPrice, game.model.shareTable[5].currentPrice,
                              game.model.shareTable[5].previousPrice, game.model.shareTable[6].currentPrice),
              std::make_tuple(0.0, 0.0, 0.0, priceOn(6, 259)));
    settleDay(game.model, 100);
    EXPECT_EQ(std::make_pair(game.model.shareTable[5].currentPrice, game.model.shareTable[5].previousPrice),
              std::make_pair(marketPrice(5, 38), marketPrice(5, 37)));
}
