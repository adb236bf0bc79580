// Long seeded games of buying, selling, removing and ringing the broker through the core, checked after
// every step against what every state of the account must keep.
#include "tests/core/TestKit.h"
#include "runtime/Formats.h"
#include "trading/BuyRules.h"
#include "trading/SaleRules.h"

#include <random>

namespace {
// Random prices in whole pence; share 0 misses some days (holidays), share 17 is sometimes suspended.
std::vector<std::vector<double>> writeRandomMarket(const MarketFolder& folder, std::mt19937& rng) {
    folder.writeMarket(kRecords);
    std::uniform_int_distribution<int> pence(20, 3000), percent(0, 99);
    std::vector<std::vector<double>> prices(kShareCount, std::vector<double>(kRecords));
    for (auto& share : prices)
        for (double& price : share) price = pence(rng) / 100.0;
    for (int r = 0; r < kRecords; ++r) {
        if (percent(rng) < 6) prices[0][r] = 0.0;
        if (percent(rng) < 10) prices[17][r] = 0.0;
    }
    for (int day = 262; day >= 258; --day) prices[0][recordOfDay(day)] = 1.0;  // the first days trade
    for (int day = 200; day >= 196; --day) prices[0][recordOfDay(day)] = 0.0;  // a run of holidays
    for (int s = 0; s < kShareCount; ++s) folder.writeHistory(s, prices[s]);
    return prices;
}

class RandomGame {
public:
    explicit RandomGame(unsigned seed) : rng_(seed), prices_(writeRandomMarket(folder_, rng_)) {
        EXPECT_EQ(loadMarketData(model_), 1);
    }

    void play(int steps) {
        for (int step = 0; step < steps && !::testing::Test::HasFailure(); ++step) {
            SCOPED_TRACE("step " + std::to_string(step) + ", day " + std::to_string(model_.dayIndex));
            const int roll = pick(0, 99);
            roll < 40 ? buy() : roll < 70 ? sell() : roll < 83 ? remove() : skip();
            expectMoneyInvariant(model_);
        }
        // The game must have gone where the rules are tested, or it proves little.
        EXPECT_TRUE(model_.transactionCount > 300 && sales_ > 100 && refusedSales_ > 10 && endReached_);
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    double price(int share, int day) const {
        const int record = recordOfDay(day);
        return record >= 0 && record < kRecords ? prices_[share][record] : 0.0;
    }

    void buy() {
        const int share = pick(0, kShareCount - 1);
        const int quantity = std::min(pick(1, 3000), decideBuyMax(model_, share).step.quantity);
        if (quantity < 1) return;
        const Holding* held = nullptr;
        int occupied = 0;
        for (const Holding& slot : model_.holdings) {
            occupied += slot.isOccupied();
            held = slot.shareNumber == share ? &slot : held;
        }
        ASSERT_EQ(bookPurchase(model_, share, quantity).booked(),
                  held ? !held->hasPendingOrder() : occupied < kHoldingCount);
    }

    void sell() {
        const int slot = pick(0, kHoldingCount - 1);
        const Holding& holding = model_.holdings[slot];
        if (!holding.isOccupied() || holding.hasPendingOrder() || holding.heldQuantity == 0) return;
        const int share = holding.shareNumber;
        const double today = price(share, model_.dayIndex);
        const int way = pick(0, 9), held = holding.heldQuantity;
        const int quantity = way < 3 ? held : pick(1, held);
        const SalePlan plan =
            way < 3   ? planSellAll(model_, share)
            : way < 9 ? planSale(model_, share, formatFixed(today * quantity, 2), std::to_string(quantity))
                      : planSale(model_, share, "", std::to_string(quantity));
        const double pendingBefore = model_.pendingBalance;
        ASSERT_EQ(placeSale(model_, share, plan), plan.hasOrder());
        (plan.hasOrder() ? sales_ : refusedSales_)++;
        EXPECT_EQ(plan.hasOrder() ? plan.quantity : model_.pendingBalance,
                  plan.hasOrder() ? quantity : pendingBefore);
    }

    // The portfolio's Remove, with its reset when the pending balance has gone below zero.
    void remove() {
        const int slot = pick(0, kHoldingCount - 1);
        if (!model_.holdings[slot].hasPendingOrder()) return;
        cancelOrder(model_, slot);
        compactHoldings(model_);
        if (model_.pendingBalance >= 0.0) return;
        for (int i = 0; i < kHoldingCount; ++i) cancelOrder(model_, i);
        compactHoldings(model_);
        EXPECT_NEAR(model_.pendingBalance, model_.cashBalance, 1e-6);
    }

    std::string countText() {
        const int kind = pick(0, 19);
        if (kind < 3) return std::vector<std::string>{"-3", "99999999999", ""}[kind];
        return std::to_string(kind < 6 ? pick(0, 12) : pick(0, 2));
    }

    // What settling each pending order must leave in its holding and in the history file.
    void skip() {
        const std::string text = countText();
        const GameModel before = model_;
        const long long count = skipCountFromText(text);
        const Settlement result = settleDay(model_, count);
        int expectedDay = std::max<long long>(before.dayIndex - count, 0);
        while (price(0, expectedDay) == 0.0 && expectedDay > 0) --expectedDay;
        ASSERT_EQ(model_.dayIndex, expectedDay) << text;
        EXPECT_EQ(result.noLaterPrices, before.dayIndex - count < 0) << text;
        endReached_ = endReached_ || result.noLaterPrices;
        // The previous day is the next one that traded, or the day itself when none did.
        for (int day = expectedDay + 1; day < model_.previousDayIndex; ++day) EXPECT_EQ(price(0, day), 0.0);
        EXPECT_TRUE(model_.previousDayIndex == expectedDay || price(0, model_.previousDayIndex) != 0.0);
        expectSettled(model_, model_.dayIndex, model_.previousDayIndex,
                      [this](int share, int day) { return price(share, day); });
        int records = before.transactionCount;
        for (const Holding& order : before.holdings) {
            if (!order.hasPendingOrder()) continue;
            expectRecordOf(order, before, records++);
            const Holding* after = nullptr;
            for (const Holding& slot : model_.holdings)
                after = slot.shareNumber == order.shareNumber ? &slot : after;
            const bool bought = order.action == kBuyAction;
            const int held = order.heldQuantity + (bought ? order.pendingQuantity : -order.pendingQuantity);
            ASSERT_EQ(after != nullptr, held > 0) << order.shareNumber;
            if (!after) continue;
            EXPECT_EQ(after->heldQuantity, held);
            EXPECT_NEAR(
                after->totalCost,
                bought ? order.totalCost + order.pendingAmount : order.totalCost * order.pendingAmount, 1e-6);
            EXPECT_NEAR(after->commissionToDate, order.commissionToDate + order.pendingCommission, 1e-6);
        }
        EXPECT_EQ(result.ordersSettled, records - before.transactionCount);
        EXPECT_EQ(model_.transactionCount, records);
        EXPECT_EQ(transactionFileRecordCount(), records);
    }

    void expectRecordOf(const Holding& order, const GameModel& before, int index) {
        const auto record = readTransaction(index);
        ASSERT_TRUE(record.has_value()) << index;
        EXPECT_EQ(
            std::make_tuple(record->name, record->price, record->action, record->quantity, record->amount,
                            record->commission, record->date),
            std::make_tuple("Company " + std::to_string(order.shareNumber),
                            price(order.shareNumber, before.dayIndex), order.action, order.pendingQuantity,
                            order.pendingAmount, order.pendingCommission,
                            order.action == kBuyAction ? std::string(order.dateBought)
                                                       : "D" + std::to_string(recordOfDay(before.dayIndex))));
    }

    std::mt19937 rng_;
    MarketFolder folder_;
    std::vector<std::vector<double>> prices_;
    GameModel model_;
    int sales_ = 0, refusedSales_ = 0;
    bool endReached_ = false;
};
}  // namespace

TEST(RandomGame, ThousandsOfStepsKeepTheAccountsRules) {
    for (unsigned seed : {20240611u, 7u, 1993u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomGame game(seed);
        game.play(1500);
    }
}
