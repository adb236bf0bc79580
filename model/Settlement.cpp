// The day advance: the calendar, the settlement of each holding and the new day's prices.
#include "model/Settlement.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/MarketFiles.h"

namespace {
constexpr int64_t kLargestSkipCount = 1000000000000LL;

// Share 0's prices, read once: it alone decides which days were trading days.
class TradingDays {
public:
    explicit TradingDays(GameModel& model) {
        const int records = readPriceHistory(model, 0);
        if (records > 0) prices_.assign(model.priceBuffer, model.priceBuffer + records);
    }
    // An unreadable file says nothing about holidays, so every day then counts as a trading day.
    bool readable() const { return !prices_.empty(); }
    bool traded(int32_t dayIndex) const { return priceOf(dayIndex) != 0.0; }
    // The earliest day index the data covers (its first record).
    int32_t firstDay() const { return static_cast<int32_t>(prices_.size()) - 3; }

private:
    double priceOf(int32_t dayIndex) const {
        const long long record = static_cast<long long>(prices_.size()) - 3 - dayIndex;
        return record >= 0 && record < static_cast<long long>(prices_.size()) ? prices_[record] : 0.0;
    }
    std::vector<double> prices_;
};

// The price of a day among the records just read into the price buffer; 0.0 outside them.
double bufferedPrice(const GameModel& model, int records, int32_t dayIndex) {
    const long long record = static_cast<long long>(records) - 3 - dayIndex;
    if (record < 0 || record >= records) return 0.0;
    return model.priceBuffer[record];
}

// The new day, on over days without trading, and the trading day before it.
bool moveCalendar(GameModel& model, int64_t days) {
    model.orderDayIndex = model.dayIndex;
    const int64_t wanted = static_cast<int64_t>(model.dayIndex) - std::max<int64_t>(days, 0);
    // Day index 0 is the last day that has both a price and a date.
    const bool pastTheEnd = wanted < 0;
    model.dayIndex = static_cast<int32_t>(std::max<int64_t>(wanted, 0));
    model.previousDayIndex = model.dayIndex + 1;

    const TradingDays share0(model);
    if (!share0.readable()) return pastTheEnd;
    // The previous day keeps its start from before this walk: the days walked over had no trading.
    while (!share0.traded(model.dayIndex) && model.dayIndex > 0) --model.dayIndex;
    while (!share0.traded(model.previousDayIndex)) {
        if (model.previousDayIndex >= share0.firstDay()) {
            // No earlier trading day in the data: the day is its own previous day (no movement).
            model.previousDayIndex = model.dayIndex;
            break;
        }
        ++model.previousDayIndex;
    }
    return pastTheEnd;
}

// The booking refuses a purchase that would overfill the holding's count; a slot filled any other way is
// held at the largest count rather than wrapped into a negative one that would empty it.
void settlePurchase(Holding& slot) {
    const int64_t held = static_cast<int64_t>(slot.heldQuantity) + slot.pendingQuantity;
    slot.heldQuantity = static_cast<int32_t>(std::min<int64_t>(held, INT32_MAX));
    slot.totalCost += slot.pendingAmount;
}

void settleSale(Holding& slot) {
    slot.heldQuantity -= slot.pendingQuantity;
    slot.totalCost *= slot.pendingAmount;  // the fraction of the holding that remains
}

// Settles one slot; answers whether it had an order.
bool settleSlot(Holding& slot) {
    if (slot.action == kBuyAction)
        settlePurchase(slot);
    else if (slot.action == kSellAction)
        settleSale(slot);
    else
        return false;
    slot.commissionToDate += slot.pendingCommission;
    slot.action = kNoAction;
    slot.pendingQuantity = 0;
    slot.pendingAmount = 0.0;
    slot.pendingCommission = 0.0;
    if (slot.heldQuantity <= 0) slot = Holding{};  // sold out: the slot is free, and keeps nothing
    return true;
}

// One read of each history file gives both prices of the new day.
void priceMarket(GameModel& model) {
    for (int s = 0; s < kShareCount; ++s) {
        const int records = readPriceHistory(model, s);
        ShareRecord& share = model.shareTable[s];
        share.previousPrice = bufferedPrice(model, records, model.previousDayIndex);
        share.currentPrice = bufferedPrice(model, records, model.dayIndex);
    }
}
}  // namespace

int64_t skipCountFromText(const std::string& text) {
    const std::string seen = text.substr(0, std::min(text.find('\0'), kSkipCountReadLimit));
    std::size_t at = seen.find_first_not_of(" \t\n\v\f\r");
    if (at == std::string::npos) return 0;
    const bool negative = seen[at] == '-';
    if (seen[at] == '-' || seen[at] == '+') ++at;
    int64_t count = 0;
    // Held at a count far beyond any calendar instead of wrapping into a negative one.
    for (; at < seen.size() && seen[at] >= '0' && seen[at] <= '9' && count < kLargestSkipCount; ++at)
        count = std::min<int64_t>(count * 10 + (seen[at] - '0'), kLargestSkipCount);
    return negative ? 0 : count;
}

Settlement settleDay(GameModel& model, int64_t days) {
    Settlement result;
    result.noLaterPrices = moveCalendar(model, days);
    // The records carry the prices of the order day, so they are written before anything is re-priced.
    if (anyPendingOrder(model)) result.history = appendTransactions(model);
    for (Holding& slot : model.holdings)
        if (settleSlot(slot)) ++result.ordersSettled;
    compactHoldings(model);
    priceMarket(model);
    model.cashBalance = model.pendingBalance;
    return result;
}

std::string noLaterPricesNotice(const GameModel& model) {
    return std::string("The market data ends on ") + dateOfDay(model, 0) +
           ": there are no later prices. The market stays on that day; any pending transactions have been "
           "settled.";
}

std::string historyNotWrittenNotice() {
    return "The transaction history file " + transactionsFilePath() +
           " could not be written, so the transactions just settled will not appear in the statement. "
           "They have been settled all the same.";
}
