// What a new player ran into: the charge quoted against the charge taken, and the end of the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "model/Settlement.h"
#include "tests/core/TestMarket.h"
#include "trading/BuyRules.h"
#include "trading/Portfolio.h"

namespace {
// The charge quoted is that of the whole shares the booking takes, not of the fraction typed.
TEST(QuotedCharge, IsTheChargeOfTheWholeSharesBooked) {
    GameModel model = fiftyShares([](int) { return 2.5; });
    const BuyStep step = decideBuy(model, 9, "10.9", "1000");
    EXPECT_EQ(std::make_tuple(step.refusal, step.quantity, step.chargeValue),
              std::make_tuple(std::string(), 10, 25.0));
}

TEST(EndOfData, TheNoticeGivesTheSharesTheCashAndTheProfitOrLoss) {
    struct Case {
        double cash;
        int held;  // shares of Company 4 at 2.50 and of Company 7 at price7, each
        double price7;
        std::string result;  // '#' stands for the pound sign
    };
    const Case cases[] = {
        {100000.0, 0, 12.25,
         "The game ends with your shares worth #0.00 and a cash balance of #100000.00: a profit of #0.00 on "
         "the #100000.00 you started with."},
        {80000.0, 2000, 12.25,
         "The game ends with your shares worth #29500.00 and a cash balance of #80000.00: a profit of "
         "#9500.00 on the #100000.00 you started with."},
        {-120.5, 100, 12.25,
         "The game ends with your shares worth #1475.00 and a cash balance of (#120.50): a loss of #98645.50 "
         "on the #100000.00 you started with."},
        // 106117.956 and 1910.386 come to 8028.342, but the player adds the figures shown.
        {1910.386, 1, 106115.456,
         "The game ends with your shares worth #106117.96 and a cash balance of #1910.39: a profit of "
         "#8028.35 on the #100000.00 you started with."},
    };
    for (Case c : cases) {
        GameModel model = fiftyShares([&c](int share) {
            return share == 4 ? 2.50 : share == 7 ? c.price7 : 1.0;
        });
        model.dayIndex = 0;
        model.cashBalance = model.pendingBalance = c.cash;
        if (c.held > 0)
            model.holdings[0] = heldShares(4, c.held, 1.0), model.holdings[1] = heldShares(7, c.held, 1.0);
        std::replace(c.result.begin(), c.result.end(), '#', '\xA3');
        const std::string notice = endOfDataNotice(model);
        EXPECT_EQ(notice.rfind(noLaterPricesNotice(model), 0), 0u) << notice;
        EXPECT_EQ(notice.substr(notice.find("\n\n") + 2), c.result);
    }
}
}  // namespace
