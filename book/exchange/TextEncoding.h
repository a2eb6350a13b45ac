#pragma once
// Which encoding a text file from elsewhere is in. The program's own files
// are CP932; spreadsheets and phones write UTF-8 or UTF-16. A byte order mark
// decides when the text bears it out (UTF-16 without a NUL byte, or a UTF-8
// mark over CP932, is a mark that lies); otherwise text whose multi-byte
// UTF-8 characters far outnumber the bytes that are not UTF-8 is UTF-8
// (CP932 text has such a byte in almost every character), and anything
// else is CP932.

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

// A note in Japanese when the text as decoded holds bytes the encoding could
// not read (named by their lines), or UTF-16 ends in half a character; else
// an empty string.
QString strayBytesNote(const QByteArray& bytes, TextEncoding encoding, const QString& text);

// True when `bytes` read as UTF-8: nothing in them is not UTF-8, or the
// multi-byte characters far outnumber the stray bytes (a cut last
// character, a Latin-1 letter).
bool readsAsUtf8(const QByteArray& bytes);

// "UTF-8", "UTF-16", "CP932 (Shift_JIS)".
QString encodingName(TextEncoding encoding);

// False for what is plainly not text (a picture, a program): NUL bytes or
// other control characters in it.
bool looksLikeText(const QString& text);

}  // namespace book
