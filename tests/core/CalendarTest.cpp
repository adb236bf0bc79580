// Ringing the broker's calendar: the day count, days without trading, and both ends of the data.
#include "tests/core/SettlementGame.h"

using namespace settlement_test;

TEST(SkipCount, TheFieldReadsAsAWholeNumberThatNeverWrapsOrGoesNegative) {
    EXPECT_EQ(skipCountFromText("1"), 1);
    EXPECT_EQ(skipCountFromText("  12"), 12);
    EXPECT_EQ(skipCountFromText("12abc"), 12);
    EXPECT_EQ(skipCountFromText(""), 0);
    EXPECT_EQ(skipCountFromText("abc"), 0);
    EXPECT_EQ(skipCountFromText("-5"), 0);
    EXPECT_EQ(skipCountFromText("+3"), 3);
    EXPECT_EQ(skipCountFromText("2147483648"), 2147483648LL);  // one past 32 bits, not wrapped
    EXPECT_GE(skipCountFromText("999999999999999999999999999999"), 2147483648LL);
    // Only thirty characters are read: the 5 in the thirty-first place is not.
    EXPECT_EQ(skipCountFromText(std::string(30, '0') + "5"), 0);
    EXPECT_EQ(skipCountFromText(std::string(29, '0') + "5"), 5);
}

TEST(Calendar, SkippingOneDayFrom260) {
    Game game;
    const Settlement result = settleDay(game.model, 1);
    EXPECT_EQ(game.model.dayIndex, 259);
    EXPECT_EQ(game.model.previousDayIndex, 260);
    EXPECT_EQ(game.model.orderDayIndex, 260);
    EXPECT_FALSE(result.noLaterPrices);
    EXPECT_TRUE(settlementNotices(game.model, result).empty());
    expectPricedFor(game.model, 259, 260);
    expectSettled(game.model);
}

TEST(Calendar, ADayWithoutTradingIsSkippedAndThePreviousDaySkipsBackOverIt) {
    Game game({257});
    settleDay(game.model, 3);
    EXPECT_EQ(game.model.dayIndex, 256);
    EXPECT_EQ(game.model.previousDayIndex, 258);
    expectPricedFor(game.model, 256, 258);

    Game closedTwice({257, 258});
    settleDay(closedTwice.model, 3);
    EXPECT_EQ(closedTwice.model.dayIndex, 256);
    EXPECT_EQ(closedTwice.model.previousDayIndex, 259);
    expectPricedFor(closedTwice.model, 256, 259);
}

TEST(Calendar, ThePreviousDayStopsAtTheStartOfTheData) {
    Game game;
    // Share 0 traded on no day before 258: there is no previous trading day to be found.
    std::vector<double> share0(kRecords, 0.0);
    for (int day = 258; day >= -2; --day) share0[recordOfDay(day)] = 5.0;
    game.folder.writeHistory(0, share0);
    settleDay(game.model, 2);
    EXPECT_EQ(game.model.dayIndex, 258);
    EXPECT_EQ(game.model.previousDayIndex, 258);
    for (int s = 1; s < kShareCount; ++s) EXPECT_EQ(game.model.shareTable[s].previousPrice, priceOn(s, 258));
}

TEST(Calendar, AStepPastTheLastDayStopsOnItAndSaysSo) {
    Game game;
    game.buy(3, 100);
    const Settlement result = settleDay(game.model, 1000);
    EXPECT_EQ(game.model.dayIndex, 0);
    EXPECT_EQ(game.model.previousDayIndex, 1);
    EXPECT_TRUE(result.noLaterPrices);
    EXPECT_EQ(result.ordersSettled, 1);
    EXPECT_EQ(game.model.holdings[0].heldQuantity, 100);
    expectPricedFor(game.model, 0, 1);
    expectSettled(game.model);
    ASSERT_EQ(settlementNotices(game.model, result).size(), 1u);
    EXPECT_EQ(
        settlementNotices(game.model, result)[0],
        "The market data ends on D1397: there are no later prices. The market stays on that day; any pending "
        "transactions have been settled.");

    // On the last day a further skip settles and says so again, without moving.
    game.sell(3, 40);
    const Settlement again = settleDay(game.model, 1);
    EXPECT_EQ(game.model.dayIndex, 0);
    EXPECT_EQ(game.model.orderDayIndex, 0);
    EXPECT_TRUE(again.noLaterPrices);
    EXPECT_EQ(game.model.holdings[0].heldQuantity, 60);
    expectSettled(game.model);
}

TEST(Calendar, ACountTooLargeFor32BitsGoesAsFarAsTheDataAllows) {
    Game game;
    const Settlement result = settleDay(game.model, skipCountFromText("99999999999"));
    EXPECT_EQ(game.model.dayIndex, 0);
    EXPECT_TRUE(result.noLaterPrices);

    Game exact;
    EXPECT_FALSE(settleDay(exact.model, 260).noLaterPrices);  // landing on the last day is no overrun
    EXPECT_EQ(exact.model.dayIndex, 0);
}

TEST(Calendar, ZeroAndNegativeCountsSettleWithoutMoving) {
    for (int64_t count : {int64_t{0}, skipCountFromText("-5"), int64_t{-5}}) {
        Game game;
        game.buy(9, 20);
        const Settlement result = settleDay(game.model, count);
        EXPECT_EQ(game.model.dayIndex, 260);
        EXPECT_EQ(game.model.previousDayIndex, 261);
        EXPECT_FALSE(result.noLaterPrices);
        EXPECT_EQ(result.ordersSettled, 1);
        EXPECT_EQ(game.model.holdings[0].heldQuantity, 20);
        expectPricedFor(game.model, 260, 261);
        expectSettled(game.model);
    }
}

TEST(Calendar, TheWalkOverDaysWithoutTradingNeverPassesTheLastDay) {
    Game game({2, 1, 0});
    const Settlement result = settleDay(game.model, 258);
    EXPECT_EQ(game.model.dayIndex, 0);
    EXPECT_FALSE(result.noLaterPrices);
    EXPECT_EQ(game.model.shareTable[0].currentPrice, 0.0);
    EXPECT_EQ(game.model.shareTable[5].currentPrice, priceOn(5, 0));
    EXPECT_EQ(game.model.previousDayIndex, 3);
}

TEST(Calendar, APriceFileShorterThanTheDayReadsAsNoPriceNeverAnotherSharesPrice) {
    Game game;
    game.folder.writeHistory(5, rampPrices(5, 200));  // covers day indexes 197 to -2 only
    settleDay(game.model, 1);
    EXPECT_EQ(game.model.shareTable[5].currentPrice, 0.0);
    EXPECT_EQ(game.model.shareTable[5].previousPrice, 0.0);
    EXPECT_EQ(game.model.shareTable[6].currentPrice, priceOn(6, 259));
    settleDay(game.model, 100);
    EXPECT_EQ(game.model.shareTable[5].currentPrice, marketPrice(5, 200 - 3 - 159));
}

TEST(Calendar, AnUnreadableShare0MovesByTheCountAlone) {
    Game game({259});
    std::filesystem::remove(historyFilePath(0));
    settleDay(game.model, 1);
    EXPECT_EQ(game.model.dayIndex, 259);
    EXPECT_EQ(game.model.previousDayIndex, 260);
    EXPECT_EQ(game.model.shareTable[0].currentPrice, 0.0);
    EXPECT_EQ(game.model.shareTable[1].currentPrice, priceOn(1, 259));
}
