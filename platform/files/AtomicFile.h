#pragma once
#include <QByteArray>
#include <QString>

namespace platform {

// Replaces the file at `path` with `bytes`: written to a temporary file in the
// same folder and renamed over the target only after everything was written
// and flushed, so a failure leaves the old file as it was. Returns an empty
// string, or the system's reason for the failure.
QString writeFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace platform
