#pragma once
// `Image1`: shows the editor's picture one screen pixel per picture pixel
// and turns the mouse into presses, moves and releases with the held set
// the drawing tools read. The view owns the picture; its size is the
// picture's size W by H, which stays meaningful for an empty picture
// (a 0 % resize leaves "0 by 504").

#include <QImage>
#include <QWidget>

#include "editor/ToolStroke.h"

class QMouseEvent;

namespace editor {

class PictureView : public QWidget {
    Q_OBJECT
  public:
    explicit PictureView(QWidget* parent = nullptr);

    QImage& picture() { return picture_; }
    const QImage& picture() const { return picture_; }
    QSize pictureSize() const { return size_; }

    // Replaces the picture; `size` is its nominal size (the image's own
    // size unless the image is empty).
    void setPicture(const QImage& picture, QSize size);
    void setPicture(const QImage& picture) { setPicture(picture, picture.size()); }

    // The held set Windows would deliver with this event: buttons and
    // modifiers held after it, plus the double-click mark.
    static HeldSet heldSetOf(const QMouseEvent* event, bool doubleClick);

  signals:
    void pressed(QPoint pos, editor::HeldSet held);
    void moved(QPoint pos, editor::HeldSet held);
    void released(QPoint pos, editor::HeldSet held);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool reachesView(const QMouseEvent* event) const;

    QImage picture_;
    QSize size_;
};

}  // namespace editor
