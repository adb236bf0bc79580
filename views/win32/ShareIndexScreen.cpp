// The share index: a sorted copy of the share table in a Courier list, Buy and Graph for the selected
// row, and the three sort orders; it closes itself once a purchase has been confirmed.
#include "views/win32/ShareIndexScreen.h"

#include <windowsx.h>

#include "resources/resource.h"
#include "runtime/win32/Screen.h"
#include "views/ShareIndex.h"
#include "views/win32/GraphScreen.h"

namespace {
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
    GameModel& model;
    BuyRequest buy;
    ShareList shares{};  // row r of the list shows shares[r]
    bool purchased = false;
};

HWND listOf(HWND dialog) {
    return GetDlgItem(dialog, IDC_INDEX_LIST);
}

void fillShareList(HWND dialog, const ShareList& shares) {
    HWND list = listOf(dialog);
    ListBox_ResetContent(list);
    for (const std::string& line : shareIndexLines(shares)) ListBox_AddString(list, line.c_str());
    ListBox_SetCurSel(list, 0);
}

// The share of the selected row; -1 with none.
int shareOfRow(HWND dialog, const ShareIndexScreen& screen) {
    const int row = ListBox_GetCurSel(listOf(dialog));
    return row >= 0 && row < kShareCount ? screen.shares[row].shareNumber : -1;
}

void checkSortButton(HWND dialog, int chosen) {
    for (int id : kSortButtons) CheckDlgButton(dialog, id, id == chosen ? BST_CHECKED : BST_UNCHECKED);
}

// After an accepted purchase the index is done: the player goes back to the screen that opened it.
void closeAfter(HWND dialog, ShareIndexScreen& screen, bool purchased) {
    if (!purchased) {
        SetFocus(listOf(dialog));
        return;
    }
    screen.purchased = true;
    EndDialog(dialog, IDC_CANCEL_BUTTON);
}

void OnBuy(HWND dialog, ShareIndexScreen& screen) {
    closeAfter(dialog, screen, screen.buy(dialog, screen.model, shareOfRow(dialog, screen)));
}

void OnGraph(HWND dialog, ShareIndexScreen& screen) {
    const int share = shareOfRow(dialog, screen);
    if (share < 0) return;
    closeAfter(dialog, screen, runGraphScreen(dialog, screen.model, browseAllShares(share), screen.buy));
}

void OnSort(HWND dialog, ShareIndexScreen& screen, int button, ShareOrder order) {
    sortShares(screen.shares, order);
    fillShareList(dialog, screen.shares);
    checkSortButton(dialog, button);
    SetFocus(listOf(dialog));
}

void OnListNotification(HWND dialog, ShareIndexScreen& screen, UINT notification) {
    if (notification == LBN_DBLCLK) OnBuy(dialog, screen);
}

BOOL OnInit(HWND dialog, ShareIndexScreen& screen) {
    screen.shares = sortedSharesOf(screen.model);
    checkSortButton(dialog, IDC_INDEX_ALPHABETICAL);  // the list opens in table order all the same
    fillShareList(dialog, screen.shares);
    return TRUE;
}

bool OnCommand(HWND dialog, ShareIndexScreen& screen, int id, UINT notification) {
    switch (id) {
        case IDC_INDEX_LIST:
            OnListNotification(dialog, screen, notification);
            return true;
        case IDC_INDEX_BUY:
            OnBuy(dialog, screen);
            return true;
        case IDC_INDEX_GRAPH:
            OnGraph(dialog, screen);
            return true;
        case IDC_INDEX_ALPHABETICAL:
            OnSort(dialog, screen, id, ShareOrder::ByName);
            return true;
        case IDC_INDEX_FALLERS:
            OnSort(dialog, screen, id, ShareOrder::Fallers);
            return true;
        case IDC_INDEX_CLIMBERS:
            OnSort(dialog, screen, id, ShareOrder::Climbers);
            return true;
        default:
            return false;
    }
}

HBRUSH OnColour(HWND, ShareIndexScreen&, HDC dc, HWND control, UINT message) {
    if (message != WM_CTLCOLORLISTBOX) return nullptr;
    SetBkColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    return stockBrushForColours(control, WHITE_BRUSH);
}

const ScreenTemplate<ShareIndexScreen> kShareIndexScreen = {
    .name = RES_DLG_SHARE_INDEX,
    .helpNumber = IDH_SHARE_INDEX,
    .fonts = kIndexFonts,
    .handlers = {.init = OnInit, .command = OnCommand, .colour = OnColour},
};
}  // namespace

bool runShareIndex(HWND owner, GameModel& model, BuyRequest buy) {
    ShareIndexScreen screen{model, buy};
    runModalScreen(owner, kShareIndexScreen, screen);
    return screen.purchased;
}
