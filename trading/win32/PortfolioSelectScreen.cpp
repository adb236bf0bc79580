// The portfolio selection: an empty list and buttons with nothing to act on, since the game has one
// account; Cancel, Enter and Escape close it.
#include "trading/win32/PortfolioSelectScreen.h"

#include "resources/resource.h"
#include "runtime/win32/Screen.h"

namespace {
constexpr FontSpec kPortfolioSelectFonts[] = {
    {IDC_MULTI_LIST, "Courier", -13, FW_NORMAL}, {IDC_MULTI_SELECT, "Helv", -13, FW_NORMAL},
    {IDC_MULTI_NEXT, "Helv", -13, FW_NORMAL},    {IDC_MULTI_PREVIOUS, "Helv", -13, FW_NORMAL},
    {IDC_CANCEL_BUTTON, "Helv", -13, FW_NORMAL},
};

// Select, Next and Previous are taken and do nothing: there is no other portfolio to go to.
bool OnCommand(HWND /*dialog*/, int id, UINT /*notification*/) {
    return id == IDC_MULTI_SELECT || id == IDC_MULTI_NEXT || id == IDC_MULTI_PREVIOUS;
}

const ScreenTemplate<> kPortfolioSelectScreen = {.name = RES_DLG_MULTPORTFOLIO,
                                                 .helpNumber = IDH_SELECT_PORTFOLIO,
                                                 .fonts = kPortfolioSelectFonts,
                                                 .handlers = {.command = OnCommand},
                                                 .placement = ScreenPlacement::Centred};
}  // namespace

INT_PTR runPortfolioSelectScreen(HWND owner) {
    return runModalScreen(owner, kPortfolioSelectScreen);
}
