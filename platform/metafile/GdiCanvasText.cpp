// Text output of the metafile player: fonts from the metafile's font record,
// alignment to the reference point, opaque cells, per-character advances.

#include <QFontMetricsF>
#include <QtMath>
#include <cmath>

#include "platform/metafile/GdiCanvas.h"
#include "platform/page/WindowFonts.h"
#include "platform/text/Sjis.h"

namespace platform {
namespace {

enum : unsigned {
    AlignUpdateCp = 1,
    AlignRight = 2,
    AlignCentre = 6,
    AlignBottom = 8,
    AlignBaseline = 24
};
enum : unsigned { EtoOpaque = 2, EtoClipped = 4 };

// Windows fonts draw at about this many pixels when the record gives no height.
constexpr double kDefaultHeight = 16;

}  // namespace

QString metafileFontFamily(const QString& face) {
    QString key = face;
    key.remove(QChar(u'@'));  // vertical variants: the glyphs are the same family
    const QString mapped = familyFor(key);
    if (mapped != key) return mapped;
    const QString folded = key.toCaseFolded().remove(QChar(u' ')).remove(QChar(u'\u3000'));
    const bool proportional =
        folded.startsWith(u"msp") || folded.startsWith(u"ｍｓｐ") || folded.contains(u"uigothic");
    if (folded.contains(u"明朝") || folded.contains(u"mincho"))
        return proportional ? QStringLiteral("IPAPMincho") : QStringLiteral("IPAMincho");
    if (folded.contains(u"ゴシック") || folded.contains(u"gothic") || folded.contains(u"meiryo") ||
        folded.contains(u"メイリオ"))
        return proportional ? QStringLiteral("IPAPGothic") : QStringLiteral("IPAGothic");
    if (folded.contains(u"楷書")) return QStringLiteral("Klee One");
    if (folded.contains(u"行書")) return QStringLiteral("KouzanBrushFontGyousyo");
    return key;
}

QFont GdiCanvas::qtFont(double outputHeight) const {
    const GdiFont& f = state_.font;
    QFont font(metafileFontFamily(f.face));
    switch (f.pitchAndFamily & 0xf0) {
        case 0x10:
            font.setStyleHint(QFont::Serif);
            break;
        case 0x20:
            font.setStyleHint(QFont::SansSerif);
            break;
        case 0x30:
            font.setStyleHint(QFont::Monospace);
            break;
        case 0x40:
            font.setStyleHint(QFont::Cursive);
            break;
        case 0x50:
            font.setStyleHint(QFont::Decorative);
            break;
        default:
            break;
    }
    font.setPixelSize(std::max(1, int(std::lround(std::min(outputHeight, 5000.0)))));
    font.setWeight(QFont::Weight(f.weight <= 0 ? 400 : std::clamp(f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    return font;
}

void GdiCanvas::text(QPointF ref, const QString& text, const QVector<double>& advances,
                     unsigned options, const QRectF& box) {
    if (recording_) return;
    const QTransform t = logicalToOutput();
    const double xScale = std::hypot(t.m11(), t.m12()), yScale = std::hypot(t.m21(), t.m22());
    if (!std::isfinite(xScale) || !std::isfinite(yScale)) return;
    const bool updateCp = state_.textAlign & AlignUpdateCp;
    const QPointF origin = t.map(updateCp ? state_.current : ref);

    // A positive height is the cell (ascent + descent), a negative one the em.
    const GdiFont& f = state_.font;
    double height = f.height == 0 ? kDefaultHeight * std::sqrt(std::fabs(base_.determinant()))
                                  : std::fabs(f.height) * yScale;
    // Big glyphs cost by their area: charge for it, so that a small file
    // cannot keep the player filling huge glyphs for minutes.
    if (!spend(double(text.size()) * (1 + (height / 32) * (height / 32)))) return;
    QFont font = qtFont(height);
    if (f.height > 0) {
        const QFontMetricsF cell(font);
        if (cell.height() > 0) font = qtFont(height * height / cell.height());
    }
    const QFontMetricsF metrics(font);
    double stretch = 1;
    if (f.width != 0 && metrics.averageCharWidth() > 0)
        stretch = std::clamp(std::fabs(f.width) * xScale / metrics.averageCharWidth(), 0.05, 20.0);

    // Vertical ("@") faces turn their two-byte characters upright, each in a
    // square cell, so that a run written downwards reads as a column.
    const bool vertical = f.face.startsWith(QLatin1Char('@'));
    auto isUpright = [&](int i) {
        return vertical && Sjis::isDoubleByte(text[i].isHighSurrogate() && i + 1 < text.size()
                                                  ? QChar::surrogateToUcs4(text[i], text[i + 1])
                                                  : text[i].unicode());
    };

    // Character positions along the baseline, in output pixels (empty: one run).
    QVector<double> positions;
    double total = 0;
    if (!advances.isEmpty() || vertical) {
        for (int i = 0; i < text.size(); ++i) {
            positions.append(total);
            if (!advances.isEmpty())
                total += (i < advances.size() ? advances[i] : 0) * xScale;
            else if (!text[i].isLowSurrogate())
                total += isUpright(i) ? font.pixelSize() * stretch
                                      : metrics.horizontalAdvance(
                                            text.mid(i, text[i].isHighSurrogate() ? 2 : 1)) *
                                            stretch;
        }
        positions.append(total);
    } else {
        total = metrics.horizontalAdvance(text) * stretch;
    }
    double x = 0;
    if ((state_.textAlign & AlignCentre) == AlignCentre)
        x = -total / 2;
    else if (state_.textAlign & AlignRight)
        x = -total;
    double baseline = metrics.ascent();
    if ((state_.textAlign & AlignBaseline) == AlignBaseline)
        baseline = 0;
    else if (state_.textAlign & AlignBottom)
        baseline = -metrics.descent();

    applyClip();
    if (options & EtoOpaque) {
        QPainterPath area;
        area.addRect(box.normalized());
        painter_.fillPath(t.map(area), state_.backColour);
    }
    if (options & EtoClipped) {
        QPainterPath area;
        area.addRect(box.normalized());
        painter_.setClipPath(t.map(area), state_.clipped ? Qt::IntersectClip : Qt::ReplaceClip);
        appliedClipId_ = ~quint64(0);  // the next drawing puts the state's clip back
    }
    QTransform local;
    local.translate(origin.x(), origin.y());
    local.rotate(-f.escapement / 10.0);
    painter_.setTransform(local);
    if (state_.opaqueBackground && !(options & EtoOpaque))
        painter_.fillRect(
            QRectF(x, baseline - metrics.ascent(), total, metrics.ascent() + metrics.descent()),
            state_.backColour);
    painter_.setFont(font);
    painter_.setPen(state_.textColour);
    painter_.setBackgroundMode(Qt::TransparentMode);  // the cells were filled above when opaque
    if (positions.isEmpty()) {
        painter_.scale(stretch, 1);
        painter_.drawText(QPointF(x / stretch, baseline), text);
    } else {
        for (int i = 0; i < text.size(); ++i) {
            // Keep surrogate pairs together; the second unit has no advance of its own.
            if (text[i].isLowSurrogate()) continue;
            const int length = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
            const QString ch = text.mid(i, length);
            if (!isUpright(i)) {
                painter_.drawText(QPointF(x + positions[i], baseline), ch);
                continue;
            }
            // Turned back a quarter within its cell: upright when the run goes down.
            const double cellEnd = positions[std::min(i + length, int(positions.size()) - 1)];
            const QPointF centre(x + (positions[i] + cellEnd) / 2,
                                 baseline + (metrics.descent() - metrics.ascent()) / 2);
            painter_.save();
            painter_.translate(centre);
            painter_.rotate(-90);
            painter_.drawText(QPointF(-metrics.horizontalAdvance(ch) / 2,
                                      (metrics.ascent() - metrics.descent()) / 2),
                              ch);
            painter_.restore();
        }
    }
    painter_.resetTransform();
    if (updateCp) {
        const double a = qDegreesToRadians(f.escapement / 10.0);
        const QPointF end = origin + QPointF(total * std::cos(a), -total * std::sin(a));
        state_.current = t.inverted().map(end);
    }
}

}  // namespace platform
