// Long seeded games of buying, selling, removing and ringing the broker, played through the core and
// checked after every step against a plain model of the account written from the rules alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "model/MarketFiles.h"
#include "model/Settlement.h"
#include "tests/core/TestFolder.h"
#include "trading/OrderRules.h"
#include "trading/SaleRules.h"
#include "views/Formats.h"
#include "tests/core/TestMarket.h"

namespace {
constexpr int kRecords = 1400;
constexpr int kFirstDay = kRecords - 3;  // the day index of record 0
constexpr double kTolerance = 1e-6;      // pounds

int recordOfDay(int day) {
    return kRecords - 3 - day;
}

// Random two-decimal prices; share 0 misses some days (holidays), share 17 has suspensions.
struct Market {
    std::vector<std::vector<double>> prices;
    double price(int share, int day) const {
        const int record = recordOfDay(day);
        return record >= 0 && record < kRecords ? prices[share][record] : 0.0;
    }
    bool traded(int day) const { return price(0, day) != 0.0; }
};

Market writeRandomMarket(const MarketFolder& folder, std::mt19937& rng) {
    folder.writeMarket(kRecords);
    Market market;
    std::uniform_int_distribution<int> pence(20, 3000);
    std::uniform_int_distribution<int> percent(0, 99);
    for (int s = 0; s < kShareCount; ++s) {
        std::vector<double> prices(kRecords);
        for (double& price : prices) price = pence(rng) / 100.0;
        market.prices.push_back(prices);
    }
    for (int r = 0; r < kRecords; ++r) {
        if (percent(rng) < 6) market.prices[0][r] = 0.0;
        if (percent(rng) < 10) market.prices[17][r] = 0.0;
    }
    // The game's first days must trade, and a run of holidays tests the walk over them.
    for (int day = 262; day >= 258; --day) market.prices[0][recordOfDay(day)] = 1.0;
    for (int day = 200; day >= 196; --day) market.prices[0][recordOfDay(day)] = 0.0;
    for (int s = 0; s < kShareCount; ++s) folder.writeHistory(s, market.prices[s]);
    return market;
}

struct PlainSlot {
    int share = -1;
    int held = 0;
    double cost = 0.0;
    double fees = 0.0;
    char action = ' ';
    int quantity = 0;
    double amount = 0.0;
    double commission = 0.0;
    std::string dateBought;
};

// The account as the rules describe it, kept beside the game's model.
struct PlainGame {
    std::vector<PlainSlot> slots;  // the occupied holdings, in order
    double cash = 100000.0;
    double pending = 100000.0;
    int day = 260;
    int previousDay = 261;
    std::vector<TransactionRecord> history;

    PlainSlot* slotOf(int share) {
        for (PlainSlot& slot : slots)
            if (slot.share == share) return &slot;
        return nullptr;
    }
};

std::string dateOf(int day) {
    return "D" + std::to_string(recordOfDay(day));
}
double charge(double value) {
    return value * 0.002 + 10.0;
}

class RandomGame {
public:
    explicit RandomGame(unsigned seed) : rng_(seed) {
        market_ = writeRandomMarket(folder_, rng_);
        EXPECT_EQ(loadMarketData(model_), 1);
    }

    void play(int steps) {
        for (int step = 0; step < steps && !::testing::Test::HasFailure(); ++step) {
            SCOPED_TRACE("step " + std::to_string(step) + ", day " + std::to_string(plain_.day));
            const int roll = pick(0, 99);
            if (roll < 40)
                buy();
            else if (roll < 70)
                sell();
            else if (roll < 83)
                remove();
            else
                skip();
            compare();
        }
        compareWholeHistory();
        // The game must have gone where the rules are tested, or it proves little.
        EXPECT_GT(plain_.history.size(), 300u);
        EXPECT_GT(sales_, 100);
        EXPECT_GT(refusedSales_, 10);
        EXPECT_GT(removals_, 50);
        EXPECT_TRUE(endReached_);
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    double priceNow(int share) const { return market_.price(share, plain_.day); }

    void buy() {
        const int share = pick(0, kShareCount - 1);
        const double price = priceNow(share);
        if (price == 0.0) return;  // the Buy dialog's business, not this game's
        const int affordable = static_cast<int>(std::floor((plain_.pending - 10.0) / 1.002 / price));
        const int quantity = std::min(pick(1, 3000), affordable);
        if (quantity < 1) return;
        PlainSlot* slot = plain_.slotOf(share);
        const bool admitted = slot ? slot->action == ' ' : plain_.slots.size() < kHoldingCount;
        model_.selectedShare = share;
        ASSERT_EQ(bookPurchase(model_, quantity).booked(), admitted);
        if (!admitted) return;
        if (!slot) slot = &plain_.slots.emplace_back();
        slot->share = share;
        slot->action = 'B';
        slot->quantity = quantity;
        slot->amount = price * quantity;
        slot->commission = charge(price * quantity);
        slot->dateBought = dateOf(plain_.day);
        plain_.pending -= slot->amount + slot->commission;
    }

    void sell() {
        if (plain_.slots.empty()) return;
        PlainSlot& slot = plain_.slots[pick(0, static_cast<int>(plain_.slots.size()) - 1)];
        if (slot.action != ' ' || slot.held == 0) return;  // the portfolio's admission stops these
        model_.selectedShare = slot.share;
        const double price = priceNow(slot.share);
        const int way = pick(0, 9);
        const int quantity = way < 3 ? slot.held : pick(1, slot.held);
        const SalePlan plan =
            way < 3   ? planSellAll(model_)
            : way < 9 ? planSale(model_, formatFixed(price * quantity, 2), std::to_string(quantity))
                      : planSale(model_, "", std::to_string(quantity));
        const double valueEntered = way == 9 ? 0.0 : price * quantity;
        const bool funded = (plain_.pending - 10.0) / 1.002 + valueEntered >= 0.0;
        if (price == 0.0) {
            ASSERT_EQ(plan.refusal, SaleRefusal::Suspended);
        } else if (!funded) {
            ASSERT_EQ(plan.refusal, SaleRefusal::InsufficientFunds);
        } else if (way == 9) {
            ASSERT_EQ(plan.refusal, SaleRefusal::TooSmall);  // a quantity whose value was never filled in
        } else {
            ASSERT_TRUE(plan.accepted()) << plan.text;
            ASSERT_EQ(plan.quantity, quantity);
        }
        if (!plan.hasOrder()) {
            ++refusedSales_;
            EXPECT_FALSE(placeSale(model_, plan));
            return;
        }
        ASSERT_TRUE(placeSale(model_, plan));
        ++sales_;
        slot.action = 'S';
        slot.quantity = quantity;
        slot.amount = static_cast<double>(slot.held - quantity) / slot.held;
        slot.commission = charge(price * quantity);
        plain_.pending += price * quantity - slot.commission;
    }

    void cancelPlain(std::size_t index) {
        PlainSlot& slot = plain_.slots[index];
        const double value = priceNow(slot.share) * slot.quantity;
        plain_.pending += slot.action == 'B' ? value + slot.commission : -(value - slot.commission);
        slot.action = ' ';
        slot.quantity = 0;
        slot.amount = slot.commission = 0.0;
    }

    void dropEmptied() {
        plain_.slots.erase(
            std::remove_if(plain_.slots.begin(), plain_.slots.end(),
                           [](const PlainSlot& slot) { return slot.held == 0 && slot.action == ' '; }),
            plain_.slots.end());
    }

    // The portfolio's Remove, with its reset when the pending balance has gone below zero.
    void remove() {
        std::vector<int> pendingSlots;
        for (std::size_t i = 0; i < plain_.slots.size(); ++i)
            if (plain_.slots[i].action != ' ') pendingSlots.push_back(static_cast<int>(i));
        if (pendingSlots.empty()) return;
        const int index = pendingSlots[pick(0, static_cast<int>(pendingSlots.size()) - 1)];
        ++removals_;
        cancelOrder(model_, index);
        compactHoldings(model_);
        cancelPlain(index);
        dropEmptied();
        if (plain_.pending >= 0.0) return;
        for (int slot = 0; slot < kHoldingCount; ++slot) cancelOrder(model_, slot);
        compactHoldings(model_);
        for (std::size_t i = 0; i < plain_.slots.size(); ++i)
            if (plain_.slots[i].action != ' ') cancelPlain(i);
        dropEmptied();
    }

    std::string countText() {
        const int kind = pick(0, 19);
        if (kind == 0) return "-3";
        if (kind == 1) return "99999999999";
        if (kind == 2) return "";
        return std::to_string(kind < 6 ? pick(0, 12) : pick(0, 2));
    }

    void recordPlainHistory() {
        for (const PlainSlot& slot : plain_.slots) {
            if (slot.action == ' ') continue;
            TransactionRecord record;
            record.name = "Company " + std::to_string(slot.share);
            record.price = priceNow(slot.share);
            record.action = slot.action;
            record.quantity = slot.quantity;
            record.amount = slot.amount;
            record.commission = slot.commission;
            record.date = slot.action == 'B' ? slot.dateBought : dateOf(plain_.day);
            plain_.history.push_back(record);
        }
    }

    void settlePlain() {
        for (PlainSlot& slot : plain_.slots) {
            if (slot.action == 'B') {
                slot.held += slot.quantity;
                slot.cost += slot.amount;
            } else if (slot.action == 'S') {
                slot.held -= slot.quantity;
                slot.cost = slot.held == 0 ? 0.0 : slot.cost * slot.amount;
            }
            if (slot.action != ' ') slot.fees += slot.commission;
            slot.action = ' ';
            slot.quantity = 0;
            slot.amount = slot.commission = 0.0;
        }
        dropEmptied();
        plain_.cash = plain_.pending;
    }

    // Returns whether the count asked for days beyond the data.
    bool movePlainCalendar(long long count) {
        const long long wanted = plain_.day - std::max(count, 0LL);
        plain_.day = static_cast<int>(std::max(wanted, 0LL));
        plain_.previousDay = plain_.day + 1;
        while (!market_.traded(plain_.day) && plain_.day > 0) --plain_.day;
        while (!market_.traded(plain_.previousDay)) {
            if (plain_.previousDay >= kFirstDay) {
                plain_.previousDay = plain_.day;
                break;
            }
            ++plain_.previousDay;
        }
        return wanted < 0;
    }

    void skip() {
        const std::string text = countText();
        const std::size_t recordsBefore = plain_.history.size();
        recordPlainHistory();
        settlePlain();
        const bool pastTheEnd = movePlainCalendar(text.empty() ? 0 : std::stoll(text));

        const Settlement result = settleDay(model_, skipCountFromText(text));
        ASSERT_EQ(model_.dayIndex, plain_.day) << "count " << text;
        ASSERT_EQ(model_.previousDayIndex, plain_.previousDay) << "count " << text;
        EXPECT_EQ(result.noLaterPrices, pastTheEnd) << "count " << text;
        endReached_ = endReached_ || pastTheEnd;
        EXPECT_EQ(result.ordersSettled, static_cast<int>(plain_.history.size() - recordsBefore));
        EXPECT_FALSE(result.historyNotWritten());
        for (int s = 0; s < kShareCount; ++s) {
            ASSERT_EQ(model_.shareTable[s].currentPrice, market_.price(s, plain_.day)) << s;
            ASSERT_EQ(model_.shareTable[s].previousPrice, market_.price(s, plain_.previousDay)) << s;
        }
        for (std::size_t k = recordsBefore; k < plain_.history.size(); ++k) compareRecord(k);
    }

    void compareRecord(std::size_t k) {
        const auto record = readTransaction(static_cast<int>(k));
        ASSERT_TRUE(record.has_value()) << k;
        const TransactionRecord& expected = plain_.history[k];
        EXPECT_EQ(record->name, expected.name) << k;
        EXPECT_EQ(record->price, expected.price) << k;
        EXPECT_EQ(record->action, expected.action) << k;
        EXPECT_EQ(record->quantity, expected.quantity) << k;
        EXPECT_NEAR(record->amount, expected.amount, 1e-12) << k;
        EXPECT_NEAR(record->commission, expected.commission, kTolerance) << k;
        EXPECT_EQ(record->date, expected.date) << k;
    }

    void compareWholeHistory() {
        EXPECT_EQ(transactionFileRecordCount(), static_cast<int>(plain_.history.size()));
        for (std::size_t k = 0; k < plain_.history.size(); ++k) compareRecord(k);
    }

    void compare() {
        EXPECT_NEAR(model_.cashBalance, plain_.cash, kTolerance);
        EXPECT_NEAR(model_.pendingBalance, plain_.pending, kTolerance);
        EXPECT_EQ(model_.transactionCount, static_cast<int>(plain_.history.size()));
        expectMoneyInvariant(model_);
        for (int i = 0; i < kHoldingCount; ++i) {
            const Holding& slot = model_.holdings[i];
            if (i >= static_cast<int>(plain_.slots.size())) {
                ASSERT_EQ(slot.shareNumber, kEmptySlot) << i;
                continue;
            }
            const PlainSlot& expected = plain_.slots[i];
            ASSERT_EQ(slot.shareNumber, expected.share) << i;
            EXPECT_EQ(slot.heldQuantity, expected.held) << i;
            EXPECT_NEAR(slot.totalCost, expected.cost, kTolerance) << i;
            EXPECT_NEAR(slot.commissionToDate, expected.fees, kTolerance) << i;
            EXPECT_EQ(slot.action, expected.action) << i;
            EXPECT_EQ(slot.pendingQuantity, expected.quantity) << i;
            EXPECT_NEAR(slot.pendingCommission, expected.commission, kTolerance) << i;
        }
    }

    std::mt19937 rng_;
    MarketFolder folder_;
    Market market_;
    GameModel model_;
    PlainGame plain_;
    int sales_ = 0;
    int refusedSales_ = 0;
    int removals_ = 0;
    bool endReached_ = false;
};
}  // namespace

TEST(RandomGame, ThousandsOfStepsAgreeWithThePlainModel) {
    for (unsigned seed : {20240611u, 7u, 1993u, 424242u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomGame game(seed);
        game.play(1500);
    }
}
