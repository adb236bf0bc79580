#include "tests/core/TestKit.h"

#ifdef __linux__
#include <sys/resource.h>

#include <csignal>
#endif

namespace {
std::string asText(const TransactionBytes& bytes) {
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

TransactionRecord sample() {
    return {"Caf\xE9 Royal", 0.1, kSellAction, 300, 0.7, 10.74, "07/03/94"};
}

auto fieldsOf(const TransactionRecord& r) {
    return std::make_tuple(r.name, r.price, r.action, r.quantity, r.amount, r.commission, r.date);
}

struct LoadedGame : Game {
    LoadedGame() {
        model.holdings[1] = {0, 1000, 50.0, kSellAction, 300, 0.7, 11.5};
        model.holdings[3] = {7, 0, 0.0, kBuyAction, 40, 40 * model.shareTable[7].currentPrice, 12.25};
        std::strcpy(model.holdings[3].dateBought, "D1100");
        model.dayIndex = 259;  // the order day stays 260, dated "D1137"
    }
};
}  // namespace

TEST(TransactionRecordBytes, EveryFieldAtItsOffsetWithZeroPaddingAndTextsCutToTheirFields) {
    const std::string expected = std::string("Caf\xE9 Royal") + std::string(14, '\0') +
                                 "\x9A\x99\x99\x99\x99\x99\xB9\x3F" + std::string(4, '\0') +
                                 std::string("S\0\0\0\x2C\x01\0\0\0\0\0\0", 12) + littleEndian(0.7) +
                                 littleEndian(10.74) + "07/03/94" + std::string(16, '\0');
    ASSERT_EQ(expected.size(), 88u);
    EXPECT_EQ(asText(encodeTransaction(sample())), expected);
    EXPECT_EQ(fieldsOf(decodeTransaction(encodeTransaction(sample()))), fieldsOf(sample()));
    TransactionRecord record = sample();
    record.name = "Twenty-four characters!!";
    record.date = "12345" + std::string(1, '\0') + "67";
    record.quantity = -2;
    TransactionBytes bytes = encodeTransaction(record);
    EXPECT_EQ(asText(bytes).substr(0, 24), std::string("Twenty-four charact") + std::string(5, '\0'));
    EXPECT_EQ(asText(bytes).substr(40, 8), std::string("\xFE\xFF\xFF\xFF\0\0\0\0", 8));
    EXPECT_EQ(asText(bytes).substr(64, 24), std::string("12345") + std::string(19, '\0'));
    bytes[20] = 'x';  // after the name's terminator
    bytes[80] = 'y';  // after the date's terminator
    EXPECT_EQ(fieldsOf(decodeTransaction(bytes)),
              fieldsOf({"Twenty-four charact", 0.1, 'S', -2, 0.7, 10.74, "12345"}));
    // A field filled to its end without a terminator still reads as at most its limit.
    std::memset(bytes.data(), 'N', 24);
    std::memset(bytes.data() + 64, 'D', 24);
    EXPECT_EQ(fieldsOf(decodeTransaction(bytes)),
              fieldsOf({std::string(19, 'N'), 0.1, 'S', -2, 0.7, 10.74, std::string(9, 'D')}));
}

TEST(TransactionHistoryFile, RecordsFollowSlotOrderWithTheirNamesCutToTheirField) {
    LoadedGame game;
    GameModel& model = game.model;
    std::memset(model.shareTable[0].name, 'Q', kShareNameSize);  // a name that fills its field
    model.shareTable[7].name[3] = '\xC9';
    EXPECT_EQ(appendTransactions(model), HistoryWrite::Written);
    EXPECT_EQ(model.transactionCount, 2);
    EXPECT_EQ(transactionFileRecordCount(), 2);
    ASSERT_EQ(fileBytes(transactionsFilePath()).size(), 176u);
    const auto sale = readTransaction(0), purchase = readTransaction(1);
    ASSERT_TRUE(sale && purchase);
    // A sale is dated by the order day, a purchase by its own dateBought; both at today's price.
    const double price0 = model.shareTable[0].currentPrice, price7 = model.shareTable[7].currentPrice;
    EXPECT_EQ(fieldsOf(*sale), fieldsOf({std::string(19, 'Q'), price0, 'S', 300, 0.7, 11.5, "D1137"}));
    EXPECT_EQ(fieldsOf(*purchase),
              fieldsOf({"Com\xC9" + std::string("any 7"), price7, 'B', 40, 40 * price7, 12.25, "D1100"}));
    for (int index : {2, -1}) EXPECT_FALSE(readTransaction(index).has_value()) << index;
}

// A file cut mid-record (a crash) is cut back to its whole records before the next append.
TEST(TransactionHistoryFile, AnAppendAfterAFileCutMidRecordStartsAtAWholeRecord) {
    LoadedGame game;
    GameModel& model = game.model;
    const Holding purchase = model.holdings[3];
    ASSERT_EQ(appendTransactions(model), HistoryWrite::Written);
    model.holdings[3] = Holding{};
    ASSERT_EQ(appendTransactions(model), HistoryWrite::Written);  // three deals: 264 bytes
    fs::resize_file(transactionsFilePath(), 220);
    model.holdings[1] = Holding{};
    model.holdings[3] = purchase;
    EXPECT_EQ(appendTransactions(model), HistoryWrite::Written);
    const std::string bytes = fileBytes(transactionsFilePath());
    EXPECT_EQ(bytes.size(), 264u);
    EXPECT_EQ(bytes.substr(176), asText(encodeTransaction(transactionFor(model, purchase))));
}

#ifdef __linux__
// A file-size limit lets the write stop in the middle of the second record, as a full disk would.
TEST(TransactionHistoryFile, AWriteCutShortMidRecordIsTakenBackOutAndNotCounted) {
    LoadedGame game;
    GameModel& model = game.model;
    const Holding sale = model.holdings[1];
    model.holdings[1] = Holding{};
    ASSERT_EQ(appendTransactions(model), HistoryWrite::Written);
    const std::string before = fileBytes(transactionsFilePath());
    model.holdings[1] = sale;

    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    rlimit tight = limit;
    tight.rlim_cur = 88 + 100;  // the earlier record and 100 of the next 176 bytes
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const HistoryWrite result = appendTransactions(model);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(std::make_tuple(result, model.transactionCount), std::make_tuple(HistoryWrite::Failed, 1));
    EXPECT_EQ(fileBytes(transactionsFilePath()), before);
    // The next settlement's records follow the good one directly.
    EXPECT_EQ(appendTransactions(model), HistoryWrite::Written);
    EXPECT_EQ(
        std::make_tuple(model.transactionCount, transactionFileRecordCount(), readTransaction(1)->quantity),
        std::make_tuple(3, 3, 300));
}
#endif
