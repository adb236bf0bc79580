// The main screen's ticker and the fixed screen texts (plain ASCII, no figure a day's prices could belie).
#include "tests/core/TestKit.h"
#include "views/Ticker.h"
#include "views/NewsText.h"

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

// How the ticker fills its rows is in the rows of cases.tsv.
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
