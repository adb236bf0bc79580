// The graph's geometry: every position is computed here so the screen only draws.
#include "views/Graph.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "model/MarketFiles.h"
#include "runtime/Formats.h"

namespace {
constexpr int kHorizontalDivisions = 4;
constexpr int kLeftTickStart = 55;
constexpr int kFourYearWindow = 1020;
constexpr double kScaleMargin = 1.01;
constexpr double kScaleMarginBelow = 0.9900990099009901;  // 1 / 1.01
constexpr std::size_t kCaptionLimit = 39;                 // a 40-byte caption with its terminator

const GraphRangeInfo kFourYears{1020, 3, 4, {1020, 765, 510, 255, 0}};
const GraphRangeInfo kOneYear{255, 1, 12, {255, 189, 126, 63, 0}};
const GraphRangeInfo kOneMonth{21, 1, 4, {21, 15, 10, 5, 0}};

// A price the graph can place: zero marks a day without trading, and a number the history reader would
// not take as a price means nothing either, so the scale and its labels stay within the prices' range.
bool isPriced(double price) {
    return isTradingPrice(price);
}

bool isShare(long long shareNumber) {
    return shareNumber >= 0 && shareNumber < kShareCount;
}

// The history element of a day counted back from the current one, as a wide index that may lie
// outside the buffer.
long long elementOf(int dayIndex, long long daysBack) {
    return kGraphHistorySize - 1 - static_cast<long long>(dayIndex) - daysBack;
}

// The integer part of the value printed with "%f": rounded to six decimals first, then truncated.
int sixDecimalIntegerPart(double value) {
    return std::atoi(formatFixed(value, 6).c_str());
}

std::vector<PlotLine> leftTicks() {
    std::vector<PlotLine> ticks;
    const int spacing = kPlotHeight / kHorizontalDivisions;
    for (int y = kPlotTop; (kHorizontalDivisions + 1) * spacing > y; y += spacing)
        ticks.push_back({{kLeftTickStart, y}, {kPlotLeft, y}});
    return ticks;
}

// Ticks along the bottom strip, accumulated by repeated addition as the grid is. A tick that would
// fall right of the plot is left out: it lies outside the dialog.
std::vector<PlotLine> bottomTicks(int divisions) {
    std::vector<PlotLine> ticks;
    const double spacing = static_cast<double>(kPlotWidth) / divisions;
    for (double x = kPlotLeft; (divisions + 2) * spacing > x; x += spacing) {
        const int column = static_cast<int>(x);
        if (column > kPlotLastColumn) break;
        ticks.push_back({{column, kPlotBottom}, {column, kAxisStripBottom}});
    }
    return ticks;
}

std::vector<PlotLine> gridLines(int divisions) {
    std::vector<PlotLine> lines;
    const double rowSpacing = static_cast<double>(kPlotHeight) / kHorizontalDivisions;
    for (double y = kPlotTop + rowSpacing; kHorizontalDivisions * rowSpacing > y; y += rowSpacing)
        lines.push_back({{kPlotLeft, static_cast<int>(y)}, {kPlotLastColumn, static_cast<int>(y)}});
    const double columnSpacing = static_cast<double>(kPlotWidth) / divisions;
    for (double x = kPlotLeft + columnSpacing; (divisions + 1) * columnSpacing > x; x += columnSpacing)
        lines.push_back({{static_cast<int>(x), kPlotTop}, {static_cast<int>(x), kPlotLastRow}});
    return lines;
}

std::vector<std::vector<PlotPoint>> priceLine(const GraphHistory& history, int dayIndex, GraphRange range,
                                              const GraphScale& scale) {
    const GraphRangeInfo& info = graphRangeInfo(range);
    std::vector<std::vector<PlotPoint>> runs;
    std::vector<PlotPoint> run;
    for (int daysBack = 0; daysBack <= info.days; daysBack += info.step) {
        const double price = graphPriceBefore(history, dayIndex, daysBack);
        if (isPriced(price)) {
            run.push_back({plotColumnOf(range, daysBack), plotRowOf(scale, price)});
        } else if (!run.empty()) {
            runs.push_back(std::move(run));
            run.clear();
        }
    }
    if (!run.empty()) runs.push_back(std::move(run));
    return runs;
}

// The price at a tick to the nearest quarter penny, so the label is never more than an eighth of a penny
// off its line; a label that rounds to nothing still reads "0p".
std::string quarterPennyLabel(double pence) {
    const double quarters = std::round(pence * 4.0) / 4.0;
    return quarters == 0.0 ? "0p" : formatGraphPriceLabel(quarters);
}

std::array<std::string, kDateLabelCount> dateLabels(const GameModel& model, GraphRange range) {
    std::array<std::string, kDateLabelCount> labels;
    const GraphRangeInfo& info = graphRangeInfo(range);
    for (int i = 0; i < kDateLabelCount; ++i) {
        const long long day = static_cast<long long>(model.dayIndex) + info.dateLabelDays[i];
        if (day <= INT32_MAX) labels[i] = dateOfDay(model, static_cast<int>(day));
    }
    return labels;
}

// The share at a place in the browse list; -1 past its end or for anything that is not a share. The place
// is wide, so the one after the largest browse position is simply past the end.
int browseShareAt(const GraphBrowse& browse, long long position) {
    if (position < 0 || position >= static_cast<long long>(browse.shares.size())) return kEmptySlot;
    const int shareNumber = browse.shares[static_cast<std::size_t>(position)];
    return isShare(shareNumber) ? shareNumber : kEmptySlot;
}
}  // namespace

const GraphRangeInfo& graphRangeInfo(GraphRange range) {
    switch (range) {
        case GraphRange::FourYears:
            return kFourYears;
        case GraphRange::OneMonth:
            return kOneMonth;
        case GraphRange::OneYear:
        default:
            return kOneYear;
    }
}

GraphHistory graphHistoryFromRecords(const double* records, int count) {
    GraphHistory history{};
    if (!records || count <= 2) return history;
    std::vector<double> repaired(static_cast<std::size_t>(count));
    double lastPriced = 0.0;
    for (int i = 0; i < count; ++i) {
        if (isPriced(records[i])) lastPriced = records[i];
        repaired[i] = lastPriced;
    }
    const int usable = count - 2;
    const int kept = std::min(usable, kGraphHistorySize);
    std::copy(repaired.begin() + (usable - kept), repaired.begin() + usable,
              history.begin() + (kGraphHistorySize - kept));
    return history;
}

GraphHistory loadGraphHistory(GameModel& model, int shareNumber) {
    if (!isShare(shareNumber)) return GraphHistory{};
    const int records = readPriceHistory(model, shareNumber);
    if (records <= 0) return GraphHistory{};
    return graphHistoryFromRecords(model.priceBuffer, std::min(records, kMaxPriceRecords));
}

double graphPriceBefore(const GraphHistory& history, int dayIndex, int daysBack) {
    const long long element = elementOf(dayIndex, daysBack);
    if (element < 0 || element >= kGraphHistorySize) return 0.0;
    return history[static_cast<std::size_t>(element)];
}

GraphScale computeGraphScale(const GraphHistory& history, int dayIndex, GraphRange range, int autoScale) {
    const int window = autoScale == 1 ? kFourYearWindow : graphRangeInfo(range).days;
    GraphScale scale;
    double lowest = 0.0;
    double highest = 0.0;
    for (int daysBack = 0; daysBack <= window; ++daysBack) {
        const double price = graphPriceBefore(history, dayIndex, daysBack);
        if (!isPriced(price)) continue;
        lowest = scale.hasPrices ? std::min(lowest, price) : price;
        highest = scale.hasPrices ? std::max(highest, price) : price;
        scale.hasPrices = true;
    }
    if (scale.hasPrices) {
        scale.bottom = lowest * kScaleMarginBelow;
        scale.top = highest * kScaleMargin;
    }
    return scale;
}

int plotRowOf(const GraphScale& scale, double price) {
    const double span = scale.top - scale.bottom;
    if (!(span > 0.0) || !std::isfinite(span)) return kPlotTop + kPlotHeight / 2;
    const double rowsPerPound = kPlotHeight / span;
    const double row = kPlotLastRow - (price - scale.bottom) * rowsPerPound;
    if (!(row >= kPlotTop)) return kPlotTop;  // also catches a row that is not a number
    if (row > kPlotLastRow) return kPlotLastRow;
    return sixDecimalIntegerPart(row);
}

int plotColumnOf(GraphRange range, int daysBack) {
    // Multiplying first keeps whole-pixel days exact: 560 / 255 first would put a tick's day a pixel left.
    // Sixty-four bits hold the product for any day count; a column past the int range is held at its end.
    const long long column =
        kPlotLastColumn - (daysBack * static_cast<long long>(kPlotWidth)) / graphRangeInfo(range).days;
    return static_cast<int>(std::clamp<long long>(column, INT_MIN, INT_MAX));
}

std::array<std::string, kPriceLabelCount> graphPriceLabels(const GraphScale& scale) {
    if (!scale.hasPrices) return {};
    const double top = scale.top;
    const double bottom = scale.bottom;
    const double values[kPriceLabelCount] = {top, bottom + (top - bottom) * 0.75, (top + bottom) * 0.5,
                                             bottom + (top - bottom) * 0.25, bottom};
    std::array<std::string, kPriceLabelCount> labels;
    for (int i = 0; i < kPriceLabelCount; ++i) labels[i] = quarterPennyLabel(values[i] * 100.0);
    return labels;
}

GraphPicture computeGraph(const GameModel& model, const GraphHistory& history, GraphRange range) {
    const GraphRangeInfo& info = graphRangeInfo(range);
    GraphPicture picture;
    picture.pictureBackground = model.graphBackground != 0;
    picture.lineWidth = model.graphThickLines != 0 || range == GraphRange::OneMonth ? 2 : 1;
    picture.scale = computeGraphScale(history, model.dayIndex, range, model.graphAutoScale);
    picture.priceLine = priceLine(history, model.dayIndex, range, picture.scale);
    if (model.graphGridLines != 0) picture.gridLines = gridLines(info.verticalDivisions);
    picture.leftTicks = leftTicks();
    picture.bottomTicks = bottomTicks(info.verticalDivisions);
    picture.priceLabels = graphPriceLabels(picture.scale);
    picture.dateLabels = dateLabels(model, range);
    return picture;
}

std::string graphCaption(const GameModel& model, int shareNumber) {
    std::string caption = "History of ";
    if (isShare(shareNumber)) {
        const char* name = model.shareTable[shareNumber].name;
        const void* end = std::memchr(name, '\0', kShareNameSize);
        caption.append(name, end ? static_cast<const char*>(end) - name : kShareNameSize);
    }
    if (caption.size() > kCaptionLimit) caption.resize(kCaptionLimit);
    return caption;
}

int GraphBrowse::shownShare() const {
    return browseShareAt(*this, position);
}

GraphBrowse browseAllShares(int shareNumber) {
    GraphBrowse browse{std::vector<int>(kShareCount), shareNumber};
    for (int share = 0; share < kShareCount; ++share) browse.shares[share] = share;
    return browse;
}

GraphStepping graphSteppingFor(const GraphBrowse& browse) {
    return {browseShareAt(browse, browse.position - 1LL) != kEmptySlot,
            browseShareAt(browse, browse.position + 1LL) != kEmptySlot};
}

bool stepGraphPrevious(GraphBrowse& browse) {
    if (!graphSteppingFor(browse).previous) return false;
    --browse.position;
    return true;
}

bool stepGraphNext(GraphBrowse& browse) {
    if (!graphSteppingFor(browse).next) return false;
    ++browse.position;
    return true;
}
