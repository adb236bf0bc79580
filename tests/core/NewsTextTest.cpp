// The fixed screen texts: nothing a day's prices could contradict, and nothing the code page garbles.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "views/NewsText.h"

namespace {
const ScreenTexts* const kScreens[] = {&newsScreenTexts(), &aboutScreenTexts(), &creditsScreenTexts(),
                                       &otherGamesScreenTexts()};
}

TEST(ScreenTexts, TheNewsNamesNoFigure) {
    for (const PlacedText& item : newsScreenTexts().items)
        for (const char c : std::string(item.text))
            EXPECT_TRUE(!std::isdigit(static_cast<unsigned char>(c)) && c != '%' && c != '$' && c != '\xA3')
                << "control " << item.id << ": " << item.text;
}

TEST(ScreenTexts, PlainCharactersAndOneTextPerControl) {
    // The screens hand these bytes to the ANSI calls: a byte above 127 from this UTF-8 source would
    // come out as two wrong characters.
    for (const ScreenTexts* screen : kScreens) {
        std::set<int> ids;
        for (const PlacedText& item : screen->items) {
            EXPECT_TRUE(ids.insert(item.id).second) << "control " << item.id << " twice";
            for (const char c : std::string(item.text))
                EXPECT_TRUE(c >= ' ' && c <= '~') << "control " << item.id << ": " << item.text;
        }
    }
    EXPECT_EQ(otherGamesScreenTexts().items.size(), 7u);
    EXPECT_EQ(creditsScreenTexts().items.size(), 15u);
}

TEST(ScreenTexts, AboutShowsTheBuildsVersionAndItsAccelerators) {
    EXPECT_EQ(std::string(textFor(aboutScreenTexts(), 101)), aboutVersionLabel());
    EXPECT_EQ(aboutVersionLabel(), std::string("Version ") + TICKERDELL_VERSION);
    EXPECT_NE(std::string(textFor(aboutScreenTexts(), 105)).find("&G"), std::string::npos);
    EXPECT_EQ(textFor(aboutScreenTexts(), 999), nullptr);
}
