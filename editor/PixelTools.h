#pragma once
// The tools that act on single pixels: the pen's square, the flood fill and
// the colour picker. Positions outside the picture are clipped or ignored.

#include <QImage>
#include <QPoint>
#include <optional>

namespace editor {

// Fills the w by w square whose top-left pixel is `at` (right and bottom
// edges excluded, as the pen leaves them).
void penSquare(QImage& picture, QPoint at, int width, QRgb colour);

// Fills the area of pixels with exactly the colour found at `seed` that is
// connected to it through edge neighbours (not diagonals), so a one-pixel
// diagonal line is enough to hold the fill. Returns the number of pixels
// changed; filling with the colour the area already has changes nothing.
int floodFill(QImage& picture, QPoint seed, QRgb colour);

// The colour under `at`, or nothing outside the picture.
std::optional<QRgb> pickColour(const QImage& picture, QPoint at);

}  // namespace editor
