#pragma once
// How addresses and postal codes typed by people are brought to one form
// before they are compared with the postal-code dictionary.

#include <QString>

namespace book {
namespace postal {

// The comparable form of an address: blanks dropped, full-width letters and
// digits made half-width, half-width kana made full-width, ヶ and ケ made
// the same, and kanji numerals written as digits ("北一条西" and "北1条西"
// compare equal). Only ever compared with other keys, never shown.
QString matchKey(const QString& text);

// The comparable form of the block numbers after a town ("１丁目３番３号",
// "1-3-3", "一丁目3－3" all give "1-3-3"): matchKey's form with 丁目, 番地,
// 番 and 号 as hyphens, and a hyphen kept only before a digit.
QString blockKey(const QString& text);

// The seven digits of a postal code written in any usual way ("100-0005",
// "１００－０００５", "〒100 0005") as a number, or -1 when the text is not
// exactly one postal code.
int parseCode(const QString& text);

// True when `text` looks like a postal code rather than an address (digits,
// hyphens, blanks and 〒 only), whether or not it has the right length.
bool looksLikeCode(const QString& text);

// "100-0005".
QString formatCode(int code);

}  // namespace postal
}  // namespace book
