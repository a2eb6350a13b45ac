#pragma once
// Comma text: fields separated by commas, quoted when they hold blanks,
// quotes or commas. Blanks around a field are skipped; blanks inside an
// unquoted field are part of it. Works on CP932 bytes, stepping over double-byte
// characters whole, so that a trail byte is never taken for a delimiter.

#include <QByteArray>
#include <QList>

namespace book {

// Splits one line (without its line end). Reading stops at a NUL byte.
QList<QByteArray> splitCommaText(const char* begin, const char* end);
inline QList<QByteArray> splitCommaText(const QByteArray& line) {
    return splitCommaText(line.constData(), line.constData() + line.size());
}

// Quotes `field` when it holds a byte 0x00..0x20, a double quote or a comma.
QByteArray quoteCommaField(const QByteArray& field);

// Joins fields with commas, each quoted as needed.
QByteArray joinCommaText(const QList<QByteArray>& fields);

}  // namespace book
