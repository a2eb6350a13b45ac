// Clipping of the metafile player: rectangles and paths combined into one
// clip area in output pixels, kept with the saved states.

#include "platform/metafile/GdiCanvas.h"

namespace platform {
namespace {

// Each clip change is a path operation on the clip so far; a file of nothing
// but clip records would otherwise cost quadratic time. Real pictures use a
// handful.
constexpr quint64 kMaxClipChanges = 2000;

}  // namespace

bool GdiCanvas::mayChangeClip() { return clipChanges_ < kMaxClipChanges; }

void GdiCanvas::intersectClip(const QRectF& r) {
    if (!mayChangeClip()) return;
    QPainterPath rect;
    rect.addRect(r.normalized());
    const QPainterPath area = logicalToOutput().map(rect);
    state_.clip = state_.clipped ? state_.clip.intersected(area) : area;
    state_.clipped = true;
    clipChanged();
}

void GdiCanvas::excludeClip(const QRectF& r) {
    if (!mayChangeClip()) return;
    QPainterPath rect;
    rect.addRect(r.normalized());
    QPainterPath all;
    all.addRect(QRectF(target_.rect()));
    state_.clip = (state_.clipped ? state_.clip : all).subtracted(logicalToOutput().map(rect));
    state_.clipped = true;
    clipChanged();
}

void GdiCanvas::setClipDevice(const QPainterPath* devicePath, int mode) {
    if (!devicePath) {
        if (mode == 5 && state_.clipped) {  // copy of "no region": clipping off
            state_.clipped = false;
            clipChanged();
        }
        return;
    }
    if (!mayChangeClip()) return;
    const QPainterPath area = base_.map(*devicePath);
    QPainterPath all;
    all.addRect(QRectF(target_.rect()));
    const QPainterPath current = state_.clipped ? state_.clip : all;
    switch (mode) {
        case 1:
            state_.clip = current.intersected(area);
            break;
        case 2:
            state_.clip = current.united(area);
            break;
        case 3:
            state_.clip = current.united(area).subtracted(current.intersected(area));
            break;
        case 4:
            state_.clip = current.subtracted(area);
            break;
        default:
            state_.clip = area;
            break;
    }
    state_.clipped = true;
    clipChanged();
}

void GdiCanvas::applyClip() {
    painter_.resetTransform();
    if (appliedClipId_ == state_.clipId) return;  // setting a complex clip is costly
    appliedClipId_ = state_.clipId;
    if (state_.clipped)
        painter_.setClipPath(state_.clip);
    else
        painter_.setClipping(false);
}

}  // namespace platform
