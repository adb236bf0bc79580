// What a new player ran into, that no screen's walk meets: picture buttons, a cut refusal, the caption
// symbols, quarters that looked alike and a missing picture.

#include <memory>

#include "runtime/win32/BitmapDisplay.h"
#include "runtime/win32/MessageBoxes.h"
#include "tests/gui/GuiHarness.h"
#include "views/win32/NewsScreen.h"

namespace {
using PlayerFaults = GameWindowTest;

// How many pixels of every third row and column of the button differ from the title picture beneath it.
int differencesFromTitle(HWND button) {
    RECT r;
    GetClientRect(button, &r);
    const RECT origin = placeInDialog(GetParent(button), button);
    const Picture shown = shownPicture(button, r);
    int differences = 0;
    for (int y = 0; y < r.bottom; y += 3)
        for (int x = 0; x < r.right; x += 3)
            differences += shown.at(x, y) != asPixel(titlePixel(origin.left + x, origin.top + y));
    return differences;
}

// "169¼ 169¾" as the face draws it at the lists' height.
Picture quartersIn(const char* face) {
    Owned<HFONT, deleteGdiObject> font(
        CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face));
    return drawnPicture({0, 0, 100, 20}, [&](HDC dc) {
        Selected inFont(dc, font.get());
        TextOutA(dc, 0, 0, "169\xBC 169\xBE", 9);
    });
}
}  // namespace

TEST_F(PlayerFaults, APictureButtonThatLosesTheFocusShowsTheTitleAgainAndEnterPressesTheFocusedOne) {
    const int buttons[] = {IDC_MAIN_RING_BROKER, IDC_MAIN_PORTFOLIO, IDC_MAIN_DISCOVER, IDC_MAIN_ABOUT,
                           IDC_MAIN_EXIT};
    for (int id : buttons) {
        moveFocus(mainScreenWindow(), id);
        pumpMessagesUntilIdle();
    }
    // Only the one with the focus, the last, shows its focus image instead of the title.
    for (int id : buttons)
        EXPECT_EQ(differencesFromTitle(GetDlgItem(mainScreenWindow(), id)) > 0, id == IDC_MAIN_EXIT) << id;
    saveWindowPicture(window_, "main_screen_after_tabbing");

    moveFocus(mainScreenWindow(), IDC_MAIN_PORTFOLIO);
    DialogAnswerer close(IDC_PORT_MAIN_MENU);
    MSG enter = {GetDlgItem(mainScreenWindow(), IDC_MAIN_PORTFOLIO), WM_KEYDOWN, VK_RETURN, 0x001C0001};
    ASSERT_TRUE(IsDialogMessageA(mainScreenWindow(), &enter));
    EXPECT_EQ(close.seen().caption, "Portfolio");
}

TEST_F(PlayerFaults, TheLongestRefusalFitsItsMessageBox) {
    const std::string longest = "You don`t have that quantity of shares to sell";
    int ink = 0, room = -1;
    // How far right the text's ink reaches, drawn in the box's font, against the room the box gave it.
    const auto measure = [&](HWND box) {
        HWND text = FindWindowExA(box, nullptr, "Static", longest.c_str());
        ASSERT_NE(text, nullptr);
        RECT client;
        GetClientRect(text, &client);
        room = client.right;
        const Picture drawn = drawnPicture({0, 0, 1000, 60}, [&](HDC dc) {
            Selected font(dc, reinterpret_cast<HFONT>(SendMessageA(text, WM_GETFONT, 0, 0)));
            TextOutA(dc, 0, 0, longest.c_str(), static_cast<int>(longest.size()));
        });
        for (int y = 0; y < 60; ++y)
            for (int x = ink; x < 1000; ++x)
                if (drawn.at(x, y) != 0xFFFFFF) ink = x + 1;
        saveWindowPicture(box, "longest_refusal");
    };
    runScreen([&] { refuse(window_, longest); }, measure, IDOK);
    EXPECT_GT(ink, 0);
    EXPECT_LE(ink, room) << "the last letters are cut";
}

// The caption buttons are drawn from the Marlett face; without it they show as letters. The lists'
// "Courier" and the statement's "Courier New" stand for DejaVu Sans Mono, whose quarters read apart at 13
// pixels; Liberation Mono, which stood for them before, draws ¼ and ¾ alike there.
TEST_F(PlayerFaults, TheCaptionButtonsHaveTheirSymbolFaceAndTheFixedPitchFacesQuartersThatReadApart) {
    for (const char* face : {"Marlett", "Tahoma"}) {
        // The enumeration answers what the callback last answered: 0 stops it at the first font of the face.
        const auto stop = [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM) { return 0; };
        EXPECT_EQ(EnumFontFamiliesA(WindowDc(window_).get(), face, stop, 0), 0)
            << face << " is missing from the Wine prefix";
    }
    const Picture dejaVu = quartersIn("DejaVu Sans Mono");
    EXPECT_FALSE(dejaVu == quartersIn("Liberation Mono")) << "DejaVu Sans Mono is missing";
    for (const char* face : {"Courier", "Courier New"}) EXPECT_TRUE(quartersIn(face) == dejaVu) << face;
}

// A picture the program does not carry is reported as its screen opens; painting the screen again
// draws nothing in its place and asks nothing of the player.
TEST_F(PlayerFaults, AMissingPictureIsReportedOnceAsItsScreenOpens) {
    setBitmapResourceModule(GetModuleHandleA("kernel32.dll"));  // a module with no bitmaps at all
    std::unique_ptr<DialogAnswerer> screen;
    DialogAnswerer report(IDOK, [&](HWND) {
        screen = std::make_unique<DialogAnswerer>(IDCANCEL, [&](HWND shown) {
            RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            DWORD_PTR ignored = 0;  // the screen's thread has finished the paint once it answers
            SendMessageTimeoutA(shown, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &ignored);
            EXPECT_EQ(visibleWindows(GetCurrentProcessId()).size(), 1u) << "the screen alone";
        });
    });
    runTopEarnersScreen(window_);
    setBitmapResourceModule(nullptr);
    const SeenDialog seen = report.seen();
    EXPECT_EQ(seen.caption + ": " + seen.text, "Tickerdell: Cannot load bitmap  EARNER");
    EXPECT_EQ(seen.icon, IDI_ASTERISK);
    EXPECT_TRUE(screen && screen->seen().found);
}
