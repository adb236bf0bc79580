// The price-history graph without windows: the history buffer, the price scale, every line, tick and
// label the graph screen draws, and the Previous/Next stepping. The screen only draws what this returns.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/GameModel.h"

// The graph's history buffer: the newest usable price is the last element.
constexpr int kGraphHistorySize = 1400;
using GraphHistory = std::array<double, kGraphHistorySize>;

// The plot rectangle in client pixels; right and bottom are exclusive, so its last column is 625 and
// its last row 422.
constexpr int kPlotLeft = 65;
constexpr int kPlotTop = 46;
constexpr int kPlotRight = 626;
constexpr int kPlotBottom = 423;
constexpr int kPlotLastColumn = kPlotRight - 1;
constexpr int kPlotLastRow = kPlotBottom - 1;
constexpr int kPlotWidth = kPlotLastColumn - kPlotLeft;  // 560
constexpr int kPlotHeight = kPlotLastRow - kPlotTop;     // 376

// The strips left of and under the plot that carry the tick marks: (1, 46)-(65, 432), (65, 423)-(626, 432).
constexpr int kAxisStripLeft = 1;
constexpr int kAxisStripBottom = 432;

constexpr int kPriceLabelCount = 5;
constexpr int kDateLabelCount = 5;

enum class GraphRange { FourYears, OneYear, OneMonth };

struct GraphRangeInfo {
    int days;                                        // N: trading days from the oldest plotted day to today
    int step;                                        // every step-th day is plotted
    int verticalDivisions;                           // column divisions of the plot
    std::array<int, kDateLabelCount> dateLabelDays;  // trading days before today, left to right
};

const GraphRangeInfo& graphRangeInfo(GraphRange range);

// The buffer for `count` price records read oldest first: a day without trading (zero, or anything that
// is no trading price, isTradingPrice) takes the last priced value before it; the last two records belong
// to days after the data's end and are left out; the newest kGraphHistorySize of the rest are copied so
// the newest lands in the last element; elements without data are 0.
GraphHistory graphHistoryFromRecords(const double* records, int count);

// The share's history file read through the model's price buffer (so today's element holds the price
// the model has for today). A missing or unreadable file, or a share number outside the table, gives an
// all-zero buffer: an empty plot.
GraphHistory loadGraphHistory(GameModel& model, int shareNumber);

// The history element of the day `daysBack` trading days before the current day; 0.0 when that day
// lies outside the buffer.
double graphPriceBefore(const GraphHistory& history, int dayIndex, int daysBack);

struct GraphScale {
    bool hasPrices = false;  // false when no priced day lies in the scale's window
    double bottom = 0.0;     // pounds at the plot's last row: the lowest price / 1.01
    double top = 0.0;        // pounds at the plot's top row: the highest price * 1.01
};

// The price axis over the range's days, or over the four-year window when autoScale is 1.
GraphScale computeGraphScale(const GraphHistory& history, int dayIndex, GraphRange range, int autoScale);

// The plot row of a price: the scale's top on row 46, its bottom on row 422. The row is the integer
// part of the row printed with six decimals, so 233.9999996 gives 234. Never outside the plot.
int plotRowOf(const GraphScale& scale, double price);

// The five price labels, top to bottom: the scale's top, three quarters, half, one quarter and its
// bottom, each the price at its tick rounded to the nearest quarter penny; blank without prices.
std::array<std::string, kPriceLabelCount> graphPriceLabels(const GraphScale& scale);

// The plot column of the day `daysBack` trading days before today: 625 - daysBack * 560 / N, held to
// the int range for a day count far outside the range.
int plotColumnOf(GraphRange range, int daysBack);

struct PlotPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PlotPoint& other) const { return x == other.x && y == other.y; }
};

// A GDI-style line: drawn from `from` up to, but not including, `to`.
struct PlotLine {
    PlotPoint from;
    PlotPoint to;
};

// Everything the graph screen draws and shows for one share, range and set of options.
struct GraphPicture {
    bool pictureBackground = true;  // the "GRAPDARK" bitmap; otherwise a navy fill with a black outline
    int lineWidth = 1;              // 2 for thick lines and for the one-month range
    // The price line, newest day first; one polyline per unbroken run of priced days. A run may be a
    // single point.
    std::vector<std::vector<PlotPoint>> priceLine;
    std::vector<PlotLine> gridLines;  // dotted grey, under the price line; empty when grid lines are off
    std::vector<PlotLine> leftTicks;
    std::vector<PlotLine> bottomTicks;
    std::array<std::string, kPriceLabelCount> priceLabels;  // top to bottom; blank without prices
    std::array<std::string, kDateLabelCount> dateLabels;    // left to right; blank outside the dates
    GraphScale scale;
};

// The whole picture from the model's day, dates and display options.
GraphPicture computeGraph(const GameModel& model, const GraphHistory& history, GraphRange range);

// "History of " and the share's name.
std::string graphCaption(const GameModel& model, int shareNumber);

// The shares the graph's Previous and Next step through, in their order, and the place in them of
// the share shown.
struct GraphBrowse {
    std::vector<int> shares;
    int position = 0;

    // The share shown; -1 when the position is outside the list or holds no share.
    int shownShare() const;
};

// Every share in table order, starting at `shareNumber`: the share index's browsing.
GraphBrowse browseAllShares(int shareNumber);

struct GraphStepping {
    bool previous = false;
    bool next = false;
};

// Which stepping buttons work: a neighbour in the list that is a share.
GraphStepping graphSteppingFor(const GraphBrowse& browse);

// Steps to the previous or next share; false, with the browse unchanged, when there is none. The
// caller then loads and shows the new share.
bool stepGraphPrevious(GraphBrowse& browse);
bool stepGraphNext(GraphBrowse& browse);
