// The runtime's process-wide window values.
#include "runtime/win32/WindowState.h"

WindowState& windowState() {
    static WindowState state;
    return state;
}
