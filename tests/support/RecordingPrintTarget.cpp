#include "tests/support/RecordingPrintTarget.h"

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
    return &painter_;
}

void RecordingPrintTarget::setupPrinter(QWidget*) { calls.append(QStringLiteral("setup")); }

bool RecordingPrintTarget::newPage() {
    calls.append(QStringLiteral("page"));
    if (failNewPage) {
        error_ = QStringLiteral("paper jam");
        return false;
    }
    painter_.end();
    pages.append(blankPage(pageSize, dotsPerInch));
    painter_.begin(&pages.last());
    return true;
}

bool RecordingPrintTarget::endJob() {
    calls.append(QStringLiteral("end"));
    if (painter_.isActive()) painter_.end();
    return true;
}

}  // namespace testsupport
