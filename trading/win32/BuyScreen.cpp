// The Buy dialog: shows the share's price and the pending balance, and turns Buy and Buy Max into a
// refusal or a confirmed pending purchase, as the buying rules decide.
#include "trading/win32/BuyScreen.h"

#include "resources/resource.h"
#include "runtime/win32/EditFilters.h"
#include "runtime/win32/MessageBoxes.h"
#include "runtime/win32/Screen.h"
#include "trading/BuyRules.h"
#include "trading/win32/OrderPrompts.h"
#include "trading/win32/PairedFields.h"
#include "runtime/Formats.h"

namespace {
constexpr FontSpec kBuyFonts[] = {
    {IDC_BUY_QUANTITY, "Helv", -13, FW_NORMAL},    {IDC_BUY_VALUE, "Helv", -13, FW_NORMAL},
    {IDC_BUY_BUY, "Helv", -11, FW_NORMAL},         {IDC_BUY_MAX, "Helv", -11, FW_NORMAL},
    {IDC_CANCEL_BUTTON, "Helv", -11, FW_NORMAL},   {IDC_BUY_QUANTITY_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_BUY_VALUE_LABEL, "Helv", -11, FW_NORMAL}, {IDC_BUY_PRICE_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_BUY_PRICE, "Helv", -11, FW_NORMAL},       {IDC_BUY_BALANCE_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_BUY_BALANCE, "Helv", -11, FW_NORMAL},     {IDC_BUY_INFORMATION, "Helv", -11, FW_NORMAL},
    {IDC_BUY_SHARE_NAME, "Helv", -13, FW_BOLD},
};

struct BuyScreen {
    GameModel& model;
    int share;
    PairedFields fields{{IDC_BUY_QUANTITY, IDC_BUY_VALUE, IDC_BUY_BUY}, EntryRounding::Buy};
    bool chargeAccepted = false;
};

std::string textOf(HWND dialog, int id) {
    return fieldText(GetDlgItem(dialog, id));
}

// Refuses, or asks about the broker's charge and books on Yes.
void carryOut(HWND dialog, BuyScreen& screen, const BuyStep& step) {
    if (step.refused()) {
        showNotice(dialog, step.notice());
        return;
    }
    if (!confirmBrokerCharge(dialog, screen.model, step.chargeValue)) return;
    bookPurchase(dialog, screen.model, screen.share, step.quantity);
    screen.chargeAccepted = true;
}

void OnBuy(HWND dialog, BuyScreen& screen) {
    carryOut(dialog, screen,
             decideBuy(screen.model, screen.share, textOf(dialog, IDC_BUY_QUANTITY),
                       textOf(dialog, IDC_BUY_VALUE)));
    EndDialog(dialog, IDC_BUY_BUY);
}

void OnBuyMax(HWND dialog, BuyScreen& screen) {
    const BuyMaxStep max = decideBuyMax(screen.model, screen.share);
    // The player sees the quantity and value behind the next message.
    if (max.quantityText) SetDlgItemTextA(dialog, IDC_BUY_QUANTITY, max.quantityText->c_str());
    if (max.valueText) SetDlgItemTextA(dialog, IDC_BUY_VALUE, max.valueText->c_str());
    carryOut(dialog, screen, max.step);
    EndDialog(dialog, IDC_BUY_MAX);
}

BOOL OnInit(HWND dialog, BuyScreen& screen) {
    const ShareRecord& share = screen.model.shareTable[screen.share];
    SetWindowTextA(dialog, buyDialogTitle(share).c_str());
    SetDlgItemTextA(dialog, IDC_BUY_SHARE_NAME, buyShareName(share).c_str());
    SetDlgItemTextA(dialog, IDC_BUY_PRICE, buyPriceText(share).c_str());
    SetDlgItemTextA(dialog, IDC_BUY_BALANCE, formatPounds(screen.model.pendingBalance).c_str());
    screen.fields.attach(dialog, share.currentPrice);
    return FALSE;  // the fields have put the focus in Quantity
}

bool OnCommand(HWND dialog, BuyScreen& screen, int id, UINT notification) {
    if (screen.fields.onCommand(id, notification)) return true;
    if (id == IDC_BUY_BUY) OnBuy(dialog, screen);
    if (id == IDC_BUY_MAX) OnBuyMax(dialog, screen);
    return id == IDC_BUY_BUY || id == IDC_BUY_MAX;
}

void OnDestroy(HWND, BuyScreen& screen) {
    screen.fields.detach();
}

const ScreenTemplate<BuyScreen> kBuyScreen = {
    .name = RES_DLG_BUYSHARES,
    .helpNumber = IDH_BUY_SHARES,
    .fonts = kBuyFonts,
    .handlers = {.init = OnInit, .command = OnCommand, .destroy = OnDestroy},
};
}  // namespace

bool runBuyScreen(HWND owner, GameModel& model, int shareNumber) {
    if (shareNumber < 0 || shareNumber >= kShareCount) return false;
    BuyScreen screen{model, shareNumber};
    runModalScreen(owner, kBuyScreen, screen);
    return screen.chargeAccepted;
}
