#pragma once
// Body text files: plain text with CR LF between lines, no header. The
// program writes CP932 while every character has a CP932 form and UTF-8
// otherwise; it reads whatever encoding an editor wrote.

#include <QString>

namespace message {

struct BodyWriteResult {
    bool ok = false;
    QString error;  // the system's reason when !ok
};

struct BodyReadResult {
    bool ok = false;
    QString text;   // lines separated by "\n"
    QString error;  // the system's reason when !ok
    // Read in another encoding than CP932 (UTF-8, UTF-16): a save under the
    // same name would change the file's encoding.
    bool foreign = false;
    QString encoding;  // "UTF-8", "UTF-16" or "CP932 (Shift_JIS)"
};

// A message for a postcard is a few hundred bytes; anything far larger is
// not a body text and would only stall the editor.
inline constexpr qint64 kMaxBodyFileBytes = 8 * 1024 * 1024;

// Encodes `text` (lines separated by "\n") with CR LF between lines: CP932
// when every character has a CP932 form, else UTF-8, so nothing is lost.
QByteArray bodyFileBytes(const QString& text);

// Writes the text, replacing the file only after everything was written.
BodyWriteResult writeBodyFile(const QString& path, const QString& text);

// Reads a body file in the encoding it was written in (as a book's import
// detects it); CR LF, lone CR and lone LF all end a line.
BodyReadResult readBodyFile(const QString& path);

}  // namespace message
