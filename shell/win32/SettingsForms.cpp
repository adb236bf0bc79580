// The options, details and message forms: templates, fonts and the buttons that close them.
#include "shell/win32/SettingsForms.h"

#include "resources/resource.h"
#include "runtime/win32/Screen.h"

namespace {
constexpr FontSpec kOptionsFonts[] = {
    {IDC_OPT_NAME_LABEL, "Helv", -13, FW_NORMAL},      {IDC_OPT_NAME, "Helv", -13, FW_NORMAL},
    {IDC_OPT_PIN_LABEL, "Helv", -13, FW_NORMAL},       {IDC_OPT_PIN, "Helv", -13, FW_NORMAL},
    {IDC_OPT_BELLS, "Helv", -13, FW_NORMAL},           {IDC_OPT_WARN_LOSS, "Helv", -13, FW_NORMAL},
    {IDC_OPT_LOW_DISK, "Helv", -13, FW_NORMAL},        {IDC_OPT_TRANSFER_GROUP, "Helv", -13, FW_NORMAL},
    {IDC_OPT_INTERNET, "Helv", -13, FW_NORMAL},        {IDC_OPT_DIAL_UP, "Helv", -13, FW_NORMAL},
    {IDC_OPT_PAYMENT_DETAILS, "Helv", -13, FW_NORMAL}, {IDC_OPT_MAIN_MENU, "Helv", -13, FW_NORMAL},
};

constexpr FontSpec kDetailsFonts[] = {
    {IDC_DET_TITLE_LABEL, "Helv", -13, FW_NORMAL},
    {IDC_DET_TITLE, "Helv", -13, FW_NORMAL},
    {IDC_DET_INITIALS_LABEL, "Helv", -13, FW_NORMAL},
    {IDC_DET_INITIALS, "Helv", -13, FW_NORMAL},
    {IDC_DET_SURNAME_LABEL, "Helv", -13, FW_NORMAL},
    {IDC_DET_SURNAME, "Helv", -13, FW_NORMAL},
    {IDC_DET_ADDRESS_LABEL, "Helv", -13, FW_NORMAL},
    {IDC_DET_ADDRESS_1, "Helv", -13, FW_NORMAL},
    {IDC_DET_ADDRESS_2, "Helv", -13, FW_NORMAL},
    {IDC_DET_ADDRESS_3, "Helv", -13, FW_NORMAL},
    {IDC_DET_POST_CODE_LABEL, "Helv", -13, FW_NORMAL},
    {IDC_DET_POST_CODE, "Helv", -13, FW_NORMAL},
    {IDC_DET_PHONE_LABEL, "Helv", -13, FW_NORMAL},
    {IDC_DET_PHONE, "Helv", -13, FW_NORMAL},
    {IDC_DET_CARD_LABEL, "Helv", -13, FW_NORMAL},
    {IDC_DET_CARD_1, "Helv", -13, FW_NORMAL},
    {IDC_DET_CARD_2, "Helv", -13, FW_NORMAL},
    {IDC_DET_CARD_3, "Helv", -13, FW_NORMAL},
    {IDC_DET_CARD_4, "Helv", -13, FW_NORMAL},
    {IDC_DET_MONTH_LABEL, "Helv", -13, FW_NORMAL},
    {IDC_DET_MONTH, "Helv", -13, FW_NORMAL},
    {IDC_DET_YEAR_LABEL, "Helv", -13, FW_NORMAL},
    {IDC_DET_YEAR, "Helv", -13, FW_NORMAL},
    {IDC_DET_SEND_COMPUTER, "Helv", -13, FW_NORMAL},
    {IDC_DET_SAVE, "Helv", -13, FW_NORMAL},
    {IDC_CANCEL_BUTTON, "Helv", -13, FW_NORMAL},
};

constexpr FontSpec kMessageFonts[] = {
    {IDC_ADMIN_MESSAGE, "Helv", -13, FW_NORMAL},
    {IDC_ADMIN_SAVE, "Helv", -11, FW_NORMAL},
    {IDC_ADMIN_CANCEL, "Helv", -11, FW_NORMAL},
};

bool OnOptionsCommand(HWND dialog, int id, UINT notification) {
    if (notification != BN_CLICKED) return false;
    switch (id) {
        case IDC_OPT_MAIN_MENU:
            EndDialog(dialog, id);
            return true;
        case IDC_OPT_PAYMENT_DETAILS:
            runDetailsScreen(dialog);
            return true;
        default:
            return false;
    }
}

bool OnDetailsCommand(HWND dialog, int id, UINT notification) {
    if (notification != BN_CLICKED || id != IDC_DET_SAVE) return false;
    // Nothing typed here is kept: saving closes the form as Cancel does.
    EndDialog(dialog, id);
    return true;
}

// The letter starts after its greeting, so the player's typing does not replace it.
BOOL OnMessageInit(HWND dialog) {
    HWND letter = GetDlgItem(dialog, IDC_ADMIN_MESSAGE);
    SetFocus(letter);
    SendMessageA(letter, EM_SETSEL, GetWindowTextLengthA(letter), -1);
    return FALSE;
}

// Both buttons close the form: the letter goes nowhere, and a Cancel that did nothing would trap the
// player in it.
bool OnMessageCommand(HWND dialog, int id, UINT notification) {
    if (notification != BN_CLICKED || (id != IDC_ADMIN_SAVE && id != IDC_ADMIN_CANCEL)) return false;
    EndDialog(dialog, id);
    return true;
}

const ScreenTemplate<> kOptionsScreen = {.name = RES_DLG_OPTIONS,
                                         .helpNumber = IDH_OPTIONS,
                                         .fonts = kOptionsFonts,
                                         .handlers = {.command = OnOptionsCommand},
                                         .placement = ScreenPlacement::AsLaidOut};

const ScreenTemplate<> kDetailsScreen = {.name = RES_DLG_DETAILS,
                                         .helpNumber = IDH_DETAILS,
                                         .fonts = kDetailsFonts,
                                         .handlers = {.command = OnDetailsCommand},
                                         .placement = ScreenPlacement::Centred};

const ScreenTemplate<> kMessageScreen = {.name = RES_DLG_ADMIN,
                                         .helpNumber = IDH_ADMIN,
                                         .fonts = kMessageFonts,
                                         .handlers = {.init = OnMessageInit, .command = OnMessageCommand},
                                         .placement = ScreenPlacement::Centred};
}  // namespace

INT_PTR runOptionsScreen(HWND owner) {
    return runModalScreen(owner, kOptionsScreen);
}

INT_PTR runDetailsScreen(HWND owner) {
    return runModalScreen(owner, kDetailsScreen);
}

INT_PTR runMessageScreen(HWND owner) {
    return runModalScreen(owner, kMessageScreen);
}
