// The whole state of one game: shares, calendar, holdings and account. Plain data, no windows.
#pragma once

#include <array>
#include <cstdint>

constexpr int kShareCount = 50;
constexpr int kHoldingCount = 10;
constexpr int kShareNameSize = 20;
constexpr int kDateTableSize = 1600;
constexpr int kDateTextSize = 10;  // nine characters and the terminator
constexpr int kDateBoughtSize = 12;
constexpr int kMaxPriceRecords = 1500;

constexpr int kStartingDayIndex = 260;
constexpr double kStartingCash = 100000.0;
constexpr double kCommissionRate = 0.002;
constexpr double kCommissionFlatFee = 10.0;

constexpr char kNoAction = ' ';
constexpr char kBuyAction = 'B';
constexpr char kSellAction = 'S';
constexpr int32_t kEmptySlot = -1;

struct ShareRecord {
    int32_t shareNumber = 0;
    char name[kShareNameSize] = {};
    double previousPrice = 0.0;
    double currentPrice = 0.0;
};

struct Holding {
    int32_t shareNumber = kEmptySlot;
    int32_t heldQuantity = 0;
    double totalCost = 0.0;
    char action = kNoAction;
    int32_t pendingQuantity = 0;
    double pendingAmount = 0.0;
    double pendingCommission = 0.0;
    double commissionToDate = 0.0;
    int32_t repeatPurchases = 0;
    char dateBought[kDateBoughtSize] = {};

    bool isOccupied() const { return shareNumber != kEmptySlot; }
    bool hasPendingOrder() const { return action != kNoAction; }
};

struct GameModel {
    std::array<ShareRecord, kShareCount> shareTable{};
    std::array<Holding, kHoldingCount> holdings{};

    double cashBalance = kStartingCash;
    double pendingBalance = kStartingCash;
    double portfolioValue = 0.0;
    double commissionRate = kCommissionRate;
    double commissionFlatFee = kCommissionFlatFee;

    // Day indexes count backwards from the end of the price data: a larger index is an earlier day.
    int32_t dayIndex = kStartingDayIndex;
    int32_t previousDayIndex = kStartingDayIndex + 1;
    int32_t orderDayIndex = kStartingDayIndex;

    char dateTable[kDateTableSize][kDateTextSize] = {};
    int32_t dateCount = 0;
    double priceBuffer[kMaxPriceRecords] = {};

    int32_t transactionCount = 0;

    // Display options of the price graph; only their start values are set here.
    int32_t graphBackground = 1;
    int32_t graphGridLines = 0;
    int32_t graphThickLines = 0;
    int32_t graphAutoScale = 0;
};

// Moves every occupied slot, in order, to the front and leaves every slot behind them empty.
void compactHoldings(GameModel& model);

// True when some slot has a pending purchase or sale.
bool anyPendingOrder(const GameModel& model);

// First slot holding the share, or -1.
int findShareSlot(const GameModel& model, int shareNumber);

// First empty slot, or -1 when all ten are taken.
int findFreeSlot(const GameModel& model);
