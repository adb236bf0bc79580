// Statement pages: the records each page shows and the texts drawn for them.
#include "views/Statement.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "runtime/Formats.h"

namespace {
constexpr int kPriceWidth = 6;

struct ColumnPlace {
    int x;
    TextAlignment alignment;
};

constexpr ColumnPlace kColumnPlaces[kStatementColumnCount] = {
    {kStatementDateX, TextAlignment::Left},      {kStatementCompanyX, TextAlignment::Left},
    {kStatementQuantityX, TextAlignment::Right}, {kStatementPriceX, TextAlignment::Right},
    {kStatementCostX, TextAlignment::Right},     {kStatementCommissionX, TextAlignment::Right},
};

bool isDeal(const TransactionRecord& record) {
    return record.action == kBuyAction || record.action == kSellAction;
}

std::string padLeft(std::string text, std::size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string bracketed(const std::string& text) {
    std::string result(1, '(');
    result += text;
    result += ')';
    return result;
}

// A purchase's price is its value over its quantity; a purchase of no shares shows the day's price
// rather than dividing by zero.
double purchasePricePence(const TransactionRecord& record) {
    if (record.quantity == 0) return record.price * 100.0;
    return record.amount / record.quantity * 100.0;
}

// A figure the game can have worked out: a finite number, not below zero. A negative zero, which only
// a foreign file holds, is zero.
std::optional<double> showableFigure(double value) {
    if (!std::isfinite(value) || value < 0.0) return std::nullopt;
    return value == 0.0 ? 0.0 : value;
}

bool fitsItsColumns(const StatementRow& row) {
    for (int c = 0; c < kStatementColumnCount; ++c)
        if (static_cast<int>(row[c].size()) > kStatementColumnChars[c]) return false;
    return true;
}

StatementRow unreadableRow() {
    StatementRow row;
    row[static_cast<int>(StatementColumn::Date)] = kStatementUnreadableDeal;
    return row;
}

// Blank rows and unreadable deals show no commission.
bool showsCommission(const StatementRow& row) {
    return !row[static_cast<int>(StatementColumn::Commission)].empty();
}

std::string statementNumberText(int pageNumber) {
    char text[40];
    std::snprintf(text, sizeof text, "Statement No : %03d", pageNumber);
    return text;
}

int pagesFor(int records) {
    return std::max(1, records / kStatementRowsPerPage + (records % kStatementRowsPerPage != 0 ? 1 : 0));
}

int rowY(std::size_t row) {
    return kStatementFirstRowY + kStatementRowHeight * static_cast<int>(row);
}
}  // namespace

int TransactionFileSource::recordCount() {
    return transactionFileRecordCount();
}

std::optional<TransactionRecord> TransactionFileSource::record(int index) {
    return readTransaction(index);
}

StatementPaging openStatement(int transactionCount, TransactionSource& source) {
    const int held = std::max(0, source.recordCount());
    const int settled = std::max(0, transactionCount);
    StatementPaging paging;
    paging.recordCount = std::min(settled, held);
    paging.firstRecord = held - paging.recordCount;
    paging.pageCount = pagesFor(paging.recordCount);
    paging.pageNumber = paging.pageCount;
    paging.historyUnavailable = settled > 0 && held == 0;
    return paging;
}

bool hasPreviousPage(const StatementPaging& paging) {
    return paging.pageNumber > 1;
}

bool hasNextPage(const StatementPaging& paging) {
    return paging.pageNumber < paging.pageCount;
}

bool previousPage(StatementPaging& paging) {
    if (!hasPreviousPage(paging)) return false;
    --paging.pageNumber;
    return true;
}

bool nextPage(StatementPaging& paging) {
    if (!hasNextPage(paging)) return false;
    ++paging.pageNumber;
    return true;
}

RecordRange pageRecords(const StatementPaging& paging) {
    const long long pagesAfter = static_cast<long long>(paging.pageCount) - paging.pageNumber;
    const long long end = paging.recordCount - pagesAfter * kStatementRowsPerPage;
    const long long first = std::max(0LL, end - kStatementRowsPerPage);
    if (end <= 0 || end > paging.recordCount) return {paging.firstRecord, paging.firstRecord};
    return {paging.firstRecord + static_cast<int>(first), paging.firstRecord + static_cast<int>(end)};
}

StatementRow statementRow(const TransactionRecord& record) {
    StatementRow row;
    if (!isDeal(record)) return row;
    const bool sale = record.action == kSellAction;
    const std::optional<double> price =
        showableFigure(sale ? record.price * 100.0 : purchasePricePence(record));
    const std::optional<double> cost = showableFigure(record.quantity * record.price);
    const std::optional<double> commission = showableFigure(record.commission);
    if (record.quantity < 0 || !price || !cost || !commission) return unreadableRow();
    row[static_cast<int>(StatementColumn::Date)] = record.date;
    row[static_cast<int>(StatementColumn::Company)] = record.name;
    row[static_cast<int>(StatementColumn::Quantity)] =
        sale ? bracketed(std::to_string(record.quantity)) : std::to_string(record.quantity);
    row[static_cast<int>(StatementColumn::Price)] = padLeft(formatPrice(*price), kPriceWidth);
    row[static_cast<int>(StatementColumn::Cost)] =
        sale ? formatBracketedAmount(0, *cost) : formatFixed(*cost, 2);
    row[static_cast<int>(StatementColumn::Commission)] = formatFixed(*commission, 2);
    return fitsItsColumns(row) ? row : unreadableRow();
}

StatementPage buildStatementPage(const StatementPaging& paging, TransactionSource& source) {
    StatementPage page;
    page.historyUnavailable = paging.historyUnavailable;
    const RecordRange range = pageRecords(paging);
    if (range.first >= range.end) return page;

    double commissionTotal = 0.0;
    for (int index = range.first; index < range.end; ++index) {
        const std::optional<TransactionRecord> record = source.record(index);
        if (!record) {
            page.historyUnavailable = true;
            break;
        }
        page.rows.push_back(statementRow(*record));
        // The total adds the figures as shown, so it always agrees with the column above it.
        if (showsCommission(page.rows.back())) commissionTotal += shownAmount(record->commission);
    }
    page.statementNumber = statementNumberText(paging.pageNumber);
    if (!page.historyUnavailable) page.pageTotal = formatFixed(commissionTotal, 2);
    return page;
}

std::vector<PageText> statementTexts(const StatementPage& page) {
    std::vector<PageText> texts = {
        {kStatementHeadingX, kStatementHeadingY, TextAlignment::Left, kStatementHeading},
        {kStatementHeadingX, kStatementUnitsY, TextAlignment::Left, kStatementUnits},
        {kStatementTotalLabelX, kStatementTotalY, TextAlignment::Left, kStatementTotalLabel},
    };
    for (std::size_t r = 0; r < page.rows.size(); ++r)
        for (int c = 0; c < kStatementColumnCount; ++c)
            if (!page.rows[r][c].empty())
                texts.push_back({kColumnPlaces[c].x, rowY(r), kColumnPlaces[c].alignment, page.rows[r][c]});
    if (!page.pageTotal.empty())
        texts.push_back({kStatementTotalX, kStatementTotalY, TextAlignment::Right, page.pageTotal});
    if (!page.statementNumber.empty())
        texts.push_back({kStatementNumberX, kStatementNumberY, TextAlignment::Right, page.statementNumber});
    if (page.historyUnavailable)
        texts.push_back({kStatementDateX,
                         rowY(std::min<std::size_t>(page.rows.size(), kStatementRowsPerPage - 1)),
                         TextAlignment::Left, kStatementUnavailable});
    return texts;
}
