// The transaction history file THistory\Trans.db: one 88-byte record per settled order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "model/GameModel.h"

constexpr std::size_t kTransactionRecordSize = 88;
constexpr std::size_t kRecordNameField = 24;
constexpr std::size_t kRecordDateField = 24;
constexpr std::size_t kRecordNameLimit = 19;  // characters before the terminator
constexpr std::size_t kRecordDateLimit = 9;

// Where each field stands in a record; every byte between them is zero.
constexpr std::size_t kRecordNameAt = 0;
constexpr std::size_t kRecordPriceAt = 24;
constexpr std::size_t kRecordActionAt = 36;
constexpr std::size_t kRecordQuantityAt = 40;
constexpr std::size_t kRecordAmountAt = 48;
constexpr std::size_t kRecordCommissionAt = 56;
constexpr std::size_t kRecordDateAt = 64;

using TransactionBytes = std::array<unsigned char, kTransactionRecordSize>;

// One settled order as the statement reads it back.
struct TransactionRecord {
    std::string name;         // the share's name, at most 19 characters
    double price = 0.0;       // pounds per share on the day the order was placed
    char action = kNoAction;  // 'B' or 'S'
    int32_t quantity = 0;
    double amount = 0.0;      // 'B': the order's value in pounds; 'S': the fraction of the holding kept
    double commission = 0.0;  // pounds
    std::string date;         // the order day's date text, at most 9 characters
};

// The record's 88 bytes, little-endian, written field by field so that no compiler padding leaks in.
TransactionBytes encodeTransaction(const TransactionRecord& record);

// The record held by 88 bytes; texts end at their terminator or their length limit.
TransactionRecord decodeTransaction(const TransactionBytes& bytes);

// The record of the slot's pending order: the share's name and today's price, a purchase dated by its
// dateBought, a sale by the order day (orderDayIndex).
TransactionRecord transactionFor(const GameModel& model, const Holding& slot);

enum class HistoryWrite {
    NothingToWrite,  // no slot had a pending order; the file was not opened
    Written,
    Failed,  // the file could not be opened or fully written; it was cut back to its whole records
};

// Appends the records of every pending order, in slot order, after the last whole record the file
// holds, and counts them in transactionCount.
// A failed write counts nothing, so transactionCount never includes a partial record.
HistoryWrite appendTransactions(GameModel& model);

// Whole records in the history file; 0 when it does not exist.
int transactionFileRecordCount();

// Record `index` (from 0) of the history file; nothing when the file holds no such whole record.
std::optional<TransactionRecord> readTransaction(int index);
