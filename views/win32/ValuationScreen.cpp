// The valuation: the core's lines and totals in a Courier list under headings moved over their
// columns, the rule of the addition drawn on every paint, and the graph of the listed holdings.
#include "views/win32/ValuationScreen.h"

#include <windowsx.h>

#include <algorithm>

#include "resources/resource.h"
#include "runtime/win32/GdiHandles.h"
#include "runtime/win32/ListHeadings.h"
#include "runtime/win32/Screen.h"
#include "runtime/win32/SumRule.h"
#include "views/Valuation.h"
#include "views/win32/GraphScreen.h"

namespace {
// Courier 12, seven pixels a character, fits the widest line, 85 characters, in the list at 640 x 480;
// at 13 it would need 680 pixels.
constexpr int kListFontHeight = -12;
constexpr FontSpec kValuationFonts[] = {
    {IDC_VAL_LIST, "Courier", kListFontHeight, FW_NORMAL},
    {IDC_VAL_NAME_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_VAL_HELD_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_VAL_DATE_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_VAL_PRICE_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_VAL_COST_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_VAL_PRICE_NOW_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_VAL_VALUE_NOW_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_VAL_FEES_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_VAL_FEES, "Helv", -11, FW_NORMAL},
    {IDC_VAL_VALUE_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_VAL_VALUE, "Helv", -11, FW_NORMAL},
    {IDC_VAL_CASH_LABEL, "Helv", -11, FW_NORMAL},
    {IDC_VAL_CASH, "Helv", -11, FW_NORMAL},
    {IDC_VAL_TOTAL, "Helv", -11, FW_NORMAL},
    {IDC_VAL_AVERAGE_MARK, "Helv", -11, FW_NORMAL},
    {IDC_VAL_AVERAGE_LEGEND, "Helv", -11, FW_NORMAL},
    {IDC_VAL_FOOTNOTE_MARK, "Helv", -11, FW_NORMAL},
    {IDC_VAL_FOOTNOTE, "Helv", -11, FW_NORMAL},
    {IDC_VAL_GRAPH, "Helv", -11, FW_NORMAL},
    {IDC_VAL_EXIT, "Helv", -11, FW_NORMAL},
};

constexpr ColumnHeading heading(int id, const ValuationColumn& column) {
    return {id, column.first, column.last};
}

// Each heading over the characters its column's widest figure takes.
constexpr ColumnHeading kHeadings[] = {
    heading(IDC_VAL_HELD_HEADING, kValuationColumns[0]),
    heading(IDC_VAL_DATE_HEADING, kValuationColumns[1]),
    heading(IDC_VAL_PRICE_HEADING, kValuationColumns[2]),
    heading(IDC_VAL_COST_HEADING, kValuationColumns[3]),
    heading(IDC_VAL_PRICE_NOW_HEADING, kValuationColumns[4]),
    heading(IDC_VAL_VALUE_NOW_HEADING, kValuationColumns[5]),
};

struct ValuationScreen {
    GameModel& model;
    BuyRequest buy;
};

HWND listOf(HWND dialog) {
    return GetDlgItem(dialog, IDC_VAL_LIST);
}

void setText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

// Shows the list and the totals; the row `selected` stays chosen while the list still has it.
void showValuation(HWND dialog, const ValuationDisplay& display, int selected) {
    HWND list = listOf(dialog);
    SetWindowRedraw(list, FALSE);
    ListBox_ResetContent(list);
    for (const std::string& line : display.lines) ListBox_AddString(list, line.c_str());
    SetWindowRedraw(list, TRUE);
    InvalidateRect(list, nullptr, TRUE);
    const int rows = static_cast<int>(display.lines.size());
    if (rows > 0) ListBox_SetCurSel(list, std::clamp(selected, 0, rows - 1));
    setText(dialog, IDC_VAL_FEES, display.feesToDate);
    setText(dialog, IDC_VAL_VALUE, display.portfolioValue);
    setText(dialog, IDC_VAL_CASH, display.cashBalance);
    setText(dialog, IDC_VAL_TOTAL, display.total);
    InvalidateRect(dialog, nullptr, TRUE);  // the rule follows the figures' width
}

// Charts the selected holding; the graph can step through every listed one and can buy, so the
// figures are built again when it returns.
void OnGraph(HWND dialog, const ValuationScreen& screen) {
    GameModel& model = screen.model;
    const int row = ListBox_GetCurSel(listOf(dialog));
    const GraphBrowse browse = valuationBrowse(model, row);
    if (browse.shares.empty()) return;  // an empty list has no holding to chart
    runGraphScreen(dialog, model, browse, screen.buy);
    showValuation(dialog, buildValuation(model), row);
    SetFocus(listOf(dialog));
}

BOOL OnInit(HWND dialog, ValuationScreen& screen) {
    placeHeadingsOverColumns(dialog, IDC_VAL_LIST, IDC_VAL_NAME_HEADING, kHeadings);
    showValuation(dialog, buildValuation(screen.model), 0);
    return TRUE;
}

bool OnCommand(HWND dialog, ValuationScreen& screen, int id, UINT) {
    switch (id) {
        case IDC_VAL_GRAPH:
            OnGraph(dialog, screen);
            return true;
        case IDC_VAL_EXIT:
            EndDialog(dialog, id);
            return true;
        default:
            return false;  // Enter (IDOK) and Escape close the dialog
    }
}

// The rule of the addition: under the cash balance, above the sum.
void OnPaint(HWND dialog, ValuationScreen&, const PAINTSTRUCT& paint) {
    constexpr int kAddedFigures[] = {IDC_VAL_VALUE, IDC_VAL_CASH, IDC_VAL_TOTAL};
    drawSumRule(dialog, paint.hdc, IDC_VAL_CASH, IDC_VAL_TOTAL, kAddedFigures);
}

const ScreenTemplate<ValuationScreen> kValuationScreen = {
    .name = RES_DLG_EQUITY,
    .helpNumber = IDH_VALUATION,
    .fonts = kValuationFonts,
    .handlers = {.init = OnInit, .command = OnCommand, .paint = OnPaint},
};
}  // namespace

void runValuationScreen(HWND owner, GameModel& model, BuyRequest buy) {
    ValuationScreen screen{model, buy};
    runModalScreen(owner, kValuationScreen, screen);
}
