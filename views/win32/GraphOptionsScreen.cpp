// The graph options: the model's four display flags as check boxes, stored only on "&Ok".
#include "views/win32/GraphOptionsScreen.h"

#include <cstdint>

#include "resources/resource.h"
#include "runtime/win32/Screen.h"

namespace {
constexpr FontSpec kOptionFonts[] = {
    {IDC_GOPT_GROUP, "Helv", -11, FW_NORMAL},      {IDC_GOPT_THICK_LINES, "Helv", -11, FW_NORMAL},
    {IDC_GOPT_AUTO_SCALE, "Helv", -11, FW_NORMAL}, {IDC_GOPT_BACKGROUND, "Helv", -11, FW_NORMAL},
    {IDC_GOPT_GRID_LINES, "Helv", -11, FW_NORMAL}, {IDC_GOPT_OK, "Helv", -11, FW_NORMAL},
    {IDC_CANCEL_BUTTON, "Helv", -11, FW_NORMAL},
};

struct OptionBox {
    int id;
    int32_t GameModel::*flag;
};
constexpr OptionBox kOptionBoxes[] = {{IDC_GOPT_THICK_LINES, &GameModel::graphThickLines},
                                      {IDC_GOPT_GRID_LINES, &GameModel::graphGridLines},
                                      {IDC_GOPT_BACKGROUND, &GameModel::graphBackground},
                                      {IDC_GOPT_AUTO_SCALE, &GameModel::graphAutoScale}};

struct GraphOptionsScreen {
    GameModel& model;
    bool changed = false;
};

// A flag holding anything but 1 leaves its box clear.
BOOL OnInit(HWND dialog, GraphOptionsScreen& screen) {
    const GameModel& model = screen.model;
    for (const OptionBox& box : kOptionBoxes)
        CheckDlgButton(dialog, box.id, model.*box.flag == 1 ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

void OnOk(HWND dialog, GraphOptionsScreen& screen) {
    for (const OptionBox& box : kOptionBoxes) {
        const int32_t checked = IsDlgButtonChecked(dialog, box.id) == BST_CHECKED ? 1 : 0;
        screen.changed = screen.changed || screen.model.*box.flag != checked;
        screen.model.*box.flag = checked;
    }
    EndDialog(dialog, IDC_CANCEL_BUTTON);
}

bool OnCommand(HWND dialog, GraphOptionsScreen& screen, int id, UINT notification) {
    if (id != IDC_GOPT_OK) return false;
    if (notification == BN_CLICKED) OnOk(dialog, screen);
    return true;
}

const ScreenTemplate<GraphOptionsScreen> kGraphOptionsScreen = {
    .name = RES_DLG_GRAPHOPTIONS,
    .helpNumber = IDH_GRAPH_OPTIONS,
    .fonts = kOptionFonts,
    .handlers = {.init = OnInit, .command = OnCommand},
};
}  // namespace

bool runGraphOptionsScreen(HWND owner, GameModel& model) {
    GraphOptionsScreen screen{model};
    runModalScreen(owner, kGraphOptionsScreen, screen);
    return screen.changed;
}
