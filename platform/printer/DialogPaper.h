#pragma once
// Qt's print and page setup dialogs build their paper and tray controls from
// the printer's defaults (its PPD's marked choices), not from the paper the
// printer holds, and the print dialog applies them even when nobody opened
// its Properties. These helpers make the controls start on the job's paper
// and tell whether the user confirmed what they show.

#include <QObject>
#include <QPageSize>
#include <QString>

class QPrintDialog;

namespace platform {

// While it lives, every dialog with Qt's paper controls starts, when it first
// shows, on `size` (the printer's own entry of that size, or a custom size)
// and on `tray` (a PPD InputSlot keyword; empty leaves the printer's default).
class DialogPaperPreset : public QObject {
  public:
    DialogPaperPreset(const QPageSize& size, const QString& tray);
    ~DialogPaperPreset() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPageSize size_;
    QString tray_;
};

// True when the print dialog's Properties were closed with OK: the paper and
// tray it applied are then the user's, else only its defaults.
bool propertiesConfirmed(const QPrintDialog& dialog);

}  // namespace platform
