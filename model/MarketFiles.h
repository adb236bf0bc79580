// The market files beside the game: share names, price histories, date texts; and the start-up loader.
#pragma once

#include <string>

#include "model/GameModel.h"

// Records the loader needs: days 260 and 261 map to records M - 263 and M - 264.
constexpr int kMinPriceRecords = kStartingDayIndex + 4;
// Entries the loader needs for the date of day 260.
constexpr int kMinDateEntries = kStartingDayIndex + 2;

// The prices a history record may hold, in pounds. Above £100.00 (10,000p) a price is read as no price,
// as a NaN is: every price text then has at most five characters and fits the price columns of every
// list, and the largest holding (2,147,483,647 shares) is worth at most £214,748,364,700.00, so every
// figure worked from prices stays finite with room to spare. Below a quarter of a penny, the smallest
// step a price text shows, a price is no price either: it keeps today's move as a percentage of
// yesterday's price below 4,000,000% however small yesterday's price was.
constexpr double kHighestPrice = 100.0;
constexpr double kLowestPrice = 0.0025;

// Whether a record's number is a price: a number between the lowest and the highest price. Zero, which
// marks a day without trading, is not.
bool isTradingPrice(double price);

// Paths relative to the working directory, written with the platform's own separator.
std::string sharesFilePath();
std::string historyFilePath(int shareNumber);
std::string datesFilePath();
std::string transactionsDirectoryPath();
std::string transactionsFilePath();

// Reads up to kMaxPriceRecords prices of the share into the model's price buffer and returns how many
// whole records were read; -1 when the file cannot be opened.
int readPriceHistory(GameModel& model, int shareNumber);

// The share's price on day index d: record M - 3 - d of its history file. A day outside the records
// read, an unreadable file, or a record that is no trading price answers 0.0: no trading.
double priceOnDay(GameModel& model, int shareNumber, int dayIndex);

// The date text of day index d: entry dateCount - 2 - d of the date table; outside it, an empty text.
const char* dateOfDay(const GameModel& model, int dayIndex);

struct MarketLoadFailure {
    std::string file;     // the relative path that could not be used
    std::string problem;  // what was wrong with it, one sentence
};

// Fills the model for a new game from the market files. Returns 1, or 0 with the failure described
// when a file is missing, unreadable or too short to start a game on.
int loadMarketData(GameModel& model, MarketLoadFailure* failure = nullptr);

// The message shown to the player when the market cannot be loaded.
std::string describeLoadFailure(const MarketLoadFailure& failure, const std::string& workingDirectory);
