// Filters and conversions behind the Quantity and Value fields; the dialogs only move the texts.
#include "trading/EntryFields.h"

#include <charconv>
#include <cmath>

#include "runtime/Formats.h"

namespace {
constexpr long long kIntegerLimit = 1000000000000000000LL;  // far beyond any quantity, far below overflow
constexpr double kInt32Limit = 2147483647.0;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// What a fixed-size read of the field's text sees: at most `limit` characters, ending at a NUL.
std::string readable(const std::string& text, std::size_t limit) {
    const std::string head = text.substr(0, limit);
    return head.substr(0, head.find('\0'));
}

std::size_t skipBlanks(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) ++at;
    return at;
}

std::size_t skipDigits(const std::string& text, std::size_t at) {
    while (at < text.size() && isDigit(text[at])) ++at;
    return at;
}

bool isSign(char c) {
    return c == '-' || c == '+';
}
}  // namespace

bool isQuantityCharAllowed(unsigned int code) {
    return code <= 32 || (code >= '0' && code <= '9');
}

bool isValueCharAllowed(unsigned int code, const std::string& currentText) {
    if (isQuantityCharAllowed(code)) return true;
    return code == '.' && readable(currentText, kFieldReadLimit).find('.') == std::string::npos;
}

double readFieldNumber(const std::string& text, std::size_t limit) {
    const std::string seen = readable(text, limit);
    std::size_t at = skipBlanks(seen);
    const bool negative = at < seen.size() && seen[at] == '-';
    if (at < seen.size() && isSign(seen[at])) ++at;

    const std::size_t wholeEnd = skipDigits(seen, at);
    std::string whole = seen.substr(at, wholeEnd - at);
    std::string fraction;
    if (wholeEnd < seen.size() && seen[wholeEnd] == '.')
        fraction = seen.substr(wholeEnd + 1, skipDigits(seen, wholeEnd + 1) - wholeEnd - 1);
    if (whole.empty() && fraction.empty()) return 0.0;

    // Parsed by the C++ library, not strtod, so that the nearest double is found on every runtime.
    const std::string digits = (whole.empty() ? "0" : whole) + "." + (fraction.empty() ? "0" : fraction);
    double number = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number, std::chars_format::fixed);
    return negative ? -number : number;
}

int32_t wholeShares(double number) {
    if (std::isnan(number)) return 0;
    if (number >= kInt32Limit) return INT32_MAX;
    if (number <= -kInt32Limit - 1.0) return INT32_MIN;
    return static_cast<int32_t>(number);
}

long long leadingInteger(const std::string& text) {
    std::size_t at = skipBlanks(text);
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && isSign(text[at])) ++at;
    long long magnitude = 0;
    // The limit is checked before the multiplication, which would otherwise overflow on a 19th digit.
    for (; at < text.size() && isDigit(text[at]); ++at) {
        const int digit = text[at] - '0';
        if (magnitude > (kIntegerLimit - digit) / 10) {
            magnitude = kIntegerLimit;
            break;
        }
        magnitude = magnitude * 10 + digit;
    }
    return negative ? -magnitude : magnitude;
}

std::optional<std::string> valueTextForQuantity(double price, const std::string& quantityText) {
    const double quantity = readFieldNumber(quantityText);
    if (!(quantity > 0.0 && quantity < kQuantityCeiling)) return std::nullopt;
    return formatFixed(price * quantity, 2);
}

std::optional<EntryTexts> textsForValue(double price, const std::string& valueText, EntryRounding rounding) {
    if (price == 0.0 || !std::isfinite(price)) return std::nullopt;
    const double shares = readFieldNumber(valueText) / price;
    // The quotient is rounded as text before its integer is taken, so 99.999 shares are 100 when
    // buying (two decimals) and 99 when selling (six).
    const int decimals = rounding == EntryRounding::Buy ? 2 : 6;
    const long long quantity = leadingInteger(formatFixed(shares, decimals));
    if (quantity <= 0 || quantity >= static_cast<long long>(kQuantityCeiling)) return std::nullopt;

    EntryTexts texts;
    texts.quantity = std::to_string(quantity);
    texts.value = valueTextForQuantity(price, texts.quantity).value_or(valueText);
    return texts;
}
