// The Buy dialog: shows the share's price and the pending balance, and turns Buy and Buy Max into a
// refusal or a confirmed pending purchase, as the buying rules decide.
#include "trading/BuyScreen.h"

#include <windowsx.h>

#include "resources/resource.h"
#include "runtime/ClassicUnits.h"
#include "runtime/ControlFonts.h"
#include "runtime/DialogHost.h"
#include "runtime/EditFilters.h"
#include "runtime/MessageBoxes.h"
#include "shell/Dispatch.h"
#include "shell/ShellState.h"
#include "trading/BuyRules.h"
#include "trading/OrderPrompts.h"
#include "trading/PairedFields.h"
#include "views/Formats.h"

namespace {
constexpr int kBuyHelp = 20004;
constexpr int kFieldTextRead = 64;  // the rules take their own 29 characters out of this

constexpr FontSpec kBuyFonts[] = {
    {IDC_BUY_QUANTITY, "Helv", -13, FW_NORMAL},    {IDC_BUY_VALUE, "Helv", -13, FW_NORMAL},
    {IDC_BUY_BUY, "Helv", -11, FW_NORMAL},         {IDC_BUY_MAX, "Helv", -11, FW_NORMAL},
    {IDC_CANCEL_BUTTON, "Helv", -11, FW_NORMAL},   {IDC_BUY_QUANTITY_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_BUY_VALUE_LABEL, "Helv", -11, FW_NORMAL}, {IDC_BUY_PRICE_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_BUY_PRICE, "Helv", -11, FW_NORMAL},       {IDC_BUY_BALANCE_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_BUY_BALANCE, "Helv", -11, FW_NORMAL},     {IDC_BUY_INFORMATION, "Helv", -11, FW_NORMAL},
};

struct BuyDialog {
    PairedFields fields{{IDC_BUY_QUANTITY, IDC_BUY_VALUE, IDC_BUY_BUY}, EntryRounding::Buy};
};

// Null until WM_INITDIALOG has stored it.
BuyDialog* stateOf(HWND dialog) {
    return reinterpret_cast<BuyDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

const ShareRecord& selectedShare() {
    return gGame.shareTable[gGame.selectedShare];
}

std::string textOf(HWND dialog, int id) {
    return fieldText(GetDlgItem(dialog, id), kFieldTextRead);
}

// Refuses, or asks about the broker's charge and books on Yes; the share index closes itself after a
// Yes even when the admission test inside the booking then refuses.
void carryOut(HWND dialog, const BuyStep& step) {
    if (step.refused()) {
        refuse(dialog, step.refusal);
        return;
    }
    if (!confirmBrokerCharge(dialog, step.chargeValue)) return;
    bookPurchase(dialog, step.quantity);
    gGame.purchaseMade = 1;
}

void OnBuy(HWND dialog) {
    carryOut(dialog, decideBuy(gGame, gGame.selectedShare, textOf(dialog, IDC_BUY_QUANTITY),
                               textOf(dialog, IDC_BUY_VALUE)));
    EndDialog(dialog, IDC_BUY_BUY);
}

void OnBuyMax(HWND dialog) {
    const BuyMaxStep max = decideBuyMax(gGame, gGame.selectedShare);
    // The player sees the quantity and value behind the next message.
    if (max.quantityText) SetDlgItemTextA(dialog, IDC_BUY_QUANTITY, max.quantityText->c_str());
    if (max.valueText) SetDlgItemTextA(dialog, IDC_BUY_VALUE, max.valueText->c_str());
    carryOut(dialog, max.step);
    EndDialog(dialog, IDC_BUY_MAX);
}

BOOL OnInitDialog(HWND dialog, HWND, LPARAM parameter) {
    SetWindowLongPtrA(dialog, DWLP_USER, parameter);
    applyFonts(dialog, kBuyFonts);
    layOutInClassicUnits(dialog);
    centreWindow(dialog);
    const ShareRecord& share = selectedShare();
    SetWindowTextA(dialog, buyDialogTitle(share).c_str());
    SetDlgItemTextA(dialog, IDC_BUY_PRICE, buyPriceText(share).c_str());
    SetDlgItemTextA(dialog, IDC_BUY_BALANCE, formatPounds(gGame.pendingBalance).c_str());
    stateOf(dialog)->fields.attach(dialog, share.currentPrice);
    return FALSE;  // the fields have put the focus in Quantity
}

void OnCommand(HWND dialog, int id, HWND control, UINT notification) {
    if (dispatchCommandFromNoControl(dialog, id, control, notification)) return;
    BuyDialog* state = stateOf(dialog);
    if (!state || state->fields.onCommand(id, notification)) return;
    switch (id) {
        case IDC_BUY_BUY:
            OnBuy(dialog);
            break;
        case IDC_BUY_MAX:
            OnBuyMax(dialog);
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
    if (BuyDialog* state = stateOf(dialog)) state->fields.detach();
    releaseDialogFonts(dialog);
}

INT_PTR CALLBACK BuyProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (dialogPreFilter(dialog, message, wParam, lParam, kModalDialogKind, kBuyHelp, &result))
        return SetDlgMsgResult(dialog, message, result);
    switch (message) {
        DLG_MSG(dialog, WM_INITDIALOG, OnInitDialog);
        DLG_MSG(dialog, WM_COMMAND, OnCommand);
        DLG_MSG(dialog, WM_DESTROY, OnDestroy);
        default:
            return FALSE;
    }
}
}  // namespace

void showBuyDialog(HWND owner) {
    if (gGame.selectedShare < 0 || gGame.selectedShare >= kShareCount) return;
    BuyDialog state;
    showModalDialog(owner, RES_DLG_BUYSHARES, BuyProc, reinterpret_cast<LPARAM>(&state));
}
