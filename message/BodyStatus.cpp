#include "message/BodyStatus.h"

#include <QFileInfo>

namespace message {
namespace {

QString nameOnly(const QString& path) {
    return path.isEmpty() ? QString() : QFileInfo(path).fileName();
}

const QColor kCyan(0, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);

}  // namespace

BodyStatus newBodyStatus() { return {QStringLiteral("新規作成"), kCyan}; }

BodyStatus modifiedBodyStatus() { return {QStringLiteral("この文書は保存されていません"), kRed}; }

BodyStatus savedBodyStatus(const QString& bodyPath) { return {nameOnly(bodyPath), kGreen}; }

BodyStatus openedBodyStatus(const QString& bodyPath, const QString& picturePath) {
    return {nameOnly(bodyPath) + QStringLiteral(" * ") + nameOnly(picturePath), kGreen};
}

}  // namespace message
