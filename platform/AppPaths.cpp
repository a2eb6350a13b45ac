#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {
namespace {

QString& overrideFolder() {
    static QString folder = qEnvironmentVariable("PELCOR_HOME");
    return folder;
}

bool writableFolder(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

QString userFolder(QStandardPaths::StandardLocation base) {
    QString root = QStandardPaths::writableLocation(base);
    if (root.isEmpty()) root = QDir::homePath();
    // GenericConfig/GenericData have no application part; add ours.
    return QDir(root).filePath(QStringLiteral("pelcor"));
}

}  // namespace

QString AppPaths::executableFolder() { return QCoreApplication::applicationDirPath(); }

QString AppPaths::configFolder() {
    if (!overrideFolder().isEmpty()) return overrideFolder();
    const QString exe = executableFolder();
    if (writableFolder(exe)) return exe;
    return userFolder(QStandardPaths::GenericConfigLocation);
}

QString AppPaths::dataFolder() {
    if (!overrideFolder().isEmpty()) return overrideFolder();
    const QString exe = executableFolder();
    if (writableFolder(exe)) return exe;
    return userFolder(QStandardPaths::GenericDataLocation);
}

QString AppPaths::settingsFile() {
    return QDir(configFolder()).filePath(QStringLiteral("mirel36.ini"));
}

QString AppPaths::resourceFolder() {
    const QString exe = executableFolder();
    const QString candidates[] = {
        QDir(exe).filePath(QStringLiteral("resources")),
        QDir(exe).filePath(QStringLiteral("../share/pelcor")),
        QStringLiteral(PELCOR_SOURCE_RESOURCES),
    };
    for (const QString& c : candidates)
        if (QFileInfo(c).isDir()) return QDir(c).absolutePath();
    return candidates[0];
}

QString AppPaths::resourcePath(const QString& relative) {
    return QDir(resourceFolder()).filePath(relative);
}

void AppPaths::setOverrideFolder(const QString& folder) { overrideFolder() = folder; }

}  // namespace platform
