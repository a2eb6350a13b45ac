#pragma once
// The opaque colours the picture tests draw with, and a pixel read back as
// opaque, shared by the bitmap and metafile tests.

#include <QImage>
#include <QRgb>

namespace testpictures {

constexpr QRgb kRed = 0xffff0000, kGreen = 0xff00ff00, kBlue = 0xff0000ff, kWhite = 0xffffffff,
               kBlack = 0xff000000;

inline QRgb pixelAt(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xff000000; }

}  // namespace testpictures
