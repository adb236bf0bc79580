// Writing and reading the 88-byte records of the transaction history file.
#include "model/TransactionHistory.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "model/MarketFiles.h"

namespace {
void putUnsigned(TransactionBytes& bytes, std::size_t at, uint64_t value, int size) {
    for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<unsigned char>((value >> (8 * i)) & 0xFF);
}

uint64_t getUnsigned(const TransactionBytes& bytes, std::size_t at, int size) {
    uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | bytes[at + i];
    return value;
}

void putDouble(TransactionBytes& bytes, std::size_t at, double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    putUnsigned(bytes, at, bits, 8);
}

double getDouble(const TransactionBytes& bytes, std::size_t at) {
    const uint64_t bits = getUnsigned(bytes, at, 8);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The text up to its terminator, cut to `limit` characters; the rest of the field stays zero.
void putText(TransactionBytes& bytes, std::size_t at, const std::string& text, std::size_t limit) {
    const std::string kept = text.substr(0, std::min(text.find('\0'), limit));
    std::memcpy(bytes.data() + at, kept.data(), kept.size());
}

std::string getText(const TransactionBytes& bytes, std::size_t at, std::size_t field, std::size_t limit) {
    const char* start = reinterpret_cast<const char*>(bytes.data() + at);
    std::size_t length = 0;
    while (length < field && length < limit && start[length] != '\0') ++length;
    return std::string(start, length);
}

// The text of a fixed character array, which need not hold a terminator.
std::string boundedText(const char* text, std::size_t size) {
    std::size_t length = 0;
    while (length < size && text[length] != '\0') ++length;
    return std::string(text, length);
}

uintmax_t sizeOrZero(const std::string& path) {
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

// A file that ends mid-record (a crash during a write, or a file cut by hand) loses the piece first:
// records appended after it would otherwise all be read out of step.
bool cutToWholeRecords(const std::string& path, uintmax_t wholeSize) {
    std::error_code error;
    if (sizeOrZero(path) == wholeSize) return true;
    std::filesystem::resize_file(path, wholeSize, error);
    return !error;
}

// Writes the bytes at the end of the file in one go; false when it cannot be opened or fully written.
bool appendBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) return false;
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return written == bytes.size() && flushed && closed;
}
}  // namespace

TransactionBytes encodeTransaction(const TransactionRecord& record) {
    TransactionBytes bytes{};
    putText(bytes, kRecordNameAt, record.name, kRecordNameLimit);
    putDouble(bytes, kRecordPriceAt, record.price);
    bytes[kRecordActionAt] = static_cast<unsigned char>(record.action);
    putUnsigned(bytes, kRecordQuantityAt, static_cast<uint32_t>(record.quantity), 4);
    putDouble(bytes, kRecordAmountAt, record.amount);
    putDouble(bytes, kRecordCommissionAt, record.commission);
    putText(bytes, kRecordDateAt, record.date, kRecordDateLimit);
    return bytes;
}

TransactionRecord decodeTransaction(const TransactionBytes& bytes) {
    TransactionRecord record;
    record.name = getText(bytes, kRecordNameAt, kRecordNameField, kRecordNameLimit);
    record.price = getDouble(bytes, kRecordPriceAt);
    record.action = static_cast<char>(bytes[kRecordActionAt]);
    record.quantity = static_cast<int32_t>(static_cast<uint32_t>(getUnsigned(bytes, kRecordQuantityAt, 4)));
    record.amount = getDouble(bytes, kRecordAmountAt);
    record.commission = getDouble(bytes, kRecordCommissionAt);
    record.date = getText(bytes, kRecordDateAt, kRecordDateField, kRecordDateLimit);
    return record;
}

TransactionRecord transactionFor(const GameModel& model, const Holding& slot) {
    TransactionRecord record;
    if (slot.shareNumber >= 0 && slot.shareNumber < kShareCount) {
        const ShareRecord& share = model.shareTable[slot.shareNumber];
        record.name = boundedText(share.name, kShareNameSize);
        record.price = share.currentPrice;
    }
    record.action = slot.action;
    record.quantity = slot.pendingQuantity;
    record.amount = slot.pendingAmount;
    record.commission = slot.pendingCommission;
    // Both dates name the day the order was placed: a purchase keeps its own, a sale is dated by the
    // day the calendar has just left.
    record.date = slot.action == kBuyAction ? boundedText(slot.dateBought, kDateBoughtSize)
                                            : std::string(dateOfDay(model, model.orderDayIndex));
    return record;
}

HistoryWrite appendTransactions(GameModel& model) {
    std::vector<unsigned char> bytes;
    int records = 0;
    for (const Holding& slot : model.holdings) {
        if (!slot.hasPendingOrder()) continue;
        const TransactionBytes record = encodeTransaction(transactionFor(model, slot));
        bytes.insert(bytes.end(), record.begin(), record.end());
        ++records;
    }
    if (records == 0) return HistoryWrite::NothingToWrite;

    const std::string path = transactionsFilePath();
    const uintmax_t wholeSize = sizeOrZero(path) / kTransactionRecordSize * kTransactionRecordSize;
    if (!cutToWholeRecords(path, wholeSize) || !appendBytes(path, bytes)) {
        // A piece of a record would shift every later record; the file goes back to its whole records.
        std::error_code ignored;
        if (std::filesystem::is_regular_file(path, ignored))
            std::filesystem::resize_file(path, wholeSize, ignored);
        return HistoryWrite::Failed;
    }
    model.transactionCount += records;
    return HistoryWrite::Written;
}

int transactionFileRecordCount() {
    const uintmax_t records = sizeOrZero(transactionsFilePath()) / kTransactionRecordSize;
    return records > INT32_MAX ? INT32_MAX : static_cast<int>(records);
}

std::optional<TransactionRecord> readTransaction(int index) {
    if (index < 0) return std::nullopt;
    std::ifstream file(transactionsFilePath(), std::ios::binary);
    if (!file) return std::nullopt;
    file.seekg(static_cast<std::streamoff>(index) * static_cast<std::streamoff>(kTransactionRecordSize));
    TransactionBytes bytes{};
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file.gcount() != static_cast<std::streamsize>(bytes.size())) return std::nullopt;
    return decodeTransaction(bytes);
}
