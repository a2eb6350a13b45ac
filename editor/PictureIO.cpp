#include "editor/PictureIO.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include "editor/Canvas.h"
#include "platform/AtomicFile.h"

// Interim codecs: Qt's own BMP and JPEG handlers. The program's codecs
// (libjpeg directly, our BMP reader and writer, the metafile player) replace
// this file's bodies when they arrive; until then metafiles do not load.

namespace editor {
namespace {

QString cannotOpen(const QString& path, const QString& why) {
    return QStringLiteral("ファイル \"%1\". %2 は開けません").arg(path, why);
}

QString cannotCreate(const QString& path, const QString& why) {
    return QStringLiteral("ファイル \"%1\". %2 を作成できません").arg(path, why);
}

QString writeEncoded(const QString& path, const QImage& picture, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) writer.setQuality(quality);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    if (!writer.write(rgb)) return cannotCreate(path, writer.errorString());
    if (const QString why = platform::writeFileAtomically(path, bytes); !why.isEmpty())
        return cannotCreate(path, why);
    return QString();
}

}  // namespace

PictureFileKind pictureFileKind(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("bmp")) return PictureFileKind::Bmp;
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) return PictureFileKind::Jpeg;
    if (ext == QLatin1String("wmf") || ext == QLatin1String("emf")) return PictureFileKind::Metafile;
    return PictureFileKind::Unsupported;
}

PictureRead readPictureFile(const QString& path) {
    PictureRead result;
    const PictureFileKind kind = pictureFileKind(path);
    if (kind == PictureFileKind::Unsupported || kind == PictureFileKind::Metafile) {
        result.error = QStringLiteral("このファイル形式は開けません");
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = cannotOpen(path, file.errorString());
        return result;
    }
    QImageReader reader(&file, kind == PictureFileKind::Bmp ? "bmp" : "jpeg");
    QImage image = reader.read();
    if (image.isNull()) {
        result.error = reader.errorString();
        return result;
    }
    makeRgb32(image);
    result.image = image;
    return result;
}

QString writeBitmapPicture(const QString& path, const QImage& picture) {
    return writeEncoded(path, picture, "bmp", -1);
}

QString writeJpegPicture(const QString& path, const QImage& picture) {
    return writeEncoded(path, picture, "jpeg", 90);
}

}  // namespace editor
