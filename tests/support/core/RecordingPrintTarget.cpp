#include "tests/support/core/RecordingPrintTarget.h"

namespace testsupport {
namespace {

QImage blankPage(QSize size, int dotsPerInch) {
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    if (dotsPerInch > 0) {
        const int perMetre = qRound(dotsPerInch / 0.0254);
        page.setDotsPerMeterX(perMetre);
        page.setDotsPerMeterY(perMetre);
    }
    return page;
}

}  // namespace

bool RecordingPrintTarget::choosePrinter(QWidget*) {
    calls.append(QStringLiteral("dialog"));
    if (inDialog) inDialog();
    return acceptDialog;
}

QPainter* RecordingPrintTarget::beginJob(const QString& documentName) {
    calls.append(QStringLiteral("begin ") + documentName);
    if (failBegin) {
        error_ = QStringLiteral("no printer");
        return nullptr;
    }
    pages.append(blankPage(pageSize, dotsPerInch));
    painter_.begin(&pages.last());
    startPage();
    return &painter_;
}

void RecordingPrintTarget::setupPrinter(QWidget*) { calls.append(QStringLiteral("setup")); }

bool RecordingPrintTarget::selectPrinter(const QString& name) {
    calls.append(QStringLiteral("select ") + name);
    const QString wanted = name.isEmpty() && !printers.isEmpty() ? printers.first() : name;
    if (!printers.contains(wanted)) {
        error_ = QStringLiteral("no such printer");
        return false;
    }
    chosen = wanted;
    return true;
}

// The feed correction moves the page, as on a real printer.
void RecordingPrintTarget::startPage() {
    const QImage& page = pages.last();
    painter_.translate(paper.offsetMm.x() * page.logicalDpiX() / 25.4,
                       paper.offsetMm.y() * page.logicalDpiY() / 25.4);
}

bool RecordingPrintTarget::newPage() {
    calls.append(QStringLiteral("page"));
    if (failNewPage) {
        error_ = QStringLiteral("paper jam");
        return false;
    }
    painter_.end();
    pages.append(blankPage(pageSize, dotsPerInch));
    painter_.begin(&pages.last());
    startPage();
    return true;
}

bool RecordingPrintTarget::endJob() {
    calls.append(QStringLiteral("end"));
    if (painter_.isActive()) painter_.end();
    return true;
}

}  // namespace testsupport
