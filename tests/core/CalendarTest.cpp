// Ringing the broker's calendar: the day count, days without trading, and both ends of the data.
#include "tests/core/SettlementGame.h"
#include "trading/Portfolio.h"

using namespace settlement_test;

TEST(SkipCount, TheFieldReadsAsAWholeNumberThatNeverWrapsOrGoesNegative) {
    const std::string nines(30, '9'), five = std::string(29, '0') + "5", six = "0" + five, nul("4\0002", 3);
    const std::pair<std::string, int64_t> cases[] = {
        {"\t\n 12abc", 12},       {"-5", 0}, {"+3", 3}, {"*5", 0}, {nul, 4}, {"2147483648", 2147483648LL},
        {nines, 1000000000000LL}, {five, 5}, {six, 0}};
    for (const auto& [text, count] : cases) EXPECT_EQ(skipCountFromText(text), count) << text;
}

TEST(Calendar, CountsMoveTheDayAndThePreviousDayFollowsIt) {
    const struct {
        int64_t count;
        int day, previous;
        bool pastTheEnd;
    } cases[] = {{1, 259, 260, false}, {-5, 260, 261, false}, {260, 0, 1, false}, {261, 0, 1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        Game game;
        game.order(9, 20, OrderKind::Purchase);
        const Settlement result = settleDay(game.model, c.count);
        expectSettled(game.model, c.day, c.previous);
        EXPECT_EQ(game.model.orderDayIndex, 260);
        EXPECT_EQ(result.noLaterPrices, c.pastTheEnd);
        EXPECT_EQ(result.ordersSettled, 1);
        EXPECT_EQ(game.model.holdings[0].heldQuantity, 20);
        EXPECT_EQ(settlementNotices(game.model, result).size(), c.pastTheEnd ? 1u : 0u);
    }
}

TEST(Calendar, DaysWithoutTradingAreWalkedOverBothWays) {
    const struct {
        std::initializer_list<int> closed;
        int64_t count;
        int day, previous;
    } cases[] = {{{257, 258}, 3, 256, 259}, {{260}, 1, 259, 261}, {{2, 1, 0}, 258, 0, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.day);
        Game game(c.closed);
        EXPECT_FALSE(settleDay(game.model, c.count).noLaterPrices);
        expectSettled(game.model, c.day, c.previous);
        EXPECT_EQ(game.model.shareTable[0].currentPrice, c.day == 0 ? 0.0 : priceOn(0, c.day));
    }
}

TEST(Calendar, ThePreviousDayStopsAtTheStartOfTheData) {
    Game game;
    // Share 0 traded on no day before 258: there is no previous trading day to be found.
    std::vector<double> share0(kRecords, 0.0);
    for (int day = 258; day >= -2; --day) share0[recordOfDay(day)] = 5.0;
    game.folder.writeHistory(0, share0);
    settleDay(game.model, 2);
    expectSettled(game.model, 258, 258);
}

TEST(Calendar, OnTheLastDayAFurtherSkipSettlesWithoutMovingAndSaysSo) {
    Game game;
    game.order(3, 100, OrderKind::Purchase);
    const Settlement first = settleDay(game.model, 1000);
    const std::vector<Notice> notices = settlementNotices(game.model, first);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].icon, NoticeIcon::Information);
    EXPECT_EQ(notices[0].text.substr(0, notices[0].text.find("\n\n")),
              "The market data ends on D1397: there are no later prices. The market stays on that day; any "
              "pending transactions have been settled.");
    EXPECT_NE(notices[0].text.find("\n\nThe game ends with your shares worth "), std::string::npos);
    game.order(3, 40, OrderKind::Sale);
    const Settlement again = settleDay(game.model, 1);
    EXPECT_TRUE(again.noLaterPrices);
    EXPECT_EQ(game.model.orderDayIndex, 0);
    EXPECT_EQ(game.model.holdings[0].heldQuantity, 60);
    expectSettled(game.model, 0, 1);
}

TEST(Calendar, AShortPriceFileReadsAsNoPriceAndAnUnreadableShare0MovesByTheCountAlone) {
    Game game({259});
    game.folder.writeHistory(5, rampPrices(5, 200));  // covers day indexes 197 to -2 only
    std::filesystem::remove(historyFilePath(0));
    settleDay(game.model, 1);
    EXPECT_EQ(std::make_tuple(game.model.dayIndex, game.model.previousDayIndex), std::make_tuple(259, 260));
    EXPECT_EQ(game.model.shareTable[0].currentPrice, 0.0);
    EXPECT_EQ(game.model.shareTable[5].currentPrice, 0.0);
    EXPECT_EQ(game.model.shareTable[5].previousPrice, 0.0);
    EXPECT_EQ(game.model.shareTable[6].currentPrice, priceOn(6, 259));
    settleDay(game.model, 100);
    EXPECT_EQ(game.model.shareTable[5].currentPrice, marketPrice(5, 200 - 3 - 159));
    EXPECT_EQ(game.model.shareTable[5].previousPrice, marketPrice(5, 200 - 3 - 160));
}
