#pragma once
// Body text files: plain CP932 text with CR LF between lines, no header.

#include <QString>
#include <QVector>

namespace message {

struct BodyWriteResult {
    bool ok = false;
    QString error;  // the system's reason when !ok
};

struct BodyReadResult {
    bool ok = false;
    QString text;   // lines separated by "\n"
    QString error;  // the system's reason when !ok
};

// A message for a postcard is a few hundred bytes; anything far larger is
// not a body text and would only stall the editor.
inline constexpr qint64 kMaxBodyFileBytes = 8 * 1024 * 1024;

// Encodes `text` (lines separated by "\n") as CP932 with CR LF between lines.
// Characters without a CP932 form become '?'.
QByteArray bodyFileBytes(const QString& text);

// The characters of `text` that have no CP932 form, each once, in order.
QVector<QString> unmappableInBody(const QString& text);

// Writes the text, replacing the file only after everything was written.
BodyWriteResult writeBodyFile(const QString& path, const QString& text);

// Reads a body file; CR LF, lone CR and lone LF all end a line.
BodyReadResult readBodyFile(const QString& path);

}  // namespace message
