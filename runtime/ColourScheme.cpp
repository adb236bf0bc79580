// The grey colour scheme's class rules.
#include "runtime/ColourScheme.h"

#include <cctype>
#include <string>

namespace {
struct ClassBit {
    const char* name;
    uint32_t bit;
};
constexpr ClassBit kClassBits[] = {{"BUTTON", 0x02}, {"COMBOBOX", 0x04},  {"LISTBOX", 0x08},
                                   {"EDIT", 0x10},   {"SCROLLBAR", 0x20}, {"STATIC", 0x40}};
constexpr std::size_t kClassNameLimit = 19;

std::string upperName(const char* className) {
    std::string name;
    for (std::size_t i = 0; className && className[i] && i < kClassNameLimit; ++i)
        name += static_cast<char>(std::toupper(static_cast<unsigned char>(className[i])));
    return name;
}
}  // namespace

uint32_t greySchemeBitFor(const char* className) {
    const std::string name = upperName(className);
    for (const ClassBit& entry : kClassBits)
        if (name == entry.name) return entry.bit;
    return 0;
}

bool greySchemeApplies(uint32_t options, const char* className) {
    const uint32_t bit = greySchemeBitFor(className);
    return bit != 0 && (options & bit) != 0;
}
