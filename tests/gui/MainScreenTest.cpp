// The main window and its main screen, and ringing the broker from it.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "model/MarketFiles.h"
#include "model/Settlement.h"
#include "runtime/win32/BitmapDisplay.h"
#include "shell/GameCommands.h"
#include "shell/win32/InfoScreens.h"
#include "shell/WindowPlacement.h"
#include "tests/gui/GuiHarness.h"
#include "trading/Portfolio.h"
#include "views/win32/NewsScreen.h"
#include "views/win32/StatementScreen.h"

namespace {
using MainWindow = GameWindowTest;
using MainScreen = GameWindowTest;
using RingBroker = GameWindowTest;
constexpr RECT kMarkerBand = {18, 10, 200, 34}, kDateBand = {468, 10, 640, 34};

// Where the bright pixels of today's date line lie: drawn at (471, 15) over its shadow at (470, 14).
Pixels expectedDatePixels() {
    const std::string text = dateLineText(gGame);
    const auto draw = [&](HDC dc) {
        SetTextColor(dc, kBrightText);
        TextOutA(dc, 471, 15, text.c_str(), static_cast<int>(text.size()));
    };
    return pixelsOfColour(drawnPicture(kDateBand, draw), kDateBand, kBrightText);
}

// Each mover's mark where the ticker stands it, in the colour of the way it went (`all`, when every share
// went one way; then nothing on the board shows the other way's colour).
void expectTickerMarks(std::optional<Movement> all = {}) {
    pumpMessagesUntilIdle();
    const std::vector<TickerItem> items = mainScreenTicker();
    ASSERT_GE(items.size(), 4u);
    const Picture board = pictureOf(WindowDc(mainScreenWindow()).get(), {0, 0, 640, 480});
    for (const TickerItem& item : items) {
        const int x = kTickerLeft + item.markX + kTickerRows.markWidth / 2;
        const int y = kTickerTop + item.row * kTickerRowHeight + kTickerRowHeight / 2;
        const Movement way = all.value_or(item.movement);
        EXPECT_EQ(board.at(x, y), way == Movement::Rose   ? kTickerRoseRgb
                                  : way == Movement::Fell ? kTickerFellRgb
                                                          : kTickerLevelRgb)
            << item.name;
    }
    const DWORD otherWay = all == Movement::Rose ? kTickerFellRgb : kTickerRoseRgb;
    EXPECT_EQ(all ? std::ranges::count(board.pixels, otherWay) : 0, 0);
}

// Rings for `count` days; a box that follows is answered with `reply`.
ScreenRun ring(const std::string& count, int button, int reply = 0) {
    const auto enter = [&](HWND dialog) { SetDlgItemTextA(dialog, IDC_RING_DAYS, count.c_str()); };
    const auto photograph = [](HWND) { saveWindowPicture(GetDesktopWindow(), "ring_broker_notice"); };
    return runScreen([] { press(mainScreenWindow(), IDC_MAIN_RING_BROKER); }, enter, button, reply,
                     photograph);
}

}  // namespace

// At its own size where the main window's client area holds it, else shrunk with its shape kept; each
// text still fits its place.
TEST_F(MainWindow, PicturePagesPlacementWholeInsideTheMainWindow) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    RECT area, mainClient, screen = {0, 0, screenWidth, GetSystemMetrics(SM_CYSCREEN)};
    GetClientRect(window_, &mainClient);
    MapWindowPoints(window_, HWND_DESKTOP, reinterpret_cast<POINT*>(&mainClient), 2);
    IntersectRect(&area, &mainClient, &screen);
    const struct {
        std::function<void(HWND)> open;
        const char* picture;
        SIZE size;
        const char* name;
    } pages[] = {
        {runNewsScreen, RES_BMP_NEWS, {640, 480}, "news"},
        {runDiscoverScreen, RES_BMP_DISCOVER, {640, 480}, "discover"},
        {runOtherGamesScreen, RES_BMP_OGAMES, {640, 460}, "games"},
        {[](HWND owner) { runStatementScreen(owner, gGame); }, RES_BMP_STATEMENT, {640, 480}, "statement"},
    };
    for (const auto& page : pages) {
        const auto check = [&](HWND dialog) {
            RECT shown, client, inside;
            GetWindowRect(dialog, &shown);
            GetClientRect(dialog, &client);
            IntersectRect(&inside, &shown, &area);
            EXPECT_TRUE(EqualRect(&inside, &shown)) << page.name << " over the main window's client area";
            EXPECT_LE(client.right, page.size.cx) << page.name;  // its shape kept to the pixel
            EXPECT_LE(std::abs(client.right * page.size.cy - client.bottom * page.size.cx), page.size.cx);
            // The picture's bottom rows, the newspaper's footer, stretched over the client area.
            const RECT footer = {0, client.bottom - client.bottom / 40, client.right, client.bottom};
            const auto stretched = [&](HDC dc) {
                drawBitmapResource(dc, page.picture, 0, 0, client.right, client.bottom, SRCCOPY, kStretched);
            };
            EXPECT_TRUE(shownPicture(dialog, footer) == drawnPicture(footer, stretched)) << page.name;
            for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                EXPECT_TRUE(!IsWindowVisible(c) || fitsItsControl(c)) << page.name << " " << GetDlgCtrlID(c);
            saveWindowPicture(GetDesktopWindow(),
                              std::string(page.name) + "_over_main_window_" + std::to_string(screenWidth));
        };
        EXPECT_TRUE(runScreen([&] { page.open(window_); }, check, IDCANCEL).screen.found) << page.name;
    }
}

TEST_F(MainWindow, CaptionIconAndPlacement) {
    EXPECT_EQ(textOf(window_), "Tickerdell");
    EXPECT_NE(GetClassLongPtrA(window_, GCLP_HICON), 0u);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const WindowPlacement expected = mainWindowPlacement(width, height);
    saveWindowPicture(window_, "main_window_" + std::to_string(width));
    EXPECT_EQ(IsZoomed(window_) != FALSE, expected.maximised);
    EXPECT_EQ((GetWindowLongA(window_, GWL_STYLE) & WS_MAXIMIZEBOX) != 0, expected.maximised);
    if (expected.maximised) return;
    RECT r, client;
    GetWindowRect(window_, &r);
    GetClientRect(window_, &client);
    EXPECT_EQ((std::vector<LONG>{r.left, r.top, client.right, client.bottom}),
              (std::vector<LONG>{expected.x, expected.y, 640, 480}));
}

TEST_F(MainScreen, IsHostedInTheMainWindowWithItsButtonsOverItsTitlePictureAndTodaysDate) {
    HWND screen = mainScreenWindow();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(GetParent(screen), window_);
    const RECT r = placeInDialog(window_, screen);
    EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right, r.bottom}), (std::vector<LONG>{0, 0, 640, 480}));
    const Pixels date = pixelsOfColour(screen, kDateBand);
    ASSERT_GT(date.size(), 20u);
    EXPECT_EQ(date, expectedDatePixels());
    WindowDc dc(screen);
    // Away from the buttons and the date line: the title, the ticker and the skyline.
    for (const POINT& p :
         {POINT{320, 240}, {100, 200}, {600, 300}, {50, 420}, {400, 470}, {5, 130}, {639, 479}})
        EXPECT_EQ(GetPixel(dc.get(), p.x, p.y), titlePixel(p.x, p.y)) << p.x << "," << p.y;
    saveWindowPicture(window_, "main_screen");
}

// Alt+P, Alt+R and the other keys that open a screen are played in keyboard-loop.sh.
TEST_F(MainScreen, AltEAsksWhetherToQuitWithOrdersPendingAndQuitsOnlyOnYes) {
    orderShares(3, 10);
    for (int answer : {IDNO, IDYES}) {
        DialogAnswerer answering(answer);
        PostMessageA(GetDlgItem(mainScreenWindow(), IDC_MAIN_RING_BROKER), WM_SYSCHAR, 'e', 0x20000001);
        const bool quit = pumpMessagesUntilIdle();
        const SeenDialog seen = answering.seen();
        EXPECT_EQ(seen.caption + ": " + seen.text, std::string("Tickerdell: ") + quitQuestion(true));
        EXPECT_EQ(quit || pumpMessagesUntilIdle(), answer == IDYES) << "the quit message";
    }
}

TEST_F(MainScreen, TheMarkerFollowsThePendingOrdersAsScreensCloseAndOnlyYesDeletesThem) {
    // Nothing forces a repaint: the main screen must notice by itself when a screen closes.
    const auto markerShown = [] {
        pumpMessagesUntilIdle();
        const Picture band = pictureOf(WindowDc(mainScreenWindow()).get(), kMarkerBand);
        return pixelsOfColour(band, kMarkerBand, kBrightText).size() > 20;
    };
    ASSERT_FALSE(markerShown());
    for (bool order : {true, false}) {
        const auto change = [&](HWND) { order ? orderShares(6, 40) : void(cancelAllPendingOrders(gGame)); };
        runScreen([&] { chooseMenuCommand(IDM_PORTFOLIO); }, change, IDC_PORT_MAIN_MENU);
        EXPECT_EQ(markerShown(), order);
    }
    orderShares(4, 100);
    for (int reply : {IDNO, IDYES, IDOK}) {  // the last finds nothing to delete
        EXPECT_EQ(runScreen([&] { chooseMenuCommand(IDM_DELETE_PENDING); }, {}, reply).screen.icon,
                  reply == IDOK ? IDI_EXCLAMATION : IDI_QUESTION);
        EXPECT_EQ(anyPendingOrder(gGame), reply == IDNO);
        EXPECT_EQ(pixelsOfColour(mainScreenWindow(), kMarkerBand).empty(), reply != IDNO);
    }
}

TEST_F(RingBroker, CancelLeavesAndDoneSettlesAndShowsTheNewDayAndMoversAndWhatWentWrongIsTold) {
    saveWindowPicture(window_, "ticker_before_ring");
    const GameModel market = gGame;
    for (double yesterday : {0.5, 2.0}) {  // every share rose, then every share fell
        for (ShareRecord& share : gGame.shareTable) share.previousPrice = share.currentPrice * yesterday;
        refreshMainScreen();
        expectTickerMarks(yesterday < 1.0 ? Movement::Rose : Movement::Fell);
    }
    gGame = market;
    refreshMainScreen();
    const auto movers = [] {
        std::vector<std::string> names;
        for (const TickerItem& item : mainScreenTicker()) names.push_back(item.name);
        return names;
    };
    const auto opening = movers();
    orderShares(4, 100);
    EXPECT_TRUE(ring("3", IDCANCEL).closed);
    EXPECT_EQ(gGame.dayIndex, 260);
    EXPECT_TRUE(ring("1", IDC_RING_DONE).closed);
    EXPECT_TRUE(visibleWindows(GetCurrentProcessId()).empty()) << "no box for a plain day";
    EXPECT_EQ(gGame.dayIndex, 259);
    EXPECT_EQ(gGame.holdings[0].heldQuantity, 100);
    EXPECT_EQ(pixelsOfColour(mainScreenWindow(), kDateBand), expectedDatePixels());
    EXPECT_NE(movers(), opening) << "the next day's movers";
    expectTickerMarks();  // the ring asked for the repaint
    saveWindowPicture(window_, "ticker_after_ring");
    for (bool pastTheEnd : {false, true}) {  // else a day whose deals the history cannot take
        orderShares(6, 50);
        if (!pastTheEnd) std::filesystem::remove_all(transactionsDirectoryPath());
        const ScreenRun run = ring(pastTheEnd ? "5000" : "1", IDC_RING_DONE, IDOK);
        std::filesystem::create_directory(transactionsDirectoryPath());
        EXPECT_EQ(run.message.text, pastTheEnd ? endOfDataNotice(gGame) : historyNotWrittenNotice());
        EXPECT_EQ(gGame.dayIndex, pastTheEnd ? 0 : 258);
        EXPECT_FALSE(anyPendingOrder(gGame));
        EXPECT_FALSE(pumpMessagesUntilIdle()) << "nothing asked the game to end";
    }
}
