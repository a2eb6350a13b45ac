#pragma once
// What the resize dialog needs of the editor: its picture and a way to put
// a new one in its place.

#include <QImage>
#include <QSize>

namespace editor {

class PictureHost {
  public:
    virtual ~PictureHost() = default;
    virtual const QImage& currentPicture() const = 0;
    // W by H, meaningful also for an empty picture.
    virtual QSize pictureSize() const = 0;
    // Shows `picture` of nominal size `size` in place of the current one and
    // marks it unsaved; takes no undo level.
    virtual void replacePicture(const QImage& picture, QSize size) = 0;
};

}  // namespace editor
