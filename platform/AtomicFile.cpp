#include "platform/AtomicFile.h"

#include <QSaveFile>

namespace platform {

QString writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered and written until every byte is out: a full disk first
    // shows as a short write, which carries no reason; the next write fails
    // with the system's reason (ENOSPC), which a buffered write would lose.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const QString why = file.errorString();
            file.cancelWriting();
            return why;
        }
        done += qsizetype(n);
    }
    if (!file.commit()) return file.errorString();
    return QString();
}

}  // namespace platform
