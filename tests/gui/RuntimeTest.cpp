// The screen skeleton on test dialogs: each control's own font and its clean-up, the faces the fonts
// resolve to, the notices' boxes, and the hosted screen filling and following the main window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/win32/ControlFonts.h"
#include "runtime/win32/DialogHost.h"
#include "runtime/win32/GdiHandles.h"
#include "runtime/win32/MessageBoxes.h"
#include "runtime/win32/Screen.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/TestDialogs.h"

namespace {
using Runtime = GameWindowTest;

constexpr FontSpec kTestFonts[] = {
    {IDC_TEST_EDIT, "Helv", -13, FW_NORMAL},
    {IDC_TEST_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_TEST_LIST, "Courier", -13, FW_NORMAL},
};

// The fonts each opening gave its controls; an opening closes at once when asked to.
struct FontsScreen {
    bool closeAtOnce = false;
    std::vector<HFONT> fonts;
};

BOOL onFontsInit(HWND dialog) {
    FontsScreen& screen = screenState<FontsScreen>(dialog);
    for (const FontSpec& font : kTestFonts)
        screen.fonts.push_back(
            reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, font.controlId, WM_GETFONT, 0, 0)));
    if (screen.closeAtOnce) PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return TRUE;
}

const ScreenTemplate kFontsScreen = {.name = "TESTFONTS",
                                     .kind = kOrdinaryDialog,
                                     .helpNumber = 0,
                                     .fonts = kTestFonts,
                                     .handlers = {.init = onFontsInit}};

const ScreenTemplate kHostedScreen = {.name = "TESTHOSTED",
                                      .kind = kClientDialog,
                                      .helpNumber = 0,
                                      .handlers = {},
                                      .placement = ScreenPlacement::AsLaidOut};

// The face the system gives for the name, and whether its narrow and wide letters are as wide.
std::pair<std::string, bool> resolveFace(const char* face, int height) {
    WindowDc screen(nullptr);
    Owned<HFONT, deleteGdiObject> font(
        CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face));
    Selected selected(screen.get(), font.get());
    char name[LF_FACESIZE] = "";
    GetTextFaceA(screen.get(), sizeof name, name);
    SIZE narrow, wide;
    GetTextExtentPoint32A(screen.get(), "iiii", 4, &narrow);
    GetTextExtentPoint32A(screen.get(), "WWWW", 4, &wide);
    return {name, narrow.cx == wide.cx};
}

RECT placeIn(HWND frame, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, frame, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
}  // namespace

TEST_F(Runtime, ControlsHoldTheirOwnFontsWhileOpenAndAHundredOpeningsLeaveNoneBehind) {
    FontsScreen first;
    std::vector<bool> fontIsTheControls;
    bool unstyledLabelHasOne = true;
    DialogAnswerer answer(IDOK, [&](HWND dialog) {
        for (const FontSpec& font : kTestFonts) {
            HWND control = GetDlgItem(dialog, font.controlId);
            HANDLE property = GetPropA(control, kControlFontProperty);
            fontIsTheControls.push_back(
                property && property == reinterpret_cast<HANDLE>(SendMessageA(control, WM_GETFONT, 0, 0)));
        }
        unstyledLabelHasOne =
            GetPropA(GetDlgItem(dialog, IDC_TEST_UNSTYLED), kControlFontProperty) != nullptr;
    });
    EXPECT_EQ(runModalScreen(window_, kFontsScreen, &first), IDOK);
    answer.seen();
    EXPECT_EQ(fontIsTheControls, std::vector<bool>(std::size(kTestFonts), true));
    EXPECT_FALSE(unstyledLabelHasOne);

    std::vector<HFONT> fonts = first.fonts;
    for (int i = 0; i < 99; ++i) {
        FontsScreen screen;
        screen.closeAtOnce = true;
        ASSERT_EQ(runModalScreen(window_, kFontsScreen, &screen), IDOK);
        fonts.insert(fonts.end(), screen.fonts.begin(), screen.fonts.end());
    }
    ASSERT_EQ(fonts.size(), 300u);
    int alive = 0;
    for (HFONT font : fonts) alive += GetObjectType(font) != 0;
    EXPECT_EQ(alive, 0);  // every font made for the controls was deleted with its dialog
}

TEST_F(Runtime, FontFacesResolveToSensibleFaces) {
    const auto [courier, courierFixed] = resolveFace("Courier", -13);
    const auto [helv, helvFixed] = resolveFace("Helv", -11);
    const auto [times, timesFixed] = resolveFace("Times New Roman", -15);
    EXPECT_TRUE(courierFixed) << "Courier came out as " << courier;
    EXPECT_FALSE(helvFixed || timesFixed) << helv << ", " << times;
    EXPECT_NE(times, helv) << "Times New Roman came out as the sans-serif face";
}

TEST_F(Runtime, EachNoticeShowsItsCaptionIconAndButtons) {
    const struct {
        Notice notice;
        LPCSTR icon;
        std::vector<int> buttons;
    } cases[] = {{{"Stop", "Caption", NoticeIcon::Stop}, IDI_HAND, {IDOK}},
                 {{"Told", kGameCaption, NoticeIcon::Information}, IDI_ASTERISK, {IDOK}},
                 {refusalNotice("Refused"), IDI_EXCLAMATION, {IDOK}},
                 {questionNotice("Asked?"), IDI_QUESTION, {IDYES, IDNO}}};
    for (const auto& c : cases) {
        DialogAnswerer answer(c.buttons.back());
        EXPECT_EQ(showNotice(window_, c.notice), c.buttons.back());
        const SeenDialog seen = answer.seen();
        EXPECT_EQ(seen.caption + "|" + seen.text, c.notice.caption + "|" + c.notice.text);
        EXPECT_EQ(seen.icon, c.icon) << c.notice.text;
        EXPECT_EQ(seen.buttonIds, c.buttons);
    }
}

TEST_F(Runtime, AHostedScreenFillsTheFrameFollowsItAndReplacesTheOneBefore) {
    HWND first = createHostedScreen(window_, kHostedScreen);
    ASSERT_NE(first, nullptr);
    HWND hosted = createHostedScreen(window_, kHostedScreen);
    ASSERT_NE(hosted, nullptr);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(modelessDialogCount(), 1);
    EXPECT_EQ(GetParent(hosted), window_);
    const LONG style = GetWindowLongA(hosted, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & (WS_CAPTION | WS_POPUP));

    RECT frame, dialog = placeIn(window_, hosted);
    GetClientRect(window_, &frame);
    EXPECT_EQ((std::vector<LONG>{dialog.left, dialog.top, dialog.right, dialog.bottom}),
              (std::vector<LONG>{0, 0, frame.right, frame.bottom}));
    SendMessageA(window_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
    dialog = placeIn(window_, hosted);
    EXPECT_EQ(dialog.right - dialog.left, 300);
    EXPECT_EQ(dialog.bottom - dialog.top, 200);

    SetFocus(nullptr);
    SendMessageA(window_, WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(GetFocus() == hosted || IsChild(hosted, GetFocus()));
    // Keyboard messages for the hosted screen are taken by the message loop's dialog handling.
    MSG tab = {GetDlgItem(hosted, IDC_TEST_BUTTON), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_EQ(dispatchToModelessDialogs(&tab), 1);
    DestroyWindow(hosted);
    EXPECT_EQ(modelessDialogCount(), 0);
}
