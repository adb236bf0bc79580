// The price graph: where every point, tick and label lands, the history buffer, and the stepping.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <tuple>

#include "model/MarketFiles.h"
#include "tests/core/TestFolder.h"
#include "views/Graph.h"

namespace {
constexpr int kToday = 100;
using Labels = std::array<std::string, 5>;

// 2.00 over the range with a 4.00 high, a 1.00 low and a day without trading on plotted days, and a
// 9.00 just before the range that only the four-year scale sees.
GraphHistory rangeHistory(GraphRange range) {
    const GraphRangeInfo& info = graphRangeInfo(range);
    GraphHistory history{};
    auto at = [&](int back) -> double& { return history[kGraphHistorySize - 1 - kToday - back]; };
    for (int back = 0; back <= info.days; ++back) at(back) = 2.0;
    at(2 * info.step) = 4.0, at(4 * info.step) = 1.0, at(6 * info.step) = 0.0, at(info.days + 1) = 9.0;
    return history;
}

GameModel datedModel(int dates) {
    GameModel model;
    model.dayIndex = kToday;
    model.dateCount = dates;
    for (int i = 0; i < dates; ++i) std::snprintf(model.dateTable[i], kDateTextSize, "D%d", i);
    return model;
}

std::vector<int> xs(const std::vector<PlotLine>& lines) {
    std::vector<int> result;
    for (const PlotLine& line : lines) result.push_back(line.from.x);
    return result;
}
}  // namespace

TEST(GraphGeometry, EachRangeSpansThePlotAndBreaksAtTheDayWithoutTrading) {
    for (GraphRange range : {GraphRange::FourYears, GraphRange::OneYear, GraphRange::OneMonth}) {
        const GraphRangeInfo& info = graphRangeInfo(range);
        SCOPED_TRACE(info.days);
        const GraphPicture picture = computeGraph(datedModel(1399), rangeHistory(range), range);
        // The scale's ends sit on the plot's first and last rows and the data 1% inside them: a price p
        // lies on row 422 - (p - 1/1.01) * 376 / (4.04 - 1/1.01): 297.5 for 2.00, 50.9 for 4.00, 420.8
        // for 1.00.
        EXPECT_DOUBLE_EQ(picture.scale.top, 4.04);
        EXPECT_DOUBLE_EQ(picture.scale.bottom, 1.0 / 1.01);
        EXPECT_EQ(plotRowOf(picture.scale, picture.scale.top), kPlotTop);
        EXPECT_EQ(plotRowOf(picture.scale, picture.scale.bottom), kPlotLastRow);
        ASSERT_EQ(picture.priceLine.size(), 2u);
        const auto& newer = picture.priceLine[0];
        const auto& older = picture.priceLine[1];
        ASSERT_EQ(newer.size(), 6u);
        EXPECT_EQ(newer[0], (PlotPoint{625, 297}));
        EXPECT_EQ(newer[2], (PlotPoint{625 - 2 * info.step * 560 / info.days, 50}));
        EXPECT_EQ(newer[4], (PlotPoint{625 - 4 * info.step * 560 / info.days, 420}));
        EXPECT_EQ(older.front().x, 625 - 7 * info.step * 560 / info.days);
        EXPECT_EQ(older.back().x, 65);
        EXPECT_EQ(newer.size() + older.size(), static_cast<std::size_t>(info.days / info.step));
    }
}

TEST(GraphGeometry, TicksGridAndLineWidthFollowTheRangeAndOptions) {
    GameModel model = datedModel(1399);
    model.graphGridLines = 1;
    const GraphPicture four = computeGraph(model, {}, GraphRange::FourYears);
    const GraphPicture year = computeGraph(model, {}, GraphRange::OneYear);
    EXPECT_EQ(xs(four.bottomTicks), (std::vector<int>{65, 205, 345, 485, 625}));
    EXPECT_EQ(xs(four.gridLines), (std::vector<int>{65, 65, 65, 205, 345, 485, 625}));
    EXPECT_EQ(four.leftTicks.size(), 5u);
    EXPECT_EQ(four.leftTicks.back().from.y, 422);
    EXPECT_EQ(four.gridLines[2].from.y, 328);
    EXPECT_EQ(year.bottomTicks.size(), 13u);
    EXPECT_EQ(year.bottomTicks.back().from.x, 625);
    EXPECT_EQ(year.gridLines.size(), 3u + 11u);
    EXPECT_EQ(year.gridLines[3].from.x, 111);
    EXPECT_EQ(year.gridLines.back().from.x, 578);
    EXPECT_EQ(four.lineWidth, 1);
    EXPECT_EQ(computeGraph(model, {}, GraphRange::OneMonth).lineWidth, 2);
    model.graphGridLines = 0, model.graphThickLines = 1, model.graphBackground = 0;
    const GraphPicture thick = computeGraph(model, {}, GraphRange::OneYear);
    EXPECT_EQ(thick.lineWidth, 2);
    EXPECT_TRUE(thick.gridLines.empty() && !thick.pictureBackground);
}

TEST(GraphLabels, PricesFromTheScaleAndDatesFromTheTable) {
    const GraphPicture year =
        computeGraph(datedModel(1399), rangeHistory(GraphRange::OneYear), GraphRange::OneYear);
    EXPECT_EQ(year.priceLabels, (Labels{"404p", "327\xBEp", "251\xBDp", "175\xBCp", "99p"}));
    EXPECT_EQ(year.dateLabels,
              (Labels{"D1042", "D1108", "D1171", "D1234", "D1297"}));  // day d: entry 1397 - d
    EXPECT_EQ(computeGraph(datedModel(1399), {}, GraphRange::FourYears).dateLabels,
              (Labels{"D277", "D532", "D787", "D1042", "D1297"}));

    GameModel autoScaled = datedModel(300);
    autoScaled.graphAutoScale = 1;
    const GraphPicture month =
        computeGraph(autoScaled, rangeHistory(GraphRange::OneMonth), GraphRange::OneMonth);
    EXPECT_EQ(month.priceLabels[0], "909p");  // the 9.00 before the month counts over four years
    EXPECT_EQ(month.dateLabels, (Labels{"D177", "D183", "D188", "D193", "D198"}));
    EXPECT_EQ(computeGraph(autoScaled, {}, GraphRange::FourYears).dateLabels,
              (Labels{"", "", "", "", "D198"}));

    GraphHistory flat{};
    flat.fill(2.0);
    const GraphPicture level = computeGraph(datedModel(1399), flat, GraphRange::OneMonth);
    EXPECT_EQ(level.priceLine[0].front().y, 234);
    EXPECT_EQ(level.priceLabels[2], "200p");
}

TEST(GraphBounds, NoDayIndexReadsOutsideTheBufferOrTheDates) {
    GraphHistory recent{};
    std::fill(recent.end() - 10, recent.end(), 1.5);
    GameModel model = datedModel(1399);
    for (int dayIndex : {INT_MIN, -3, 0, 5, 1399, 1400, 5000, INT_MAX}) {
        model.dayIndex = dayIndex;
        for (GraphRange range : {GraphRange::FourYears, GraphRange::OneYear, GraphRange::OneMonth}) {
            const GraphPicture picture = computeGraph(model, recent, range);
            const bool priced = dayIndex >= -3 && dayIndex <= 5;
            EXPECT_EQ(picture.priceLabels == Labels{}, !priced) << dayIndex;
            for (const auto& run : picture.priceLine)
                for (const PlotPoint& point : run)
                    EXPECT_TRUE(point.x >= kPlotLeft && point.x <= kPlotLastColumn && point.y >= kPlotTop &&
                                point.y <= kPlotLastRow);
        }
    }
    model.dayIndex = 0;
    const GraphPicture month = computeGraph(model, recent, GraphRange::OneMonth);
    EXPECT_EQ(month.priceLine[0].back().x, plotColumnOf(GraphRange::OneMonth, 9));  // where the data starts
}

TEST(GraphHistoryBuffer, GapsTakeThePreviousPriceAndTodayHoldsTheModelsPrice) {
    const std::vector<double> records{0.0, 0.0, 1.5, 0.0, -2.0, 2.5, 7.0, 8.0};
    const GraphHistory history = graphHistoryFromRecords(records.data(), static_cast<int>(records.size()));
    EXPECT_EQ(std::vector<double>(history.end() - 7, history.end()),
              (std::vector<double>{0.0, 0.0, 0.0, 1.5, 1.5, 1.5, 2.5}));
    EXPECT_EQ(graphHistoryFromRecords(records.data(), 2), GraphHistory{});

    MarketFolder folder;
    GameModel model;
    for (int length : {300, 1400, 1500}) {
        folder.writeHistory(3, rampPrices(3, length));
        const GraphHistory loaded = loadGraphHistory(model, 3);
        EXPECT_EQ(graphPriceBefore(loaded, 260, 0), priceOnDay(model, 3, 260)) << length;
        EXPECT_EQ(graphPriceBefore(loaded, 260, 1), priceOnDay(model, 3, 261)) << length;
    }
    EXPECT_EQ(loadGraphHistory(model, 4), GraphHistory{});  // no file
    EXPECT_EQ(loadGraphHistory(model, 50), GraphHistory{});
}

TEST(GraphStepping, PreviousAndNextThroughTheTableOrTheBrowseList) {
    struct Case {
        int position, share;
        std::vector<int> list;
        bool previous, next;
        int afterPrevious, afterNext;
    };
    const Case cases[] = {
        {-1, 0, {}, false, true, 0, 1},
        {-1, 49, {3, -1}, true, false, 48, 49},  // not the list
        {0, 5, {5, 7, -1}, false, true, 5, 7},
        {1, 7, {5, 7, -1}, true, false, 5, 7},
        {0, 5, {5, -1}, false, false, 5, 5},
        {10, 11, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, true, false, 10, 11},
    };
    for (const Case& c : cases) {
        GameModel model;
        model.graphBrowseList.fill(-1);
        std::copy(c.list.begin(), c.list.end(), model.graphBrowseList.begin());
        model.graphBrowsePosition = c.position, model.selectedShare = c.share;
        GameModel previous = model, next = model;
        const GraphStepping stepping = graphSteppingFor(model);
        EXPECT_EQ(std::make_tuple(stepping.previous, stepping.next, stepGraphPrevious(previous),
                                  stepGraphNext(next)),
                  std::make_tuple(c.previous, c.next, c.previous, c.next))
            << c.position << ' ' << c.share;
        EXPECT_EQ(previous.selectedShare, c.afterPrevious);
        EXPECT_EQ(next.selectedShare, c.afterNext);
        EXPECT_EQ(next.graphBrowsePosition, c.position + (c.next && c.position >= 0 ? 1 : 0));
    }
}
