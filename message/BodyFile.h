#pragma once
// Body text files: plain CP932 text with CR LF line ends.

#include <QString>

namespace message {

struct BodyWriteResult {
    bool ok = false;
    QString error;  // the system's reason when !ok
};

// Writes `text` (lines separated by "\n") as CP932 with CR LF, replacing the
// file only after everything was written.
BodyWriteResult writeBodyFile(const QString& path, const QString& text);

}  // namespace message
