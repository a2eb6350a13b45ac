#include "platform/pictures/PictureFiles.h"

#include <QFileInfo>

#include "platform/files/AtomicFile.h"
#include "platform/files/BoundedRead.h"
#include "platform/metafile/Metafile.h"
#include "platform/pictures/BmpFile.h"
#include "platform/pictures/JpegCodec.h"

namespace platform {
namespace {

QString cannotOpen(const QString& path, const QString& reason) {
    return QStringLiteral("ファイル \"%1\". %2 は開けません").arg(path, reason);
}

QString cannotCreate(const QString& path, const QString& reason) {
    return QStringLiteral("ファイル \"%1\". %2 を作成できません").arg(path, reason);
}

QString writeAtomically(const QString& path, const QByteArray& bytes) {
    const QString reason = writeFileAtomically(path, bytes);
    return reason.isEmpty() ? QString() : cannotCreate(path, reason);
}

}  // namespace

PictureFormat pictureFormatOf(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return PictureFormat::None;
    const QString ext = name.mid(dot).toLower();
    if (ext == QLatin1String(".jpg") || ext == QLatin1String(".jpeg")) return PictureFormat::Jpeg;
    if (ext == QLatin1String(".bmp")) return PictureFormat::Bmp;
    if (ext == QLatin1String(".wmf")) return PictureFormat::Wmf;
    if (ext == QLatin1String(".emf")) return PictureFormat::Emf;
    return PictureFormat::None;
}

DecodedPicture decodePicture(const QByteArray& bytes, PictureFormat format,
                             const PictureLimits& limits) {
    switch (format) {
        case PictureFormat::Jpeg:
            return decodeJpeg(bytes, limits);
        case PictureFormat::Bmp:
            return decodeBmp(bytes, limits);
        case PictureFormat::Wmf:
            return decodeWmf(bytes, limits);
        case PictureFormat::Emf:
            return decodeEmf(bytes, limits);
        case PictureFormat::None:
            break;
    }
    return pictureError(QStringLiteral("このファイル形式は開けません"));
}

DecodedPicture readPicture(const QString& path, const PictureLimits& limits) {
    const PictureFormat format = pictureFormatOf(path);
    if (format == PictureFormat::None)
        return pictureError(QStringLiteral("このファイル形式は開けません"));
    const FileBytes file = readRegularFile(path, kMaxPictureFileBytes);
    if (!file.ok()) return pictureError(cannotOpen(path, file.error));
    return decodePicture(file.bytes, format, limits);
}

QString writeBmp(const QString& path, const QImage& image) {
    const QByteArray bytes = encodeBmp(image);
    if (bytes.isEmpty())
        return cannotCreate(path, QStringLiteral("画像をビットマップにできません"));
    return writeAtomically(path, bytes);
}

QString writeJpeg(const QString& path, const QImage& image, int quality) {
    QString error;
    const QByteArray bytes = encodeJpeg(image, quality, &error);
    if (bytes.isEmpty()) return cannotCreate(path, error);
    return writeAtomically(path, bytes);
}

}  // namespace platform
