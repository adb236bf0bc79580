// Ringing the broker: moving the calendar on by working days and settling every pending order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/GameModel.h"
#include "model/TransactionHistory.h"

// Characters of the day-count field that are read.
constexpr std::size_t kSkipCountReadLimit = 30;

// What a settlement did, for the dialog to tell the player; the model itself shows the rest.
struct Settlement {
    int ordersSettled = 0;
    // The skip asked for days beyond the price data: the calendar stopped at its last day (index 0).
    bool noLaterPrices = false;
    HistoryWrite history = HistoryWrite::NothingToWrite;

    bool historyNotWritten() const { return history == HistoryWrite::Failed; }
};

// The day count typed into the field (at most 30 characters read) as a decimal whole number. Text that
// is not a number and negative counts read as 0; counts beyond any calendar are held, never wrapped.
int64_t skipCountFromText(const std::string& text);

// Moves the calendar on by `days` working days and on over days without trading (share 0 unpriced),
// never past day index 0; records and settles every pending order, packs the holdings, re-prices the
// market for the new day and the one before, and makes the pending balance the cash balance. The orders
// are settled even when the history file cannot be written. A negative count moves nothing.
Settlement settleDay(GameModel& model, int64_t days);

// The texts of what a settlement tells the player (trading/Portfolio.h decides which are shown).
std::string noLaterPricesNotice(const GameModel& model);
std::string historyNotWrittenNotice();
