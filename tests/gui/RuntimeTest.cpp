// The window runtime on test dialogs: control fonts, the modal show pattern, centring and hosting.
#include <windows.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/win32/ControlFonts.h"
#include "runtime/win32/DialogHost.h"
#include "shell/win32/Dispatch.h"
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

struct FontsDialog {
    bool closeAtOnce = false;
    std::vector<HFONT> fonts;
    int propertiesLeftAfterRelease = -1;
};

int countFontProperties(HWND dialog) {
    int count = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        count += GetPropA(child, kControlFontProperty) != nullptr;
    return count;
}

INT_PTR CALLBACK FontsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (dialogPreFilter(dialog, message, wParam, lParam, kOrdinaryDialog, 0, &result))
        return SetDlgMsgResult(dialog, message, result);
    auto* state = reinterpret_cast<FontsDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            state = reinterpret_cast<FontsDialog*>(lParam);
            applyFonts(dialog, kTestFonts);
            for (const FontSpec& font : kTestFonts)
                state->fonts.push_back(
                    static_cast<HFONT>(GetPropA(GetDlgItem(dialog, font.controlId), kControlFontProperty)));
            if (state->closeAtOnce) PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        case WM_DESTROY:
            releaseDialogFonts(dialog);
            state->propertiesLeftAfterRelease = countFontProperties(dialog);
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK CentredProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        centreWindow(dialog);
        return TRUE;
    }
    if (message == WM_COMMAND) EndDialog(dialog, LOWORD(wParam));
    return message == WM_COMMAND;
}

INT_PTR CALLBACK HostedProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (dialogPreFilter(dialog, message, wParam, lParam, kClientDialog, 0, &result))
        return SetDlgMsgResult(dialog, message, result);
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_DESTROY) removeModelessDialog(dialog);
    return FALSE;
}

HWND hostTestDialog() {
    HWND hosted = createChildDialog("TESTHOSTED", nullptr, 0, HostedProc, kClientDialog, true);
    if (hosted) addModelessDialog(hosted, HostedProc);
    return hosted;
}

RECT clientRectIn(HWND frame, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, frame, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

struct FaceCheck {
    std::string face;
    bool fixedPitch;
};

FaceCheck resolveFace(const char* face, int height) {
    HDC screen = GetDC(nullptr);
    HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
    HGDIOBJ old = SelectObject(screen, font);
    char name[LF_FACESIZE] = "";
    GetTextFaceA(screen, sizeof name, name);
    SIZE narrow, wide;
    GetTextExtentPoint32A(screen, "iiii", 4, &narrow);
    GetTextExtentPoint32A(screen, "WWWW", 4, &wide);
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return {name, narrow.cx == wide.cx};
}
}  // namespace

TEST_F(Runtime, ControlsHoldTheirOwnFontsWhileTheDialogIsOpen) {
    FontsDialog state;
    int kindAnswered = -1;
    std::vector<bool> fontIsOnControl;
    bool unstyledLabelHasFont = true;
    DialogAnswerer answer(IDOK, [&](HWND dialog) {
        kindAnswered = windowKindOf(dialog);
        for (const FontSpec& font : kTestFonts) {
            HWND control = GetDlgItem(dialog, font.controlId);
            HANDLE property = GetPropA(control, kControlFontProperty);
            fontIsOnControl.push_back(
                property && property == reinterpret_cast<HANDLE>(SendMessageA(control, WM_GETFONT, 0, 0)));
        }
        unstyledLabelHasFont = countFontProperties(dialog) != static_cast<int>(std::size(kTestFonts));
    });
    EXPECT_EQ(showModalDialog(window_, "TESTFONTS", FontsProc, reinterpret_cast<LPARAM>(&state)), IDOK);
    answer.seen();
    EXPECT_EQ(kindAnswered, kOrdinaryDialog);
    EXPECT_EQ(fontIsOnControl, std::vector<bool>(std::size(kTestFonts), true));
    EXPECT_FALSE(unstyledLabelHasFont);
    EXPECT_EQ(state.propertiesLeftAfterRelease, 0);
    for (HFONT font : state.fonts) EXPECT_EQ(GetObjectType(font), 0u) << "font not deleted";
}

TEST_F(Runtime, AHundredOpeningsLeaveNoFontBehind) {
    std::vector<HFONT> fonts;
    for (int i = 0; i < 100; ++i) {
        FontsDialog state;
        state.closeAtOnce = true;
        ASSERT_EQ(showModalDialog(window_, "TESTFONTS", FontsProc, reinterpret_cast<LPARAM>(&state)), IDOK);
        fonts.insert(fonts.end(), state.fonts.begin(), state.fonts.end());
    }
    ASSERT_EQ(fonts.size(), 300u);
    int alive = 0;
    for (HFONT font : fonts) alive += GetObjectType(font) != 0;
    EXPECT_EQ(alive, 0);  // every font made for the controls was deleted with its dialog
}

TEST_F(Runtime, ReleasingAFontThatWasNeverSetChangesNothing) {
    DialogAnswerer answer(IDOK, [&](HWND dialog) {
        EXPECT_EQ(releaseControlFont(dialog, IDC_TEST_BUTTON), 0);  // no such control
        EXPECT_EQ(releaseControlFont(dialog, IDOK), 0);             // a control without a font
        EXPECT_EQ(releaseControlBrush(GetDlgItem(dialog, IDOK)), 0);
        // With the game's options no class is painted grey: the request leaves the colours alone.
        EXPECT_EQ(greyBrushForClass(GetDlgItem(dialog, IDC_TEST_EDIT), nullptr), nullptr);
        EXPECT_EQ(stockBrushForColours(GetDlgItem(dialog, IDC_TEST_EDIT), WHITE_BRUSH),
                  GetStockObject(WHITE_BRUSH));
        EXPECT_EQ(stockBrushForColours(GetDlgItem(dialog, IDC_TEST_EDIT), HOLLOW_BRUSH),
                  GetStockObject(HOLLOW_BRUSH));
    });
    FontsDialog state;
    showModalDialog(window_, "TESTFONTS", FontsProc, reinterpret_cast<LPARAM>(&state));
    EXPECT_TRUE(answer.seen().found);
}

TEST_F(Runtime, FontFacesResolveToSensibleFaces) {
    const FaceCheck courier = resolveFace("Courier", -13);
    EXPECT_TRUE(courier.fixedPitch) << "Courier came out as " << courier.face;
    const FaceCheck helv = resolveFace("Helv", -11);
    EXPECT_FALSE(helv.fixedPitch) << "Helv came out as " << helv.face;
    const FaceCheck times = resolveFace("Times New Roman", -15);
    EXPECT_FALSE(times.fixedPitch);
    EXPECT_NE(times.face, helv.face) << "Times New Roman came out as the sans-serif face " << times.face;
}

TEST_F(Runtime, AMissingTemplateIsReportedByName) {
    DialogAnswerer answer(IDOK);
    EXPECT_EQ(showModalDialog(window_, "NOSUCHDIALOG", FontsProc), -1);
    const SeenDialog seen = answer.seen();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, "Tickerdell");
    EXPECT_EQ(seen.text, "Cannot create dialog box  NOSUCHDIALOG");
    EXPECT_EQ(seen.icon, IDI_HAND);
}

TEST_F(Runtime, ACentredDialogLandsWhereTheRuleSays) {
    RECT placed = {};
    DialogAnswerer answer(IDOK, [&](HWND dialog) { GetWindowRect(dialog, &placed); });
    showModalDialog(window_, "TESTCENTRE", CentredProc);
    ASSERT_TRUE(answer.seen().found);
    const int width = placed.right - placed.left, height = placed.bottom - placed.top;
    EXPECT_EQ(placed.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(placed.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

TEST_F(Runtime, TheHostedDialogFillsTheFrameAndFollowsIt) {
    HWND hosted = hostTestDialog();
    ASSERT_NE(hosted, nullptr);
    EXPECT_EQ(windowKindOf(hosted), kClientDialog);
    EXPECT_EQ(GetParent(hosted), window_);
    const LONG style = GetWindowLongA(hosted, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_POPUP);

    RECT frameClient, dialog = clientRectIn(window_, hosted);
    GetClientRect(window_, &frameClient);
    EXPECT_EQ(dialog.left, 0);
    EXPECT_EQ(dialog.top, 0);
    EXPECT_EQ(frameClient.right, dialog.right - dialog.left);
    EXPECT_EQ(frameClient.bottom, dialog.bottom - dialog.top);

    SendMessageA(window_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
    dialog = clientRectIn(window_, hosted);
    EXPECT_EQ(dialog.right - dialog.left, 300);
    EXPECT_EQ(dialog.bottom - dialog.top, 200);

    SetFocus(nullptr);
    SendMessageA(window_, WM_SETFOCUS, 0, 0);
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == hosted || IsChild(hosted, focus));
}

TEST_F(Runtime, ASecondClientDialogReplacesTheFirstAndTheListEmpties) {
    HWND first = hostTestDialog();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(modelessDialogCount(), 1);
    HWND second = hostTestDialog();
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(modelessDialogCount(), 1);

    // Keyboard messages for the hosted dialog are taken by the message loop's dialog handling.
    MSG tab = {GetDlgItem(second, IDC_TEST_BUTTON), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_EQ(dispatchToModelessDialogs(&tab), 1);

    DestroyWindow(second);
    EXPECT_EQ(modelessDialogCount(), 0);
    EXPECT_EQ(removeModelessDialog(second), 0);
    MSG other = {window_, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_EQ(dispatchToModelessDialogs(&other), 0);
}
