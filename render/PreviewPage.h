#pragma once
// The preview page "印刷プレビュー": the preview box on the left; the
// choice bar, the address grids and the layout panel on the right. Children
// are placed at fixed positions, as the window itself has a fixed size.

#include <QWidget>

class QComboBox;
class QHBoxLayout;
class QRadioButton;

namespace render {

class LayoutPanel;
class PreviewBox;

// The bar right of the preview box; dragging it changes the box's width.
class PreviewSplitter : public QWidget {
    Q_OBJECT
public:
    PreviewSplitter(QWidget* box, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QWidget* box_;
    int grabX_ = 0;
};

class PreviewPage : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPage(QWidget* parent = nullptr);

    // Page coordinates of the grids (both at the same place).
    static constexpr QRect gridRect() { return QRect(270, 32, 390, 161); }

    PreviewBox* PaintBox1;
    PreviewSplitter* Splitter1;
    QComboBox* kindChoice;  // MediaKind
    QComboBox* faceChoice;  // face
    QComboBox* honorificChoice;  // honorific
    QRadioButton* FuutouF;
    QRadioButton* FuutouR;
    LayoutPanel* PageControl2;
    QWidget* ChoiceBar;
    QHBoxLayout* ChoiceBarLayout;
};

}  // namespace render
