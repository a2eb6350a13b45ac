#pragma once
// The editor's picture basics: the default canvas, the fixed millimetre
// scale, and the texts that show a size or the pointer position.
//
// Pictures are QImage::Format_RGB32 throughout the editor so that every
// routine can walk scan lines as 32-bit words; colours are QRgb.

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

namespace editor {

// A new picture is a postcard, 100 by 148 mm at the editor's scale.
constexpr int kDefaultWidth = 341;
constexpr int kDefaultHeight = 504;

// EditorScale: 3405 pixels per 1000 mm, integer arithmetic truncating toward zero.
constexpr int kScalePixels = 3405;
constexpr int kScaleMillimetres = 1000;
constexpr qint64 pixelsToMillimetres(qint64 px) { return px * kScaleMillimetres / kScalePixels; }
constexpr qint64 millimetresToPixels(qint64 mm) { return mm * kScalePixels / kScaleMillimetres; }

// The default canvas filled with `colour`.
QImage newPicture(QRgb colour);

// Brings any picture (loaded, undone, stretched) to the editor's format.
void makeRgb32(QImage& picture);

// Unit of the size label: item 0 "cm" shows whole millimetres, item 1 "pic" pixels.
enum class SizeUnit { Millimetres = 0, Pixels = 1 };

// The two-line text of the size label, e.g. "ヨコ 100\r\nタテ 148".
QString canvasSizeText(QSize size, SizeUnit unit);

// Pointer position for the status bar (" X 10  Y 20") and for the side
// label (" X 10\r\n Y 20").
QString pointerStatusText(QPoint pos);
QString pointerLabelText(QPoint pos);

}  // namespace editor
