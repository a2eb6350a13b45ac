#pragma once
// Reading a whole file into memory, safely: only a regular file is read (a
// device never ends and a FIFO blocks until someone writes to it), and never
// more than a ceiling, so a hostile or mistaken path cannot exhaust memory.

#include <QByteArray>
#include <QString>

namespace platform {

struct FileBytes {
    QByteArray bytes;
    QString error;  // empty when read; else a reason in Japanese or the system's
    bool ok() const { return error.isEmpty(); }
};

// Reads the regular file at `path` (symbolic links followed), refusing
// anything else and any file larger than `maxBytes`.
FileBytes readRegularFile(const QString& path, qint64 maxBytes);

// The reasons readRegularFile gives, for callers that word their own messages.
QString notARegularFileReason();
QString tooLargeReason(qint64 maxBytes);

}  // namespace platform
