#pragma once
// Scales a whole picture onto a new size the way the editor always has:
// enlarging repeats pixels; shrinking merges every dropped row and column
// into the kept one by a bitwise AND of the colour values, so thin dark
// lines survive a reduction. No smoothing.

#include <QImage>
#include <QSize>
#include <QString>

namespace editor {

struct StretchResult {
    QImage picture;  // Format_RGB32; null when the size has no area
    bool ok = true;  // false when no picture of that size could be made
    QString error;   // the system's reason when !ok
};

// An empty source stretched onto a non-empty size gives a white picture.
// Sizes beyond 1 GiB of pixels are refused like a failed allocation.
StretchResult stretchPicture(const QImage& source, QSize target);

}  // namespace editor
