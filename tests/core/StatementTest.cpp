// The statement: paging over the records the file really holds, the rows' texts, the commission total
// and where every text stands on the 640-pixel page.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "views/Statement.h"

namespace {
constexpr int kCharWidth = 8;  // "Courier New" 15
using Texts = std::vector<std::string>;

struct MemorySource : TransactionSource {
    std::vector<TransactionRecord> records;
    int unreadableFrom = INT_MAX;
    int recordCount() override { return static_cast<int>(records.size()); }
    std::optional<TransactionRecord> record(int i) override {
        if (i < 0 || i >= unreadableFrom || i >= recordCount()) return std::nullopt;
        return records[i];
    }
};

TransactionRecord deal(char action, int quantity, double price, double commission) {
    return {"Abbey Foods", price, action, quantity, quantity * price, commission, "21-May-97"};
}

// Record i's quantity is i, so a page's rows say which records it holds.
MemorySource numbered(int count, int unreadableFrom = INT_MAX) {
    MemorySource source;
    for (int i = 0; i < count; ++i) source.records.push_back(deal('B', i, 1.0, 10.0));
    source.unreadableFrom = unreadableFrom;
    return source;
}

Texts quantities(const StatementPage& page) {
    Texts result;
    for (const StatementRow& row : page.rows)
        result.push_back(row[static_cast<int>(StatementColumn::Quantity)]);
    return result;
}

Texts range(int first, int end) {
    Texts result;
    for (int i = first; i < end; ++i) result.push_back(std::to_string(i));
    return result;
}
}  // namespace

TEST(StatementPaging, OpensOnTheNewestPageAndStepsToTheOldest) {
    const std::tuple<int, int, std::vector<Texts>> cases[] = {
        {0, 0, {Texts{}}},
        {1, 1, {range(0, 1)}},
        {10, 10, {range(0, 10)}},
        {11, 11, {range(1, 11), range(0, 1)}},
        {25, 25, {range(15, 25), range(5, 15), range(0, 5)}},
        {30, 12, {range(20, 30), range(18, 20)}},  // an earlier run's records stay out
        {5, 12, {range(0, 5)}},                    // a file recreated during play
    };
    for (const auto& [held, count, pagesNewestFirst] : cases) {
        SCOPED_TRACE(std::to_string(held) + " held, " + std::to_string(count) + " counted");
        MemorySource source = numbered(held);
        StatementPaging paging = openStatement(count, source);
        const int pages = static_cast<int>(pagesNewestFirst.size());
        EXPECT_EQ(paging.pageCount, pages);
        EXPECT_FALSE(nextPage(paging));
        for (int p = pages; p >= 1; --p) {
            const StatementPage page = buildStatementPage(paging, source);
            EXPECT_EQ(quantities(page), pagesNewestFirst[pages - p]);
            EXPECT_EQ(page.statementNumber, page.rows.empty() ? "" : "Statement No : 00" + std::to_string(p));
            EXPECT_EQ(hasNextPage(paging), p < pages);
            EXPECT_EQ(previousPage(paging), p > 1);
        }
        for (int p = 2; p <= pages; ++p) EXPECT_TRUE(nextPage(paging));
        EXPECT_EQ(paging.pageNumber, pages);
    }
}

TEST(StatementPaging, AnUnreadableHistoryIsSaidAndNeverShowsStaleRows) {
    MemorySource missing = numbered(0);
    const StatementPage empty = buildStatementPage(openStatement(3, missing), missing);
    EXPECT_TRUE(empty.historyUnavailable && empty.rows.empty());
    EXPECT_EQ(statementTexts(empty).back().text, kStatementUnavailable);

    MemorySource shortRead = numbered(12, 7);
    const StatementPage cut = buildStatementPage(openStatement(12, shortRead), shortRead);
    EXPECT_EQ(quantities(cut), range(2, 7));
    EXPECT_TRUE(cut.historyUnavailable);
    EXPECT_EQ(cut.pageTotal, "");
    EXPECT_EQ(statementTexts(cut).back().y, kStatementFirstRowY + 5 * kStatementRowHeight);
}

TEST(StatementRows, TextsAndThePageTotalOfTheCommissionsAsPrinted) {
    TransactionRecord purchase = deal('B', 300, 2.385, 11.431);
    purchase.amount = 300 * 2.3825;  // a purchase's price comes from its value
    EXPECT_EQ(statementRow(purchase),
              (StatementRow{"21-May-97", "Abbey Foods", "300", "  238\xBC", "715.50", "11.43"}));
    EXPECT_EQ(statementRow(deal('S', 300, 2.385, 11.43)),
              (StatementRow{"21-May-97", "Abbey Foods", "(300)", "  238\xBD", "(715.50)", "11.43"}));
    EXPECT_EQ(statementRow(deal('B', 0, 1.5, 10.0))[static_cast<int>(StatementColumn::Price)], "   150");

    MemorySource source;
    source.records = {deal('B', 10, 1.0, 10.004), deal('X', 10, 1.0, 99.0), deal('S', 10, 1.0, 10.004)};
    const StatementPage page = buildStatementPage(openStatement(3, source), source);
    EXPECT_EQ(page.rows[1], StatementRow{});  // an unknown action: a blank row that adds nothing
    EXPECT_EQ(page.pageTotal, "20.00");
    const PageText number = statementTexts(page).back();
    EXPECT_EQ(std::make_tuple(number.x, number.y, number.alignment, number.text),
              std::make_tuple(kStatementNumberX, kStatementNumberY, TextAlignment::Right,
                              std::string("Statement No : 001")));
}

TEST(StatementLayout, TheWidestFiguresStayUnderTheirHeadingsApartAndOnThePage) {
    // The widest texts each column takes: 99,999,999 shares sold, a price of 999,999 3/4 pence, a sale
    // past 10,000,000 pounds, and ten commissions of nearly 200,000 pounds on one page.
    StatementPage page;
    page.rows.push_back(
        {"21-May-97", "Northern Consolidat", "(99999999)", "999999\xBE", "(99999999.99)", "199999.99"});
    page.pageTotal = "1999999.90";
    const std::string heading = kStatementHeading;
    const char* words[] = {"Date", "Company", "Quantity", "Price", "Cost", "Commission"};
    const std::vector<PageText> texts = statementTexts(page);
    int previousRight = 0;
    for (int c = 0; c < kStatementColumnCount; ++c) {
        const PageText& text = texts[3 + c];
        const int width = static_cast<int>(text.text.size()) * kCharWidth;
        const int left = text.alignment == TextAlignment::Left ? text.x : text.x - width;
        const int wordLeft = kStatementHeadingX + static_cast<int>(heading.find(words[c])) * kCharWidth;
        const int wordRight = wordLeft + static_cast<int>(std::string(words[c]).size()) * kCharWidth;
        EXPECT_GE(left, previousRight + kCharWidth) << text.text;  // a blank between neighbours
        EXPECT_TRUE(left < wordRight && left + width > wordLeft) << text.text;
        previousRight = left + width;
    }
    EXPECT_LE(previousRight, 640);
    EXPECT_LE(kStatementHeadingX + static_cast<int>(heading.size()) * kCharWidth, 640);
    const PageText& total = texts[3 + kStatementColumnCount];
    const int labelEnd =
        kStatementTotalLabelX + static_cast<int>(std::string(kStatementTotalLabel).size()) * kCharWidth;
    EXPECT_LE(labelEnd + kCharWidth, total.x - static_cast<int>(total.text.size()) * kCharWidth);
    EXPECT_LE(total.x, 640);
}
