#include "platform/pictures/PictureResult.h"

namespace platform {

QString pictureSizeError(qint64 width, qint64 height, const PictureLimits& limits) {
    if (width <= 0 || height <= 0)
        return QStringLiteral("画像の大きさが正しくありません（%1 × %2 ピクセル）。")
            .arg(width)
            .arg(height);
    if (width > limits.maxSide || height > limits.maxSide || width * height > limits.maxPixels)
        return QStringLiteral(
                   "画像が大きすぎます（%1 × %2 ピクセル）。開けるのは一辺 %3 ピクセル、合計 %4 "
                   "万画素までです。")
            .arg(width)
            .arg(height)
            .arg(limits.maxSide)
            .arg(limits.maxPixels / 10000);
    return QString();
}

DecodedPicture newPicture(qint64 width, qint64 height, const PictureLimits& limits,
                          Background background) {
    const QString sizeError = pictureSizeError(width, height, limits);
    if (!sizeError.isEmpty()) return pictureError(sizeError);
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return pictureError(QStringLiteral("画像のためのメモリが足りません（%1 × %2 ピクセル）。")
                                .arg(width)
                                .arg(height));
    if (background == Background::White) image.fill(Qt::white);
    return {image, QString()};
}

}  // namespace platform
