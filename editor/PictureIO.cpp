#include "editor/PictureIO.h"

#include "platform/pictures/PictureFiles.h"

// The program's own codecs: libjpeg directly, our BMP reader and writer and
// the metafile player, all writing through a temporary file.

namespace editor {

PictureFileKind pictureFileKind(const QString& path) {
    switch (platform::pictureFormatOf(path)) {
        case platform::PictureFormat::Bmp:
            return PictureFileKind::Bmp;
        case platform::PictureFormat::Jpeg:
            return PictureFileKind::Jpeg;
        case platform::PictureFormat::Wmf:
        case platform::PictureFormat::Emf:
            return PictureFileKind::Metafile;
        case platform::PictureFormat::None:
            break;
    }
    return PictureFileKind::Unsupported;
}

PictureRead readPictureFile(const QString& path) {
    const platform::DecodedPicture decoded = platform::readPicture(path);
    if (decoded.ok()) return {decoded.image, QString()};
    return {QImage(), decoded.error.isEmpty() ? QStringLiteral("このファイル形式は開けません")
                                              : decoded.error};
}

QString writeBitmapPicture(const QString& path, const QImage& picture) {
    return platform::writeBmp(path, picture);
}

QString writeJpegPicture(const QString& path, const QImage& picture) {
    return platform::writeJpeg(path, picture, 90);
}

}  // namespace editor
