#pragma once
// How the program reads what the user typed into its controls.
#include <cstdint>
#include <string>
#include <string_view>

namespace rv {

// Without leading and trailing spaces: ASCII spaces, tabs and the
// full-width space U+3000.
std::string TrimSpaces(std::string_view text);

// The decimal number a text starts with, read as the old Basic conversion
// does: leading spaces skipped, an optional sign, digits, a decimal point
// and more digits, an optional exponent; a text that is no number counts as 0.
double DecimalValue(std::string_view text);

// Seconds typed as a decimal number turned into whole milliseconds,
// truncated toward zero; negative values give 0 and huge ones are capped so
// that a wait never overflows.
int64_t SecondsToMs(double seconds);

inline constexpr int64_t kMaxWaitMs = 0x7FFFFFFF;

}  // namespace rv
