// The transaction history file: each field's bytes at its offset, the order of the records, the
// reader, and what a file that cannot be written leaves behind.
#include <gtest/gtest.h>

#ifdef __linux__
#include <sys/resource.h>

#include <csignal>
#endif

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "model/MarketFiles.h"
#include "model/TransactionHistory.h"
#include "tests/core/TestFolder.h"

namespace {
std::string bytesOf(const TransactionBytes& bytes, std::size_t at, std::size_t count) {
    return std::string(reinterpret_cast<const char*>(bytes.data() + at), count);
}

std::string littleEndian(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    std::string bytes;
    for (int i = 0; i < 8; ++i) bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
    return bytes;
}

std::string fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TransactionRecord sample() {
    TransactionRecord record;
    record.name = "Pellinor Gold";
    record.price = 1.2345;
    record.action = kSellAction;
    record.quantity = 300;
    record.amount = 0.7;
    record.commission = 10.74;
    record.date = "07/03/94";
    return record;
}

// A game loaded from a synthetic market in a scratch folder, so that the history file is real.
struct LoadedGame {
    LoadedGame() {
        folder.writeMarket();
        EXPECT_EQ(loadMarketData(model), 1);
    }
    MarketFolder folder;
    GameModel model;
};

void placeSale(GameModel& model, int slot, int share, int held, int quantity) {
    Holding& holding = model.holdings[slot];
    holding.shareNumber = share;
    holding.heldQuantity = held;
    holding.action = kSellAction;
    holding.pendingQuantity = quantity;
    holding.pendingAmount = static_cast<double>(held - quantity) / held;
    holding.pendingCommission = 11.5;
}

void placePurchase(GameModel& model, int slot, int share, int quantity, const char* date) {
    Holding& holding = model.holdings[slot];
    holding.shareNumber = share;
    holding.action = kBuyAction;
    holding.pendingQuantity = quantity;
    holding.pendingAmount = quantity * model.shareTable[share].currentPrice;
    holding.pendingCommission = 12.25;
    std::strncpy(holding.dateBought, date, kDateBoughtSize - 1);
}
}  // namespace

TEST(TransactionRecordBytes, EveryFieldAtItsOffsetWithZeroPadding) {
    const TransactionBytes bytes = encodeTransaction(sample());
    ASSERT_EQ(bytes.size(), 88u);
    EXPECT_EQ(bytesOf(bytes, 0, 24), std::string("Pellinor Gold") + std::string(11, '\0'));
    EXPECT_EQ(bytesOf(bytes, 24, 8), littleEndian(1.2345));
    EXPECT_EQ(bytesOf(bytes, 32, 4), std::string(4, '\0'));
    EXPECT_EQ(bytes[36], 'S');
    EXPECT_EQ(bytesOf(bytes, 37, 3), std::string(3, '\0'));
    EXPECT_EQ(bytesOf(bytes, 40, 4), std::string("\x2C\x01\0\0", 4));  // 300
    EXPECT_EQ(bytesOf(bytes, 44, 4), std::string(4, '\0'));
    EXPECT_EQ(bytesOf(bytes, 48, 8), littleEndian(0.7));
    EXPECT_EQ(bytesOf(bytes, 56, 8), littleEndian(10.74));
    EXPECT_EQ(bytesOf(bytes, 64, 24), std::string("07/03/94") + std::string(16, '\0'));
}

TEST(TransactionRecordBytes, LongTextsAreCutAndNegativeQuantitiesKeepTheirBits) {
    TransactionRecord record = sample();
    record.name = "Twenty-four characters!!";
    record.date = "1234567890123";
    record.quantity = -2;
    record.action = kBuyAction;
    const TransactionBytes bytes = encodeTransaction(record);
    EXPECT_EQ(bytesOf(bytes, 0, 24), std::string("Twenty-four charact") + std::string(5, '\0'));
    EXPECT_EQ(bytesOf(bytes, 64, 24), std::string("123456789") + std::string(15, '\0'));
    EXPECT_EQ(bytesOf(bytes, 40, 4), "\xFE\xFF\xFF\xFF");
    EXPECT_EQ(bytes[36], 'B');

    const TransactionRecord back = decodeTransaction(bytes);
    EXPECT_EQ(back.name, "Twenty-four charact");
    EXPECT_EQ(back.date, "123456789");
    EXPECT_EQ(back.quantity, -2);
}

TEST(TransactionRecordBytes, DecodingGivesBackEveryFieldAndIgnoresBytesAfterTheTerminators) {
    TransactionBytes bytes = encodeTransaction(sample());
    bytes[20] = 'x';  // after the name's terminator
    bytes[80] = 'y';  // after the date's terminator
    const TransactionRecord back = decodeTransaction(bytes);
    const TransactionRecord expected = sample();
    EXPECT_EQ(back.name, expected.name);
    EXPECT_EQ(back.price, expected.price);
    EXPECT_EQ(back.action, expected.action);
    EXPECT_EQ(back.quantity, expected.quantity);
    EXPECT_EQ(back.amount, expected.amount);
    EXPECT_EQ(back.commission, expected.commission);
    EXPECT_EQ(back.date, expected.date);

    // A field filled to its end without a terminator still reads as at most its limit.
    std::memset(bytes.data(), 'N', 24);
    std::memset(bytes.data() + 64, 'D', 24);
    EXPECT_EQ(decodeTransaction(bytes).name, std::string(19, 'N'));
    EXPECT_EQ(decodeTransaction(bytes).date, std::string(9, 'D'));
}

TEST(TransactionHistoryFile, NoPendingOrderNeverOpensTheFile) {
    LoadedGame game;
    EXPECT_EQ(appendTransactions(game.model), HistoryWrite::NothingToWrite);
    EXPECT_FALSE(std::filesystem::exists(transactionsFilePath()));
    EXPECT_EQ(game.model.transactionCount, 0);
    EXPECT_EQ(transactionFileRecordCount(), 0);
    EXPECT_FALSE(readTransaction(0).has_value());
}

TEST(TransactionHistoryFile, RecordsFollowSlotOrderAndEachAppendGoesAfterTheLast) {
    LoadedGame game;
    GameModel& model = game.model;
    placePurchase(model, 3, 7, 40, "D1100");
    placeSale(model, 1, 2, 1000, 300);
    model.orderDayIndex = 260;  // dated "D1137" in the synthetic market
    model.dayIndex = 259;

    EXPECT_EQ(appendTransactions(model), HistoryWrite::Written);
    EXPECT_EQ(model.transactionCount, 2);
    EXPECT_EQ(transactionFileRecordCount(), 2);
    ASSERT_EQ(fileBytes(transactionsFilePath()).size(), 176u);

    const auto sale = readTransaction(0);
    ASSERT_TRUE(sale.has_value());
    EXPECT_EQ(sale->name, "Company 2");
    EXPECT_EQ(sale->action, 'S');
    EXPECT_EQ(sale->quantity, 300);
    EXPECT_EQ(sale->amount, 0.7);
    EXPECT_EQ(sale->commission, 11.5);
    EXPECT_EQ(sale->date, "D1137");  // the order day's, not the new current day's
    EXPECT_EQ(sale->price, model.shareTable[2].currentPrice);

    const auto purchase = readTransaction(1);
    ASSERT_TRUE(purchase.has_value());
    EXPECT_EQ(purchase->name, "Company 7");
    EXPECT_EQ(purchase->action, 'B');
    EXPECT_EQ(purchase->quantity, 40);
    EXPECT_EQ(purchase->amount, 40 * model.shareTable[7].currentPrice);
    EXPECT_EQ(purchase->date, "D1100");  // its own dateBought
    EXPECT_FALSE(readTransaction(2).has_value());
    EXPECT_FALSE(readTransaction(-1).has_value());

    model.holdings[1] = Holding{};
    EXPECT_EQ(appendTransactions(model), HistoryWrite::Written);
    EXPECT_EQ(model.transactionCount, 3);
    EXPECT_EQ(readTransaction(2)->name, "Company 7");
    EXPECT_EQ(readTransaction(0)->name, "Company 2");
}

TEST(TransactionHistoryFile, AMissingFolderFailsAndCountsNothing) {
    LoadedGame game;
    placePurchase(game.model, 0, 4, 10, "D1137");
    std::filesystem::remove_all(transactionsDirectoryPath());
    EXPECT_EQ(appendTransactions(game.model), HistoryWrite::Failed);
    EXPECT_EQ(game.model.transactionCount, 0);
    EXPECT_FALSE(std::filesystem::exists(transactionsFilePath()));
}

#ifdef __linux__
// /dev/full opens but refuses every byte: a write cut short after the file was opened.
TEST(TransactionHistoryFile, AShortWriteCountsNothing) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    LoadedGame game;
    placePurchase(game.model, 0, 4, 10, "D1137");
    placeSale(game.model, 1, 5, 50, 5);
    std::filesystem::create_symlink("/dev/full", transactionsFilePath());
    EXPECT_EQ(appendTransactions(game.model), HistoryWrite::Failed);
    EXPECT_EQ(game.model.transactionCount, 0);
}
#endif

#ifdef __linux__
// A file-size limit lets the write stop in the middle of the second record, as a full disk would.
TEST(TransactionHistoryFile, AWriteCutShortMidRecordIsTakenBackOutAndNotCounted) {
    LoadedGame game;
    placePurchase(game.model, 0, 4, 10, "D1137");
    ASSERT_EQ(appendTransactions(game.model), HistoryWrite::Written);
    const std::string before = fileBytes(transactionsFilePath());
    placeSale(game.model, 1, 5, 50, 5);

    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    rlimit tight = limit;
    tight.rlim_cur = 88 + 100;  // the earlier record and 100 of the next 176 bytes
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const HistoryWrite result = appendTransactions(game.model);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result, HistoryWrite::Failed);
    EXPECT_EQ(game.model.transactionCount, 1);
    EXPECT_EQ(fileBytes(transactionsFilePath()), before);
    EXPECT_EQ(transactionFileRecordCount(), 1);

    // The next settlement's records follow the good one directly.
    EXPECT_EQ(appendTransactions(game.model), HistoryWrite::Written);
    EXPECT_EQ(game.model.transactionCount, 3);
    EXPECT_EQ(readTransaction(1)->name, "Company 4");
    EXPECT_EQ(readTransaction(2)->name, "Company 5");
}
#endif
