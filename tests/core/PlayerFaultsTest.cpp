// What a new player ran into: the charge quoted against the charge taken, and the end of the data.
#include <gtest/gtest.h>

#include <string>

#include "model/Settlement.h"
#include "tests/core/TestMarket.h"
#include "trading/BuyRules.h"
#include "trading/OrderRules.h"
#include "trading/Portfolio.h"

namespace {
// Buy and Buy Max quote the charge of the whole shares they book, whatever the fields hold.
TEST(QuotedCharge, IsTheChargeTheBookingTakes) {
    struct Case {
        const char* quantity;
        bool buyMax;
        double price;
    };
    for (const Case& c : {Case{"10.9", false, 2.5}, Case{"", true, 30.0}, Case{"", true, 7.77}}) {
        GameModel model = fiftyShares([&](int) { return c.price; });
        const BuyStep step = c.buyMax ? decideBuyMax(model, 9).step : decideBuy(model, 9, c.quantity, "1000");
        ASSERT_FALSE(step.refused()) << step.refusal;
        model.selectedShare = 9;
        const PurchaseBooking booking = bookPurchase(model, step.quantity);
        ASSERT_TRUE(booking.booked());
        EXPECT_NEAR(commissionFor(model, step.chargeValue), model.holdings[booking.holding].pendingCommission,
                    kMillionthOfAPenny)
            << c.quantity << " at " << c.price;
    }
}

TEST(EndOfData, TheNoticeGivesTheSharesTheCashAndTheProfitOrLoss) {
    struct Case {
        double cash;
        int held;  // shares of Company 4 at 2.50 and of Company 7 at 12.25, each
        const char* result;
    };
    const Case cases[] = {
        {100000.0, 0,
         "The game ends with your shares worth \xA3"
         "0.00 and a cash balance of \xA3"
         "100000.00: a profit "
         "of \xA3"
         "0.00 on the \xA3"
         "100000.00 you started with."},
        {80000.0, 2000,
         "The game ends with your shares worth \xA3"
         "29500.00 and a cash balance of \xA3"
         "80000.00: a "
         "profit of \xA3"
         "9500.00 on the \xA3"
         "100000.00 you started with."},
        {-120.5, 100,
         "The game ends with your shares worth \xA3"
         "1475.00 and a cash balance of (\xA3"
         "120.50): a loss "
         "of \xA3"
         "98645.50 on the \xA3"
         "100000.00 you started with."},
    };
    for (const Case& c : cases) {
        GameModel model = fiftyShares([](int share) { return share == 4 ? 2.50 : share == 7 ? 12.25 : 1.0; });
        model.dayIndex = 0;
        model.cashBalance = model.pendingBalance = c.cash;
        if (c.held > 0) {
            model.holdings[0] = heldShares(4, c.held, 1.0);
            model.holdings[1] = heldShares(7, c.held, 1.0);
        }
        const std::string notice = endOfDataNotice(model);
        EXPECT_EQ(notice.rfind(noLaterPricesNotice(model), 0), 0u) << notice;
        EXPECT_EQ(notice.substr(notice.find("\n\n") + 2), c.result);
    }
}
}  // namespace
