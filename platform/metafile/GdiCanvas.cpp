#include "platform/metafile/GdiCanvas.h"

#include <QtMath>
#include <cmath>

namespace platform {
namespace {

constexpr int kMaxSavedStates = 4096;
// A small file can ask for many glyphs at a huge size, or for thousands of
// fills of the whole picture; either would keep the player busy for minutes.
// Units: one per character or shape, plus one per 1024 output pixels covered
// (a glyph counts its size squared). Clip art spends a few thousand; the
// whole budget is about a billion pixels, a few seconds of drawing.
constexpr qint64 kDrawingBudget = 1000000;

// Millimetres per logical unit of the fixed mapping modes.
double millimetresPerUnit(int mode) {
    switch (mode) {
        case MapLoMetric:
            return 0.1;
        case MapHiMetric:
            return 0.01;
        case MapLoEnglish:
            return 0.254;
        case MapHiEnglish:
            return 0.0254;
        case MapTwips:
            return 25.4 / 1440;
        default:
            return 0;
    }
}

bool axisAligned(const QTransform& t) { return t.m12() == 0 && t.m21() == 0; }

// Angle of p on the ellipse in r, in degrees, counter-clockwise with y down.
double ellipseAngle(const QRectF& r, QPointF p) {
    const QPointF c = r.center();
    const double rx = r.width() / 2, ry = r.height() / 2;
    if (rx == 0 || ry == 0) return 0;
    return qRadiansToDegrees(std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx));
}

// The arc from the ray through `start` to the ray through `end`, all in one
// coordinate space; `counterClockwise` as seen with y pointing down.
QPainterPath arcPath(const QRectF& r, QPointF start, QPointF end, GdiCanvas::ArcKind kind,
                     bool counterClockwise, QPointF current) {
    const double a0 = ellipseAngle(r, start), a1 = ellipseAngle(r, end);
    double sweep = counterClockwise ? a1 - a0 : a0 - a1;
    sweep = std::fmod(sweep, 360.0);
    if (sweep <= 0) sweep += 360;  // equal rays draw the whole ellipse
    if (!counterClockwise) sweep = -sweep;
    QPainterPath path;
    if (kind == GdiCanvas::PieArc) {
        path.moveTo(r.center());
        path.arcTo(r, a0, sweep);
        path.closeSubpath();
        return path;
    }
    if (kind == GdiCanvas::ArcFromCurrent) {
        path.moveTo(current);
        QPainterPath arc;
        arc.arcMoveTo(r, a0);
        path.lineTo(arc.currentPosition());
    } else {
        path.arcMoveTo(r, a0);
    }
    path.arcTo(r, a0, sweep);
    if (kind == GdiCanvas::ChordArc) path.closeSubpath();
    return path;
}

}  // namespace

GdiCanvas::GdiCanvas(QImage& target, const QTransform& deviceToOutput, QSizeF deviceDotsPerMm)
    : target_(target),
      painter_(&target),
      base_(deviceToOutput),
      dotsPerMm_(deviceDotsPerMm),
      budgetLeft_(kDrawingBudget) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

GdiCanvas::~GdiCanvas() { painter_.end(); }

// ---- cost ----

bool GdiCanvas::spend(double units) {
    if (!(units <= double(budgetLeft_))) return false;  // also refuses NaN
    budgetLeft_ -= qint64(units);
    return true;
}

bool GdiCanvas::spendOnPixels(const QRectF& outputBounds) {
    const QRectF covered = outputBounds.normalized().intersected(QRectF(target_.rect()));
    return spend(1 + covered.width() * covered.height() / 1024);
}

bool GdiCanvas::spendOnShape(const QPainterPath& shape, bool fill, double penWidth) {
    double pixels = 0;
    if (fill) {
        const QRectF covered = shape.controlPointRect().intersected(QRectF(target_.rect()));
        pixels += covered.width() * covered.height();
    }
    if (penWidth >= 0) {
        // A line costs its length times its width; the control points give
        // an upper bound of the length without flattening curves.
        double length = 0;
        for (int i = 1; i < shape.elementCount(); ++i) {
            const QPainterPath::Element& e = shape.elementAt(i);
            if (e.isMoveTo()) continue;
            const QPainterPath::Element& before = shape.elementAt(i - 1);
            length += std::hypot(e.x - before.x, e.y - before.y);
        }
        pixels += length * std::max(1.0, penWidth);
    }
    return spend(1 + pixels / 1024);
}

// ---- mapping ----

void GdiCanvas::setMapMode(int mode) {
    if (mode >= MapText && mode <= MapAnisotropic) state_.mapMode = mode;
}

void GdiCanvas::setWindowExt(QSizeF s) {
    if (s.width() != 0 && s.height() != 0) state_.windowExt = s;  // the system refuses zero
}

void GdiCanvas::setViewportExt(QSizeF s) {
    if (s.width() != 0 && s.height() != 0) state_.viewportExt = s;
}

QTransform GdiCanvas::logicalToOutput() const {
    const GdiDcState& s = state_;
    double sx = 1, sy = 1;
    if (s.mapMode == MapIsotropic || s.mapMode == MapAnisotropic) {
        sx = s.viewportExt.width() / s.windowExt.width();
        sy = s.viewportExt.height() / s.windowExt.height();
        if (s.mapMode == MapIsotropic) {
            const double m = std::min(std::fabs(sx), std::fabs(sy));
            sx = std::copysign(m, sx);
            sy = std::copysign(m, sy);
        }
    } else if (s.mapMode != MapText) {
        const double mm = millimetresPerUnit(s.mapMode);
        sx = dotsPerMm_.width() * mm;
        sy = -dotsPerMm_.height() * mm;  // these modes count y upwards
    }
    const QTransform page(sx, 0, 0, sy, s.viewportOrg.x() - s.windowOrg.x() * sx,
                          s.viewportOrg.y() - s.windowOrg.y() * sy);
    return s.world * page * base_;
}

// ---- states and objects ----

void GdiCanvas::save() {
    if (saved_.size() < kMaxSavedStates) saved_.push_back(state_);
}

void GdiCanvas::restore(int which) {
    const qint64 index = which < 0 ? qint64(saved_.size()) + which : qint64(which) - 1;
    if (index < 0 || index >= saved_.size()) return;
    state_ = saved_[int(index)];
    saved_.resize(int(index));
}

void GdiCanvas::select(const GdiObject& object) {
    switch (object.kind) {
        case GdiObject::Pen:
            state_.pen = object.pen;
            break;
        case GdiObject::Brush:
            state_.brush = object.brush;
            break;
        case GdiObject::Font:
            state_.font = object.font;
            break;
        default:
            break;
    }
}

void GdiCanvas::selectStock(unsigned index) {
    GdiObject o;
    auto brush = [&](QColor c, int style = GdiBrush::Solid) {
        o.kind = GdiObject::Brush;
        o.brush.colour = c;
        o.brush.style = style;
    };
    auto pen = [&](QColor c, int style = 0) {
        o.kind = GdiObject::Pen;
        o.pen.colour = c;
        o.pen.style = style;
    };
    switch (index) {
        case 0:
            brush(Qt::white);
            break;
        case 1:
            brush(QColor(192, 192, 192));
            break;
        case 2:
            brush(QColor(128, 128, 128));
            break;
        case 3:
            brush(QColor(64, 64, 64));
            break;
        case 4:
            brush(Qt::black);
            break;
        case 5:
            brush(Qt::white, GdiBrush::Null);
            break;
        case 6:
            pen(Qt::white);
            break;
        case 7:
            pen(Qt::black);
            break;
        case 8:
            pen(Qt::black, 5);
            break;
        case 10:
        case 11:
        case 12:
        case 13:
        case 14:
        case 16:
        case 17:
            o.kind = GdiObject::Font;  // the system's fonts: a plain face at the default size
            break;
        case 18:
            brush(Qt::white);
            break;  // DC brush
        case 19:
            pen(Qt::black);
            break;  // DC pen
        default:
            return;
    }
    select(o);
}

// ---- pens and brushes ----

QPen GdiCanvas::qtPen(const QTransform& toOutput) const {
    const GdiPen& p = state_.pen;
    if (p.isNull()) return Qt::NoPen;
    double width = p.width * std::sqrt(std::fabs(toOutput.determinant()));
    if (!std::isfinite(width) || width < 1.5)
        width = 0;  // one pixel, as the system draws thin pens
    width = std::min(width, 10000.0);
    QPen pen(p.colour, width);
    static const Qt::PenStyle styles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                          Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen,
                                          Qt::SolidLine};
    const int style = p.style & 0xff;
    // Only one-pixel pens are dashed; wider ones are drawn solid.
    pen.setStyle(width == 0 && style < 7 ? styles[style] : Qt::SolidLine);
    static const Qt::PenCapStyle caps[] = {Qt::RoundCap, Qt::SquareCap, Qt::FlatCap};
    static const Qt::PenJoinStyle joins[] = {Qt::RoundJoin, Qt::BevelJoin, Qt::MiterJoin};
    pen.setCapStyle(p.endCap >= 0 && p.endCap < 3 ? caps[p.endCap] : Qt::RoundCap);
    pen.setJoinStyle(p.join >= 0 && p.join < 3 ? joins[p.join] : Qt::RoundJoin);
    return pen;
}

QBrush GdiCanvas::qtBrush() const {
    const GdiBrush& b = state_.brush;
    switch (b.style) {
        case GdiBrush::Null:
            return Qt::NoBrush;
        case GdiBrush::Hatched: {
            static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                     Qt::FDiagPattern, Qt::BDiagPattern,
                                                     Qt::CrossPattern, Qt::DiagCrossPattern};
            return QBrush(b.colour,
                          b.hatch >= 0 && b.hatch < 6 ? hatches[b.hatch] : Qt::SolidPattern);
        }
        case GdiBrush::Pattern:
            if (!b.pattern.isNull()) return QBrush(b.pattern);
            return QBrush(b.colour);
        default:
            return QBrush(b.colour);
    }
}

// ---- drawing ----

void GdiCanvas::output(const QPainterPath& shape, bool fill, bool stroke) {
    if (recording_) {
        path_.addPath(shape);
        return;
    }
    const QPen pen = stroke ? qtPen(logicalToOutput()) : QPen(Qt::NoPen);
    if (!spendOnShape(shape, fill && state_.brush.style != GdiBrush::Null,
                      pen.style() == Qt::NoPen ? -1 : pen.widthF()))
        return;
    applyClip();
    QPainterPath path = shape;
    path.setFillRule(state_.windingFill ? Qt::WindingFill : Qt::OddEvenFill);
    painter_.setBackgroundMode(state_.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_.setBackground(state_.backColour);
    painter_.setPen(pen);
    painter_.setBrush(fill ? qtBrush() : QBrush(Qt::NoBrush));
    painter_.drawPath(path);
}

// The system leaves out the right and bottom edge of a box; one output pixel.
static QPainterPath boxPath(const QRectF& r, const QTransform& t, int kind, QSizeF corner) {
    QPainterPath logical, out;
    if (axisAligned(t)) {
        const QRectF box = t.mapRect(r.normalized()).adjusted(0, 0, -1, -1);
        const QSizeF c(std::fabs(corner.width() * t.m11()) / 2,
                       std::fabs(corner.height() * t.m22()) / 2);
        if (kind == 0) out.addRect(box);
        if (kind == 1) out.addEllipse(box);
        if (kind == 2) out.addRoundedRect(box, c.width(), c.height());
        return out;
    }
    if (kind == 0) logical.addRect(r.normalized());
    if (kind == 1) logical.addEllipse(r.normalized());
    if (kind == 2) logical.addRoundedRect(r.normalized(), corner.width() / 2, corner.height() / 2);
    return t.map(logical);
}

void GdiCanvas::rectangle(const QRectF& r) {
    output(boxPath(r, logicalToOutput(), 0, {}), true, true);
}
void GdiCanvas::ellipse(const QRectF& r) {
    output(boxPath(r, logicalToOutput(), 1, {}), true, true);
}
void GdiCanvas::roundRect(const QRectF& r, QSizeF corner) {
    output(boxPath(r, logicalToOutput(), 2, corner), true, true);
}

void GdiCanvas::arc(const QRectF& r, QPointF start, QPointF end, ArcKind kind) {
    const QTransform t = logicalToOutput();
    const bool ccw = !state_.clockwiseArcs;
    QPainterPath path;
    if (axisAligned(t)) {
        path = arcPath(t.mapRect(r.normalized()).adjusted(0, 0, -1, -1), t.map(start), t.map(end),
                       kind, ccw, t.map(state_.current));
    } else {
        // Built in logical space; a mirroring transform turns the direction.
        path = t.map(arcPath(r.normalized(), start, end, kind, (t.determinant() > 0) == ccw,
                             state_.current));
    }
    if (kind == ArcFromCurrent) {
        state_.current = t.inverted().map(path.currentPosition());
        if (recording_) {
            path_.connectPath(path);
            return;
        }
    }
    const bool closed = kind == ChordArc || kind == PieArc;
    output(path, closed, true);
}

void GdiCanvas::moveTo(QPointF p) {
    state_.current = p;
    if (recording_) path_.moveTo(logicalToOutput().map(p));
}

void GdiCanvas::lineTo(QPointF p) {
    const QTransform t = logicalToOutput();
    if (recording_) {
        if (path_.elementCount() == 0) path_.moveTo(t.map(state_.current));
        path_.lineTo(t.map(p));
    } else {
        QPainterPath line;
        line.moveTo(t.map(state_.current));
        line.lineTo(t.map(p));
        output(line, false, true);
    }
    state_.current = p;
}

void GdiCanvas::polyline(const QPolygonF& points) {
    if (points.size() < 2) return;
    QPainterPath path;
    path.addPolygon(logicalToOutput().map(points));
    output(path, false, true);
}

void GdiCanvas::polylineTo(const QPolygonF& points) {
    for (const QPointF& p : points) lineTo(p);
}

void GdiCanvas::polygon(const QPolygonF& points) {
    if (points.size() < 2) return;
    polyPolygon({points});
}

void GdiCanvas::polyPolygon(const QVector<QPolygonF>& polygons) {
    const QTransform t = logicalToOutput();
    QPainterPath path;
    for (const QPolygonF& p : polygons) {
        if (p.size() < 2) continue;
        path.addPolygon(t.map(p));
        path.closeSubpath();
    }
    output(path, true, true);
}

void GdiCanvas::polyPolyline(const QVector<QPolygonF>& lines) {
    const QTransform t = logicalToOutput();
    QPainterPath path;
    for (const QPolygonF& p : lines)
        if (p.size() >= 2) path.addPolygon(t.map(p));
    output(path, false, true);
}

void GdiCanvas::polyBezier(const QPolygonF& points) {
    if (points.size() < 4) return;
    const QPolygonF p = logicalToOutput().map(points);
    QPainterPath path(p[0]);
    for (int i = 1; i + 2 < p.size(); i += 3) path.cubicTo(p[i], p[i + 1], p[i + 2]);
    output(path, false, true);
}

void GdiCanvas::polyBezierTo(const QPolygonF& points) {
    if (points.size() < 3) return;
    const QTransform t = logicalToOutput();
    const QPolygonF p = t.map(points);
    QPainterPath path(t.map(state_.current));
    int i = 0;
    for (; i + 2 < p.size(); i += 3) path.cubicTo(p[i], p[i + 1], p[i + 2]);
    state_.current = points[i - 1];
    if (recording_) {
        if (path_.elementCount() == 0) path_.moveTo(path.elementAt(0));
        path_.connectPath(path);
        return;
    }
    output(path, false, true);
}

// ---- paths ----

void GdiCanvas::beginPath() {
    path_ = QPainterPath();
    recording_ = true;
}

void GdiCanvas::closeFigure() {
    if (recording_) path_.closeSubpath();
}

void GdiCanvas::abortPath() {
    path_ = QPainterPath();
    recording_ = false;
}

void GdiCanvas::fillPath(bool fill, bool stroke) {
    recording_ = false;
    const QPainterPath path = path_;
    path_ = QPainterPath();
    output(path, fill, stroke);
}

void GdiCanvas::clipToPath(int mode) {
    recording_ = false;
    const QPainterPath device = base_.inverted().map(path_);
    path_ = QPainterPath();
    setClipDevice(&device, mode);
}

}  // namespace platform
