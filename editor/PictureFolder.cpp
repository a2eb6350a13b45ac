#include "editor/PictureFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>

namespace editor {

QString desktopFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // Qt names ~/Desktop even where there is none; making it just to hold
    // our folder would surprise the user, so the home folder serves instead.
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir()) return desktop;
    return QDir::homePath();
}

QString pictureFolder(const QString& desktop) {
    return QDir(desktop).filePath(QStringLiteral("はがき画像")) + QLatin1Char('/');
}

QString saveDialogTempFile(const QString& pictureFolder) {
    return pictureFolder + QStringLiteral("_.bmp");
}

QString preparePictureFolder(const QString& folder) {
    if (QFileInfo(folder).isDir()) return QString();
    errno = 0;
    if (QDir().mkpath(folder)) return QString();
    // QDir gives no reason; the failed mkdir left it in errno.
    const int err = errno ? errno : EACCES;
    if (QFileInfo::exists(QDir::cleanPath(folder)))
        return QString::fromLocal8Bit(std::strerror(EEXIST));
    return QString::fromLocal8Bit(std::strerror(err));
}

bool sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists()) return fa.canonicalFilePath() == fb.canonicalFilePath();
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

}  // namespace editor
