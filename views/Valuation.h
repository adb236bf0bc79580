// The portfolio valuation without windows: its list lines, its four totals, and the shares it hands to
// the graph.
#pragma once

#include <string>
#include <vector>

#include "model/GameModel.h"
#include "views/Graph.h"

// The text every total shows while the list is empty.
constexpr const char* kEmptyValuationTotal =
    "\xA3"
    "0";

// A holding is listed while it holds shares; a slot waiting for its first purchase is not.
bool isValuationListed(const Holding& holding);

// '*' when the held shares come from more than one purchase, otherwise ' '. A single repeat purchase
// that is still pending leaves the held shares all from one purchase.
char averagePriceMark(const Holding& holding);

// The characters of a list line that each column's widest figure takes, first to last, left to right:
// held quantity, date bought, average buying price with its mark, total cost, price now, value now. The
// columns hold the widest figures the game can produce: 2,147,483,647 shares, a nine-character date,
// prices of at most five characters (kHighestPrice), a value of at most 2,147,483,647 shares at
// £100.00 and a total cost below £1,000,000,000,000; a blank stands between any two of them.
struct ValuationColumn {
    int first;
    int last;
};
constexpr ValuationColumn kValuationColumns[] = {{20, 29}, {31, 39}, {41, 46}, {48, 62}, {64, 68}, {70, 84}};
constexpr int kValuationLineLength = 85;

// One list line: name, held quantity, date bought, average buying price, its mark, total cost with
// the broker's charges, today's price and today's value. The holding must be listed.
std::string valuationLine(const GameModel& model, const Holding& holding);

struct ValuationDisplay {
    std::vector<std::string> lines;  // row r shows holding r
    std::string feesToDate = kEmptyValuationTotal;
    std::string portfolioValue = kEmptyValuationTotal;
    std::string cashBalance = kEmptyValuationTotal;
    std::string total = kEmptyValuationTotal;  // portfolio value plus cash, under the rule
};

// Rebuilds the whole display and recomputes portfolioValue. Call it again after the graph returns: a
// purchase there changes the figures.
ValuationDisplay buildValuation(GameModel& model);

// "&Graph" on a row: the listed shares, starting at the row's. An empty list when the row shows no
// holding (an empty valuation has no row to graph).
GraphBrowse valuationBrowse(const GameModel& model, int row);
