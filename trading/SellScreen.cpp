// The Sell dialog: the paired entry fields, Sell, Sell All and Cancel, and the holding's figures.
#include "trading/SellScreen.h"

#include <windowsx.h>

#include "resources/resource.h"
#include "runtime/ClassicUnits.h"
#include "runtime/ControlFonts.h"
#include "runtime/DialogHost.h"
#include "runtime/EditFilters.h"
#include "runtime/MessageBoxes.h"
#include "shell/Dispatch.h"
#include "shell/ShellState.h"
#include "trading/OrderPrompts.h"
#include "trading/PairedFields.h"
#include "trading/SaleRules.h"

namespace {
constexpr int kSellHelp = 20005;
constexpr int kFieldTextLimit = 64;  // the rules read their own 19 characters out of this

constexpr FontSpec kFonts[] = {
    {IDC_SELL_QUANTITY, "Helv", -13, FW_NORMAL},
    {IDC_SELL_VALUE, "Helv", -13, FW_NORMAL},
    {IDC_SELL_PRICE, "Helv", -13, FW_NORMAL},
    {IDC_SELL_AVAILABLE, "Helv", -13, FW_NORMAL},
    {IDC_SELL_TOTAL, "Helv", -13, FW_NORMAL},
    {IDC_SELL_SELL, "Helv", -11, FW_NORMAL},
    {IDC_SELL_ALL, "Helv", -11, FW_NORMAL},
    {IDC_CANCEL_BUTTON, "Helv", -11, FW_NORMAL},
    {IDC_SELL_QUANTITY_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_SELL_VALUE_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_SELL_PRICE_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_SELL_AVAILABLE_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_SELL_TOTAL_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_SELL_INFORMATION, "Helv", -11, FW_NORMAL},
};

// All the dialog keeps while it is open; it lives on showSellDialog's stack.
struct SellScreen {
    PairedFields fields{{IDC_SELL_QUANTITY, IDC_SELL_VALUE, IDC_SELL_SELL}, EntryRounding::Sell};
};

SellScreen& stateOf(HWND dialog) {
    return *reinterpret_cast<SellScreen*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

std::string textOf(HWND dialog, int id) {
    return fieldText(GetDlgItem(dialog, id), kFieldTextLimit);
}

void showFigures(HWND dialog) {
    const SaleFigures figures = saleFigures(gGame);
    SetWindowTextA(dialog, figures.title.c_str());
    SetDlgItemTextA(dialog, IDC_SELL_AVAILABLE, figures.available.c_str());
    SetDlgItemTextA(dialog, IDC_SELL_PRICE, figures.price.c_str());
    SetDlgItemTextA(dialog, IDC_SELL_TOTAL, figures.totalValue.c_str());
}

// Every way out of Sell and Sell All: the refusal, or the charge question and the booking; then the
// dialog closes, whatever happened.
void carryOut(HWND dialog, const SalePlan& plan, int buttonId) {
    if (!plan.accepted())
        showNotice(dialog, plan.text, kGameCaption,
                   plan.icon == NoticeIcon::Information ? MB_ICONINFORMATION : MB_ICONEXCLAMATION);
    else if (plan.hasOrder() && confirmBrokerCharge(dialog, plan.chargedValue))
        placeSale(gGame, plan);
    EndDialog(dialog, buttonId);
}

void OnSell(HWND dialog) {
    carryOut(dialog, planSale(gGame, textOf(dialog, IDC_SELL_VALUE), textOf(dialog, IDC_SELL_QUANTITY)),
             IDC_SELL_SELL);
}

void OnSellAll(HWND dialog) {
    const SalePlan plan = planSellAll(gGame);
    // The player sees the whole holding and its value behind the question (a suspended share has none).
    if (plan.refusal != SaleRefusal::Suspended) {
        const EntryTexts texts = sellAllTexts(gGame);
        SetDlgItemTextA(dialog, IDC_SELL_QUANTITY, texts.quantity.c_str());
        SetDlgItemTextA(dialog, IDC_SELL_VALUE, texts.value.c_str());
    }
    carryOut(dialog, plan, IDC_SELL_ALL);
}

BOOL OnInitDialog(HWND dialog, HWND, LPARAM parameter) {
    SetWindowLongPtrA(dialog, DWLP_USER, parameter);
    applyFonts(dialog, kFonts);
    layOutInClassicUnits(dialog);
    centreWindow(dialog);
    showFigures(dialog);
    const int share = gGame.selectedShare;
    const double price = share >= 0 && share < kShareCount ? gGame.shareTable[share].currentPrice : 0.0;
    stateOf(dialog).fields.attach(dialog, price);
    return FALSE;  // the fields have put the focus in the Quantity field
}

void OnCommand(HWND dialog, int id, HWND control, UINT notification) {
    // A menu or accelerator command is the dispatcher's before it is this dialog's.
    if (dispatchCommandFromNoControl(dialog, id, control, notification)) return;
    if (stateOf(dialog).fields.onCommand(id, notification) || notification != BN_CLICKED) return;
    switch (id) {
        case IDC_SELL_SELL:
            OnSell(dialog);
            break;
        case IDC_SELL_ALL:
            OnSellAll(dialog);
            break;
        case IDC_CANCEL_BUTTON:
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, id);
            break;
        default:
            break;
    }
}

void OnDestroy(HWND dialog) {
    stateOf(dialog).fields.detach();
    releaseDialogFonts(dialog);
}

INT_PTR CALLBACK SellProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (dialogPreFilter(dialog, message, wParam, lParam, kModalDialogKind, kSellHelp, &result))
        return SetDlgMsgResult(dialog, message, result);
    // Messages before WM_INITDIALOG (WM_SETFONT) come before the state is known.
    if (message != WM_INITDIALOG && !GetWindowLongPtrA(dialog, DWLP_USER)) return FALSE;
    switch (message) {
        DLG_MSG(dialog, WM_INITDIALOG, OnInitDialog);
        DLG_MSG(dialog, WM_COMMAND, OnCommand);
        case WM_DESTROY:
            OnDestroy(dialog);
            return FALSE;
        default:
            return FALSE;
    }
}
}  // namespace

void showSellDialog(HWND owner) {
    SellScreen screen;
    showModalDialog(owner, RES_DLG_SELLSHARES, SellProc, reinterpret_cast<LPARAM>(&screen));
}
