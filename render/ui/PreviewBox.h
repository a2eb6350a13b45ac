#pragma once
// The preview box PaintBox1: shows the last address side it was given,
// stretched from its width, and paints it again whenever the window system
// asks, so a dialog passing over it never leaves it blank.

#include <QWidget>

#include "platform/page/PagePicture.h"

namespace render {

class PreviewBox : public QWidget {
    Q_OBJECT
  public:
    explicit PreviewBox(QWidget* parent = nullptr);

    // Takes a new picture; an invalid one leaves the box as it was.
    void showPicture(int mediaKind, const platform::PagePicture& picture);

    const platform::PagePicture& picture() const { return picture_; }
    int mediaKind() const { return kind_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    platform::PagePicture picture_;
    int kind_ = 0;
};

}  // namespace render
