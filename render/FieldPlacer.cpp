#include "render/FieldPlacer.h"

#include <algorithm>

#include "platform/page/VerticalText.h"
#include "render/DrawingSurface.h"
#include "render/FieldArithmetic.h"

namespace render {
namespace {

PageBox boxOf(const platform::PageRect& r) {
    return {double(std::min(r.x1, r.x2)), double(std::max(r.x1, r.x2)),
            double(std::max(r.y1, r.y2)), double(std::min(r.y1, r.y2))};
}

}  // namespace

FieldPlacer::FieldPlacer(DrawingSurface& surface, const AddressSideInput& input, MediaKind kind)
    : surface_(surface),
      fitting_(input.typeset.fitColumns == FitColumns::Fit),
      face_(input.faceIndex) {
    const MediaKindInfo& info = mediaKindInfo(kind);
    bottom_ = -info.heightHundredths / 10.0 + kBottomMargin;
    if (!fitting_) return;
    // The preprinted marks, whether or not they are drawn.
    const bool front = !info.isEnvelope() || !input.envelopeBack;
    const bool back = !info.isEnvelope() || input.envelopeBack;
    if (front) {
        obstacles_.push_back(boxOf(info.stampBox));
        obstacles_.push_back(
            boxOf({info.recipientBoxLeft, -122, info.recipientBoxLeft + 480, -212}));
    }
    if (back) obstacles_.push_back(boxOf({54, info.senderBoxTop, 345, info.senderBoxBottom}));
}

double FieldPlacer::limit(double left, double right, double top) const {
    double lowest = bottom_;
    for (const PageBox& o : obstacles_) {
        const bool beside = o.right + kSideClearance > left && o.left - kSideClearance < right;
        if (beside && o.top < top) lowest = std::max(lowest, o.top + kGap);
    }
    return lowest;
}

PageBox FieldPlacer::column(AddressField field, long long x, long long y, const QString& text,
                            double cap) {
    surface_.setField(field);
    if (!fitting_) {
        surface_.textOut(clampedSum(x), clampedSum(y), text);
        return {};
    }
    const int height = int(platform::VerticalText::emSize(surface_.font()));
    const ColumnText col(face_, text);
    const double allowed = std::min(cap, y - limit(double(x - height), double(x), double(y)));
    const ColumnStyle style = fitColumnStyle(col.leading(), col.last(), height, allowed);
    drawColumn(surface_, x, y, col, style);
    const double right = double(x - style.xShift);
    const PageBox box{right - style.height, right, double(y), double(y) - col.length(style)};
    if (!col.isEmpty()) obstacles_.push_back(box);
    return box;
}

}  // namespace render
