#pragma once
// 印刷位置の調整: prints the calibration card of a kind on a printer and
// keeps how far that printer put it off its place.

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;

namespace platform {
class Dialogs;
class PrintTarget;
}  // namespace platform

namespace print {

class CalibrationDialog : public QDialog {
    Q_OBJECT
  public:
    CalibrationDialog(platform::PrintTarget& printer, platform::Dialogs& dialogs,
                      QString settingsFile, int kind, QWidget* parent = nullptr);

    // Prints the card (the print dialog first); the measured values then
    // belong to the printer chosen there.
    void printCard();
    // Keeps the values for the printer and kind shown, then closes.
    void accept() override;

  private:
    void showStored();

    platform::PrintTarget& printer_;
    platform::Dialogs& dialogs_;
    QString settingsFile_;
    QComboBox* kind_;
    QLabel* printerName_;
    QLabel* where_;
    QDoubleSpinBox* x_;
    QDoubleSpinBox* y_;
};

}  // namespace print
