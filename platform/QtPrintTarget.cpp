#include "platform/QtPrintTarget.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QTabWidget>

namespace platform {

// High resolution: the painter then works in the printer's own dots, which
// is what "one device pixel" means to the callers.
QtPrintTarget::QtPrintTarget() : printer_(QPrinter::HighResolution) {}

namespace {

// Every job prints all its pages once, in order: what a dialog set for one
// job must not stay set for the next.
void forgetJobChoices(QPrinter& printer) {
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    printer.setCopyCount(1);
    printer.setCollateCopies(false);
    printer.setPageOrder(QPrinter::FirstPageFirst);
}

// The program prints every page it makes, once and in order, so the dialog
// offers no page range, copies or order. The range goes by an option; the
// copies tab (copies, collation, reverse order) has none and is taken out.
void offerOnlyHonouredChoices(QPrintDialog& dialog) {
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabs"));
    auto* copies = dialog.findChild<QWidget*>(QStringLiteral("copiesTab"));
    if (tabs && copies && tabs->indexOf(copies) >= 0) {
        tabs->removeTab(tabs->indexOf(copies));
        copies->hide();
    }
}

}  // namespace

bool QtPrintTarget::choosePrinter(QWidget* parent) {
    forgetJobChoices(printer_);
    QPrintDialog dialog(&printer_, parent);
    offerOnlyHonouredChoices(dialog);
    return runDialog(dialog) == QDialog::Accepted;
}

int QtPrintTarget::runDialog(QPrintDialog& dialog) { return dialog.exec(); }

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
