// Reading the market files and starting a game: record mapping, bounds, names, dates, failures.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>

#include "model/MarketFiles.h"
#include "tests/core/TestFolder.h"

namespace {
std::string namesFile(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}
}  // namespace

TEST(PriceOnDay, CountsBackFromTheThirdLastRecord) {
    MarketFolder folder;
    folder.writeHistory(0, rampPrices(0, 1400));
    GameModel model;
    EXPECT_EQ(priceOnDay(model, 0, 0), marketPrice(0, 1397));
    EXPECT_EQ(priceOnDay(model, 0, -2), marketPrice(0, 1399));
    EXPECT_EQ(priceOnDay(model, 0, 260), marketPrice(0, 1137));
    EXPECT_EQ(priceOnDay(model, 0, 1397), marketPrice(0, 0));
}

TEST(PriceOnDay, DaysOutsideTheRecordsAreDaysWithoutTrading) {
    MarketFolder folder;
    folder.writeHistory(3, rampPrices(3, 300));
    GameModel model;
    EXPECT_EQ(priceOnDay(model, 3, 297), marketPrice(3, 0));
    EXPECT_EQ(priceOnDay(model, 3, 298), 0.0);
    EXPECT_EQ(priceOnDay(model, 3, -3), 0.0);
    EXPECT_EQ(priceOnDay(model, 3, INT_MAX), 0.0);
    EXPECT_EQ(priceOnDay(model, 3, INT_MIN), 0.0);
    EXPECT_EQ(priceOnDay(model, 4, 0), 0.0);  // no file at all
    EXPECT_EQ(priceOnDay(model, -1, 0), 0.0);
}

TEST(PriceOnDay, ReadsAtMost1500RecordsAndIgnoresAPartialOne) {
    MarketFolder folder;
    folder.writeHistory(1, rampPrices(1, 1600));
    folder.writeHistory(2, rampPrices(2, 300), std::string(5, '\x7f'));
    GameModel model;
    EXPECT_EQ(readPriceHistory(model, 1), 1500);
    EXPECT_EQ(priceOnDay(model, 1, -2), marketPrice(1, 1499));
    EXPECT_EQ(priceOnDay(model, 1, 0), marketPrice(1, 1497));
    EXPECT_EQ(priceOnDay(model, 1, -3), 0.0);

    EXPECT_EQ(readPriceHistory(model, 2), 300);
    EXPECT_EQ(priceOnDay(model, 2, -2), marketPrice(2, 299));
    EXPECT_EQ(readPriceHistory(model, 7), -1);
}

TEST(LoadMarketData, StartsTheGameOnDay260) {
    MarketFolder folder;
    folder.writeMarket();
    GameModel model;
    model.holdings[4].shareNumber = 3;
    model.cashBalance = 5.0;
    model.transactionCount = 9;
    model.graphGridLines = 1;

    ASSERT_EQ(loadMarketData(model), 1);
    EXPECT_EQ(model.dayIndex, 260);
    EXPECT_EQ(model.previousDayIndex, 261);
    for (int s = 0; s < kShareCount; ++s) {
        EXPECT_EQ(model.shareTable[s].shareNumber, s);
        EXPECT_EQ(std::string(model.shareTable[s].name), "Company " + std::to_string(s));
        EXPECT_EQ(model.shareTable[s].currentPrice, marketPrice(s, 1137));
        EXPECT_EQ(model.shareTable[s].previousPrice, marketPrice(s, 1136));
    }
    for (const Holding& slot : model.holdings) EXPECT_EQ(slot.shareNumber, kEmptySlot);
    EXPECT_EQ(model.cashBalance, 100000.0);
    EXPECT_EQ(model.pendingBalance, 100000.0);
    EXPECT_EQ(model.commissionFlatFee, 10.0);
    EXPECT_EQ(model.commissionRate, 0.002);
    EXPECT_EQ(model.transactionCount, 0);
    EXPECT_EQ(model.graphBackground, 1);
    EXPECT_EQ(model.graphGridLines + model.graphThickLines + model.graphAutoScale, 0);
    EXPECT_EQ(model.dateCount, 1399);
    EXPECT_STREQ(dateOfDay(model, 260), "D1137");
}

TEST(LoadMarketData, A264RecordFileIsJustLongEnough) {
    MarketFolder folder;
    folder.writeMarket(264, 300);
    GameModel model;
    ASSERT_EQ(loadMarketData(model), 1);
    EXPECT_EQ(model.shareTable[9].previousPrice, marketPrice(9, 0));
    EXPECT_EQ(model.shareTable[9].currentPrice, marketPrice(9, 1));
}

TEST(LoadMarketData, ReportsEachUnusableFileByName) {
    {
        MarketFolder folder;
        folder.writeMarket();
        std::filesystem::remove("SHARES.NMS");
        GameModel model;
        MarketLoadFailure failure;
        EXPECT_EQ(loadMarketData(model, &failure), 0);
        EXPECT_EQ(failure.file, sharesFilePath());
    }
    {
        MarketFolder folder;
        folder.writeMarket();
        std::filesystem::remove(folder.path() / "SHistory" / "07.new");
        GameModel model;
        MarketLoadFailure failure;
        EXPECT_EQ(loadMarketData(model, &failure), 0);
        EXPECT_EQ(failure.file, historyFilePath(6));
        EXPECT_NE(failure.file.find("07.new"), std::string::npos);
    }
    {
        MarketFolder folder;
        folder.writeMarket();
        folder.writeHistory(49, rampPrices(49, 263));
        GameModel model;
        MarketLoadFailure failure;
        EXPECT_EQ(loadMarketData(model, &failure), 0);
        EXPECT_EQ(failure.file, historyFilePath(49));
        EXPECT_NE(failure.problem.find("263"), std::string::npos);
        EXPECT_NE(failure.problem.find("264"), std::string::npos);
    }
    {
        MarketFolder folder;
        folder.writeMarket(1400, 261);
        GameModel model;
        MarketLoadFailure failure;
        EXPECT_EQ(loadMarketData(model, &failure), 0);
        EXPECT_EQ(failure.file, datesFilePath());
    }
}

TEST(LoadMarketData, FailureMessageNamesTheFileAndTheFolder) {
    const std::string text =
        describeLoadFailure({"SHistory\\07.new", "The file could not be opened."}, "C:\\games");
    EXPECT_NE(text.find("SHistory\\07.new"), std::string::npos);
    EXPECT_NE(text.find("C:\\games"), std::string::npos);
    EXPECT_NE(text.find("The file could not be opened."), std::string::npos);
}

TEST(ShareNames, BoundedLineReadOf19Characters) {
    MarketFolder folder;
    folder.writeMarket();
    folder.writeFile("SHARES.NMS", namesFile({"Eighteen Chars Ltd", "Nineteen Chars Ltd.",
                                              "Twenty Characters Plc", "Short"}) +
                                       "No End Of Line");
    GameModel model;
    ASSERT_EQ(loadMarketData(model), 1);
    EXPECT_STREQ(model.shareTable[0].name, "Eighteen Chars Ltd");
    EXPECT_STREQ(model.shareTable[1].name, "Nineteen Chars Ltd.");
    EXPECT_STREQ(model.shareTable[2].name, "");  // the newline that did not fit
    EXPECT_STREQ(model.shareTable[3].name, "Twenty Characters P");
    EXPECT_STREQ(model.shareTable[4].name, "lc");
    EXPECT_STREQ(model.shareTable[5].name, "Short");
    EXPECT_STREQ(model.shareTable[6].name, "No End Of Line");
    EXPECT_STREQ(model.shareTable[7].name, "");  // lines missing at the end leave names empty
    EXPECT_STREQ(model.shareTable[49].name, "");
}

TEST(DateTable, TokensAreReadWhateverTheLinesAndCutAtNineCharacters) {
    MarketFolder folder;
    folder.writeMarket();
    std::string dates = "04-Jan-93 05-Jan-93\n\t06-Jan-93\r\nABCDEFGHIJKL 123456789\n";
    for (int i = 0; i < 1700; ++i) dates += "x" + std::to_string(i) + "\n";
    folder.writeFile("SHistory/dates", dates);
    GameModel model;
    ASSERT_EQ(loadMarketData(model), 1);
    EXPECT_EQ(model.dateCount, 1600);
    EXPECT_STREQ(model.dateTable[0], "04-Jan-93");
    EXPECT_STREQ(model.dateTable[1], "05-Jan-93");
    EXPECT_STREQ(model.dateTable[2], "06-Jan-93");
    EXPECT_STREQ(model.dateTable[3], "ABCDEFGHI");
    EXPECT_STREQ(model.dateTable[4], "123456789");
    EXPECT_STREQ(model.dateTable[5], "x0");
    EXPECT_STREQ(model.dateTable[1599], "x1594");
}

TEST(DateOfDay, LastEntryIsDayMinusOneAndOutsideIsEmpty) {
    GameModel model;
    model.dateCount = 3;
    std::snprintf(model.dateTable[0], kDateTextSize, "first");
    std::snprintf(model.dateTable[2], kDateTextSize, "last");
    EXPECT_STREQ(dateOfDay(model, -1), "last");
    EXPECT_STREQ(dateOfDay(model, 1), "first");
    EXPECT_STREQ(dateOfDay(model, 2), "");
    EXPECT_STREQ(dateOfDay(model, -2), "");
    EXPECT_STREQ(dateOfDay(model, INT_MIN), "");
    EXPECT_STREQ(dateOfDay(model, INT_MAX), "");
}

TEST(LoadMarketData, EmptiesTheTransactionHistory) {
    MarketFolder folder;
    folder.writeMarket();
    GameModel model;
    ASSERT_EQ(loadMarketData(model), 1);
    EXPECT_TRUE(std::filesystem::is_directory("THistory"));  // made when missing

    folder.writeFile("THistory/Trans.db", std::string(88 * 3, 'r'));
    ASSERT_EQ(loadMarketData(model), 1);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "THistory" / "Trans.db"));
}
