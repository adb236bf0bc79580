// The main screen's ticker and the fixed screen texts (plain ASCII, no figure a day's prices could belie).
#include "tests/core/TestKit.h"
#include "views/Ticker.h"
#include "views/NewsText.h"

namespace {
GameModel movedMarket() {
    GameModel model = fiftyShares([](int) { return 1.0; });
    // clang-format off
    const struct { int share; double previous, current; } moves[] = {{3, 1.0, 1.1},  {7, 2.0, 1.5},   {9, 0.0, 1.5},
                 {11, 1.5, 0.0}, {20, 0.5, 0.55}, {30, 1.0, NAN}};
    // clang-format on
    for (const auto& m : moves) {
        model.shareTable[m.share].previousPrice = m.previous;
        model.shareTable[m.share].currentPrice = m.current;
    }
    return model;
}
}  // namespace

TEST(Ticker, NamesTheBiggestMoversFirstWithTheWayEachMovedAndLeavesOutTheUnpriced) {
    GameModel model = movedMarket();
    const std::vector<int> shares = tickerShares(model);
    ASSERT_EQ(shares.size(), 47u) << "no price yesterday, none today, no number today";
    EXPECT_EQ(std::vector<int>(shares.begin(), shares.begin() + 6), (std::vector<int>{7, 3, 20, 0, 1, 2}));
    EXPECT_EQ(shares.back(), 49);
    const std::tuple<int, Movement> movements[] = {
        {7, Movement::Fell}, {3, Movement::Rose}, {0, Movement::Unchanged}, {9, Movement::Rose}};
    for (const auto& [share, movement] : movements) EXPECT_EQ(movementOf(model.shareTable[share]), movement);
}

TEST(Ticker, FillsItsRowsInOrderWithWholeNamesOnly) {
    GameModel model = movedMarket();
    std::memcpy(model.shareTable[1].name, "Twenty Characters Ok", kShareNameSize);  // no ending zero
    const auto sixEach = [](const std::string& text) { return 6 * static_cast<int>(text.size()); };
    using Shown = std::vector<std::tuple<std::string, Movement, int, int, int>>;
    const Shown four = {{"Company 7", Movement::Fell, 0, 0, 56},
                        {"Company 3", Movement::Rose, 0, 74, 130},
                        {"Company 20", Movement::Rose, 1, 0, 62},
                        {"Company 0", Movement::Unchanged, 1, 80, 136}};
    // Each item is its name at 6 pixels a character, 2 pixels, an 8-pixel mark, then 10 pixels' gap.
    // clang-format off
    const struct { int rows, width; Shown shown; } cases[] = {{2, 144, four},  // the fourth ends exactly at the row's end
                 {2, 143, Shown(four.begin(), four.begin() + 3)},
                 {1, 144, Shown(four.begin(), four.begin() + 2)},
                 {2, 63, {}}};  // not even one whole item
    // clang-format on
    for (const auto& c : cases) {
        Shown shown;
        for (const TickerItem& item : layTicker(model, {c.rows, c.width, 8, 2, 10}, sixEach))
            shown.emplace_back(item.name, item.movement, item.row, item.nameX, item.markX);
        EXPECT_EQ(shown, c.shown) << c.rows << " x " << c.width;
    }
    const std::vector<TickerItem> wide = layTicker(model, {1, 1000, 8, 2, 10}, sixEach);
    ASSERT_GT(wide.size(), 4u);
    EXPECT_EQ(std::tie(wide[4].name, wide[4].nameX), std::make_tuple("Twenty Characters Ok", 302));
}

TEST(ScreenTexts, PlainCharactersOneTextPerControlNoFigureInTheNewsAndTheBuildsVersion) {
    // The screens hand these bytes to the ANSI calls, where a byte above 127 from this UTF-8 source would
    // come out as two wrong characters; the paper is the same on every day, so it names no figure.
    for (const ScreenTexts* screen :
         {&newsScreenTexts(), &aboutScreenTexts(), &creditsScreenTexts(), &otherGamesScreenTexts()}) {
        std::set<int> ids;
        for (const PlacedText& item : screen->items) {
            EXPECT_TRUE(ids.insert(item.id).second) << "control " << item.id << " twice";
            for (const char c : std::string(item.text)) {
                EXPECT_TRUE(c >= ' ' && c <= '~') << "control " << item.id << ": " << item.text;
                if (screen == &newsScreenTexts()) {
                    EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(c)) || c == '%' || c == '$')
                        << item.text;
                }
            }
        }
    }
    EXPECT_EQ(std::string(textFor(aboutScreenTexts(), 101)), std::string("Version ") + TICKERDELL_VERSION);
    EXPECT_NE(std::string(textFor(aboutScreenTexts(), 105)).find("&G"), std::string::npos);
    EXPECT_EQ(textFor(aboutScreenTexts(), 999), nullptr);
}
