// The words of the news and information screens. The news is fixed copy about the listed companies and
// the game; it names no figure, because the paper is the same on every trading day the player reaches.
#include "views/NewsText.h"

#ifndef TICKERDELL_VERSION
#error "TICKERDELL_VERSION is set by the build from the project's version"
#endif

namespace {
constexpr int kNewsColumnFont = -15;
constexpr int kNewsHiddenButtonFont = -13;
constexpr int kHelvLine = -13;
constexpr int kHelvButton = -11;
}  // namespace

const ScreenTexts& newsScreenTexts() {
    static const ScreenTexts screen{
        "Times New Roman",
        400,
        {
            {101, -43, "Market Hits Record High"},
            {108, kNewsColumnFont,
             "Brisk trading carried the market index to a record during the morning, with Aldermoor Bank "
             "and Pemberton Mutual in demand, before profit taking pulled it back by the close."},
            {109, kNewsColumnFont,
             "Dealers say the trend is still rising, and Fairhaven Oil and Kessock Turbines remain the "
             "City's favourites."},
            {111, kNewsColumnFont,
             "Heavy trading was seen in Vantrell Systems after the company said it would sell Tickerdell, "
             "a new share-dealing game from Dellwood Pixel Works, in its shops."},
            {112, kNewsColumnFont, "Dealing went on late into the day."},
            {113, kNewsColumnFont,
             "Tickerdell lets players buy and sell shares, ring their broker and watch their portfolio "
             "grow, all without risking a penny of their own."},
            {110, kNewsColumnFont,
             "\"I shall play it every evening,\" said one dealer. \"It is the only market where my losses "
             "stay on the screen.\""},
            {114, kNewsColumnFont,
             "Analysts expect the game to do well with seasoned investors and newcomers alike, and some "
             "say it will be hard to find in the shops by the holidays."},
            {10023, kNewsHiddenButtonFont, ""},
        },
    };
    return screen;
}

const ScreenTexts& aboutScreenTexts() {
    static const ScreenTexts screen{
        "Helv",
        400,
        {
            {100, kHelvButton, "WMPGRAPHIC"},  // the logo's graphic control
            {101, -24, "Version " TICKERDELL_VERSION},
            {102, kHelvLine, "Published by Dellwood Pixel Works"},
            {106, kHelvLine, "Developed by the Dellwood team"},
            {105, kHelvButton, "Dellwood &Games Club"},
            {10110, kHelvButton, "&Credits"},
            {10043, kHelvButton, "&OK"},
        },
    };
    return screen;
}

const ScreenTexts& creditsScreenTexts() {
    // The name boxes are narrow (the project manager's is thirty units), so the names are short; the
    // thanks box holds two lines.
    static const ScreenTexts screen{
        "Helv",
        400,
        {
            {101, kHelvLine, "Program and design :"},
            {102, kHelvLine, "Concept and additional design :"},
            {103, kHelvLine, "Quality assurance :"},
            {104, kHelvLine, "Special thanks :"},
            {107, kHelvLine, "Graphics :"},
            {111, kHelvLine, "Project manager :"},
            {114, kHelvLine, "Install programmer :"},
            {105, kHelvLine, "Tamsin Wrey"},
            {106, kHelvLine, "Owain Farrant"},
            {108, kHelvLine, "Hugo Blethyn"},
            {109, kHelvLine, "Mira Calloway"},
            {110, kHelvLine, "Ada Quint"},
            {112, kHelvLine, "Kit Orme"},
            {115, kHelvLine, "Sol Marchbank"},
            {113, kHelvLine, "Our families, and everyone who rang the broker just one more time."},
        },
    };
    return screen;
}

const ScreenTexts& otherGamesScreenTexts() {
    static const ScreenTexts screen{
        "Helv",
        700,
        {
            {109, kHelvLine,
             "Dellwood Pixel Works makes games that reward a steady hand and a long view. Here is what the "
             "team is working on now."},
            {110, kHelvLine,
             "Tidewater: sail a little sloop around the islands of a coast that exists only on our charts. "
             "Read the wind, trim the sails and beat the clock in a season of regattas, from a quiet "
             "harbour to the open sea."},
            {111, kHelvLine,
             "Branch Line: build a country railway one station at a time, write the timetable and keep the "
             "farmers, the quarry and the holiday crowds moving. Every late train costs you passengers."},
            {112, kHelvLine,
             "Fairway Flyer: a windswept links course, a swing you time with the mouse, and a caddie who is "
             "never short of advice."},
            {113, kHelvLine, "All three are coming soon from Dellwood Pixel Works."},
            {114, kHelvLine,
             "Members of the Dellwood Games Club hear of each new game first and can try it before it "
             "reaches the shops. Joining costs nothing."},
            {115, kHelvLine,
             "To hear more, look for the green Dellwood seal on the shelves of your games shop, or ask the "
             "shop to put your name on the club's list."},
        },
    };
    return screen;
}

const char* textFor(const ScreenTexts& screen, int id) {
    for (const PlacedText& item : screen.items)
        if (item.id == id) return item.text;
    return nullptr;
}
