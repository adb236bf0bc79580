#include "tests/core/TestKit.h"
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
    for (int i = 0; i < dates; ++i) ("D" + std::to_string(i)).copy(model.dateTable[i], kDateTextSize - 1);
    return model;
}

std::string axis(const std::vector<PlotLine>& lines, int PlotPoint::*along) {
    std::string text;
    for (const PlotLine& line : lines) text += std::to_string(line.from.*along) + ' ';
    return text;
}
}  // namespace

TEST(GraphPicture, EachRangesLineLabelsTicksAndGridThenTheOptionsAutoScaleAndShortDates) {
    // The line's width, the columns of the points 2, 4 and 7 plotted days back, the dates (date d is the
    // table's entry 1397 - d), the ticks and the grid's columns.
    const char *fifths = "65 205 345 485 625 ", *grid = "65 65 65 205 345 485 625 ";
    // clang-format off
    const struct { GraphRange range; int lineWidth, column2, column4, column7; const char *dates, *ticks, *gridColumns; } cases[] = {
        {GraphRange::FourYears, 1, 622, 619, 614, "D277 D532 D787 D1042 D1297", fifths, grid},
        {GraphRange::OneYear, 1, 621, 617, 610, "D1042 D1108 D1171 D1234 D1297", "65 111 158 204 251 298 345 391 438 485 531 578 625 ",
         "65 65 65 111 158 204 251 298 345 391 438 485 531 578 "},
        {GraphRange::OneMonth, 2, 572, 519, 439, "D1276 D1282 D1287 D1292 D1297", fifths, grid}};
    // clang-format on
    GameModel model = datedModel(1399);
    model.graphGridLines = 1;
    for (const auto& c : cases) {
        const GraphRangeInfo& info = graphRangeInfo(c.range);
        SCOPED_TRACE(info.days);
        const GraphPicture picture = computeGraph(model, rangeHistory(c.range), c.range);
        // The data lies 1% inside the scale's ends: 2.00 on row 297.5, 4.00 on 50.9, 1.00 on 420.8; the day
        // without trading breaks the line.
        const auto& runs = picture.priceLine;
        ASSERT_EQ(runs.size(), 2u);
        ASSERT_EQ(runs[0].size(), 6u);
        EXPECT_EQ(
            (std::vector<PlotPoint>{runs[0][0], runs[0][2], runs[0][4], runs[1].front(), runs[1].back()}),
            (std::vector<PlotPoint>{
                {625, 297}, {c.column2, 50}, {c.column4, 420}, {c.column7, 297}, {65, 297}}));
        EXPECT_EQ(runs[0].size() + runs[1].size(), static_cast<std::size_t>(info.days / info.step));
        EXPECT_EQ(joined(picture.priceLabels, " "), "404p 327\xBEp 251\xBDp 175\xBCp 99p");
        EXPECT_EQ(joined(picture.dateLabels, " "), c.dates);
        EXPECT_EQ(std::make_tuple(picture.lineWidth, picture.pictureBackground),
                  std::make_tuple(c.lineWidth, true));
        EXPECT_EQ(axis(picture.leftTicks, &PlotPoint::y), "46 140 234 328 422 ");
        EXPECT_EQ(axis(picture.bottomTicks, &PlotPoint::x), c.ticks);
        EXPECT_EQ(axis(picture.gridLines, &PlotPoint::x), c.gridColumns);  // three rows, then the columns
        EXPECT_EQ(axis(picture.gridLines, &PlotPoint::y).substr(0, 12), "140 234 328 ");
    }
    model.graphGridLines = 0, model.graphThickLines = 1, model.graphBackground = 0;
    const GraphPicture plain = computeGraph(model, {}, GraphRange::OneYear);
    EXPECT_TRUE(plain.lineWidth == 2 && plain.gridLines.empty() && !plain.pictureBackground);

    GameModel autoScaled = datedModel(300);
    autoScaled.graphAutoScale = 1;
    const GraphPicture month =
        computeGraph(autoScaled, rangeHistory(GraphRange::OneMonth), GraphRange::OneMonth);
    EXPECT_EQ(month.priceLabels[0], "909p");  // the 9.00 before the month counts over four years
    EXPECT_EQ(joined(month.dateLabels, " "), "D177 D183 D188 D193 D198");
    EXPECT_EQ(joined(computeGraph(autoScaled, {}, GraphRange::FourYears).dateLabels, " "), "    D198");
    GraphHistory flat{};
    flat.fill(2.0);
    const GraphPicture level = computeGraph(datedModel(1399), flat, GraphRange::OneMonth);
    EXPECT_EQ(level.priceLine[0].front().y, 234);
    EXPECT_EQ(level.priceLabels[2], "200p");
}

TEST(GraphBounds, NoDayIndexReadsOutsideTheBufferOrTheDatesAndAnyColumnIsHeldToTheIntRange) {
    EXPECT_EQ(graphPriceLabels({false, 1.0, 2.0}), Labels{});
    EXPECT_EQ(plotRowOf({true, 100.0, 100.5}, 100.5), kPlotTop);  // a span under a pound still spreads
    GraphHistory recent{};
    std::fill(recent.end() - 10, recent.end(), 1.5);
    GameModel model = datedModel(1399);
    for (int dayIndex : {INT_MIN, -3, 0, 5, 1399, 1400, 5000, INT_MAX}) {
        model.dayIndex = dayIndex;
        for (GraphRange range : {GraphRange::FourYears, GraphRange::OneYear, GraphRange::OneMonth}) {
            const GraphPicture picture = computeGraph(model, recent, range);
            EXPECT_EQ(picture.priceLabels == Labels{}, dayIndex < -3 || dayIndex > 5) << dayIndex;
            for (const auto& run : picture.priceLine)
                for (const PlotPoint& point : run)
                    EXPECT_TRUE(point.x >= kPlotLeft && point.x <= kPlotLastColumn && point.y >= kPlotTop &&
                                point.y <= kPlotLastRow);
        }
    }
}

TEST(GraphHistoryBuffer, GapsTakeThePreviousPriceAndTodayHoldsTheModelsPrice) {
    const std::vector<double> records{0.0, 0.0, 1.5, 0.0, -2.0, 2.5, 1e308, 1e15, 100.01, 0.002, 7.0, 8.0};
    const GraphHistory history = graphHistoryFromRecords(records.data(), static_cast<int>(records.size()));
    EXPECT_EQ(std::vector<double>(history.end() - 11, history.end()),
              (std::vector<double>{0.0, 0.0, 0.0, 1.5, 1.5, 1.5, 2.5, 2.5, 2.5, 2.5, 2.5}));
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

// Stepping through the table or a browse list is in the rows of cases.tsv.
