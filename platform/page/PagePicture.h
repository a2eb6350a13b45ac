#pragma once
// A recorded page: the operations a renderer drew, in drawing order, ready to
// be replayed on any painter at any scale. Coordinates are in 0.1 mm with the
// origin at the sheet's top-left corner and y growing upwards, so every point
// on the sheet has x >= 0 and y <= 0. Drawing state (pen, brush) is set by
// its own operations and holds until changed, as on the device the renderers
// were designed for; a text operation carries its font.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <variant>
#include <vector>

#include "platform/page/FontRecord.h"

namespace platform {

// Two corners in page units (y up); the order of the corners does not matter.
struct PageRect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const PageRect& o) const {
        return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2;
    }
};

enum class BrushStyle { Solid, Clear, Pattern };
enum class PenStyle { Solid, Null };

namespace op {
struct BrushColour {
    QColor colour;
};
struct SetBrushStyle {
    BrushStyle style;
};
// A repeating bitmap brush whose pixels are device pixels, anchored at the
// page's top-left corner. Selecting it makes the brush style Pattern.
// `jpeg`, when set, is the JPEG file the pattern was scaled from whole: a
// PDF embeds those bytes, drawn at the pattern's size, instead of the pixels.
struct BrushPattern {
    QImage pattern;
    QByteArray jpeg = {};
};
struct PenColour {
    QColor colour;
};
struct PenWidth {
    int width;
};  // 0.1 mm; narrower than a pixel draws one pixel
struct SetPenStyle {
    PenStyle style;
};
// Outline with the pen, interior filled with the brush.
struct Rectangle {
    PageRect rect;
};
// Interior filled with the brush, no outline.
struct FillRect {
    PageRect rect;
};
// As FillRect, with corners between whole units: marks whose printed size
// must be exact to a hundredth of a millimetre (the customer barcode's bars).
struct FillExactRect {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
// The reference point is the top-left corner of the first character cell in
// the font's own (possibly turned) frame: for a vertical font the top-right
// corner of the column.
struct Text {
    int x = 0, y = 0;
    QString text;
    FontRecord font;
};
// `jpeg` as for BrushPattern: a PDF embeds those bytes over the rectangle.
struct StretchBitmap {
    PageRect rect;
    QImage image;
    QByteArray jpeg = {};
};
}  // namespace op

using PageOp = std::variant<op::BrushColour, op::SetBrushStyle, op::BrushPattern, op::PenColour,
                            op::PenWidth, op::SetPenStyle, op::Rectangle, op::FillRect, op::Text,
                            op::StretchBitmap, op::FillExactRect>;

struct PagePicture {
    // Page size in 0.01 mm; a default-constructed picture is empty and invalid
    // (nothing was drawn, not even a blank page).
    int widthHundredths = 0;
    int heightHundredths = 0;
    std::vector<PageOp> ops;

    bool isValid() const { return widthHundredths > 0 && heightHundredths > 0; }
    // Page size in page units (0.1 mm).
    double widthTenths() const { return widthHundredths / 10.0; }
    double heightTenths() const { return heightHundredths / 10.0; }
};

}  // namespace platform
