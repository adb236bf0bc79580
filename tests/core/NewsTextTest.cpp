// The fixed screen texts: nothing a day's prices could contradict, and nothing the code page garbles.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "views/NewsText.h"

TEST(ScreenTexts, PlainCharactersOneTextPerControlAndNoFigureInTheNews) {
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
}

TEST(ScreenTexts, AboutShowsTheBuildsVersionAndItsAccelerators) {
    EXPECT_EQ(std::string(textFor(aboutScreenTexts(), 101)), std::string("Version ") + TICKERDELL_VERSION);
    EXPECT_NE(std::string(textFor(aboutScreenTexts(), 105)).find("&G"), std::string::npos);
    EXPECT_EQ(textFor(aboutScreenTexts(), 999), nullptr);
}
