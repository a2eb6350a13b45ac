#include "print/CalibrationCard.h"

#include <cmath>

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

QString signedMm(int mm) { return mm > 0 ? QStringLiteral("+%1").arg(mm) : QString::number(mm); }

// A ruler across the left edge at height `y`: the tick at -d mm lands on the
// paper's edge when the printer feeds d mm to the right, so each tick is
// labelled with the shift it reads. `across` turns it to run over the top edge.
void edgeRuler(Marks& m, double at, bool across) {
    for (int d = -10; d <= 10; ++d) {
        const double along = -d;
        const double length = d % 5 == 0 ? 4 : 2.5;
        if (across)
            m.line(at, along, at + length, along);
        else
            m.line(along, at, along, at + length);
        if (d % 2 == 0) {
            if (across)
                m.text(at + 4.5, along - 0.8, signedMm(d));
            else
                m.text(along - 0.8, at + 4.5, signedMm(d));
        }
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
    edgeRuler(m, h / 2 + 12, false);  // over the left edge, below the centre mark
    edgeRuler(m, 40, true);           // over the top edge, clear of the stamp box
    m.text(20, h / 2 - 12, QStringLiteral("印刷位置の調整"));
    return card;
}

}  // namespace print
