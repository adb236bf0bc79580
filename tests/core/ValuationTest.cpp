#include "tests/core/TestKit.h"
#include "views/Valuation.h"

namespace {
using Texts = std::vector<std::string>;

Texts totals(const ValuationDisplay& display) {
    return {display.feesToDate, display.portfolioValue, display.cashBalance, display.total};
}
}  // namespace

TEST(ValuationLine, ColumnsByteForByteTheAveragePriceMarkAndTheWidestFigures) {
    GameModel model = fiftyShares([](int) { return 1.305; });
    std::snprintf(model.shareTable[3].name, kShareNameSize, "Abbey Foods");
    EXPECT_EQ(valuationLine(model, heldShares(3, 800, 1000.0, 12.0, "12-Jan-96")),
              "Abbey Foods                800 12-Jan-96   125          1012.00  130\xBD         1044.00");
    // 1000 shares for 1234.56 average 123.456 pence, marked once they come from more than one purchase.
    const std::tuple<int, char, char> marks[] = {{0, ' ', ' '}, {0, 'S', ' '}, {1, 'B', ' '},
                                                 {1, ' ', '*'}, {1, 'S', '*'}, {2, 'B', '*'}};
    for (const auto& [repeats, action, mark] : marks) {
        Holding holding = heldShares(3, 1000, 1234.56, 0.0, "12-Jan-96");
        holding.repeatPurchases = repeats, holding.action = action;
        EXPECT_EQ(valuationLine(model, holding).substr(41, 6), std::string("  123") + mark)
            << repeats << action;
    }
    // The most shares a holding takes, at the highest price, with the charges of many such orders: each
    // figure fills its column, and a blank stands before it.
    std::snprintf(model.shareTable[3].name, kShareNameSize, "Northern Consolidat");
    model.shareTable[3].currentPrice = kHighestPrice;
    Holding widest = heldShares(3, INT32_MAX, 214742995829.0, 785257004170.99, "21-May-97");
    widest.repeatPurchases = 2;
    const std::string line = valuationLine(model, widest);
    EXPECT_EQ(line,
              "Northern Consolidat 2147483647 21-May-97 9999\xBE* 999999999999.99 10000 214748364700.00");
    ASSERT_EQ(line.size(), static_cast<std::size_t>(kValuationLineLength));
    for (const ValuationColumn& column : kValuationColumns) {
        const std::string figure = line.substr(column.first, column.last - column.first + 1);
        EXPECT_TRUE(line[column.first - 1] == ' ' && figure.find(' ') == std::string::npos) << figure;
    }
}

TEST(ValuationTotals, ListedHoldingsFeesTheBrowseListAndAnEmptyList) {
    GameModel model = fiftyShares([](int share) { return share == 7 ? 2.0 : 1.305; });
    model.cashBalance = 5000.25;
    model.holdings[0] = heldShares(7, 100, 150.0, 10.3);
    model.holdings[1] = heldShares(0, 800, 1000.0, 12.0);
    model.holdings[1].action = kSellAction, model.holdings[1].pendingCommission = 12.09;
    model.holdings[2].shareNumber = 9;  // a first purchase waiting for the broker: its fee only
    model.holdings[2].action = kBuyAction, model.holdings[2].pendingCommission = 10.5;
    const ValuationDisplay display = buildValuation(model);
    ASSERT_EQ(display.lines.size(), 2u);
    EXPECT_EQ(display.lines[0].substr(0, 10), "Company 7 ");
    EXPECT_EQ(totals(display), (Texts{"\24344.89", "\2431244.00", "\2435000.25", "\2436244.25"}));
    EXPECT_DOUBLE_EQ(model.portfolioValue, 1244.0);
    const GraphBrowse browse = valuationBrowse(model, 1);
    EXPECT_EQ(std::make_tuple(browse.shares, browse.position, browse.shownShare()),
              std::make_tuple(std::vector<int>{7, 0}, 1, 0));
    EXPECT_TRUE(valuationBrowse(model, 2).shares.empty());

    model.holdings = {};
    EXPECT_EQ(totals(buildValuation(model)), Texts(4, kEmptyValuationTotal));
    EXPECT_TRUE(valuationBrowse(model, 0).shares.empty());
}
