// Which control classes the optional light-grey colour scheme paints.
#pragma once

#include <cstdint>

// The game's runtime options: none of the grey-scheme bits is set, so dialogs colour their controls.
constexpr uint32_t kRuntimeOptions = 0x80;
constexpr uint32_t kGreySchemeOn = 0x01;

// The scheme bit of a window class ("EDIT", "BUTTON", ... compared without regard to case, at most
// 19 characters read); 0 for any other class.
uint32_t greySchemeBitFor(const char* className);

// True when the grey scheme paints controls of this class under the given options.
bool greySchemeApplies(uint32_t options, const char* className);
