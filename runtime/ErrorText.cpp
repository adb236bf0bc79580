// The windowing error report's text, without the message box.
#include "runtime/ErrorText.h"

#include <cstring>

std::string composeErrorText(const std::string& text, const char* extra) {
    if (!extra) return text;
    if (text.size() + std::strlen(extra) + 1 > kErrorTextLimit) return text;
    return text + ' ' + extra;
}
