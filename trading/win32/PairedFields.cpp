// Filters, focus selection, the Enter key and the Quantity/Value arithmetic of the two entry fields.
#include "trading/win32/PairedFields.h"

#include <commctrl.h>

#include "runtime/win32/EditFilters.h"

namespace {
constexpr UINT_PTR kEnterSubclassId = 0x7D02;
constexpr LPARAM kKeyWasDown = 1 << 30;

bool quantityFilter(unsigned int typed, const std::string&) {
    return isQuantityCharAllowed(typed);
}

bool isEnterKeyDown(const MSG* message) {
    return message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN;
}
}  // namespace

void PairedFields::attach(HWND dialog, double sharePrice) {
    dialog_ = dialog;
    price_ = sharePrice;
    freshEnterSeen_ = false;
    installCharFilter(field(ids_.quantity), quantityFilter);
    installCharFilter(field(ids_.value), isValueCharAllowed);
    for (int id : {ids_.quantity, ids_.value})
        SetWindowSubclass(field(id), FieldProc, kEnterSubclassId, reinterpret_cast<DWORD_PTR>(this));
    SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field(ids_.quantity)), TRUE);
}

void PairedFields::detach() {
    if (!dialog_) return;
    for (int id : {ids_.quantity, ids_.value}) {
        removeCharFilter(field(id));
        RemoveWindowSubclass(field(id), FieldProc, kEnterSubclassId);
    }
    dialog_ = nullptr;
}

bool PairedFields::onCommand(int controlId, UINT notification) {
    if (controlId != ids_.quantity && controlId != ids_.value) return false;
    if (notification == EN_SETFOCUS) {
        SendMessageA(field(controlId), EM_SETSEL, 0, -1);
    } else if (notification == EN_KILLFOCUS) {
        if (controlId == ids_.quantity)
            quantityLeft();
        else
            valueLeft();
    }
    return true;
}

LRESULT CALLBACK PairedFields::FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) {
    auto* fields = reinterpret_cast<PairedFields*>(self);
    switch (message) {
        case WM_GETDLGCODE:
            // Enter comes to the field instead of pressing the default button.
            if (isEnterKeyDown(reinterpret_cast<const MSG*>(lParam)))
                return DefSubclassProc(field, message, wParam, lParam) | DLGC_WANTMESSAGE;
            break;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN && fields->onEnterKey(lParam)) return 0;
            break;
        case WM_CHAR:
            if (wParam == '\r') return 0;  // a single-line field has no use for it
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(field, FieldProc, kEnterSubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

bool PairedFields::onEnterKey(LPARAM keyData) {
    // An Enter still held down from the screen that opened the dialog repeats with the was-down bit set;
    // it must not do anything here until the key is pressed afresh.
    if ((keyData & kKeyWasDown) && !freshEnterSeen_) return true;
    freshEnterSeen_ = true;
    SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field(ids_.mainButton)), TRUE);
    return true;
}

void PairedFields::quantityLeft() {
    if (const auto value = valueTextForQuantity(price_, fieldText(field(ids_.quantity))))
        SetWindowTextA(field(ids_.value), value->c_str());
}

void PairedFields::valueLeft() {
    const auto texts = textsForValue(price_, fieldText(field(ids_.value)), rounding_);
    if (!texts) return;
    SetWindowTextA(field(ids_.quantity), texts->quantity.c_str());
    SetWindowTextA(field(ids_.value), texts->value.c_str());
}
