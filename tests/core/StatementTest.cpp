#include "tests/core/TestKit.h"

constexpr int kCharWidth = 8;  // "Courier New" 15
using Texts = std::vector<std::string>;

// How the pages open and step is in the rows of cases.tsv.
TEST(StatementPaging, AnUnreadableHistoryIsSaidAndNeverShowsStaleRows) {
    MemorySource missing(0);
    const StatementPage empty = buildStatementPage(openStatement(3, missing), missing);
    EXPECT_TRUE(empty.historyUnavailable && empty.rows.empty());
    EXPECT_EQ(statementTexts(empty).back().text, kStatementUnavailable);
    MemorySource shortRead(12, 7);
    const StatementPage cut = buildStatementPage(openStatement(12, shortRead), shortRead);
    EXPECT_EQ(std::make_tuple(quantities(cut), cut.historyUnavailable, cut.pageTotal),
              std::make_tuple(Texts{"2", "3", "4", "5", "6"}, true, std::string()));
    EXPECT_EQ(statementTexts(cut).back().y, kStatementFirstRowY + 5 * kStatementRowHeight);
}

// A row that cannot be shown adds nothing to the page's total (the rows themselves are in cases.tsv).
TEST(StatementRows, ThePageTotalOfTheCommissionsAsPrinted) {
    const StatementRow none{kStatementUnreadableDeal};
    const TransactionRecord huge{"Abbey Foods", 1e308, 'B', 100, 1e308, 1e308, "21-May-97"};
    MemorySource source(0);
    source.records = {deal('B', 10, 1.0, 10.004), deal('X', 10, 1.0, 99.0), deal('S', 10, 1.0, 10.004), huge,
                      deal('S', 10, std::nan(""), 10.0)};
    const StatementPage page = buildStatementPage(openStatement(5, source), source);
    EXPECT_EQ(page.rows[1], StatementRow{});  // an unknown action: a blank row that adds nothing
    EXPECT_EQ(std::make_tuple(page.rows[3], page.rows[4], page.pageTotal),
              std::make_tuple(none, none, std::string("20.00")));
    const PageText number = statementTexts(page).back();
    EXPECT_EQ(std::make_tuple(number.x, number.y, number.alignment, number.text),
              std::make_tuple(kStatementNumberX, kStatementNumberY, TextAlignment::Right,
                              std::string("Statement No : 001")));
}

TEST(StatementLayout, TheWidestFiguresStayUnderTheirHeadingsApartAndInsideTheRulesAndTheTotalsBox) {
    // The widest texts each column shows: 99,999,999 shares sold, a price of 999,999 3/4 pence, a sale
    // of nearly 100,000,000 pounds, and ten commissions of nearly 1,000,000 pounds on one page.
    const StatementPage page{
        {{"21-May-97", "Northern Consolidat", "(99999999)", "999999\xBE", "(99999999.99)", "999999.99"}},
        "9999999.90",
        "Statement No : 001"};
    const std::vector<PageText> texts = statementTexts(page);
    const std::string heading = kStatementHeading;
    const auto span = [](const std::string& text) { return static_cast<int>(text.size()) * kCharWidth; };
    const auto insideRules = [](int left, int right) {
        return left >= kStatementTableLeft && right <= kStatementTableRight;
    };
    for (const char* line : {kStatementHeading, kStatementUnits})
        EXPECT_TRUE(insideRules(kStatementHeadingX, kStatementHeadingX + span(line))) << line;
    const char* words[] = {"Date", "Company", "Quantity", "Price", "Cost", "Commission"};
    int previousRight = 0;
    for (int c = 0; c < kStatementColumnCount; ++c) {
        const PageText& text = texts[3 + c];
        EXPECT_EQ(static_cast<int>(text.text.size()), kStatementColumnChars[c]);
        const int left = text.alignment == TextAlignment::Left ? text.x : text.x - span(text.text);
        const int wordLeft = kStatementHeadingX + span(heading.substr(0, heading.find(words[c])));
        EXPECT_GE(left, previousRight + kCharWidth) << text.text;  // a blank between neighbours
        EXPECT_TRUE(left < wordLeft + span(words[c]) && left + span(text.text) > wordLeft) << text.text;
        EXPECT_TRUE(insideRules(left, left + span(text.text))) << text.text;
        previousRight = left + span(text.text);
    }
    // The label and the total, a blank apart, inside the box the picture draws for them.
    const PageText& total = texts[3 + kStatementColumnCount];
    EXPECT_LE(kStatementTotalLabelX + span(kStatementTotalLabel) + kCharWidth, total.x - span(total.text));
    EXPECT_TRUE(kStatementTotalBoxLeft < kStatementTotalLabelX && total.x < kStatementTotalBoxRight);
    EXPECT_TRUE(kStatementTotalBoxTop < kStatementTotalY && kStatementTotalY + 15 < kStatementTotalBoxBottom);
}
