#include "message/MessageDocument.h"

#include <QFileInfo>
#include <QStringList>

#include "platform/files/AppPaths.h"
#include "platform/pictures/PictureFiles.h"

namespace message {

MessageDocument::MessageDocument(QObject* parent) : QObject(parent) {}

bool MessageDocument::hasSaveName() const { return !QFileInfo(fileName_).suffix().isEmpty(); }

QString MessageDocument::shownName() const {
    return fileName_.isEmpty() ? unnamedSource_ : fileName_;
}

QString MessageDocument::questionName() const {
    return hasSaveName() ? QFileInfo(fileName_).fileName() : QStringLiteral("新規文書");
}

void MessageDocument::setText(const QString& text, bool modified) {
    text_ = text;
    setModified(modified);
}

void MessageDocument::setModified(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

void MessageDocument::setFileName(const QString& path) {
    if (fileName_ == path) return;
    fileName_ = path;
    emit fileNameChanged(path);
}

void MessageDocument::setPicture(const QImage& picture, const QString& path) {
    picture_ = picture;
    pictureFileName_ = path;
    emit pictureChanged();
}

void MessageDocument::clear() {
    text_.clear();
    emit textReplaced(text_);
    setModified(false);
    setFileName(QString());
    unnamedSource_.clear();
    if (!pictureFileName_.isEmpty()) {
        pictureFileName_.clear();
        emit pictureChanged();
    }
}

BodyReadResult MessageDocument::readText(const QString& path) { return readBodyFile(path); }

void MessageDocument::adoptText(const QString& path, const BodyReadResult& read) {
    text_ = read.text;
    emit textReplaced(text_);
    setModified(false);
    // Neither another encoding's file nor the shipped sample is written over
    // by a plain save: both open as text that still needs a name.
    const bool sample = QFileInfo(path) == QFileInfo(sampleTextPath());
    setFileName(read.foreign || sample ? QString() : path);
    unnamedSource_ =
        sample ? QStringLiteral("サンプル（新規文書）")
        : read.foreign
            ? QStringLiteral("%1（%2 から読み込み）").arg(QFileInfo(path).fileName(), read.encoding)
            : QString();
}

QString MessageDocument::save(const QString& path) {
    const BodyWriteResult written = writeBodyFile(path, text_);
    if (!written.ok) return written.error;
    setModified(false);
    setFileName(path);
    unnamedSource_.clear();
    return QString();
}

QString MessageDocument::openPicture(const QString& path) {
    // Decoded in full before anything changes. Metafiles arrive drawn on
    // white at their own size, so nothing of an earlier picture shows
    // through where they leave the canvas untouched.
    const platform::DecodedPicture decoded = platform::readPicture(path);
    if (!decoded.ok()) return decoded.error;
    setPicture(decoded.image, path);
    return QString();
}

bool MessageDocument::opensExtension(const QString& extension) {
    static const QStringList known = {QStringLiteral(".txt"),  QStringLiteral(".jpg"),
                                      QStringLiteral(".jpeg"), QStringLiteral(".bmp"),
                                      QStringLiteral(".wmf"),  QStringLiteral(".emf")};
    return known.contains(extension.toLower());
}

bool MessageDocument::isTextFile(const QString& path) {
    return QFileInfo(path).suffix().toLower() == QLatin1String("txt");
}

QString MessageDocument::sampleTextPath() {
    return platform::AppPaths::resourcePath(QStringLiteral("サンプル.txt"));
}

}  // namespace message
