#include "print/PrinterMemory.h"

#include <QSizeF>
#include <QStringList>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/files/ProfileFile.h"

namespace print {
namespace {

const QString kPaperSection = QStringLiteral("PrintPaper");
const QString kCalibrationSection = QStringLiteral("PrintCalibration");

// A printer's name may hold characters a key cannot ("=", "[", blanks), so
// it is kept percent-encoded, then the kind's index.
QString entryKey(const QString& printer, int kind) {
    const QString name = printer.isEmpty() ? QStringLiteral("(file)")
                                           : QString::fromLatin1(QUrl::toPercentEncoding(printer));
    return name + QLatin1Char('.') + QString::number(kind);
}

int tenths(double mm) { return int(std::lround(mm * 10)); }

bool save(platform::ProfileFile& file) { return file.save().ok; }

}  // namespace

std::optional<PaperChoice> readPaperChoice(const QString& settingsFile, const QString& printer,
                                           int kind) {
    platform::ProfileFile file(settingsFile);
    if (!file.load().ok) return std::nullopt;
    // "key;width;height;tray", the size in 0.01 mm.
    const QStringList parts =
        file.readText(kPaperSection, entryKey(printer, kind), QString()).split(QLatin1Char(';'));
    if (parts.size() != 4) return std::nullopt;
    bool wOk = false, hOk = false;
    const int w = parts[1].toInt(&wOk), h = parts[2].toInt(&hOk);
    if (!wOk || !hOk || w <= 0 || h <= 0 || w > 100000 || h > 100000) return std::nullopt;
    const QSizeF mm(w / 100.0, h / 100.0);
    // A standard key brings the standard size back, with its own name.
    QPageSize size(QPageSize::id(mm, QPageSize::Millimeter, QPageSize::ExactMatch));
    if (!size.isValid() || size.key() != parts[0])
        size = QPageSize(mm, QPageSize::Millimeter, parts[0], QPageSize::ExactMatch);
    return PaperChoice{size, parts[3]};
}

bool writePaperChoice(const QString& settingsFile, const QString& printer, int kind,
                      const PaperChoice& choice) {
    if (!choice.size.isValid()) return false;
    platform::ProfileFile file(settingsFile);
    if (!file.load().ok) return false;
    const QSizeF mm = choice.size.size(QPageSize::Millimeter);
    QString key = choice.size.key();
    key.remove(QLatin1Char(';'));
    QString tray = choice.tray;
    tray.remove(QLatin1Char(';'));
    file.writeText(kPaperSection, entryKey(printer, kind),
                   QStringList{key, QString::number(std::lround(mm.width() * 100)),
                               QString::number(std::lround(mm.height() * 100)), tray}
                       .join(QLatin1Char(';')));
    return save(file);
}

QPointF readCalibration(const QString& settingsFile, const QString& printer, int kind) {
    platform::ProfileFile file(settingsFile);
    if (!file.load().ok) return QPointF();
    // "x,y" in 0.1 mm; anything out of range or malformed counts as none.
    const QStringList parts = file.readText(kCalibrationSection, entryKey(printer, kind), QString())
                                  .split(QLatin1Char(','));
    if (parts.size() != 2) return QPointF();
    bool xOk = false, yOk = false;
    const int x = parts[0].trimmed().toInt(&xOk), y = parts[1].trimmed().toInt(&yOk);
    const int limit = tenths(kMaxCalibrationMm);
    if (!xOk || !yOk || std::abs(x) > limit || std::abs(y) > limit) return QPointF();
    return QPointF(x / 10.0, y / 10.0);
}

bool writeCalibration(const QString& settingsFile, const QString& printer, int kind,
                      QPointF offsetMm) {
    platform::ProfileFile file(settingsFile);
    if (!file.load().ok) return false;
    const int limit = tenths(kMaxCalibrationMm);
    const int x = std::clamp(tenths(offsetMm.x()), -limit, limit);
    const int y = std::clamp(tenths(offsetMm.y()), -limit, limit);
    file.writeText(kCalibrationSection, entryKey(printer, kind),
                   QString::number(x) + QLatin1Char(',') + QString::number(y));
    return save(file);
}

}  // namespace print
