#include "tests/core/TestKit.h"

TEST(Holdings, CompactionMovesOccupiedSlotsForwardInOrderAndLeavesNothingBehind) {
    GameModel model;
    EXPECT_EQ(std::make_tuple(findFreeSlot(model), findShareSlot(model, 5)), std::make_tuple(0, -1));
    const Holding kept[] = {heldShares(7, 100, 250.0),
                            {12, 40, 80.0, kSellAction, 10, 20.0, 10.04, 12.5, 2, "D1"},
                            heldShares(5, 1, 1.0)};
    model.holdings[1] = kept[0];
    model.holdings[3] = kept[1];
    model.holdings[9] = kept[2];
    EXPECT_EQ(std::make_tuple(findShareSlot(model, 5), findFreeSlot(model), anyPendingOrder(model)),
              std::make_tuple(9, 0, true));
    compactHoldings(model);
    for (int i = 0; i < kHoldingCount; ++i)
        EXPECT_EQ(fieldsOf(model.holdings[i]), fieldsOf(i < 3 ? kept[i] : Holding{})) << i;
    for (int i = 0; i < kHoldingCount; ++i) model.holdings[i] = heldShares(40 - i, 1, 1.0);
    EXPECT_EQ(std::make_tuple(findFreeSlot(model), anyPendingOrder(model)), std::make_tuple(-1, false));
}

// Share 0 holds 1400 records, share 1 1600 (1500 are read), share 2 300 and a partial record; share 3
// is no number or below zero on days 0 to 4, tiny and huge on 5 to 8, and on 9 to 12 the doubles just
// outside the highest and lowest prices and those prices themselves.
TEST(PriceOnDay, RecordsCountBackFromTheThirdLastAndOutsideThemOrNotFiniteIsNoPrice) {
    MarketFolder folder;
    folder.writeHistory(0, rampPrices(0, 1400));
    folder.writeHistory(1, rampPrices(1, 1600));
    folder.writeHistory(2, rampPrices(2, 300), std::string(5, '\x7f'));
    std::vector<double> hostile = rampPrices(3, 300);
    const double odd[] = {kInf,          -kInf,
                          std::nan(""),  -0.5,
                          -1e-300,       1e-300,
                          1e308,         std::numeric_limits<double>::max(),
                          1e15,          std::nextafter(kHighestPrice, kInf),
                          kHighestPrice, std::nextafter(kLowestPrice, 0.0),
                          kLowestPrice};
    for (int day = 0; day < 13; ++day) hostile[297 - day] = odd[day];
    folder.writeHistory(3, hostile);
    GameModel model;
    const auto at = marketPrice;
    // clang-format off
    const struct { int share, day; double price; } cases[] = {
        {0, 0, at(0, 1397)}, {0, -2, at(0, 1399)}, {0, 1397, at(0, 0)}, {0, 1398, 0.0}, {0, -3, 0.0},
        {0, INT_MAX, 0.0}, {0, INT_MIN, 0.0}, {1, -2, at(1, 1499)}, {2, 297, at(2, 0)}, {2, 298, 0.0},
        {4, 0, 0.0}, {-1, 0, 0.0}, {3, 0, 0.0}, {3, 2, 0.0}, {3, 4, 0.0}, {3, 5, 0.0}, {3, 6, 0.0},
        {3, 7, 0.0}, {3, 8, 0.0}, {3, 9, 0.0}, {3, 10, kHighestPrice}, {3, 11, 0.0}, {3, 12, kLowestPrice}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(priceOnDay(model, c.share, c.day), c.price) << c.share << "/" << c.day;
    EXPECT_EQ(readPriceHistory(model, 1), 1500);
    EXPECT_EQ(readPriceHistory(model, 7), -1);
}

// A new game on day 260, whatever the model held; 264 records and 262 dates are enough for one.
TEST(LoadMarketData, StartsTheGameOnDay260FromTheLeastDataAGameNeedsWithAnEmptyHistory) {
    for (const auto& [records, dates, firstRecord] : {std::tuple{1400, 1399, 1136}, {264, 262, 0}}) {
        MarketFolder folder;
        folder.writeMarket(records, dates);
        std::vector<double> hostile = rampPrices(5, records);
        hostile[firstRecord + 1] = std::nan(""), hostile[firstRecord] = -kInf;
        folder.writeHistory(5, hostile);
        GameModel model;
        model.holdings[4] = Holding{3, 10, 5.0, kBuyAction};
        model.cashBalance = model.pendingBalance = model.portfolioValue = model.commissionFlatFee = 5.0;
        model.commissionRate = 1.0;
        model.dayIndex = model.previousDayIndex = model.orderDayIndex = model.transactionCount = 7;
        model.graphBackground = 0;
        model.graphGridLines = model.graphThickLines = model.graphAutoScale = 1;
        ASSERT_EQ(loadMarketData(model), 1);
        EXPECT_EQ(std::make_tuple(model.dayIndex, model.previousDayIndex, model.orderDayIndex),
                  std::make_tuple(260, 261, 260));
        for (int s = 0; s < kShareCount; ++s) {
            const ShareRecord& share = model.shareTable[s];
            EXPECT_EQ(std::make_tuple(share.shareNumber, std::string(share.name), share.currentPrice,
                                      share.previousPrice),
                      std::make_tuple(s, "Company " + std::to_string(s),
                                      s == 5 ? 0.0 : marketPrice(s, firstRecord + 1),
                                      s == 5 ? 0.0 : marketPrice(s, firstRecord)));
        }
        for (const Holding& slot : model.holdings) EXPECT_EQ(fieldsOf(slot), fieldsOf(Holding{}));
        EXPECT_EQ(std::make_tuple(model.cashBalance, model.pendingBalance, model.portfolioValue,
                                  model.commissionFlatFee, model.commissionRate, model.transactionCount,
                                  model.dateCount),
                  std::make_tuple(100000.0, 100000.0, 0.0, 10.0, 0.002, 0, dates));
        EXPECT_EQ(std::make_tuple(model.graphBackground, model.graphGridLines, model.graphThickLines,
                                  model.graphAutoScale),
                  std::make_tuple(1, 0, 0, 0));
        EXPECT_EQ(dateOfDay(model, 260), "D" + std::to_string(dates - 262));
        EXPECT_TRUE(fs::is_directory("THistory"));  // made when missing
        folder.writeFile("THistory/Trans.db", std::string(88 * 3, 'r'));
        ASSERT_EQ(loadMarketData(model), 1);
        EXPECT_FALSE(fs::exists("THistory/Trans.db"));
    }
}

TEST(LoadMarketData, ReportsEachUnusableFileByNameAndWhy) {
    const std::string records = "It holds 263 price records; a game needs at least 264.",
                      unopened = "The file could not be opened.";
    const auto dates = [](int n) {
        return "It holds " + std::to_string(n) + " dates; a game needs at least 262.";
    };
    using Spoil = std::function<void(const MarketFolder&)>;
    const auto removed = [](const std::string& file, bool folderInstead) {
        return [=](const MarketFolder&) {
            fs::remove(file);
            if (folderInstead) fs::create_directory(file);
        };
    };
    const std::tuple<Spoil, std::string, std::string> cases[] = {
        {[](const MarketFolder& f) { f.writeHistory(49, rampPrices(49, 263)); }, historyFilePath(49),
         records},
        {[](const MarketFolder& f) { f.writeFile("SHistory/dates", std::string(261 * 3, 'x') + " y"); },
         datesFilePath(), dates(2)},
        {[](const MarketFolder& f) { f.writeMarket(1400, 261); }, datesFilePath(), dates(261)},
        {removed(sharesFilePath(), false), sharesFilePath(), unopened},
        {removed(sharesFilePath(), true), sharesFilePath(), unopened},
        {removed(historyFilePath(6), false), historyFilePath(6), unopened},
        {removed(historyFilePath(6), true), historyFilePath(6), unopened}};
    for (const auto& [spoil, file, problem] : cases) {
        MarketFolder folder;
        folder.writeMarket();
        spoil(folder);
        GameModel model;
        MarketLoadFailure failure;
        EXPECT_EQ(loadMarketData(model, &failure), 0) << file;
        EXPECT_EQ(std::make_pair(failure.file, failure.problem), std::make_pair(file, problem));
    }
    EXPECT_EQ(describeLoadFailure({"SHistory\\07.new", unopened}, "C:\\games"),
              "Tickerdell cannot start: the market file \"SHistory\\07.new\" could not be read.\n\n"
              "The file could not be opened.\n\nThe game looks for its market files in the folder it is "
              "started from:\nC:\\games");
}

TEST(LoadMarketData, NamesAreBoundedLineReadsAndDatesAreTokensCutToNine) {
    MarketFolder folder;
    folder.writeMarket();
    folder.writeFile(
        "SHARES.NMS",
        "Eighteen Chars Ltd\r\nNineteen Chars Ltd.\r\nTwenty Characters Plc\r\nShort\r\nTabbed\t\n"
        "\xC9toile\x1aHidden\r\n");
    std::string dates = "04-Jan-93 05-Jan-93\n\t06-Jan-93\r\nABCDEFGHIJKL 123456789\n";
    for (int i = 0; i < 1700; ++i) dates += "x" + std::to_string(i) + "\n";
    folder.writeFile("SHistory/dates", dates);
    GameModel model;
    ASSERT_EQ(loadMarketData(model), 1);
    // The newline that did not fit in 19 characters is a name of its own; so is the rest of a long line.
    const char* names[] = {
        "Eighteen Chars Ltd", "Nineteen Chars Ltd.", "", "Twenty Characters P", "lc", "Short",
        "Tabbed\t",           "\xC9toile",           ""};
    for (int s = 0; s < 9; ++s) EXPECT_STREQ(model.shareTable[s].name, names[s]) << s;
    EXPECT_STREQ(model.shareTable[49].name, "");
    EXPECT_EQ(model.dateCount, 1600);
    const char* tokens[] = {"06-Jan-93", "ABCDEFGHI", "123456789", "x0"};
    for (int i = 0; i < 4; ++i) EXPECT_STREQ(model.dateTable[i + 2], tokens[i]) << i;
    EXPECT_STREQ(model.dateTable[1599], "x1594");
    // A shorter dates file leaves the longer one's rows behind it, but they are past the end.
    folder.writeMarket(1400, 300);
    ASSERT_EQ(loadMarketData(model), 1);
    for (const auto& [day, date] : {std::pair{-1, "D299"}, {298, "D0"}, {-2, ""}, {299, ""}, {INT_MIN, ""}})
        EXPECT_STREQ(dateOfDay(model, day), date) << day;
}
