// The fixed texts of the news screen and the information screens, with the font sizes of their
// controls. Nothing here is built from the market: the texts hold no price, volume, index level or
// percentage, so no day of the shipped market can contradict them.
#pragma once

#include <string>
#include <vector>

// One control's text and its font height; where it sits is the dialog template's business.
struct PlacedText {
    int id;
    int fontHeight;    // a logical font height: negative means a character height in pixels
    const char* text;  // the control's caption; empty for a hidden button
};

// A screen's texts and the one face and weight its controls are given when it opens.
struct ScreenTexts {
    const char* fontFace;
    int fontWeight;
    std::vector<PlacedText> items;
};

// "NEWS": the front-page headline, the two columns of paragraphs and the hidden close button (10023),
// in "Times New Roman".
const ScreenTexts& newsScreenTexts();

// "ABOUT": the logo's graphic control (100, captioned "WMPGRAPHIC"), the version label (101), the
// publisher's (102) and developer's (106) lines, the other-games button (105), "&Credits" (10110) and
// "&OK" (10043), in "Helv".
const ScreenTexts& aboutScreenTexts();

// "CREDITS": the seven role captions, the eight names and the special-thanks sentence, in "Helv".
const ScreenTexts& creditsScreenTexts();

// "OGAMES": the seven paragraphs about the studio's other games (ids 109 to 115), in bold "Helv".
const ScreenTexts& otherGamesScreenTexts();

// The text a screen's table gives a control id; nullptr when the screen has no such control.
const char* textFor(const ScreenTexts& screen, int id);
