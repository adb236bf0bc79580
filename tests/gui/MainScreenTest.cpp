// The main screen as the player sees it: hosted in the main window, its buttons over its picture,
// today's date, the pending-orders marker, quitting and deleting pending orders.
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

RECT placeIn(HWND parent, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The colour TD_TITLE itself holds at a pixel, read from the program's own bitmap resource.
COLORREF titlePixel(int x, int y) {
    HRSRC resource = FindResourceA(GetModuleHandleA(nullptr), RES_BMP_TITLE, MAKEINTRESOURCEA(2));
    const auto* bytes =
        static_cast<const uint8_t*>(LockResource(LoadResource(GetModuleHandleA(nullptr), resource)));
    const DibLayout dib = readDibLayout(bytes, SizeofResource(GetModuleHandleA(nullptr), resource));
    const std::size_t stride = (static_cast<std::size_t>(dib.width) + 3) & ~std::size_t{3};
    const uint8_t index = bytes[dib.pixelOffset + stride * static_cast<std::size_t>(dib.height - 1 - y) + x];
    const uint8_t* colour = bytes + kInfoHeaderSize + 4 * static_cast<std::size_t>(index);
    return RGB(colour[2], colour[1], colour[0]);
}

// Where the bright text pixels of a date line lie, drawn as the screen draws it on a black ground.
std::vector<POINT> expectedTextPixels(HWND screen, const std::string& text, const RECT& band) {
    WindowDc screenDc(screen);
    MemoryDc memory(CreateCompatibleDC(screenDc.get()));
    OwnedBitmap canvas(CreateCompatibleBitmap(screenDc.get(), 640, 40));
    Selected onCanvas(memory.get(), canvas.get());
    Selected sameFont(memory.get(), GetCurrentObject(screenDc.get(), OBJ_FONT));
    SetBkMode(memory.get(), TRANSPARENT);
    SetTextColor(memory.get(), RGB(122, 122, 0));
    TextOutA(memory.get(), 470, 14, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(memory.get(), RGB(255, 255, 0));
    TextOutA(memory.get(), 471, 15, text.c_str(), static_cast<int>(text.size()));
    std::vector<POINT> pixels;
    for (int y = band.top; y < band.bottom; ++y)
        for (int x = band.left; x < band.right; ++x)
            if (GetPixel(memory.get(), x, y) == RGB(255, 255, 0)) pixels.push_back({x, y});
    return pixels;
}

void bookPendingPurchase(int share, int quantity) {
    gGame.selectedShare = share;
    ASSERT_TRUE(bookPurchase(gGame, quantity).booked());
}
}  // namespace

TEST_F(MainScreen, IsHostedInTheMainWindowWithItsButtonsAtTheirPictureFaces) {
    HWND screen = mainScreenWindow();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(GetParent(screen), window_);
    EXPECT_EQ(windowKindOf(screen), kClientDialog);
    const RECT at = placeIn(window_, screen);
    EXPECT_EQ(at.left, 0);
    EXPECT_EQ(at.top, 0);
    EXPECT_EQ(at.right, 640);
    EXPECT_EQ(at.bottom, 480);
    RECT client;
    GetClientRect(window_, &client);
    EXPECT_EQ(client.right, 640);  // the frame was fitted around the screen
    EXPECT_EQ(client.bottom, 480);

    const int buttonIds[] = {IDC_MAIN_RING_BROKER, IDC_MAIN_PORTFOLIO, IDC_MAIN_DISCOVER, IDC_MAIN_ABOUT,
                             IDC_MAIN_EXIT};
    const char* captions[] = {"&RingBroker", "&Porfolio", "&Discover", "&About", "&Exit"};
    const int lefts[] = {20, 144, 268, 392, 516};
    for (int i = 0; i < 5; ++i) {
        HWND button = GetDlgItem(screen, buttonIds[i]);
        ASSERT_NE(button, nullptr);
        const RECT r = placeIn(screen, button);
        EXPECT_EQ(r.left, lefts[i]);
        EXPECT_EQ(r.top, 42);
        EXPECT_EQ(r.right - r.left, 104);
        EXPECT_EQ(r.bottom - r.top, 70);
        char caption[32] = "";
        GetWindowTextA(button, caption, sizeof caption);
        EXPECT_STREQ(caption, captions[i]);
        EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    }
    saveWindowPicture(window_, "main_screen");
}

TEST_F(MainScreen, PaintsTheTitlePictureWithItsOwnColours) {
    HWND screen = mainScreenWindow();
    RedrawWindow(screen, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    pumpMessagesUntilIdle();
    WindowDc dc(screen);
    // Points away from the buttons and the date line, over the title, the ticker and the skyline.
    const POINT points[] = {{320, 240}, {100, 200}, {600, 300}, {50, 420}, {400, 470}, {5, 130}, {639, 479}};
    for (const POINT& p : points) {
        SCOPED_TRACE(testing::Message() << "at " << p.x << "," << p.y);
        EXPECT_EQ(GetPixel(dc.get(), p.x, p.y), titlePixel(p.x, p.y));
    }
}

TEST_F(MainScreen, TheDateLineIsTheDateOfTheCurrentDay) {
    HWND screen = mainScreenWindow();
    const std::string expected = std::string("Todays Date : ") + dateOfDay(gGame, 260);
    const std::vector<POINT> shown = brightTextPixels(screen, kDateBand);
    ASSERT_GT(shown.size(), 20u);
    EXPECT_TRUE(samePixels(shown, expectedTextPixels(screen, expected, kDateBand)));
    // A different date would light other pixels: the comparison can tell them apart.
    EXPECT_FALSE(samePixels(
        shown, expectedTextPixels(screen, std::string("Todays Date : ") + dateOfDay(gGame, 259), kDateBand)));
}

TEST_F(MainScreen, AltMnemonicsPressTheButtons) {
    {
        DialogAnswerer no(IDNO);
        PostMessageA(GetDlgItem(mainScreenWindow(), IDC_MAIN_RING_BROKER), WM_SYSCHAR, 'e', 0x20000001);
        pumpMessagesUntilIdle();
        EXPECT_EQ(no.seen().text, "Are you sure you want to Quit ?");
    }
    {
        DialogAnswerer close(IDC_PORT_MAIN_MENU);
        PostMessageA(GetDlgItem(mainScreenWindow(), IDC_MAIN_RING_BROKER), WM_SYSCHAR, 'p', 0x20000001);
        pumpMessagesUntilIdle();
        EXPECT_EQ(close.seen().caption, "Portfolio");
    }
}

TEST_F(MainScreen, TheMarkerComesAndGoesAsScreensThatChangeOrdersClose) {
    // Nothing forces a repaint here: the main screen must notice by itself when a screen closes.
    ASSERT_EQ(brightTextPixels(mainScreenWindow(), kMarkerBand).size(), 0u);
    DialogAnswerer buyWhileOpen(IDC_PORT_MAIN_MENU, [](HWND) { bookPendingPurchase(6, 40); });
    press(mainScreenWindow(), IDC_MAIN_PORTFOLIO);
    ASSERT_TRUE(buyWhileOpen.seen().found);
    EXPECT_GT(brightTextPixels(mainScreenWindow(), kMarkerBand, Repaint::Never).size(), 20u);

    DialogAnswerer cancelWhileOpen(IDC_PORT_MAIN_MENU, [](HWND) { cancelAllPendingOrders(gGame); });
    chooseMenuCommand(IDM_PORTFOLIO);
    ASSERT_TRUE(cancelWhileOpen.seen().found);
    EXPECT_EQ(brightTextPixels(mainScreenWindow(), kMarkerBand, Repaint::Never).size(), 0u);
}

TEST_F(MainScreen, DeletingWithNoPendingOrdersOnlySaysSo) {
    const double balance = gGame.pendingBalance;
    DialogAnswerer ok(IDOK);
    chooseMenuCommand(IDM_DELETE_PENDING);
    const SeenDialog seen = ok.seen();
    EXPECT_EQ(seen.caption, "Tickerdell");
    EXPECT_EQ(seen.text, "There are no pending transactions to delete");
    EXPECT_EQ(seen.icon, IDI_EXCLAMATION);
    EXPECT_EQ(gGame.pendingBalance, balance);
}

TEST_F(MainScreen, DeletingAsksFirstAndNoLeavesEverything) {
    bookPendingPurchase(4, 100);
    bookPendingPurchase(9, 50);
    const GameModel before = gGame;
    {
        DialogAnswerer no(IDNO);
        chooseMenuCommand(IDM_DELETE_PENDING);
        const SeenDialog seen = no.seen();
        EXPECT_EQ(seen.text, "Are you sure you want to delete ALL pending transactions ?");
        EXPECT_EQ(seen.icon, IDI_QUESTION);
    }
    EXPECT_EQ(gGame.pendingBalance, before.pendingBalance);
    EXPECT_EQ(gGame.holdings[1].pendingQuantity, 50);
    {
        DialogAnswerer yes(IDYES);
        chooseMenuCommand(IDM_DELETE_PENDING);
        EXPECT_TRUE(yes.seen().found);
    }
    EXPECT_FALSE(anyPendingOrder(gGame));
    EXPECT_NEAR(gGame.pendingBalance, gGame.cashBalance, 1e-9);
    EXPECT_EQ(gGame.holdings[0].shareNumber, kEmptySlot);
    EXPECT_EQ(brightTextPixels(mainScreenWindow(), kMarkerBand).size(), 0u);
}

TEST_F(MainScreen, AMissingBitmapIsReportedByEachVariant) {
    WindowDc dc(mainScreenWindow());
    {
        DialogAnswerer ok(IDOK);
        EXPECT_EQ(drawBitmapResource(dc.get(), "NOPICTURE", 0, 0, 0, 0, SRCCOPY, kNaturalSize), 0);
        const SeenDialog seen = ok.seen();
        EXPECT_EQ(seen.caption, "NOPICTURE");
        EXPECT_EQ(seen.text, "Cannot Load Bitmap");
        EXPECT_EQ(seen.icon, IDI_ASTERISK);
    }
    {
        DialogAnswerer ok(IDOK);
        EXPECT_EQ(drawBitmapResource(dc.get(), "NOPICTURE", 0, 0, 0, 0, SRCCOPY, kNaturalSize,
                                     BitmapReporter::Runtime),
                  0);
        const SeenDialog seen = ok.seen();
        EXPECT_EQ(seen.caption, "Tickerdell");
        EXPECT_EQ(seen.text, "Cannot load bitmap  NOPICTURE");
    }
}

TEST_F(MainScreen, DrawingHandsTheContextBackWithItsOwnPalette) {
    WindowDc dc(mainScreenWindow());
    ASSERT_EQ(drawBitmapResource(dc.get(), RES_BMP_TITLE, 0, 0, 0, 0, SRCCOPY, kNaturalSize), 1);
    // The bitmap's palette was selected for the copy and deselected before it was deleted.
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PAL), GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(drawBitmapResource(dc.get(), "BT_STEX1", 10, 10, 200, 100, SRCCOPY, kCentred), 1);
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PAL), GetStockObject(DEFAULT_PALETTE));
}
