#pragma once
// Which encoding a text file from elsewhere is in. The program's own files
// are CP932; spreadsheets and phones write UTF-8 or UTF-16. A byte order mark
// decides; without one, bytes that are valid UTF-8 and hold at least one
// multi-byte sequence are UTF-8 (CP932 text of any length is almost never
// valid UTF-8), and anything else is CP932.

#include <QByteArray>
#include <QString>

namespace book {

enum class TextEncoding { Utf8, Utf16LE, Utf16BE, Cp932 };

TextEncoding detectTextEncoding(const QByteArray& bytes);

// Length of the byte order mark of `encoding` at the start of `bytes`, or 0.
int byteOrderMarkLength(const QByteArray& bytes, TextEncoding encoding);

// The text without its byte order mark. Bytes that are not valid in the
// encoding become U+FFFD.
QString decodeText(const QByteArray& bytes, TextEncoding encoding);

// True when `bytes` hold a multi-byte UTF-8 sequence and nothing that is not
// UTF-8.
bool isMultiByteUtf8(const char* data, qsizetype size);

// "UTF-8", "UTF-16", "CP932 (Shift_JIS)".
QString encodingName(TextEncoding encoding);

// False for what is plainly not text (a picture, a program): NUL bytes or
// other control characters in it.
bool looksLikeText(const QString& text);

}  // namespace book
