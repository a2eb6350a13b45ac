#include "print/CardPaper.h"

#include <cmath>

#include "print/PrinterMemory.h"
#include "render/MediaKind.h"

namespace print {
namespace {

bool sameSize(const QPageSize& a, const QPageSize& b) {
    const QSizeF x = a.size(QPageSize::Millimeter), y = b.size(QPageSize::Millimeter);
    // Drivers round their sizes to whole points: half a millimetre is the same paper.
    return std::abs(x.width() - y.width()) < 0.5 && std::abs(x.height() - y.height()) < 0.5;
}

bool samePaper(const platform::JobPaper& a, const platform::JobPaper& b) {
    return a.size.isValid() == b.size.isValid() &&
           (!a.size.isValid() || sameSize(a.size, b.size)) && a.tray == b.tray;
}

}  // namespace

QPageSize ownPaper(int kind) {
    if (kind == kListSheet) return QPageSize(QPageSize::A4);
    const std::optional<render::MediaKind> k = render::mediaKindFromIndex(kind);
    if (!k) return QPageSize();
    const render::MediaKindInfo& info = render::mediaKindInfo(*k);
    const QSizeF mm(info.widthHundredths / 100.0, info.heightHundredths / 100.0);
    // A standard size (the postcard, the 長形 envelopes) by its own id, so a
    // driver that knows it by name finds it.
    const QPageSize::PageSizeId id = QPageSize::id(mm, QPageSize::Millimeter);
    if (id != QPageSize::Custom) {
        const QPageSize standard(id);
        if (sameSize(standard, QPageSize(mm, QPageSize::Millimeter))) return standard;
    }
    return QPageSize(mm, QPageSize::Millimeter, QString::fromUtf16(info.item),
                     QPageSize::ExactMatch);
}

QPageSize matchOffered(const QPageSize& wanted, const QList<QPageSize>& offered) {
    if (!wanted.isValid()) return wanted;
    for (const QPageSize& size : offered)
        if (size.id() == wanted.id() && wanted.id() != QPageSize::Custom) return size;
    for (const QPageSize& size : offered)
        if (sameSize(size, wanted)) return size;
    return wanted;
}

void preparePaper(platform::PrintTarget& target, const QString& settingsFile, int kind) {
    const QString printer = target.printerName();
    platform::JobPaper paper;
    const std::optional<PaperChoice> kept = readPaperChoice(settingsFile, printer, kind);
    paper.size = matchOffered(kept ? kept->size : ownPaper(kind), target.offeredPaperSizes());
    if (kept) paper.tray = kept->tray;
    if (kind != kListSheet) {
        paper.fromPaperCorner = true;
        paper.offsetMm = -readCalibration(settingsFile, printer, kind);
    }
    target.setJobPaper(paper);
}

void settlePaper(platform::PrintTarget& target, const QString& settingsFile, int kind,
                 const QString& printerBefore, const platform::JobPaper& paperBefore) {
    const platform::JobPaper now = target.jobPaper();
    const QString printer = target.printerName();
    if (printer != printerBefore) {
        // Its own default paper, or the paper and tray the job had on the
        // printer before, are the dialog's doing, not the user's.
        const bool sizeUntouched =
            !now.size.isValid() || sameSize(now.size, target.defaultPaperSize()) ||
            (paperBefore.size.isValid() && sameSize(now.size, paperBefore.size));
        if (sizeUntouched && (now.tray.isEmpty() || now.tray == paperBefore.tray)) {
            preparePaper(target, settingsFile, kind);
            return;
        }
    }
    if (printer != printerBefore || !samePaper(now, paperBefore))
        writePaperChoice(settingsFile, printer, kind, PaperChoice{now.size, now.tray});
    // The mode and the calibration are this program's, whatever the dialog did.
    platform::JobPaper paper = now;
    paper.fromPaperCorner = kind != kListSheet;
    paper.offsetMm = kind != kListSheet ? -readCalibration(settingsFile, printer, kind) : QPointF();
    target.setJobPaper(paper);
}

bool withKindPaper(platform::PrintTarget& target, const QString& settingsFile, int kind,
                   const std::function<bool()>& dialog) {
    preparePaper(target, settingsFile, kind);
    const QString printerBefore = target.printerName();
    const platform::JobPaper paperBefore = target.jobPaper();
    const bool accepted = dialog();
    settlePaper(target, settingsFile, kind, printerBefore, paperBefore);
    return accepted;
}

}  // namespace print
