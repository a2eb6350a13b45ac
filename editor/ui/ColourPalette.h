#pragma once
// `ColorGrid1`: sixteen colour cells in two columns and eight rows. The left
// button picks the foreground cell ("FG"), the right one the background
// cell ("BG"); a cell that is both says "FB". The mark follows the pointer
// while its button is held, so the cell under the release is the one chosen.

#include <QRgb>
#include <QWidget>

namespace editor {

class ColourPalette : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kCells = 16;
    static constexpr int kColumns = 2;

    explicit ColourPalette(QWidget* parent = nullptr);

    static QRgb cellColour(int index);

    int foregroundIndex() const { return foreground_; }
    int backgroundIndex() const { return background_; }
    QRgb foregroundColour() const { return cellColour(foreground_); }
    QRgb backgroundColour() const { return cellColour(background_); }

    // "FG", "BG", "FB" or empty.
    QString markOf(int index) const;
    // The cell under `pos`, or -1.
    int cellAt(QPoint pos) const;
    QRect cellRect(int index) const;

  signals:
    // Sent before the mark moves to the pressed cell.
    void pressed(Qt::MouseButton button);
    // Sent after the mark reached the released cell.
    void released(Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void follow(Qt::MouseButtons held, QPoint pos);

    int foreground_ = 0;  // black, as the left colour starts
    int background_ = 9;  // red, as the right colour starts
};

}  // namespace editor
