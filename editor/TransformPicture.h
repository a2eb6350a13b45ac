#pragma once
// Quarter turns and mirrors of the editor's picture. Each command copies
// every pixel once into a new picture; colours are not touched.

#include <QImage>

namespace editor {

// The values are the command codes the edit menu passes.
enum class TransformMode {
    Rotate90 = 90,  // clockwise quarter turn: W x H becomes H x W
    Rotate180 = 180,
    Rotate270 = 270,  // counter-clockwise quarter turn
    MirrorLeftRight = 99,
    MirrorTopBottom = 188,
};

// Returns the transformed copy in Format_RGB32; a null picture stays null.
QImage transformPicture(const QImage& picture, TransformMode mode);

}  // namespace editor
