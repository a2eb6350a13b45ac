#include "platform/files/NativeSaveFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/files/FileArguments.h"

namespace platform {

NativeSaveFile::NativeSaveFile(const QString& path) : target_(nativeFileName(path)) {
    if (char* real = ::realpath(target_.constData(), nullptr)) {
        target_ = real;
        std::free(real);
    }
}

NativeSaveFile::~NativeSaveFile() { cancelWriting(); }

void NativeSaveFile::cancelWriting() {
    if (temporary_.isEmpty()) return;
    file_.close();
    ::unlink(temporary_.constData());
    temporary_.clear();
}

bool NativeSaveFile::open() {
    QByteArray name = target_ + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        error_ = qt_error_string(errno);
        return false;
    }
    temporary_ = name;
    // A replaced file keeps its permissions; a new one gets the usual ones.
    struct stat old {};
    const mode_t mode = ::stat(target_.constData(), &old) == 0 ? old.st_mode & 07777 : 0644;
    if (::fchmod(fd, mode) != 0 ||
        !file_.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFile::AutoCloseHandle)) {
        error_ = qt_error_string(errno);
        if (!file_.isOpen()) ::close(fd);
        return false;
    }
    return true;
}

bool NativeSaveFile::commit() {
    int failure = ::fsync(file_.handle()) == 0 ? 0 : errno;
    file_.close();
    if (!failure && ::rename(temporary_.constData(), target_.constData()) != 0) failure = errno;
    if (failure) {
        error_ = qt_error_string(failure);
        return false;
    }
    temporary_.clear();
    return true;
}

}  // namespace platform
