#pragma once
// Digits and Latin letters lie on their side in a vertical column; this turns
// them into characters that stand upright: ASCII digits into kanji numerals
// (digit by digit) and ASCII letters into full-width capitals. Everything else
// passes through, so the result has as many characters as the input.

#include <QString>
#include <array>

namespace render {

// The characters looked up, in table order.
inline constexpr char VerticalCharKey[] =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Entry k replaces key character k.
extern const std::array<char16_t, 62> VerticalCharTable;

QString ConvertForVertical(const QString& text);

}  // namespace render
