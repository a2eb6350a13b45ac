#pragma once
// A file written whole under a temporary name beside its target and renamed
// over it once complete, as QSaveFile does, but reaching the target by the
// bytes the system knows it by (see FileArguments.h): a name from the
// command line that is not UTF-8 is written under that very name. A
// symbolic link is followed, so the file it points to is replaced.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace platform {

class NativeSaveFile {
  public:
    explicit NativeSaveFile(const QString& path);
    ~NativeSaveFile();  // removes the temporary file unless committed
    NativeSaveFile(const NativeSaveFile&) = delete;
    NativeSaveFile& operator=(const NativeSaveFile&) = delete;

    // Creates the temporary file, unbuffered, so that a write that fails
    // reports the system's reason.
    bool open();
    QIODevice& device() { return file_; }
    // Syncs, closes and renames over the target.
    bool commit();
    // Removes the temporary file; the target stays as it was.
    void cancelWriting();
    // The system's reason for the last failure.
    QString errorString() const { return error_; }

  private:
    QByteArray target_;
    QByteArray temporary_;
    QFile file_;
    QString error_;
};

}  // namespace platform
