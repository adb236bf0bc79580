// The share index: a sorted copy of the share table in a Courier list, Buy and Graph for the selected
// row, and the three sort orders; it closes itself once a purchase has been confirmed.
#include "views/ShareIndexScreen.h"

#include <windowsx.h>

#include "resources/resource.h"
#include "runtime/ClassicUnits.h"
#include "runtime/ControlFonts.h"
#include "runtime/DialogHost.h"
#include "shell/Dispatch.h"
#include "shell/ShellState.h"
#include "trading/BuyScreen.h"
#include "views/ShareIndex.h"

namespace {
constexpr int kShareIndexHelp = 20002;

constexpr FontSpec kIndexFonts[] = {
    {IDC_INDEX_LIST, "Courier", -13, FW_NORMAL},
    {IDC_INDEX_BUY, "Helv", -11, FW_NORMAL},
    {IDC_INDEX_GRAPH, "Helv", -11, FW_NORMAL},
    {IDC_INDEX_SORT_GROUP, "Helv", -11, FW_NORMAL},
    {IDC_INDEX_ALPHABETICAL, "Helv", -11, FW_NORMAL},
    {IDC_INDEX_FALLERS, "Helv", -11, FW_NORMAL},
    {IDC_INDEX_CLIMBERS, "Helv", -11, FW_NORMAL},
    {IDC_CANCEL_BUTTON, "Helv", -11, FW_NORMAL},
    {IDC_INDEX_NAME_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_INDEX_PRICE_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_INDEX_MOVEMENT_HEADING, "Helv", -11, FW_NORMAL},
    {IDC_INDEX_PERCENT_HEADING, "Helv", -11, FW_NORMAL},
};

constexpr int kSortButtons[] = {IDC_INDEX_ALPHABETICAL, IDC_INDEX_FALLERS, IDC_INDEX_CLIMBERS};

struct ShareIndexScreen {
    ShareList shares{};  // row r of the list shows shares[r]
};

ShareIndexScreen* stateOf(HWND dialog) {
    return reinterpret_cast<ShareIndexScreen*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

HWND listOf(HWND dialog) {
    return GetDlgItem(dialog, IDC_INDEX_LIST);
}

void fillShareList(HWND dialog, const ShareList& shares) {
    HWND list = listOf(dialog);
    ListBox_ResetContent(list);
    for (const std::string& line : shareIndexLines(shares)) ListBox_AddString(list, line.c_str());
    ListBox_SetCurSel(list, 0);
}

void selectShareOfRow(HWND dialog) {
    const ShareIndexScreen* state = stateOf(dialog);
    const int row = ListBox_GetCurSel(listOf(dialog));
    if (state && row >= 0 && row < kShareCount) gGame.selectedShare = state->shares[row].shareNumber;
}

void checkSortButton(HWND dialog, int chosen) {
    for (int id : kSortButtons) CheckDlgButton(dialog, id, id == chosen ? BST_CHECKED : BST_UNCHECKED);
}

void postCommand(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void OnBuy(HWND dialog) {
    selectShareOfRow(dialog);
    showBuyDialog(dialog);
    selectShareOfRow(dialog);  // the dialogs opened from here may have moved it
    SetFocus(listOf(dialog));
}

// The price graph is a later screen: until it exists the button only takes the selected row's share.
void OnGraph(HWND dialog) {
    selectShareOfRow(dialog);
    SetFocus(listOf(dialog));
}

void OnSort(HWND dialog, int button, ShareOrder order) {
    ShareIndexScreen* state = stateOf(dialog);
    if (!state) return;
    sortShares(state->shares, order);
    fillShareList(dialog, state->shares);
    selectShareOfRow(dialog);
    checkSortButton(dialog, button);
    SetFocus(listOf(dialog));
}

void OnListNotification(HWND dialog, UINT notification) {
    if (notification == LBN_SELCHANGE) {
        selectShareOfRow(dialog);
    } else if (notification == LBN_DBLCLK) {
        selectShareOfRow(dialog);
        gGame.purchaseMade = 0;
        postCommand(dialog, IDC_INDEX_BUY);
    }
}

BOOL OnInitDialog(HWND dialog, HWND, LPARAM parameter) {
    SetWindowLongPtrA(dialog, DWLP_USER, parameter);
    applyFonts(dialog, kIndexFonts);
    layOutInClassicUnits(dialog);
    centreWindow(dialog);
    ShareIndexScreen* state = stateOf(dialog);
    state->shares = sortedSharesOf(gGame);
    checkSortButton(dialog, IDC_INDEX_ALPHABETICAL);  // the list opens in table order all the same
    fillShareList(dialog, state->shares);
    return TRUE;
}

void OnCommand(HWND dialog, int id, HWND control, UINT notification) {
    if (dispatchCommandFromNoControl(dialog, id, control, notification)) return;
    switch (id) {
        case IDC_INDEX_LIST:
            OnListNotification(dialog, notification);
            break;
        case IDC_INDEX_BUY:
            OnBuy(dialog);
            break;
        case IDC_INDEX_GRAPH:
            OnGraph(dialog);
            break;
        case IDC_INDEX_ALPHABETICAL:
            OnSort(dialog, id, ShareOrder::ByName);
            break;
        case IDC_INDEX_FALLERS:
            OnSort(dialog, id, ShareOrder::Fallers);
            break;
        case IDC_INDEX_CLIMBERS:
            OnSort(dialog, id, ShareOrder::Climbers);
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

// After a confirmed purchase the index is done: the player goes back to the screen that opened it.
void OnActivate(HWND dialog) {
    if (gGame.purchaseMade) postCommand(dialog, IDC_CANCEL_BUTTON);
}

HBRUSH OnCtlColorListbox(HWND, HDC dc, HWND list, int) {
    SetBkColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    return stockBrushForColours(list, WHITE_BRUSH);
}

void OnDestroy(HWND dialog) {
    releaseDialogFonts(dialog);
}

INT_PTR CALLBACK ShareIndexProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (dialogPreFilter(dialog, message, wParam, lParam, kModalDialogKind, kShareIndexHelp, &result))
        return SetDlgMsgResult(dialog, message, result);
    switch (message) {
        DLG_MSG(dialog, WM_INITDIALOG, OnInitDialog);
        DLG_MSG(dialog, WM_COMMAND, OnCommand);
        DLG_MSG(dialog, WM_CTLCOLORLISTBOX, OnCtlColorListbox);
        DLG_MSG(dialog, WM_DESTROY, OnDestroy);
        case WM_ACTIVATE:
            OnActivate(dialog);
            return FALSE;  // the dialog manager still saves and restores the focus
        default:
            return FALSE;
    }
}
}  // namespace

void showShareIndex(HWND owner) {
    ShareIndexScreen state;
    showModalDialog(owner, RES_DLG_SHARE_INDEX, ShareIndexProc, reinterpret_cast<LPARAM>(&state));
}
