#include "platform/QtPrintTarget.h"

#include <QPageSetupDialog>
#include <QPrintDialog>

namespace platform {

// High resolution: the painter then works in the printer's own dots, which
// is what "one device pixel" means to the callers.
QtPrintTarget::QtPrintTarget() : printer_(QPrinter::HighResolution) {}

bool QtPrintTarget::choosePrinter(QWidget* parent) {
    QPrintDialog dialog(&printer_, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrintTarget::setupPrinter(QWidget* parent) {
    QPageSetupDialog dialog(&printer_, parent);
    dialog.exec();
}

QPainter* QtPrintTarget::beginJob(const QString& documentName) {
    error_.clear();
    printer_.setDocName(documentName);
    if (!painter_.begin(&printer_)) {
        error_ = QStringLiteral("印刷を開始できません");
        return nullptr;
    }
    return &painter_;
}

bool QtPrintTarget::newPage() {
    if (printer_.newPage()) return true;
    error_ = QStringLiteral("次のページを始められません");
    return false;
}

bool QtPrintTarget::endJob() {
    if (!painter_.isActive()) return error_.isEmpty();
    if (painter_.end() && printer_.printerState() != QPrinter::Error) return true;
    error_ = QStringLiteral("印刷を完了できません");
    return false;
}

}  // namespace platform
