#pragma once
// The adjustment panel's tab "バーコード": whether the customer barcode is
// printed, its size in points and its two adjustment fields, with a button
// that brings them back to the start (off, 10 pt, not moved).

#include <QWidget>

#include "render/CustomerBarcodeDrawing.h"

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;

namespace platform {
class SpinField;
}

namespace render {

class BarcodeTab : public QWidget {
    Q_OBJECT
  public:
    explicit BarcodeTab(QWidget* parent = nullptr);

    // The switch, size and adjustment; no symbols.
    CustomerBarcodeInput input() const;
    void setInput(const CustomerBarcodeInput& input);

  signals:
    // Something changed: draw the preview again.
    void changed();

  private:
    void updateReset();

    QCheckBox* BarcodePrint;
    QDoubleSpinBox* BarcodeSize;
    platform::SpinField* BarcodeXPos;
    platform::SpinField* BarcodeYPos;
    QPushButton* BarcodeDefault;
};

}  // namespace render
