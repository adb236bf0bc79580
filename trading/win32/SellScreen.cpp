// The Sell dialog: the paired entry fields, Sell, Sell All and Cancel, and the holding's figures.
#include "trading/win32/SellScreen.h"

#include "resources/resource.h"
#include "runtime/win32/EditFilters.h"
#include "runtime/win32/MessageBoxes.h"
#include "runtime/win32/Screen.h"
#include "trading/win32/OrderPrompts.h"
#include "trading/win32/PairedFields.h"
#include "trading/SaleRules.h"

namespace {
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
    {IDC_SELL_SHARE_NAME, "Helv", -13, FW_BOLD},
};

// All the dialog keeps while it is open; it lives on runSellScreen's stack.
struct SellScreen {
    GameModel& model;
    int share;  // the holding's
    PairedFields fields{{IDC_SELL_QUANTITY, IDC_SELL_VALUE, IDC_SELL_SELL}, EntryRounding::Sell};
    bool booked = false;
};

std::string textOf(HWND dialog, int id) {
    return fieldText(GetDlgItem(dialog, id));
}

void showFigures(HWND dialog, const SellScreen& screen) {
    const SaleFigures figures = saleFigures(screen.model, screen.share);
    SetWindowTextA(dialog, figures.title.c_str());
    SetDlgItemTextA(dialog, IDC_SELL_SHARE_NAME, figures.name.c_str());
    SetDlgItemTextA(dialog, IDC_SELL_AVAILABLE, figures.available.c_str());
    SetDlgItemTextA(dialog, IDC_SELL_PRICE, figures.price.c_str());
    SetDlgItemTextA(dialog, IDC_SELL_TOTAL, figures.totalValue.c_str());
}

// Every way out of Sell and Sell All: the refusal, or the charge question and the booking; then the
// dialog closes, whatever happened.
void carryOut(HWND dialog, SellScreen& screen, const SalePlan& plan, int buttonId) {
    if (!plan.accepted())
        showNotice(dialog, plan.notice());
    else if (plan.hasOrder() && confirmBrokerCharge(dialog, screen.model, plan.chargedValue))
        screen.booked = placeSale(screen.model, screen.share, plan);
    EndDialog(dialog, buttonId);
}

void OnSell(HWND dialog, SellScreen& screen) {
    carryOut(dialog, screen,
             planSale(screen.model, screen.share, textOf(dialog, IDC_SELL_VALUE),
                      textOf(dialog, IDC_SELL_QUANTITY)),
             IDC_SELL_SELL);
}

void OnSellAll(HWND dialog, SellScreen& screen) {
    const SalePlan plan = planSellAll(screen.model, screen.share);
    // The player sees the whole holding and its value behind the question (a suspended share has none).
    if (plan.refusal != SaleRefusal::Suspended) {
        const EntryTexts texts = sellAllTexts(screen.model, screen.share);
        SetDlgItemTextA(dialog, IDC_SELL_QUANTITY, texts.quantity.c_str());
        SetDlgItemTextA(dialog, IDC_SELL_VALUE, texts.value.c_str());
    }
    carryOut(dialog, screen, plan, IDC_SELL_ALL);
}

BOOL OnInit(HWND dialog, SellScreen& screen) {
    showFigures(dialog, screen);
    screen.fields.attach(dialog, screen.model.shareTable[screen.share].currentPrice);
    return FALSE;  // the fields have put the focus in the Quantity field
}

bool OnCommand(HWND dialog, SellScreen& screen, int id, UINT notification) {
    if (screen.fields.onCommand(id, notification)) return true;
    if (notification != BN_CLICKED) return true;
    if (id == IDC_SELL_SELL) OnSell(dialog, screen);
    if (id == IDC_SELL_ALL) OnSellAll(dialog, screen);
    return id == IDC_SELL_SELL || id == IDC_SELL_ALL;
}

void OnDestroy(HWND, SellScreen& screen) {
    screen.fields.detach();
}

const ScreenTemplate<SellScreen> kSellScreen = {
    .name = RES_DLG_SELLSHARES,
    .helpNumber = IDH_SELL_SHARES,
    .fonts = kFonts,
    .handlers = {.init = OnInit, .command = OnCommand, .destroy = OnDestroy},
};
}  // namespace

bool runSellScreen(HWND owner, GameModel& model, int holding) {
    if (holding < 0 || holding >= kHoldingCount || !model.holdings[holding].isOccupied()) return false;
    SellScreen screen{model, model.holdings[holding].shareNumber};
    runModalScreen(owner, kSellScreen, screen);
    return screen.booked;
}
