// The paired Quantity and Value fields on a test dialog: filters, focus loss, and the Enter key.
#include <windows.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <string>

#include "runtime/win32/DialogHost.h"
#include "runtime/win32/EditFilters.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "tests/gui/TestDialogs.h"
#include "trading/win32/PairedFields.h"

namespace {
using PairedFieldsDialog = GameWindowTest;

struct FieldsDialog {
    FieldsDialog(double sharePrice, EntryRounding rounding)
        : price(sharePrice), fields({IDC_TEST_QUANTITY, IDC_TEST_VALUE, IDC_TEST_MAIN}, rounding) {}
    double price;
    PairedFields fields;
    bool mainPressed = false;
};

INT_PTR CALLBACK FieldsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<FieldsDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            state = reinterpret_cast<FieldsDialog*>(lParam);
            state->fields.attach(dialog, state->price);
            return FALSE;  // the pair has placed the focus
        case WM_COMMAND:
            if (state->fields.onCommand(LOWORD(wParam), HIWORD(wParam))) return TRUE;
            if (LOWORD(wParam) == IDC_TEST_MAIN) state->mainPressed = true;
            if (LOWORD(wParam) == IDC_TEST_MAIN || LOWORD(wParam) == IDCANCEL)
                EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        case WM_DESTROY:
            state->fields.detach();
            return TRUE;
        default:
            return FALSE;
    }
}

// Runs the test dialog; the inspection runs on the answering thread while it is open.
void runFieldsDialog(FieldsDialog& state, HWND owner, DialogAnswerer::Inspection inspect) {
    DialogAnswerer answer(IDCANCEL, std::move(inspect));
    showModalDialog(owner, "TESTFIELDS", FieldsProc, reinterpret_cast<LPARAM>(&state));
    ASSERT_TRUE(answer.seen().found);
}
}  // namespace

TEST_F(PairedFieldsDialog, FiltersTypingAndFillsTheOtherFieldOnFocusLoss) {
    FieldsDialog state(1.25, EntryRounding::Buy);
    std::string quantity, value, valueAfterLetters, quantityFromValue, valueRewritten;
    runFieldsDialog(state, window_, [&](HWND dialog) {
        type(dialog, IDC_TEST_QUANTITY, "1a2.-x ");
        quantity = textOf(dialog, IDC_TEST_QUANTITY);
        moveFocus(dialog, IDC_TEST_VALUE);
        value = textOf(dialog, IDC_TEST_VALUE);

        SetWindowTextA(GetDlgItem(dialog, IDC_TEST_VALUE), "");
        type(dialog, IDC_TEST_VALUE, "1x2.5.0q");
        valueAfterLetters = textOf(dialog, IDC_TEST_VALUE);
        moveFocus(dialog, IDC_TEST_QUANTITY);
        quantityFromValue = textOf(dialog, IDC_TEST_QUANTITY);
        valueRewritten = textOf(dialog, IDC_TEST_VALUE);
    });
    EXPECT_EQ(quantity, "12 ");
    EXPECT_EQ(value, "15.00");
    EXPECT_EQ(valueAfterLetters, "12.50");
    EXPECT_EQ(quantityFromValue, "10");
    EXPECT_EQ(valueRewritten, "12.50");
    EXPECT_FALSE(state.mainPressed);
}

TEST_F(PairedFieldsDialog, EnterMovesTheFocusToTheMainButtonWithoutPressingIt) {
    const DWORD uiThread = GetCurrentThreadId();
    FieldsDialog state(2.0, EntryRounding::Buy);
    HWND focusAtOpening = nullptr, focusAfterHeldEnter = nullptr, focusAfterEnter = nullptr;
    std::string value;
    runFieldsDialog(state, window_, [&](HWND dialog) {
        HWND quantity = GetDlgItem(dialog, IDC_TEST_QUANTITY);
        focusAtOpening = focusOfThread(uiThread);
        // An Enter still held from the screen before: its repeats carry the was-down bit.
        PostMessageA(quantity, WM_KEYDOWN, VK_RETURN, 0x40000001);
        Sleep(150);
        focusAfterHeldEnter = focusOfThread(uiThread);
        type(dialog, IDC_TEST_QUANTITY, "30");
        PostMessageA(quantity, WM_KEYDOWN, VK_RETURN, 1);
        waitUntil([&] { return focusOfThread(uiThread) != quantity; });
        focusAfterEnter = focusOfThread(uiThread);
        value = textOf(dialog, IDC_TEST_VALUE);
        EXPECT_EQ(focusAtOpening, quantity);
        EXPECT_EQ(focusAfterHeldEnter, quantity);
        EXPECT_EQ(focusAfterEnter, GetDlgItem(dialog, IDC_TEST_MAIN));
    });
    EXPECT_NE(focusAtOpening, nullptr);
    EXPECT_EQ(value, "60.00");
    EXPECT_FALSE(state.mainPressed);
}

TEST_F(PairedFieldsDialog, BuyingRoundsTheQuotientUpwardWhereSellingDoesNot) {
    std::string bought, sold;
    for (EntryRounding rounding : {EntryRounding::Buy, EntryRounding::Sell}) {
        FieldsDialog state(1.0, rounding);
        std::string& quantity = rounding == EntryRounding::Buy ? bought : sold;
        runFieldsDialog(state, window_, [&](HWND dialog) {
            moveFocus(dialog, IDC_TEST_VALUE);
            type(dialog, IDC_TEST_VALUE, "99.999");
            moveFocus(dialog, IDC_TEST_QUANTITY);
            quantity = textOf(dialog, IDC_TEST_QUANTITY);
        });
    }
    EXPECT_EQ(bought, "100");
    EXPECT_EQ(sold, "99");
}
