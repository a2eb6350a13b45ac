#pragma once
// `LColor` and `RColor`: small edit boxes that only show a colour. Their
// text is never edited; a click hides the caret again.

#include <QLineEdit>
#include <QRgb>

namespace editor {

class ColourSwatch : public QLineEdit {
    Q_OBJECT
  public:
    ColourSwatch(const QString& name, QRgb colour, QWidget* parent = nullptr);

    QRgb colour() const { return colour_; }
    void setColour(QRgb colour);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QRgb colour_;
};

}  // namespace editor
