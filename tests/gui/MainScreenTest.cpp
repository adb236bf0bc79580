// The main screen as the player sees it: hosted in the main window, its buttons over its picture,
// today's date, the pending-orders marker, the Alt keys, deleting pending orders, a missing bitmap.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/MarketFiles.h"
#include "resources/resource.h"
#include "runtime/win32/BitmapDisplay.h"
#include "runtime/win32/DialogHost.h"
#include "runtime/win32/GdiHandles.h"
#include "shell/GameCommands.h"
#include "shell/win32/MainScreen.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "trading/OrderRules.h"

namespace {
using MainScreen = GameWindowTest;

std::vector<LONG> placeIn(HWND parent, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

// The colour TD_TITLE itself holds at a pixel, read from the program's own bitmap resource.
COLORREF titlePixel(int x, int y) {
    HRSRC resource = FindResourceA(nullptr, RES_BMP_TITLE, MAKEINTRESOURCEA(2));
    const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, resource)));
    const DibLayout dib = readDibLayout(bytes, SizeofResource(nullptr, resource));
    const std::size_t stride = (static_cast<std::size_t>(dib.width) + 3) & ~std::size_t{3};
    const uint8_t index = bytes[dib.pixelOffset + stride * static_cast<std::size_t>(dib.height - 1 - y) + x];
    const uint8_t* colour = bytes + kInfoHeaderSize + 4 * static_cast<std::size_t>(index);
    return RGB(colour[2], colour[1], colour[0]);
}

// Where the bright pixels of a date line lie, drawn as the screen draws it: a dark shadow under it.
Pixels expectedDatePixels(HWND screen, const std::string& text) {
    WindowDc screenDc(screen);
    MemoryDc memory(CreateCompatibleDC(screenDc.get()));
    OwnedBitmap canvas(CreateCompatibleBitmap(screenDc.get(), 640, 40));
    Selected onCanvas(memory.get(), canvas.get());
    Selected sameFont(memory.get(), GetCurrentObject(screenDc.get(), OBJ_FONT));
    SetBkMode(memory.get(), TRANSPARENT);
    for (int offset : {0, 1}) {
        SetTextColor(memory.get(), offset ? kBrightText : RGB(122, 122, 0));
        TextOutA(memory.get(), 470 + offset, 14 + offset, text.c_str(), static_cast<int>(text.size()));
    }
    Pixels pixels;
    for (int y = kDateBand.top; y < kDateBand.bottom; ++y)
        for (int x = kDateBand.left; x < kDateBand.right; ++x)
            if (GetPixel(memory.get(), x, y) == kBrightText) pixels.emplace_back(x, y);
    return pixels;
}
}  // namespace

TEST_F(MainScreen, IsHostedInTheMainWindowWithItsButtonsOverItsTitlePicture) {
    HWND screen = mainScreenWindow();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(GetParent(screen), window_);
    EXPECT_EQ(windowKindOf(screen), kClientDialog);
    EXPECT_EQ(placeIn(window_, screen), (std::vector<LONG>{0, 0, 640, 480}));
    const std::pair<int, const char*> buttons[] = {{IDC_MAIN_RING_BROKER, "&RingBroker"},
                                                   {IDC_MAIN_PORTFOLIO, "&Porfolio"},
                                                   {IDC_MAIN_DISCOVER, "&Discover"},
                                                   {IDC_MAIN_ABOUT, "&About"},
                                                   {IDC_MAIN_EXIT, "&Exit"}};
    int left = 20;
    for (const auto& [id, caption] : buttons) {
        EXPECT_EQ(placeIn(screen, GetDlgItem(screen, id)), (std::vector<LONG>{left, 42, left + 104, 112}));
        EXPECT_EQ(textOf(screen, id), caption);
        left += 124;
    }
    RedrawWindow(screen, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    WindowDc dc(screen);
    // Points away from the buttons and the date line, over the title, the ticker and the skyline.
    for (const POINT& p :
         {POINT{320, 240}, {100, 200}, {600, 300}, {50, 420}, {400, 470}, {5, 130}, {639, 479}})
        EXPECT_EQ(GetPixel(dc.get(), p.x, p.y), titlePixel(p.x, p.y)) << p.x << "," << p.y;
    saveWindowPicture(window_, "main_screen");
}

TEST_F(MainScreen, TheDateLineIsTheDateOfTheCurrentDay) {
    HWND screen = mainScreenWindow();
    const Pixels shown = pixelsOfColour(screen, kDateBand);
    ASSERT_GT(shown.size(), 20u);
    EXPECT_EQ(shown, expectedDatePixels(screen, std::string("Todays Date : ") + dateOfDay(gGame, 260)));
    // A different date would light other pixels: the comparison can tell them apart.
    EXPECT_NE(shown, expectedDatePixels(screen, std::string("Todays Date : ") + dateOfDay(gGame, 259)));
}

TEST_F(MainScreen, AltKeysPressTheButtons) {
    for (const auto& [key, answer, caption] :
         {std::tuple{'e', IDNO, "Tickerdell"}, {'p', IDC_PORT_MAIN_MENU, "Portfolio"}}) {
        DialogAnswerer answering(answer);
        PostMessageA(GetDlgItem(mainScreenWindow(), IDC_MAIN_RING_BROKER), WM_SYSCHAR, key, 0x20000001);
        pumpMessagesUntilIdle();
        EXPECT_EQ(answering.seen().caption, caption) << key;
    }
}

TEST_F(MainScreen, TheMarkerComesAndGoesAsScreensThatChangeOrdersClose) {
    // Nothing forces a repaint here: the main screen must notice by itself when a screen closes.
    ASSERT_EQ(pixelsOfColour(mainScreenWindow(), kMarkerBand).size(), 0u);
    const std::function<void()> changes[] = {[] { orderShares(6, 40); },
                                             [] { cancelAllPendingOrders(gGame); }};
    for (const auto& change : changes) {
        runScreen([&] { chooseMenuCommand(IDM_PORTFOLIO); }, [&](HWND) { change(); }, IDC_PORT_MAIN_MENU);
        EXPECT_EQ(pixelsOfColour(mainScreenWindow(), kMarkerBand, kBrightText, Repaint::Never).size() > 20,
                  anyPendingOrder(gGame));
    }
}

TEST_F(MainScreen, DeletingPendingOrdersAsksFirstAndOnlyYesDeletes) {
    const char* question = "Are you sure you want to delete ALL pending transactions ?";
    const struct {
        int reply;
        const char* text;
        LPCSTR icon;
    } cases[] = {{IDOK, "There are no pending transactions to delete", IDI_EXCLAMATION},
                 {IDNO, question, IDI_QUESTION},
                 {IDYES, question, IDI_QUESTION}};
    for (const auto& c : cases) {
        if (c.reply == IDNO) orderShares(4, 100);
        const SeenDialog seen = runScreen([&] { chooseMenuCommand(IDM_DELETE_PENDING); }, {}, c.reply).screen;
        EXPECT_EQ(seen.caption, "Tickerdell");
        EXPECT_EQ(seen.text, c.text);
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(anyPendingOrder(gGame), c.reply == IDNO);
        EXPECT_EQ(pixelsOfColour(mainScreenWindow(), kMarkerBand).empty(), c.reply != IDNO);
    }
    EXPECT_NEAR(gGame.pendingBalance, gGame.cashBalance, 1e-9);
}

TEST_F(MainScreen, AMissingBitmapIsReportedByName) {
    WindowDc dc(mainScreenWindow());
    DialogAnswerer ok(IDOK);
    EXPECT_EQ(drawBitmapResource(dc.get(), "NOPICTURE", 0, 0, 0, 0, SRCCOPY, kNaturalSize), 0);
    const SeenDialog seen = ok.seen();
    EXPECT_EQ(seen.caption + "|" + seen.text, "NOPICTURE|Cannot Load Bitmap");
    EXPECT_EQ(seen.icon, IDI_ASTERISK);
}
