// Arithmetic of the paired Quantity and Value fields of the Buy and Sell dialogs, with no windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Characters of a field's text that count when it is read: what a 20-byte buffer holds.
constexpr std::size_t kFieldReadLimit = 19;

// Quantities at or above this leave the other field as it was.
constexpr double kQuantityCeiling = 100000000.0;

// How the Value field's quotient is written before its integer is taken: the Buy dialog rounds it
// to two decimals, the Sell dialog to six.
enum class EntryRounding { Buy, Sell };

struct EntryTexts {
    std::string quantity;
    std::string value;
};

// Typed characters the Quantity field (and any digits-only field) lets through: digits, and blanks and
// control codes (32 and below). Takes the full character code so that no code can pass as another.
bool isQuantityCharAllowed(unsigned int code);

// Typed characters the Value field lets through: as the Quantity field, plus a full stop while the
// field's text (as read) has none.
bool isValueCharAllowed(unsigned int code, const std::string& currentText);

// The field's text as a decimal number: at most `limit` characters, leading blanks skipped, then the
// longest prefix of the form [sign] digits [. digits]; 0 when there is none.
double readFieldNumber(const std::string& text, std::size_t limit = kFieldReadLimit);

// The number with its fraction dropped, held to the 32-bit range rather than wrapped; 0 for NaN.
int32_t wholeShares(double number);

// The whole number at the start of the text (after blanks and a sign), held to +/-10^18 rather than
// wrapped; 0 when there is none.
long long leadingInteger(const std::string& text);

// The Value field's new text when the Quantity field loses the focus, or nothing when it stays.
std::optional<std::string> valueTextForQuantity(double price, const std::string& quantityText);

// Both fields' new texts when the Value field loses the focus, or nothing when both stay; a share
// without a price leaves them as they are.
std::optional<EntryTexts> textsForValue(double price, const std::string& valueText, EntryRounding rounding);
