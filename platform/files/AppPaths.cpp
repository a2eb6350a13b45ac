#include "platform/files/AppPaths.h"

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

QString installedResources() {
    return QDir(AppPaths::executableFolder()).filePath(QStringLiteral("../share/pelcor"));
}

// A portable copy keeps its files beside the executable. An installed one
// never does, even when its bin folder happens to be writable (root, or a
// private prefix): that folder holds programs, not a user's addresses.
bool keepsFilesBeside() {
    return writableFolder(AppPaths::executableFolder()) && !AppPaths::isInstalled();
}

}  // namespace

QString AppPaths::executableFolder() { return QCoreApplication::applicationDirPath(); }

bool AppPaths::isInstalled() { return QFileInfo(installedResources()).isDir(); }

QString AppPaths::configFolder() {
    if (!overrideFolder().isEmpty()) return overrideFolder();
    if (keepsFilesBeside()) return executableFolder();
    return userFolder(QStandardPaths::GenericConfigLocation);
}

QString AppPaths::dataFolder() {
    if (!overrideFolder().isEmpty()) return overrideFolder();
    if (keepsFilesBeside()) return executableFolder();
    return userFolder(QStandardPaths::GenericDataLocation);
}

QString AppPaths::addressBookFolder() {
    return QDir(dataFolder()).filePath(QStringLiteral("住所録"));
}

QString AppPaths::settingsFile() {
    return QDir(configFolder()).filePath(QStringLiteral("mirel36.ini"));
}

QString AppPaths::resourceFolder() {
    const QString exe = executableFolder();
    const QString candidates[] = {
        QDir(exe).filePath(QStringLiteral("resources")),
        installedResources(),
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
