// Composing the windowing error reports from a string-table text and the name of what failed.
#pragma once

#include <string>

constexpr std::size_t kErrorTextLimit = 200;

// The text followed by one blank and the extra text, or the text alone when together they would
// not fit in kErrorTextLimit characters.
std::string composeErrorText(const std::string& text, const char* extra);
