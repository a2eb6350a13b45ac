#pragma once
// Outline figures drawn into the picture: line, rectangle, ellipse and
// rounded rectangle, with a pen of a given width and either plain colour or
// the inverting rubber band.

#include <QImage>
#include <QPoint>

namespace editor {

enum class ShapeKind { Line, Rect, Ellipse, RoundRect };

enum class RasterOp {
    Copy,    // pixels take the pen colour
    NotXor,  // pixel := NOT(pen XOR pixel) per channel: the pen colour over
             // white, its inverse over black, and a second pass restores
};

// Draws the figure from `start` to `end` (the two corners of the box, or the
// two ends of the line). A one-pixel line leaves out its end pixel; boxes
// leave out their right and bottom edges. The figure is outline only and
// touches each pixel at most once, so NotXor twice restores the picture.
// Coinciding corners draw nothing. Parts outside the picture are clipped.
void drawShape(QImage& picture, ShapeKind kind, QPoint start, QPoint end, int penWidth, QRgb colour,
               RasterOp op);

}  // namespace editor
