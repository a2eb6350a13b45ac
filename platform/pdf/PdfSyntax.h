#pragma once
// Small pieces of PDF syntax written straight into a byte string: numbers
// without locale or trailing zeros, hex strings and names.

#include <cstdint>
#include <string>

namespace platform::pdf {

// Appends `v` rounded to `decimals` places (at most 9), without trailing
// zeros, as PDF wants its reals ("12.5", "-0.25", "3").
void appendNumber(std::string& out, double v, int decimals = 3);
void appendInt(std::string& out, long long v);
// Four hex digits, the two-byte code of a glyph in an Identity-H font.
void appendHex4(std::string& out, unsigned v);

}  // namespace platform::pdf
