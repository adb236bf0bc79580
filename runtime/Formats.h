// Texts of prices and money as the screens show them, in code page 1252, the same on every C runtime.
#pragma once

#include <string>

constexpr char kPoundSign = '\xA3';
constexpr char kQuarterSign = '\xBC';
constexpr char kHalfSign = '\xBD';
constexpr char kThreeQuartersSign = '\xBE';

// Like printf's "%.*f" with `decimals` decimals (0 to 20), but computed here so that glibc and the
// Windows runtimes agree, and with halves rounded away from zero. Infinity and NaN give "inf", "-inf"
// and "nan".
std::string formatFixed(double value, int decimals);

// The amount a "%.2f" figure of it reads as, so that figures worked from shown amounts agree with them
// to the penny; infinity and NaN come back as they are.
double shownAmount(double pounds);

// A price in pence as whole pence with a quarter, half or three-quarter sign chosen by the first
// decimal alone; five blanks for zero.
std::string formatPrice(double pence);

// "%4.2f" of the value, with blanks in front up to `width` characters.
std::string formatPaddedDecimal(int width, double value);

// "%.2f" of the value, bracketed when negative, with blanks in front up to `width` characters
// (0 = no padding). Negative zero counts as zero.
std::string formatSignedAmount(int width, double value);

// "(" "%.2f" ")" of the value whatever its sign, padded as formatSignedAmount pads.
std::string formatBracketedAmount(int width, double value);

// Account figures: a pound sign and "%.2f", or "(" pound sign "x.xx)" for a negative amount.
std::string formatPounds(double pounds);

// The formats each kind of figure takes on the screens.
std::string formatListPrice(double pence);        // "%5s" of formatPrice, inside a list line
std::string formatPriceWithUnit(double pence);    // "%5sp", the price figures of the dialogs
std::string formatGraphPriceLabel(double pence);  // "%sp", the graph's price labels
std::string formatTotalPounds(double pounds);     // pound sign, "%-.2f": minus, never brackets
