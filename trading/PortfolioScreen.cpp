// The portfolio screen: rebuilt from the model on every activation, with buying more, selling,
// removing a pending order and the way to the share index.
#include "trading/PortfolioScreen.h"

#include <windowsx.h>

#include "resources/resource.h"
#include "runtime/ClassicUnits.h"
#include "runtime/ControlFonts.h"
#include "runtime/DialogHost.h"
#include "runtime/GdiHandles.h"
#include "runtime/MessageBoxes.h"
#include "shell/Dispatch.h"
#include "shell/ShellState.h"
#include "trading/BuyScreen.h"
#include "trading/OrderPrompts.h"
#include "trading/Portfolio.h"
#include "trading/SellScreen.h"
#include "views/ShareIndexScreen.h"

namespace {
constexpr int kPortfolioHelp = 20001;
constexpr COLORREF kNegativeColour = RGB(255, 0, 0);
constexpr COLORREF kFigureColour = RGB(0, 0, 0);
// Under the Cash Balance figure, above the total, in pixels of the client area.
constexpr POINT kSumLineFrom = {193, 352};
constexpr POINT kSumLineTo = {260, 352};

constexpr FontSpec kListFont = {IDC_PORT_LIST, "Courier", -13, FW_NORMAL};
constexpr int kHelvControls[] = {
    IDC_PORT_NAME_HEADING,
    IDC_PORT_HELD_HEADING,
    IDC_PORT_ACTION_HEADING,
    IDC_PORT_PENDING_HEADING,
    IDC_PORT_PRICE_HEADING,
    IDC_PORT_MOVEMENT_HEADING,
    IDC_PORT_SHARE_DETAILS,
    IDC_PORT_OPENING_LABEL,
    IDC_PORT_OPENING_PRICE,
    IDC_PORT_SHARE_VALUE_LABEL,
    IDC_PORT_SHARE_VALUE,
    IDC_PORT_FEES_LABEL,
    IDC_PORT_FEES,
    IDC_PORT_ACCOUNT_DETAILS,
    IDC_PORT_VALUE_LABEL,
    IDC_PORT_VALUE,
    IDC_PORT_CASH_LABEL,
    IDC_PORT_CASH,
    IDC_PORT_TOTAL,
    IDC_PORT_PROFIT_LABEL,
    IDC_PORT_PROFIT,
    IDC_PORT_PENDING_LABEL,
    IDC_PORT_PENDING_BALANCE,
    IDC_PORT_SHARE_INDEX,
    IDC_PORT_BUY,
    IDC_PORT_SELL,
    IDC_PORT_REMOVE,
    IDC_PORT_SELECT_PORTFOLIO,
    IDC_PORT_VALUATION,
    IDC_PORT_MAIN_MENU,
    IDC_PORT_TEXT,
};

// Where each heading's column stands in a list line, in characters: it is centred over them.
struct ColumnHeading {
    int id;
    int firstChar;
    int lastChar;
};
constexpr ColumnHeading kHeadings[] = {
    {IDC_PORT_HELD_HEADING, 22, 28},  {IDC_PORT_ACTION_HEADING, 35, 42},   {IDC_PORT_PENDING_HEADING, 44, 50},
    {IDC_PORT_PRICE_HEADING, 56, 60}, {IDC_PORT_MOVEMENT_HEADING, 65, 69},
};

struct PortfolioScreen {
    OwnedBrush faceBrush;  // background of the four coloured figures
    AccountFigures shown;  // which of them are drawn in red
};

PortfolioScreen* stateOf(HWND dialog) {
    return reinterpret_cast<PortfolioScreen*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

HWND listOf(HWND dialog) {
    return GetDlgItem(dialog, IDC_PORT_LIST);
}

RECT placeInDialog(HWND dialog, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The headings are laid out for one width of the fixed-pitch face; the face the system gives may be
// narrower or wider, so each heading is moved over its column as the list will draw it.
void placeHeadings(HWND dialog) {
    HWND list = listOf(dialog);
    WindowDc dc(list);
    Selected font(dc.get(), GetWindowFont(list));
    SIZE character = {};
    if (!GetTextExtentPoint32A(dc.get(), "0", 1, &character) || character.cx <= 0) return;
    POINT textOrigin = {0, 0};
    MapWindowPoints(list, dialog, &textOrigin, 1);
    for (const ColumnHeading& heading : kHeadings) {
        HWND control = GetDlgItem(dialog, heading.id);
        const RECT r = placeInDialog(dialog, control);
        const int centre = textOrigin.x + (heading.firstChar + heading.lastChar + 1) * character.cx / 2;
        SetWindowPos(control, nullptr, centre - (r.right - r.left) / 2, r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    HWND name = GetDlgItem(dialog, IDC_PORT_NAME_HEADING);
    SetWindowPos(name, nullptr, textOrigin.x, placeInDialog(dialog, name).top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void setText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

void showDetails(HWND dialog, const ShareDetails& details) {
    setText(dialog, IDC_PORT_SHARE_DETAILS, details.caption);
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

void showSelection(HWND dialog) {
    const int line = ListBox_GetCurSel(listOf(dialog));
    if (line < 0 || line >= kHoldingCount) {
        setText(dialog, IDC_PORT_SHARE_DETAILS, shareDetailsCaption(""));
        return;
    }
    showButtons(dialog, buttonsFor(gGame.holdings[line]));
    showDetails(dialog, shareDetailsFor(gGame, line));
}

void showAccount(HWND dialog, PortfolioScreen& state, const AccountFigures& figures) {
    state.shown = figures;  // the colour requests that the new texts bring read it
    setText(dialog, IDC_PORT_TOTAL, figures.total);
    setText(dialog, IDC_PORT_PROFIT, figures.profit);
    setText(dialog, IDC_PORT_PENDING_BALANCE, figures.pendingBalance);
    setText(dialog, IDC_PORT_CASH, figures.cashBalance);
    setText(dialog, IDC_PORT_VALUE, figures.portfolioValue);
}

void rebuild(HWND dialog) {
    PortfolioScreen* state = stateOf(dialog);
    if (!state) return;
    const PortfolioDisplay display = rebuildPortfolio(gGame);
    setText(dialog, IDC_PORT_ACCOUNT_DETAILS, display.account.caption);
    HWND list = listOf(dialog);
    ListBox_ResetContent(list);
    for (const std::string& line : display.lines) ListBox_AddString(list, line.c_str());
    showAccount(dialog, *state, display.account);
    if (display.lines.empty()) {
        showDetails(dialog, emptyShareDetails());  // the buttons keep their states
        return;
    }
    ListBox_SetCurSel(list, 0);
    showSelection(dialog);
}

bool anyHolding() {
    return gGame.holdings[0].isOccupied();
}  // occupied holdings stand at the front

void focusListOrShareIndex(HWND dialog, bool listHasLines) {
    SetFocus(listHasLines ? listOf(dialog) : GetDlgItem(dialog, IDC_PORT_SHARE_INDEX));
}

// Takes the selected line's holding and its share for the next dialog; -1 with no selection.
int takeSelectedHolding(HWND dialog) {
    HWND list = listOf(dialog);
    if (ListBox_GetCount(list) > 0) SetFocus(list);
    const int line = ListBox_GetCurSel(list);
    if (line < 0 || line >= kHoldingCount) return -1;
    gGame.selectedHolding = line;
    gGame.selectedShare = gGame.holdings[line].shareNumber;
    return line;
}

void OnShareIndex(HWND dialog) {
    showShareIndex(dialog);
    focusListOrShareIndex(dialog, ListBox_GetCount(listOf(dialog)) > 0);
}

void OnBuy(HWND dialog) {
    if (takeSelectedHolding(dialog) < 0) return;
    showBuyDialog(dialog);
    gGame.selectedShare = gGame.holdings[gGame.selectedHolding].shareNumber;
}

void OnSell(HWND dialog) {
    if (takeSelectedHolding(dialog) < 0) return;
    admitOrder(dialog, OrderKind::Sale);
    if (gGame.orderRefused == 0) showSellDialog(dialog);
}

void OnRemove(HWND dialog) {
    const int holding = ListBox_GetCurSel(listOf(dialog));
    if (holding >= 0 && askYesNo(dialog, kRemoveQuestion, MB_ICONEXCLAMATION)) {
        if (removePendingOrder(gGame, holding)) refuse(dialog, kPortfolioResetText);
        EnableWindow(GetDlgItem(dialog, IDC_PORT_REMOVE), FALSE);
        PostMessageA(dialog, WM_ACTIVATE, WA_ACTIVE, 0);  // rebuilds the display
    }
    focusListOrShareIndex(dialog, anyHolding());
}

void OnEnter(HWND dialog) {
    if (GetFocus() == listOf(dialog))
        SetFocus(GetDlgItem(dialog, IDC_PORT_SHARE_INDEX));
    else
        EndDialog(dialog, IDOK);
}

void OnListNotification(HWND dialog, UINT notification) {
    if (notification == LBN_SELCHANGE) showSelection(dialog);
    // A double click sells even while the Sell button is disabled; the admission test answers it.
    if (notification == LBN_DBLCLK)
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PORT_SELL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_PORT_SELL)));
}

BOOL OnInitDialog(HWND dialog, HWND, LPARAM parameter) {
    SetWindowLongPtrA(dialog, DWLP_USER, parameter);
    setControlFont(dialog, IDC_PORT_LIST, kListFont);
    for (int id : kHelvControls) setControlFont(dialog, id, {id, "Helv", -11, FW_NORMAL});
    layOutInClassicUnits(dialog);
    centreWindow(dialog);
    placeHeadings(dialog);
    return TRUE;  // the first activation builds the display
}

void OnCommand(HWND dialog, int id, HWND control, UINT notification) {
    if (dispatchCommandFromNoControl(dialog, id, control, notification)) return;
    switch (id) {
        case IDC_PORT_LIST:
            OnListNotification(dialog, notification);
            break;
        case IDC_PORT_SHARE_INDEX:
            OnShareIndex(dialog);
            break;
        case IDC_PORT_BUY:
            OnBuy(dialog);
            break;
        case IDC_PORT_SELL:
            OnSell(dialog);
            break;
        case IDC_PORT_REMOVE:
            OnRemove(dialog);
            break;
        case IDC_PORT_VALUATION:
            SetFocus(listOf(dialog));
            break;  // the valuation is a later screen
        case IDC_PORT_MAIN_MENU:
        case IDCANCEL:
            EndDialog(dialog, id);
            break;
        case IDOK:
            OnEnter(dialog);
            break;
        default:
            break;
    }
}

HBRUSH OnCtlColorStatic(HWND dialog, HDC dc, HWND control, int) {
    const PortfolioScreen* state = stateOf(dialog);
    if (!state) return nullptr;
    const AccountFigures& shown = state->shown;
    bool negative = false;
    switch (GetDlgCtrlID(control)) {
        case IDC_PORT_CASH:
            negative = shown.cashNegative;
            break;
        case IDC_PORT_PENDING_BALANCE:
            negative = shown.pendingNegative;
            break;
        case IDC_PORT_TOTAL:
            negative = shown.totalNegative;
            break;
        case IDC_PORT_PROFIT:
            negative = shown.profitNegative;
            break;
        default:
            return nullptr;  // every other control keeps its normal colours
    }
    SetTextColor(dc, negative ? kNegativeColour : kFigureColour);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return state->faceBrush.get();
}

void OnPaint(HWND dialog) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    MoveToEx(dc, kSumLineFrom.x, kSumLineFrom.y, nullptr);
    LineTo(dc, kSumLineTo.x, kSumLineTo.y);
    EndPaint(dialog, &paint);
}

INT_PTR CALLBACK PortfolioProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (dialogPreFilter(dialog, message, wParam, lParam, kModalDialogKind, kPortfolioHelp, &result))
        return SetDlgMsgResult(dialog, message, result);
    switch (message) {
        DLG_MSG(dialog, WM_INITDIALOG, OnInitDialog);
        DLG_MSG(dialog, WM_COMMAND, OnCommand);
        DLG_MSG(dialog, WM_CTLCOLORSTATIC, OnCtlColorStatic);
        case WM_ACTIVATE:
            rebuild(dialog);
            return FALSE;  // the dialog manager still saves and restores the focus
        case WM_PAINT:
            OnPaint(dialog);
            return TRUE;
        case WM_DESTROY:
            releaseDialogFonts(dialog);
            return FALSE;
        default:
            return FALSE;
    }
}
}  // namespace

void showPortfolioScreen(HWND owner) {
    PortfolioScreen state{OwnedBrush(CreateSolidBrush(GetSysColor(COLOR_BTNFACE))), {}};
    showModalDialog(owner, RES_DLG_PORTFOLIO, PortfolioProc, reinterpret_cast<LPARAM>(&state));
}
