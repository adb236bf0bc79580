// The transaction statement without windows: which records each page shows, every text drawn on a
// page and where, the page's commission total and the statement number.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/TransactionHistory.h"

// Where the statement's records come from; the game reads THistory\Trans.db, tests give them in memory.
class TransactionSource {
public:
    virtual ~TransactionSource() = default;
    // Whole records the source holds now.
    virtual int recordCount() = 0;
    // Record `index` from 0, oldest first; nothing when it cannot be read.
    virtual std::optional<TransactionRecord> record(int index) = 0;
};

// The history file.
class TransactionFileSource final : public TransactionSource {
public:
    int recordCount() override;
    std::optional<TransactionRecord> record(int index) override;
};

constexpr int kStatementRowsPerPage = 10;

// The page geometry, in client pixels of the 640-pixel page; "Courier New" 15 is 8 pixels a character.
// The STATE picture (tools/pictures/make_pictures.py) rules the table from x 32 to 632 and shades its
// heading band as wide; the headings' 73 characters stand 8 pixels inside it, from 40 to 624. Each column
// has a width in characters (kStatementColumnChars), and each figure column is right-aligned so that
// figures of that width keep a blank between neighbours and stay under their heading: a 9-character
// date, a 19-character name, a bracketed quantity of 10 characters, a 7-character price, a bracketed
// cost of 13 characters and a 9-character commission. A deal with a wider figure cannot be shown.
constexpr int kStatementTableLeft = 32;  // the rules and the heading band span [left, right)
constexpr int kStatementTableRight = 632;
constexpr int kStatementHeadingX = 40;
constexpr int kStatementHeadingY = 140;
constexpr int kStatementUnitsY = 155;
constexpr int kStatementFirstRowY = 175;
constexpr int kStatementRowHeight = 15;
constexpr int kStatementDateX = 40;         // left
constexpr int kStatementCompanyX = 120;     // left
constexpr int kStatementQuantityX = 360;    // right: the end of "Quantity"
constexpr int kStatementPriceX = 424;       // right: the end of "(p)"
constexpr int kStatementCostX = 536;        // right: two characters past "Cost", room for big sales
constexpr int kStatementCommissionX = 624;  // right: the end of "Commission"
// The page total's box on the picture, [left, right) by [top, bottom): the label and a total of ten of
// the widest commissions (10 characters) sit inside it, the total under the commission column.
constexpr int kStatementTotalBoxLeft = 328;
constexpr int kStatementTotalBoxRight = 632;
constexpr int kStatementTotalBoxTop = 372;
constexpr int kStatementTotalBoxBottom = 399;
constexpr int kStatementTotalLabelX = 336;  // left
constexpr int kStatementTotalX = 624;       // right
constexpr int kStatementTotalY = 380;
constexpr int kStatementNumberX = 550;  // right
constexpr int kStatementNumberY = 20;

constexpr const char* kStatementHeading =
    "Date      Company               Quantity    Price       Cost   Commission";
constexpr const char* kStatementUnits =
    "                                             (p)         (\xA3)   Charges(\xA3)";
constexpr const char* kStatementTotalLabel = "Total Page Commission(\xA3)";
constexpr const char* kStatementUnavailable = "The transaction history cannot be read.";
// The one line of a deal whose figures cannot be shown (see statementRow).
constexpr const char* kStatementUnreadableDeal = "This deal cannot be read";

// Which records the statement pages through and which page it shows.
struct StatementPaging {
    int firstRecord = 0;              // the source's index of the oldest record paged
    int recordCount = 0;              // records paged: the newest of the source's, at most transactionCount
    int pageCount = 1;                // (recordCount + 9) / 10, at least 1
    int pageNumber = 1;               // 1 for the oldest page
    bool historyUnavailable = false;  // deals were settled but the source holds none
};

// The statement as it opens, on its newest page: the newest transactionCount records of those the
// source really holds.
StatementPaging openStatement(int transactionCount, TransactionSource& source);

bool hasPreviousPage(const StatementPaging& paging);
bool hasNextPage(const StatementPaging& paging);
// Turn the page; false, with the paging unchanged, at either end.
bool previousPage(StatementPaging& paging);
bool nextPage(StatementPaging& paging);

// The source indexes [first, end) of the shown page: the newest page is full, the oldest holds the rest.
struct RecordRange {
    int first = 0;
    int end = 0;
};
RecordRange pageRecords(const StatementPaging& paging);

enum class StatementColumn { Date, Company, Quantity, Price, Cost, Commission };
constexpr int kStatementColumnCount = 6;
constexpr int kStatementColumnChars[kStatementColumnCount] = {9, 19, 10, 7, 13, 9};  // the widest texts

// One row's texts by column; all blank for a record that is neither a purchase nor a sale.
using StatementRow = std::array<std::string, kStatementColumnCount>;

// The row of one record: a purchase in plain figures, a sale with quantity and cost in brackets. A deal
// whose figures the game cannot have produced, or that do not fit their columns (a record from a file
// replaced during play), is one line, kStatementUnreadableDeal in the date column: a quantity below
// zero, a price, cost or commission that is not a finite number or is below zero, or a text wider than
// its column. A negative zero is zero, and shows as 0.00.
StatementRow statementRow(const TransactionRecord& record);

struct StatementPage {
    std::vector<StatementRow> rows;   // up to ten, top to bottom
    std::string pageTotal;            // "%.2f" of the commissions shown; blank on an empty page
    std::string statementNumber;      // "Statement No : %03d"; blank on an empty page
    bool historyUnavailable = false;  // the records could not all be read: say so, show no total
};

// Reads the shown page's records; stops at the first that cannot be read.
StatementPage buildStatementPage(const StatementPaging& paging, TransactionSource& source);

enum class TextAlignment { Left, Right };

struct PageText {
    int x = 0;
    int y = 0;
    TextAlignment alignment = TextAlignment::Left;
    std::string text;
};

// Every text drawn over the STATE picture, headings first, in "Courier New" 15, black, transparent.
std::vector<PageText> statementTexts(const StatementPage& page);
