#pragma once
// What a book cell holds once it comes from another program, and what a
// postal code looks like going out: readings in hiragana, one line per cell,
// postal codes in the book's plain form.

#include <QString>

namespace book {

// Katakana (full or half width) to hiragana, other characters as they are.
QString toHiragana(const QString& text);

// A cell of the book holds one line: line breaks become an ideographic space,
// other control characters and stray byte order marks are dropped, half a
// UTF-16 pair becomes U+FFFD.
QString singleLine(const QString& text);

// A postal code as the book keeps it: without "〒" and blanks around it, and
// in the grid's plain form.
QString importedPostalCode(const QString& text);

// A postal code as other programs expect it: seven digits get their hyphen,
// anything else stays as typed (without blanks around it), so that importing
// it again gives back the book's cell.
QString exportedPostalCode(const QString& cell);

}  // namespace book
