#include "platform/page/PagePlayer.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

#include "platform/page/VerticalText.h"

namespace platform {
namespace {

QRectF toPainter(const PageRect& r) {
    return QRectF(QPointF(r.x1, -r.y1), QPointF(r.x2, -r.y2)).normalized();
}

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// The drawing state of one replay; a fresh page starts with a solid white
// brush and a black pen one unit wide.
class Replay {
  public:
    explicit Replay(QPainter& painter) : p_(painter) {
        const QTransform d = painter.deviceTransform();
        deviceScaleX_ = std::hypot(d.m11(), d.m12());
        deviceScaleY_ = std::hypot(d.m21(), d.m22());
    }

    void run(const std::vector<PageOp>& ops) {
        for (const PageOp& op : ops) {
            std::visit(Overloaded{
                           [&](const op::BrushColour& o) { brushColour_ = o.colour; },
                           [&](const op::SetBrushStyle& o) { brushStyle_ = o.style; },
                           [&](const op::BrushPattern& o) {
                               pattern_ = o.pattern;
                               brushStyle_ = BrushStyle::Pattern;
                           },
                           [&](const op::PenColour& o) { penColour_ = o.colour; },
                           [&](const op::PenWidth& o) { penWidth_ = o.width; },
                           [&](const op::SetPenStyle& o) { penStyle_ = o.style; },
                           [&](const op::Rectangle& o) { rectangle(toPainter(o.rect), true); },
                           [&](const op::FillRect& o) { rectangle(toPainter(o.rect), false); },
                           [&](const op::Text& o) { text(o); },
                           [&](const op::StretchBitmap& o) {
                               if (!o.image.isNull()) p_.drawImage(toPainter(o.rect), o.image);
                           },
                           [&](const op::FillExactRect& o) {
                               rectangle(
                                   QRectF(QPointF(o.x1, -o.y1), QPointF(o.x2, -o.y2)).normalized(),
                                   false);
                           },
                       },
                       op);
        }
    }

  private:
    QBrush brush() const {
        switch (brushStyle_) {
            case BrushStyle::Solid:
                return QBrush(brushColour_);
            case BrushStyle::Clear:
                return Qt::NoBrush;
            case BrushStyle::Pattern: {
                if (pattern_.isNull()) return Qt::NoBrush;
                // The pattern's pixels are device pixels, whatever the page scale.
                QBrush b(pattern_);
                b.setTransform(QTransform::fromScale(1 / deviceScaleX_, 1 / deviceScaleY_));
                return b;
            }
        }
        return Qt::NoBrush;
    }

    QPen pen() const {
        if (penStyle_ == PenStyle::Null) return Qt::NoPen;
        // A line narrower than one device pixel still draws one pixel wide, so
        // thin box lines survive in a small preview.
        const double deviceWidth = penWidth_ * std::min(deviceScaleX_, deviceScaleY_);
        if (penWidth_ <= 0 || deviceWidth < 1) {
            QPen pen(penColour_, 1);
            pen.setCosmetic(true);
            return pen;
        }
        QPen pen(penColour_, penWidth_);
        pen.setJoinStyle(Qt::MiterJoin);
        return pen;
    }

    void rectangle(const QRectF& r, bool outline) {
        p_.setBrush(brush());
        if (!outline) {
            p_.fillRect(r, p_.brush());
            return;
        }
        const QPen linePen = pen();
        if (linePen.isCosmetic()) {
            hairlineRectangle(r, linePen);
            return;
        }
        p_.setPen(linePen);
        // The right and bottom edges belong to the neighbour, as on the
        // device the pages were designed for.
        p_.drawRect(r.adjusted(0, 0, -1 / deviceScaleX_, -1 / deviceScaleY_));
    }

    // One-pixel outlines are placed as the original device placed them: the
    // corners rounded to whole device pixels, the right and bottom edges left
    // out, so a sheet stretched into a 270-pixel box keeps its right outline
    // on pixel 269 and small boxes keep their proportions.
    // Device pixels are the real ones: the device transform holds the
    // screen's pixel ratio and, for a child widget painted into its window's
    // backing store, the widget's offset.
    void hairlineRectangle(const QRectF& r, const QPen& linePen) {
        const QTransform toDevice = p_.deviceTransform();
        const QRectF d = toDevice.mapRect(r);
        const int left = qRound(d.left()), top = qRound(d.top());
        const int right = qRound(d.right()), bottom = qRound(d.bottom());
        if (right <= left || bottom <= top) return;
        QBrush fill = p_.brush();
        if (brushStyle_ == BrushStyle::Pattern && fill.style() == Qt::TexturePattern) {
            // In device coordinates the pattern needs no scaling, only its anchor.
            const QPointF anchor = toDevice.map(QPointF(0, 0));
            fill.setTransform(QTransform::fromTranslate(anchor.x(), anchor.y()));
        }
        // What lies between the world and the device (view, pixel ratio,
        // offset) is undone, so the coordinates below are device pixels.
        const QTransform worldToDevice = p_.worldTransform().inverted() * toDevice;
        p_.save();
        p_.setWorldTransform(worldToDevice.inverted());
        p_.setPen(linePen);
        p_.setBrush(fill);
        p_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
        p_.restore();
    }

    void text(const op::Text& o) {
        if (o.text.isEmpty()) return;
        const TextLayout layout = VerticalText::layout(o.font, o.text);
        const bool opaque = brushStyle_ == BrushStyle::Solid;
        VerticalText::draw(p_, layout, QPointF(o.x, -o.y), opaque ? &brushColour_ : nullptr);
    }

    QPainter& p_;
    double deviceScaleX_ = 1, deviceScaleY_ = 1;
    QColor brushColour_ = Qt::white;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    QImage pattern_;
    QColor penColour_ = Qt::black;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
};

}  // namespace

void PagePlayer::play(QPainter& painter, const PagePicture& picture, QPointF topLeft, double scaleX,
                      double scaleY) {
    if (!picture.isValid() || scaleX <= 0 || scaleY <= 0) return;
    painter.save();
    painter.translate(topLeft);
    painter.scale(scaleX, scaleY);
    // Box lines stay crisp as on the original device; glyphs and bitmaps are smoothed.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    Replay(painter).run(picture.ops);
    painter.restore();
}

void PagePlayer::playStretched(QPainter& painter, const PagePicture& picture,
                               const QRectF& target) {
    if (!picture.isValid()) return;
    play(painter, picture, target.topLeft(), target.width() / picture.widthTenths(),
         target.height() / picture.heightTenths());
}

void PagePlayer::playAtNaturalSize(QPainter& painter, const PagePicture& picture,
                                   QPointF devicePosition) {
    const QPaintDevice* device = painter.device();
    if (!device) return;
    // 254 tenths of a millimetre to the inch.
    play(painter, picture, devicePosition, device->logicalDpiX() / 254.0,
         device->logicalDpiY() / 254.0);
}

}  // namespace platform
