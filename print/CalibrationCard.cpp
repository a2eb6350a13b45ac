#include "print/CalibrationCard.h"

#include <cmath>

#include "print/PrinterMemory.h"
#include "render/AddressSideInput.h"
#include "render/DrawAddressSide.h"
#include "render/MediaKind.h"

namespace print {
namespace {

namespace op = platform::op;

// Page units are 0.1 mm with y up from the sheet's top edge.
class Marks {
  public:
    explicit Marks(std::vector<platform::PageOp>& ops) : ops_(ops) {
        ops_.push_back(op::SetBrushStyle{platform::BrushStyle::Solid});
        ops_.push_back(op::BrushColour{Qt::black});
        label_.height = 16;
        label_.charSet = 128;
        label_.setFaceName(QStringLiteral("ＭＳ ゴシック"));
    }

    // A line 0.1 mm wide, from millimetres to millimetres.
    void line(double x1, double y1, double x2, double y2) {
        const int ax = unit(x1), ay = unit(y1), bx = unit(x2), by = unit(y2);
        const platform::PageRect r = ax == bx ? platform::PageRect{ax, -ay, ax + 1, -by}
                                              : platform::PageRect{ax, -ay, bx, -ay - 1};
        ops_.push_back(op::FillRect{r});
    }

    // Drawn without a background box, then back to solid fills.
    void text(double x, double y, const QString& s) {
        ops_.push_back(op::SetBrushStyle{platform::BrushStyle::Clear});
        ops_.push_back(op::Text{unit(x), -unit(y), s, label_});
        ops_.push_back(op::SetBrushStyle{platform::BrushStyle::Solid});
    }

  private:
    static int unit(double mm) { return int(std::lround(mm * 10)); }
    std::vector<platform::PageOp>& ops_;
    platform::FontRecord label_;
};

QString signedMm(int mm) {
    return mm > 0   ? QStringLiteral("+%1").arg(mm)
           : mm < 0 ? QString::number(mm)
                    : QStringLiteral("0");
}

// A ruler read at kRulerZeroMm from the paper's left edge (or, `down`, its
// top edge): its zero lies there when the printer feeds true, and a card fed
// d mm right (or down) brings the tick labelled +d to that place, so the
// numbers run + towards the edge and - away from it. `at` is where the ruler
// lies across its direction; every tick stays clear of the edge.
void shiftRuler(Marks& m, double at, bool down) {
    constexpr int kReach = int(kMaxCalibrationMm);
    for (int d = -kReach; d <= kReach; ++d) {
        const double along = kRulerZeroMm - d;
        const double length = d == 0 ? 5 : d % 5 == 0 ? 3.5 : 2;
        if (down)
            m.line(at, along, at + length, along);
        else
            m.line(along, at, along, at + length);
        if (d % 5 != 0) continue;
        if (down)
            m.text(at + 5.5, along - 0.8, signedMm(d));
        else
            m.text(along - (d == 0 ? 0.4 : 1.2), at + 5.5, signedMm(d));
    }
}

void crosshair(Marks& m, QPointF c) {
    m.line(c.x() - 5, c.y(), c.x() + 5, c.y());
    m.line(c.x(), c.y() - 5, c.x(), c.y() + 5);
    m.text(c.x() + 1, c.y() + 1,
           QStringLiteral("%1, %2").arg(c.x(), 0, 'f', 1).arg(c.y(), 0, 'f', 1));
}

}  // namespace

std::vector<QPointF> calibrationMarks(int kind) {
    const std::optional<render::MediaKind> k = render::mediaKindFromIndex(kind);
    if (!k) return {};
    const render::MediaKindInfo& info = render::mediaKindInfo(*k);
    const double w = info.widthHundredths / 100.0, h = info.heightHundredths / 100.0;
    // Clear of the stamp box, the postal-code boxes and the sender's boxes.
    return {QPointF(w / 2, h / 2), QPointF(15, h / 2 + 35), QPointF(w - 15, h - 15)};
}

platform::PagePicture calibrationCard(int kind) {
    if (!render::mediaKindFromIndex(kind)) return {};
    // The sheet's outline and its preprinted boxes, as the preview shows them.
    render::AddressSideInput marksOnly;
    marksOnly.mediaKind = kind;
    marksOnly.honorific.clear();
    marksOnly.target = platform::OutputTarget::Screen;
    platform::PagePicture card = render::DrawAddressSide(marksOnly);
    Marks m(card.ops);
    for (const QPointF& c : calibrationMarks(kind)) crosshair(m, c);
    const double h = card.heightHundredths / 100.0;
    shiftRuler(m, h / 2 + 12, false);  // below the centre mark
    shiftRuler(m, 8, true);            // below the stamp box
    m.text(22, h / 2 - 17, QStringLiteral("印刷位置の調整"));
    const QString zero = QString::number(kRulerZeroMm);
    m.text(22, h / 2 - 14,
           QStringLiteral("横の目盛り：左端から %1 mm の所の数字が横のずれ").arg(zero));
    m.text(22, h / 2 - 11.5,
           QStringLiteral("縦の目盛り：上端から %1 mm の所の数字が縦のずれ").arg(zero));
    return card;
}

}  // namespace print
