#include "platform/printer/QtPrintTarget.h"

#include <cups/cups.h>

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinterInfo>
#include <QTabWidget>

#include "platform/printer/DialogPaper.h"

namespace platform {

// High resolution: the painter then works in the printer's own dots, which
// is what "one device pixel" means to the callers.
QtPrintTarget::QtPrintTarget() : printer_(QPrinter::HighResolution) {}

namespace {

// Qt keeps the CUPS job options (the print dialog's advanced choices, such
// as the paper source) as name/value pairs under this engine property.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
const QString kPaperSource = QStringLiteral("InputSlot");

QStringList cupsOptions(const QPrinter& printer) {
    return printer.printEngine()->property(kCupsOptions).toStringList();
}

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
    const JobPaper before = jobPaper();
    QPrintDialog dialog(&printer_, parent);
    offerOnlyHonouredChoices(dialog);
    const DialogPaperPreset preset(before.size, before.tray);
    const bool accepted = runDialog(dialog) == QDialog::Accepted;
    // Qt applies its Properties even when they were never confirmed, and then
    // with the printer's default paper and tray: the job's stay.
    if (accepted && !propertiesConfirmed(dialog)) setJobPaper(before);
    return accepted;
}

int QtPrintTarget::runDialog(QPrintDialog& dialog) { return dialog.exec(); }

void QtPrintTarget::setupPrinter(QWidget* parent) {
    const JobPaper before = jobPaper();
    QPageSetupDialog dialog(&printer_, parent);
    const DialogPaperPreset preset(before.size, before.tray);
    dialog.exec();
}

bool QtPrintTarget::selectPrinter(const QString& name) {
    error_.clear();
    const QPrinterInfo info =
        name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        if (!name.isEmpty())
            error_ = QStringLiteral("プリンタ「%1」が見つかりません").arg(name);
        else if (QPrinterInfo::availablePrinterNames().isEmpty())
            error_ = QStringLiteral("使えるプリンタがありません");
        else
            error_ = QStringLiteral("既定のプリンタが決まっていません。--printer で選んでください");
        return false;
    }
    printer_.setOutputFormat(QPrinter::NativeFormat);
    printer_.setPrinterName(info.printerName());
    forgetJobChoices(printer_);
    return true;
}

QString QtPrintTarget::printerName() const {
    return printer_.outputFormat() == QPrinter::NativeFormat ? printer_.printerName() : QString();
}

QList<QPageSize> QtPrintTarget::offeredPaperSizes() const {
    if (printerName().isEmpty()) return {};
    return QPrinterInfo::printerInfo(printer_.printerName()).supportedPageSizes();
}

QPageSize QtPrintTarget::defaultPaperSize() const {
    if (printerName().isEmpty()) return QPageSize(QPageSize::A4);
    return QPrinterInfo::printerInfo(printer_.printerName()).defaultPageSize();
}

void QtPrintTarget::setJobPaper(const JobPaper& paper) {
    if (paper.size.isValid()) {
        printer_.setPageOrientation(QPageLayout::Portrait);
        printer_.setPageSize(paper.size);
    }
    QStringList options = cupsOptions(printer_);
    const qsizetype at = options.indexOf(kPaperSource);
    if (at >= 0 && at % 2 == 0) options.remove(at, 2);
    if (!paper.tray.isEmpty()) options << kPaperSource << paper.tray;
    printer_.printEngine()->setProperty(kCupsOptions, options);
    printer_.setFullPage(paper.fromPaperCorner);
    offsetMm_ = paper.offsetMm;
}

JobPaper QtPrintTarget::jobPaper() const {
    JobPaper paper;
    paper.size = printer_.pageLayout().pageSize();
    const QStringList options = cupsOptions(printer_);
    const qsizetype at = options.indexOf(kPaperSource);
    if (at >= 0 && at % 2 == 0 && at + 1 < options.size()) paper.tray = options[at + 1];
    paper.fromPaperCorner = printer_.fullPage();
    paper.offsetMm = offsetMm_;
    return paper;
}

void QtPrintTarget::setDocumentName(const QString& name) { printer_.setDocName(name); }

QPainter* QtPrintTarget::beginJob(const QString& documentName) {
    error_.clear();
    printer_.setDocName(documentName);
    if (!painter_.begin(&printer_)) {
        error_ = QStringLiteral("印刷を開始できません");
        return nullptr;
    }
    // The correction moves the whole page, in the printer's own dots.
    painter_.translate(offsetMm_.x() * printer_.logicalDpiX() / 25.4,
                       offsetMm_.y() * printer_.logicalDpiY() / 25.4);
    return &painter_;
}

bool QtPrintTarget::newPage() {
    if (printer_.newPage()) return true;
    error_ = QStringLiteral("次のページを始められません");
    return false;
}

bool QtPrintTarget::endJob() {
    const bool wasActive = painter_.isActive();
    const bool ended = !wasActive || painter_.end();
    // A job that did not ask for the paper's corner prints as jobs always did.
    printer_.setFullPage(false);
    offsetMm_ = QPointF();
    if (!wasActive) return error_.isEmpty();
    if (!ended || printer_.printerState() == QPrinter::Error) {
        error_ = QStringLiteral("印刷を完了できません");
        return false;
    }
    // Qt hands the job to CUPS on this thread and drops CUPS's answer;
    // libcups keeps it for us to read.
    if (printer_.outputFormat() == QPrinter::NativeFormat &&
        cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        error_ = QStringLiteral("プリンタ「%1」が印刷を受け付けませんでした（%2）")
                     .arg(printer_.printerName(), QString::fromUtf8(cupsLastErrorString()));
        return false;
    }
    return true;
}

}  // namespace platform
