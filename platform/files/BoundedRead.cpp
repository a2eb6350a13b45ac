#include "platform/files/BoundedRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "platform/files/FileArguments.h"

namespace platform {

QString notARegularFileReason() { return QStringLiteral("通常のファイルではありません"); }

QString tooLargeReason(qint64 maxBytes) {
    return maxBytes >= 1024 * 1024
               ? QStringLiteral("ファイルが大きすぎます（%1 MB まで）")
                     .arg(maxBytes / (1024 * 1024))
               : QStringLiteral("ファイルが大きすぎます（%1 バイトまで）").arg(maxBytes);
}

FileBytes readRegularFile(const QString& path, qint64 maxBytes) {
    FileBytes r;
    // Opened without blocking, so that a FIFO is seen for what it is instead
    // of waiting for a writer; the type is checked on the open descriptor.
    const int fd = ::open(nativeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        r.error = qt_error_string(errno);
        return r;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        r.error = notARegularFileReason();
        return r;
    }
    if (st.st_size > maxBytes) {
        ::close(fd);
        r.error = tooLargeReason(maxBytes);
        return r;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        r.error = file.errorString();
        return r;
    }
    // Read in pieces: the file may grow while it is read, and the ceiling
    // holds all the same.
    r.bytes.reserve(qsizetype(st.st_size));
    char piece[64 * 1024];
    while (r.bytes.size() <= maxBytes) {
        const qint64 n = file.read(piece, sizeof piece);
        if (n < 0) {
            r.error = file.errorString();
            r.bytes.clear();
            return r;
        }
        if (n == 0) break;
        r.bytes.append(piece, qsizetype(n));
    }
    if (r.bytes.size() > maxBytes) {
        r.error = tooLargeReason(maxBytes);
        r.bytes.clear();
    }
    return r;
}

}  // namespace platform
