#include "platform/files/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstdlib>

#include "platform/files/FileArguments.h"

namespace platform {
namespace {

// The same for a file Qt cannot name (see FileArguments.h): a temporary file
// beside it, written whole and synced, then renamed over it.
QString writeByNativeName(const QByteArray& target, const QByteArray& bytes) {
    QByteArray temporary = target + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return qt_error_string(errno);
    struct stat old {};
    const mode_t mode = ::stat(target.constData(), &old) == 0 ? old.st_mode & 07777 : 0644;
    int failure = ::fchmod(fd, mode) == 0 ? 0 : errno;
    for (qsizetype done = 0; !failure && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            failure = n < 0 ? errno : ENOSPC;
        else
            done += n;
    }
    if (!failure && ::fsync(fd) != 0) failure = errno;
    if (::close(fd) != 0 && !failure) failure = errno;
    if (!failure && ::rename(temporary.constData(), target.constData()) != 0) failure = errno;
    if (!failure) return QString();
    ::unlink(temporary.constData());
    return qt_error_string(failure);
}

}  // namespace

QString writeFileAtomically(const QString& path, const QByteArray& bytes) {
    if (const QByteArray native = nativeFileName(path); native != QFile::encodeName(path))
        return writeByNativeName(native, bytes);
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
