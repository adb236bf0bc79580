#include "tests/core/TestKit.h"
#include "trading/SaleRules.h"

namespace {
constexpr int kShare = 7;

GameModel holdingOf(int held, double price, double balance = kStartingCash) {
    GameModel model = fiftyShares([](int i) { return 1.0 + i; });
    std::strcpy(model.shareTable[kShare].name, "Pellinor \xC9tain");
    model.shareTable[kShare].currentPrice = price;
    model.holdings[0] = heldShares(3, 5, 5.0);
    model.holdings[1] = heldShares(kShare, held, held * 0.5);
    model.cashBalance = model.pendingBalance = balance;
    return model;
}

auto accountOf(const GameModel& model) {
    const Holding& slot = model.holdings[1];
    return std::make_tuple(model.pendingBalance, model.cashBalance, slot.action, slot.pendingQuantity,
                           slot.pendingAmount, slot.pendingCommission, slot.heldQuantity);
}

const std::string kInsufficient =
    "You have insufficient funds to sell that amount of shares in  Pellinor \xC9tain";
const std::string kSuspended =
    "Dealings in Pellinor \xC9tain are suspended: it has no price today, so its shares cannot be sold "
    "until it trades again.";
}  // namespace

TEST(SaleFigures, TitleAvailablePriceAndTotalValue) {
    // clang-format off
    const struct { int held; double price; const char *available, *priceText, *total; } cases[] = {
        {100, 3.0, "    100", "  300p", "\243300.00"}, {1234567, 0.9825, "1234567", "  98\xBCp", "\2431212962.08"}};
    // clang-format on
    for (const auto& c : cases) {
        const SaleFigures figures = saleFigures(holdingOf(c.held, c.price), kShare);
        EXPECT_EQ(figures.title, "Sell Shares In Pellinor \xC9tain");
        EXPECT_EQ(std::make_tuple(figures.available, figures.price, figures.totalValue),
                  std::make_tuple(c.available, c.priceText, c.total));
    }
    GameModel model = holdingOf(100, 3.0);
    std::memset(model.shareTable[kShare].name, 'N', kShareNameSize);  // a name that fills its field
    EXPECT_EQ(saleFigures(model, kShare).title, "Sell Shares In " + std::string(20, 'N'));
    model.shareTable[kShare].name[0] = '\0';  // an empty name, whatever follows its end
    EXPECT_EQ(saleFigures(model, kShare).title, "Sell Shares In ");
    // No share has shares: not a free slot's leftovers, nor a damaged slot's numbered outside the table.
    for (int i : {2, 3, 4})
        model.holdings[i] = heldShares(i == 2 ? kEmptySlot : i == 3 ? kShareCount : -2, 5, 5.0);
    model.holdings[5] = heldShares(0, 7, 7.0);  // share 0 and the share in slot 0 are shares like any other
    EXPECT_EQ(std::make_tuple(saleFigures(model, 0).available, saleFigures(model, 3).available),
              std::make_tuple("      7", "      5"));
    for (int share : {kShareCount, kEmptySlot, -2}) {
        const SaleFigures none = saleFigures(model, share);
        EXPECT_EQ(std::tie(none.title, none.available, none.price),
                  std::make_tuple("Sell Shares In ", "      0", "     p"));
        EXPECT_EQ(planSale(model, share, "5", "5").refusal, SaleRefusal::NotEnoughShares);
        EXPECT_EQ(planSellAll(model, share).refusal, SaleRefusal::NotEnoughShares);
        EXPECT_EQ(insufficientSaleFundsText(model, share),
                  "You have insufficient funds to sell that amount of shares in  ");
        EXPECT_EQ(suspendedSaleText(model, share).substr(0, 23), "Dealings in this share ");
    }
}

TEST(Sell, TheValueFieldDecidesTheQuantityWhenFilledAndRefusalsComeInOrder) {
    const std::string tooSmall = "You must first sell some shares";
    const std::string notEnough = "You don`t have that quantity of shares to sell";
    const NoticeIcon info = NoticeIcon::Information, exclamation = NoticeIcon::Exclamation;
    const std::string ok, digits = std::string(18, '0') + "59", poor = kInsufficient;
    // clang-format off
    const struct { int held; double price, balance; std::string value, quantity, refusal; int32_t sold; } cases[] = {
        {100, 3.0, 1e5, "300.00", "100", ok, 100},   {100, 3.0, 1e5, "303.00", "101", notEnough, 0},
        {100, 3.0, 1e5, "", "50", tooSmall, 0},      {100, 3.0, 1e5, "2.99", "1", tooSmall, 0},
        {100, 2.5, 1e5, "24.00", "", ok, 9},         {100, 1.0, 1e5, "99.999", "", ok, 100},
        {100, 1.0, 1e5, digits, "", ok, 5},          {100, 1.0, 0.0, "9.00", "9", poor, 0},
        {100, 1.0, 0.0, "10.00", "10", ok, 10},      {100, 0.0, 1e5, "", "100", kSuspended, 0},
        {100, 3.0, 1e5, "-3.00", "1", tooSmall, 0},  {100, 3.0, 1e5, "3.00", "1", ok, 1},
        {100, 1.0, 1e5, "1.00", "5", ok, 1}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value + " / " + c.quantity);
        GameModel model = holdingOf(c.held, c.price, c.balance);
        const auto before = accountOf(model);
        std::feclearexcept(FE_ALL_EXCEPT);
        const SalePlan plan = planSale(model, kShare, c.value, c.quantity);
        EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID));  // nothing divided by a price of 0
        EXPECT_EQ(std::make_tuple(plan.text, plan.quantity, plan.icon),
                  std::make_tuple(c.refusal, c.sold, c.refusal == notEnough ? info : exclamation));
        EXPECT_EQ(placeSale(model, kShare, plan), plan.hasOrder());
        if (!plan.hasOrder()) {
            EXPECT_EQ(accountOf(model), before);
            continue;
        }
        // The charge quoted is that of the whole shares booked.
        EXPECT_EQ(plan.chargedValue, c.price * c.sold);
        EXPECT_EQ(model.holdings[1].pendingQuantity, c.sold);
        EXPECT_EQ(model.holdings[1].pendingAmount, static_cast<double>(c.held - c.sold) / c.held);
        EXPECT_NEAR(model.pendingBalance,
                    c.balance + c.price * c.sold - commissionFor(model, c.price * c.sold),
                    kMillionthOfAPenny);
        expectMoneyInvariant(model);
    }
}

TEST(SellAll, TheWholeHoldingUnlessEvenItCannotCoverTheFee) {
    // clang-format off
    const struct { int held; double balance; std::string refusal, quantityText, valueText; } cases[] = {
        {4, 0.0, kInsufficient, "4", "8.00"}, {5, 0.0, "", "5", "10.00"}, {0, 1e5, kNotEnoughSharesText, "0", "0.00"}};
    // clang-format on
    for (const auto& c : cases) {
        GameModel model = holdingOf(c.held, 2.0, c.balance);
        EXPECT_EQ(std::make_tuple(sellAllTexts(model, kShare).quantity, sellAllTexts(model, kShare).value),
                  std::make_tuple(c.quantityText, c.valueText));
        const SalePlan plan = planSellAll(model, kShare);
        EXPECT_EQ(plan.text, c.refusal) << c.held;
        EXPECT_EQ(placeSale(model, kShare, plan), c.refusal.empty());
        if (!c.refusal.empty()) continue;
        EXPECT_EQ(std::make_tuple(plan.quantity, plan.chargedValue, model.holdings[1].pendingAmount),
                  std::make_tuple(c.held, 2.0 * c.held, 0.0));
    }
}

// A hostile price can make the proceeds or the balance more than a double holds: refused before the charge
// is quoted, and the pending balance never becomes inf or nan.
TEST(SellAll, ASuspendedShareOrAValueThatIsNotAFiniteNumberIsRefused) {
    GameModel model = holdingOf(2, 0.0);
    std::feclearexcept(FE_ALL_EXCEPT);
    const SalePlan suspended = planSellAll(model, kShare);
    EXPECT_EQ(std::tie(suspended.refusal, suspended.text),
              std::make_tuple(SaleRefusal::Suspended, kSuspended));
    EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID));
    model.shareTable[kShare].currentPrice = 1e308;
    const SalePlan plan = planSellAll(model, kShare);
    EXPECT_EQ(std::tie(plan.refusal, plan.text),
              std::make_tuple(SaleRefusal::OrderTooLarge, std::string(kOrderTooLargeText)));
    EXPECT_FALSE(placeSale(model, kShare, plan));
    EXPECT_EQ(model.pendingBalance, kStartingCash);

    model.holdings[1].heldQuantity = 1;
    model.pendingBalance = 1e308;
    EXPECT_EQ(planSellAll(model, kShare).refusal, SaleRefusal::OrderTooLarge);
    model.pendingBalance = 0.0;
    const SalePlan one = planSellAll(model, kShare);
    ASSERT_TRUE(one.accepted());
    EXPECT_TRUE(placeSale(model, kShare, one));
    EXPECT_TRUE(std::isfinite(model.pendingBalance));
}
