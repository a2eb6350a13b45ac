#pragma once
// The editor's picture files: which ones it loads, reading them into its
// picture format, and writing true-colour bitmaps and JPEG files through a
// temporary file renamed over the target. Messages are ready for a box.

#include <QImage>
#include <QString>

namespace editor {

enum class PictureFileKind { Unsupported, Bmp, Jpeg, Metafile };

// From the extension in lower case: ".bmp", ".jpg", ".jpeg", ".wmf", ".emf".
PictureFileKind pictureFileKind(const QString& path);

struct PictureRead {
    QImage image;   // Format_RGB32; metafiles drawn on white
    QString error;  // empty on success
};

PictureRead readPictureFile(const QString& path);

// Empty on success, else "ファイル "path". reason を作成できません".
QString writeBitmapPicture(const QString& path, const QImage& picture);
// Quality 90, colour, baseline.
QString writeJpegPicture(const QString& path, const QImage& picture);

}  // namespace editor
