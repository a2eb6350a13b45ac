#pragma once
// The preview page "印刷プレビュー": the preview box on the left; the
// choice bar, the address grids and the layout panel on the right. Children
// are placed at fixed positions, as the window itself has a fixed size.

#include <QWidget>

#include "render/CustomerBarcodeDrawing.h"
#include "render/ui/LayoutPanel.h"
#include "render/ui/TypesetTab.h"

class QComboBox;
class QHBoxLayout;
class QRadioButton;

namespace platform {
struct PagePicture;
}

namespace render {

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

    // What the choice bar says: the kind of paper, which side of an
    // envelope, the face and the honorific.
    int mediaKind() const;
    bool envelopeBack() const;
    int faceIndex() const;
    QString honorific() const;

    // The three choices as indexes, as the settings keep them.
    struct ChoiceIndexes {
        int face = 0;
        int kind = 0;
        int honorific = 0;
    };
    ChoiceIndexes choiceIndexes() const;
    // An index outside a list chooses nothing.
    void setChoiceIndexes(const ChoiceIndexes& indexes);

    // The adjustment panel's values.
    LayoutSettings layoutSettings() const;
    void setLayoutSettings(const LayoutSettings& settings);
    TypesetChoices typesetChoices() const;
    TypesetTab::ChoiceIndexes typesetIndexes() const;
    void setTypesetIndexes(const TypesetTab::ChoiceIndexes& indexes);
    // The barcode's switch, size and adjustment (no symbols).
    CustomerBarcodeInput barcodeInput() const;
    void setBarcodeInput(const CustomerBarcodeInput& input);

    // Shows a drawn address side in the preview box.
    void showAddressSide(int mediaKind, const platform::PagePicture& picture);
    // The side buttons only mean something for envelopes.
    void setEnvelopeSidesEnabled(bool enabled);
    // Puts another choice (the relation filter) into the bar.
    void insertIntoChoiceBar(int position, QWidget* widget);

  signals:
    // A choice was made or the adjustment panel asks for a new drawing.
    void choicesChanged();

  private:
    PreviewBox* preview_;
    PreviewSplitter* splitter_;
    QComboBox* kindChoice_;       // MediaKind
    QComboBox* faceChoice_;       // face
    QComboBox* honorificChoice_;  // honorific
    QRadioButton* envelopeFrontButton_;
    QRadioButton* envelopeBackButton_;
    LayoutPanel* layoutPanel_;
    QWidget* choiceBar_;
    QHBoxLayout* choiceBarLayout_;
};

}  // namespace render
