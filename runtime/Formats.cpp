// Price and money texts, built digit by digit so that every C runtime gives the same bytes.
#include "runtime/Formats.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <locale>
#include <sstream>
#include <vector>

namespace {
constexpr int kMaxDecimals = 20;
constexpr int kListPriceWidth = 5;
constexpr uint32_t kChunk = 1000000000;  // nine decimal digits at a time
constexpr int kChunkDigits = 9;

// A non-negative whole number of any size: 32-bit words, least significant first.
using Words = std::vector<uint32_t>;

void multiplyBy(Words& number, uint32_t factor) {
    uint64_t carry = 0;
    for (uint32_t& word : number) {
        const uint64_t product = uint64_t{word} * factor + carry;
        word = static_cast<uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0) number.push_back(static_cast<uint32_t>(carry));
}

void shiftLeft(Words& number, int bits) {
    const int bitShift = bits % 32;
    if (bitShift != 0) {
        uint32_t carry = 0;
        for (uint32_t& word : number) {
            const uint32_t spill = word >> (32 - bitShift);
            word = (word << bitShift) | carry;
            carry = spill;
        }
        if (carry != 0) number.push_back(carry);
    }
    number.insert(number.begin(), static_cast<std::size_t>(bits / 32), 0u);
}

void shiftRight(Words& number, int bits) {
    const std::size_t wordShift = static_cast<std::size_t>(bits / 32);
    const int bitShift = bits % 32;
    if (wordShift >= number.size()) {
        number.clear();
        return;
    }
    number.erase(number.begin(), number.begin() + static_cast<std::ptrdiff_t>(wordShift));
    if (bitShift == 0) return;
    for (std::size_t i = 0; i < number.size(); ++i) {
        const uint32_t high = i + 1 < number.size() ? number[i + 1] : 0;
        number[i] = (number[i] >> bitShift) | (high << (32 - bitShift));
    }
}

bool bitIsSet(const Words& number, int bit) {
    const std::size_t word = static_cast<std::size_t>(bit / 32);
    return word < number.size() && ((number[word] >> (bit % 32)) & 1u) != 0;
}

void addOne(Words& number) {
    for (uint32_t& word : number)
        if (++word != 0) return;
    number.push_back(1);
}

void trim(Words& number) {
    while (!number.empty() && number.back() == 0) number.pop_back();
}

// Divides in place and answers the remainder.
uint32_t divideBy(Words& number, uint32_t divisor) {
    uint64_t remainder = 0;
    for (std::size_t i = number.size(); i-- > 0;) {
        const uint64_t current = (remainder << 32) | number[i];
        number[i] = static_cast<uint32_t>(current / divisor);
        remainder = current % divisor;
    }
    trim(number);
    return static_cast<uint32_t>(remainder);
}

std::string decimalDigits(Words number) {
    trim(number);
    std::string reversed;
    while (!number.empty()) {
        uint32_t chunk = divideBy(number, kChunk);
        for (int i = 0; i < kChunkDigits; ++i, chunk /= 10)
            reversed.push_back(static_cast<char>('0' + chunk % 10));
    }
    while (reversed.size() > 1 && reversed.back() == '0') reversed.pop_back();
    if (reversed.empty()) reversed = "0";
    return std::string(reversed.rbegin(), reversed.rend());
}

// The magnitude of the value times 10^decimals, rounded to a whole number. The rounding works on the
// exact binary value of the double, as printf does, and a remainder of exactly one half goes up (away
// from zero). So 0.125, which a double holds exactly, gives 0.13 with two decimals, while 1.005, held
// as 1.00499999999999989..., gives 1.00 - the same bytes under glibc, msvcrt and the UCRT.
Words scaledMagnitude(double value, int decimals) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int exponentBits = static_cast<int>((bits >> 52) & 0x7FF);
    const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
    const uint64_t mantissa = exponentBits != 0 ? fraction | (uint64_t{1} << 52) : fraction;
    const int exponent = (exponentBits != 0 ? exponentBits : 1) - 1075;  // value = mantissa * 2^exponent

    Words number{static_cast<uint32_t>(mantissa), static_cast<uint32_t>(mantissa >> 32)};
    for (int i = 0; i < decimals; ++i) multiplyBy(number, 10);
    if (exponent >= 0) {
        shiftLeft(number, exponent);
        return number;
    }
    const bool halfOrMoreLeft = bitIsSet(number, -exponent - 1);
    shiftRight(number, -exponent);
    if (halfOrMoreLeft) addOne(number);
    return number;
}

std::string padLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

// Zero of either sign shows as "0.00": only a value below zero is negative money.
std::string unsignedZero(double value) {
    return formatFixed(value == 0.0 ? 0.0 : value, 2);
}
}  // namespace

std::string formatFixed(double value, int decimals) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    if (decimals < 0) decimals = 0;
    if (decimals > kMaxDecimals) decimals = kMaxDecimals;

    std::string digits = decimalDigits(scaledMagnitude(value, decimals));
    const std::size_t needed = static_cast<std::size_t>(decimals) + 1;
    if (digits.size() < needed) digits.insert(0, needed - digits.size(), '0');
    if (decimals > 0) digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    return std::signbit(value) ? "-" + digits : digits;
}

double shownAmount(double pounds) {
    if (!std::isfinite(pounds)) return pounds;
    std::istringstream text(formatFixed(pounds, 2));
    text.imbue(std::locale::classic());
    double shown = 0.0;
    text >> shown;
    return shown;
}

std::string formatPrice(double pence) {
    if (pence == 0.0) return "     ";
    std::string text = formatFixed(pence, 2);
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return text;
    std::string whole = text.substr(0, point);
    switch (text[text.size() - 2]) {
        case '2':
            return whole + kQuarterSign;
        case '5':
            return whole + kHalfSign;
        case '7':
            return whole + kThreeQuartersSign;
        default:
            return whole;
    }
}

std::string formatPaddedDecimal(int width, double value) {
    return padLeft(formatFixed(value, 2), width);
}

std::string formatSignedAmount(int width, double value) {
    const std::string text = value < 0 ? "(" + formatFixed(-value, 2) + ")" : unsignedZero(value);
    return padLeft(text, width);
}

std::string formatBracketedAmount(int width, double value) {
    return padLeft("(" + formatFixed(value, 2) + ")", width);
}

std::string formatPounds(double pounds) {
    if (pounds < 0) return std::string("(") + kPoundSign + formatFixed(-pounds, 2) + ")";
    return kPoundSign + unsignedZero(pounds);
}

std::string formatListPrice(double pence) {
    return padLeft(formatPrice(pence), kListPriceWidth);
}

std::string formatPriceWithUnit(double pence) {
    return formatListPrice(pence) + "p";
}

std::string formatGraphPriceLabel(double pence) {
    return formatPrice(pence) + "p";
}

std::string formatTotalPounds(double pounds) {
    return kPoundSign + formatFixed(pounds, 2);
}
