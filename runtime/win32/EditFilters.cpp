// Typed-character filters for edit fields.
#include "runtime/win32/EditFilters.h"

#include <commctrl.h>

#include <vector>

namespace {
constexpr UINT_PTR kFilterSubclassId = 0x7D01;
constexpr int kFilterTextRead = 19;  // the filters judge by the first 19 characters of the field

LRESULT CALLBACK FilterProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (message == WM_CHAR) {
        const auto filter = reinterpret_cast<CharFilter>(data);
        if (!filter(static_cast<unsigned int>(wParam), fieldText(edit, kFilterTextRead))) return 0;
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(edit, FilterProc, kFilterSubclassId);
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}
}  // namespace

bool installCharFilter(HWND edit, CharFilter filter) {
    return edit && filter &&
           SetWindowSubclass(edit, FilterProc, kFilterSubclassId, reinterpret_cast<DWORD_PTR>(filter));
}

void removeCharFilter(HWND edit) {
    if (edit) RemoveWindowSubclass(edit, FilterProc, kFilterSubclassId);
}

std::string fieldText(HWND edit, int limit) {
    std::vector<char> text(static_cast<std::size_t>(limit) + 1, '\0');
    GetWindowTextA(edit, text.data(), limit + 1);
    return text.data();
}
