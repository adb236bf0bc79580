// The portfolio screen: rebuilt from the model on every activation, with buying more, selling,
// removing a pending order and the way to the share index.
#include "trading/win32/PortfolioScreen.h"

#include <windowsx.h>

#include "resources/resource.h"
#include "runtime/win32/ControlText.h"
#include "runtime/win32/GdiHandles.h"
#include "runtime/win32/ListHeadings.h"
#include "runtime/win32/MessageBoxes.h"
#include "runtime/win32/Screen.h"
#include "runtime/win32/SumRule.h"
#include "trading/win32/BuyScreen.h"
#include "trading/win32/OrderPrompts.h"
#include "trading/win32/PortfolioSelectScreen.h"
#include "trading/Portfolio.h"
#include "trading/win32/SellScreen.h"

namespace {
constexpr COLORREF kNegativeColour = RGB(255, 0, 0);
constexpr COLORREF kFigureColour = RGB(0, 0, 0);

constexpr FontSpec kPortfolioFonts[] = {
    {IDC_PORT_LIST, "Courier", -13, FW_NORMAL},
    {IDC_PORT_NAME_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_PORT_HELD_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_PORT_ACTION_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_PORT_PENDING_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_PORT_PRICE_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_PORT_MOVEMENT_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_PORT_SHARE_DETAILS, "Helv", -11, FW_NORMAL},
    {IDC_PORT_OPENING_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_PORT_OPENING_PRICE, "Helv", -11, FW_NORMAL},
    {IDC_PORT_SHARE_VALUE_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_PORT_SHARE_VALUE, "Helv", -11, FW_NORMAL},
    {IDC_PORT_FEES_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_PORT_FEES, "Helv", -11, FW_NORMAL},
    {IDC_PORT_ACCOUNT_DETAILS, "Helv", -11, FW_NORMAL},
    {IDC_PORT_VALUE_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_PORT_VALUE, "Helv", -11, FW_NORMAL},
    {IDC_PORT_CASH_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_PORT_CASH, "Helv", -11, FW_NORMAL},
    {IDC_PORT_TOTAL, "Helv", -11, FW_NORMAL},
    {IDC_PORT_PROFIT_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_PORT_PROFIT, "Helv", -11, FW_NORMAL},
    {IDC_PORT_PENDING_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_PORT_PENDING_BALANCE, "Helv", -11, FW_NORMAL},
    {IDC_PORT_SHARE_INDEX, "Helv", -11, FW_NORMAL},
    {IDC_PORT_BUY, "Helv", -11, FW_NORMAL},
    {IDC_PORT_SELL, "Helv", -11, FW_NORMAL},
    {IDC_PORT_REMOVE, "Helv", -11, FW_NORMAL},
    {IDC_PORT_SELECT_PORTFOLIO, "Helv", -11, FW_NORMAL},
    {IDC_PORT_VALUATION, "Helv", -11, FW_NORMAL},
    {IDC_PORT_MAIN_MENU, "Helv", -11, FW_NORMAL},
    {IDC_PORT_TEXT, "Helv", -11, FW_NORMAL},
};

// Where each heading's column stands in a list line, in characters: it is centred over them.
constexpr ColumnHeading kHeadings[] = {
    {IDC_PORT_HELD_HEADING, 20, 29},  {IDC_PORT_ACTION_HEADING, 35, 42},   {IDC_PORT_PENDING_HEADING, 43, 52},
    {IDC_PORT_PRICE_HEADING, 56, 60}, {IDC_PORT_MOVEMENT_HEADING, 65, 69},
};

struct PortfolioScreen {
    GameModel& model;
    const PortfolioLinks& links;
    OwnedBrush faceBrush{CreateSolidBrush(GetSysColor(COLOR_BTNFACE))};  // behind the four coloured figures
    AccountFigures shown{};                                              // which of them are drawn in red
};

HWND listOf(HWND dialog) {
    return GetDlgItem(dialog, IDC_PORT_LIST);
}

void setText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

void showDetails(HWND dialog, const ShareDetails& details) {
    setLiteralText(dialog, IDC_PORT_SHARE_DETAILS, details.caption);
    setText(dialog, IDC_PORT_OPENING_PRICE, details.openingPrice);
    setText(dialog, IDC_PORT_SHARE_VALUE, details.shareValue);
    setText(dialog, IDC_PORT_FEES, details.brokersFees);
}

void showButtons(HWND dialog, const PortfolioButtons& buttons) {
    EnableWindow(GetDlgItem(dialog, IDC_PORT_REMOVE), buttons.remove);
    EnableWindow(GetDlgItem(dialog, IDC_PORT_SELL), buttons.sell);
    EnableWindow(GetDlgItem(dialog, IDC_PORT_BUY), buttons.buy);
    EnableWindow(GetDlgItem(dialog, IDC_PORT_VALUATION), buttons.valuation);
}

void showSelection(HWND dialog, const GameModel& model) {
    const int line = ListBox_GetCurSel(listOf(dialog));
    if (line < 0 || line >= kHoldingCount) {
        setLiteralText(dialog, IDC_PORT_SHARE_DETAILS, shareDetailsCaption(""));
        return;
    }
    showButtons(dialog, buttonsFor(model.holdings[line]));
    showDetails(dialog, shareDetailsFor(model, line));
}

void showAccount(HWND dialog, PortfolioScreen& screen, const AccountFigures& figures) {
    screen.shown = figures;  // the colour requests that the new texts bring read it
    setText(dialog, IDC_PORT_TOTAL, figures.total);
    setText(dialog, IDC_PORT_PROFIT, figures.profit);
    setText(dialog, IDC_PORT_PENDING_BALANCE, figures.pendingBalance);
    setText(dialog, IDC_PORT_CASH, figures.cashBalance);
    setText(dialog, IDC_PORT_VALUE, figures.portfolioValue);
    InvalidateRect(dialog, nullptr, TRUE);  // the sum line follows the figures' width
}

void rebuild(HWND dialog, PortfolioScreen& screen) {
    const PortfolioDisplay display = rebuildPortfolio(screen.model);
    setText(dialog, IDC_PORT_ACCOUNT_DETAILS, display.account.caption);
    HWND list = listOf(dialog);
    ListBox_ResetContent(list);
    for (const std::string& line : display.lines) ListBox_AddString(list, line.c_str());
    showAccount(dialog, screen, display.account);
    if (display.lines.empty()) {
        showDetails(dialog, emptyShareDetails());  // the buttons keep their states
        return;
    }
    ListBox_SetCurSel(list, 0);
    showSelection(dialog, screen.model);
}

void focusListOrShareIndex(HWND dialog, const GameModel& model) {
    const bool anyHolding = model.holdings[0].isOccupied();  // occupied holdings come first
    SetFocus(anyHolding ? listOf(dialog) : GetDlgItem(dialog, IDC_PORT_SHARE_INDEX));
}

// The selected line's holding; -1 with none.
int takeSelectedHolding(HWND dialog) {
    HWND list = listOf(dialog);
    if (ListBox_GetCount(list) > 0) SetFocus(list);
    const int line = ListBox_GetCurSel(list);
    if (line < 0 || line >= kHoldingCount) return -1;
    return line;
}

void OnShareIndex(HWND dialog, const PortfolioScreen& screen) {
    screen.links.shareIndex(dialog, screen.model);
    focusListOrShareIndex(dialog, screen.model);
}

void OnBuy(HWND dialog, GameModel& model) {
    const int holding = takeSelectedHolding(dialog);
    if (holding < 0) return;
    runBuyScreen(dialog, model, model.holdings[holding].shareNumber);
}

// A double click sells even while the Sell button is disabled; the admission test answers it.
void OnSell(HWND dialog, GameModel& model) {
    const int holding = takeSelectedHolding(dialog);
    if (holding < 0) return;
    if (admitOrder(dialog, model, model.holdings[holding].shareNumber, OrderKind::Sale).admitted())
        runSellScreen(dialog, model, holding);
}

void OnRemove(HWND dialog, PortfolioScreen& screen) {
    const int holding = ListBox_GetCurSel(listOf(dialog));
    if (holding >= 0 && askYesNo(dialog, questionNotice(kRemoveQuestion, NoticeIcon::Exclamation))) {
        if (removePendingOrder(screen.model, holding)) {
            refuse(dialog, kPortfolioResetText);
            resetPendingOrders(screen.model);
        }
        EnableWindow(GetDlgItem(dialog, IDC_PORT_REMOVE), FALSE);
        rebuild(dialog, screen);
    }
    focusListOrShareIndex(dialog, screen.model);
}

void OnEnter(HWND dialog) {
    if (GetFocus() == listOf(dialog))
        SetFocus(GetDlgItem(dialog, IDC_PORT_SHARE_INDEX));
    else
        EndDialog(dialog, IDOK);
}

void OnListNotification(HWND dialog, GameModel& model, UINT notification) {
    if (notification == LBN_SELCHANGE) showSelection(dialog, model);
    if (notification == LBN_DBLCLK) OnSell(dialog, model);
}

BOOL OnInit(HWND dialog, PortfolioScreen&) {
    placeHeadingsOverColumns(dialog, IDC_PORT_LIST, IDC_PORT_NAME_HEADING, kHeadings);
    return TRUE;  // the first activation builds the display
}

bool OnCommand(HWND dialog, PortfolioScreen& screen, int id, UINT notification) {
    switch (id) {
        case IDC_PORT_LIST:
            OnListNotification(dialog, screen.model, notification);
            return true;
        case IDC_PORT_SHARE_INDEX:
            OnShareIndex(dialog, screen);
            return true;
        case IDC_PORT_BUY:
            OnBuy(dialog, screen.model);
            return true;
        case IDC_PORT_SELL:
            OnSell(dialog, screen.model);
            return true;
        case IDC_PORT_REMOVE:
            OnRemove(dialog, screen);
            return true;
        case IDC_PORT_VALUATION:
            screen.links.valuation(dialog, screen.model);
            SetFocus(listOf(dialog));
            return true;
        case IDC_PORT_SELECT_PORTFOLIO:
            runPortfolioSelectScreen(dialog);
            return true;
        case IDC_PORT_MAIN_MENU:
            EndDialog(dialog, id);
            return true;
        case IDOK:
            OnEnter(dialog);
            return true;
        default:
            return false;
    }
}

bool isNegative(const AccountFigures& shown, int id) {
    switch (id) {
        case IDC_PORT_CASH:
            return shown.cashNegative;
        case IDC_PORT_PENDING_BALANCE:
            return shown.pendingNegative;
        case IDC_PORT_TOTAL:
            return shown.totalNegative;
        default:
            return shown.profitNegative;
    }
}

HBRUSH OnColour(HWND, PortfolioScreen& screen, HDC dc, HWND control, UINT message) {
    const int id = GetDlgCtrlID(control);
    const bool figure = id == IDC_PORT_CASH || id == IDC_PORT_PENDING_BALANCE || id == IDC_PORT_TOTAL ||
                        id == IDC_PORT_PROFIT;
    if (message != WM_CTLCOLORSTATIC || !figure) return nullptr;  // every other control keeps its colours
    SetTextColor(dc, isNegative(screen.shown, id) ? kNegativeColour : kFigureColour);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return screen.faceBrush.get();
}

// The sum line: under the cash balance, above the total of it and the portfolio value.
void OnPaint(HWND dialog, PortfolioScreen&, const PAINTSTRUCT& paint) {
    constexpr int kAddedFigures[] = {IDC_PORT_VALUE, IDC_PORT_CASH, IDC_PORT_TOTAL};
    drawSumRule(dialog, paint.hdc, IDC_PORT_CASH, IDC_PORT_TOTAL, kAddedFigures);
}

void OnActivate(HWND dialog, PortfolioScreen& screen, bool active) {
    if (active) rebuild(dialog, screen);
}

const ScreenTemplate<PortfolioScreen> kPortfolioScreen = {
    .name = RES_DLG_PORTFOLIO,
    .helpNumber = IDH_PORTFOLIO,
    .fonts = kPortfolioFonts,
    .handlers =
        {.init = OnInit, .command = OnCommand, .paint = OnPaint, .colour = OnColour, .activate = OnActivate},
};
}  // namespace

void runPortfolioScreen(HWND owner, GameModel& model, const PortfolioLinks& links) {
    PortfolioScreen screen{model, links};
    runModalScreen(owner, kPortfolioScreen, screen);
}
