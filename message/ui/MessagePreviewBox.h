#pragma once
// The preview box PaintBox2 of the body page: shows the last message side it
// was given and paints it again whenever the window system asks, so a dialog
// passing over it never leaves it blank.

#include <QWidget>

#include "platform/page/PagePicture.h"

namespace message {

class MessagePreviewBox : public QWidget {
    Q_OBJECT
  public:
    explicit MessagePreviewBox(QWidget* parent = nullptr);

    // Takes a new picture; an invalid one leaves the box as it was.
    void showPicture(const platform::PagePicture& picture);
    const platform::PagePicture& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    platform::PagePicture picture_;
};

}  // namespace message
