#pragma once
// The drawing side of the metafile player: a device context with its
// mapping, selected objects, text settings, clipping and saved states, drawn
// with QPainter onto an image. The WMF and EMF readers turn records into
// calls here; coordinates are logical units of the metafile.

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <QVector>

#include "platform/metafile/GdiObjects.h"

namespace platform {

enum GdiMapMode {
    MapText = 1,
    MapLoMetric,
    MapHiMetric,
    MapLoEnglish,
    MapHiEnglish,
    MapTwips,
    MapIsotropic,
    MapAnisotropic
};

struct GdiDcState {
    int mapMode = MapText;
    QPointF windowOrg, viewportOrg;
    QSizeF windowExt{1, 1}, viewportExt{1, 1};
    QTransform world;  // enhanced metafiles only

    GdiPen pen;
    GdiBrush brush;
    GdiFont font;
    QColor textColour = Qt::black;
    QColor backColour = Qt::white;
    bool opaqueBackground = true;
    bool windingFill = false;
    unsigned textAlign = 0;
    bool clockwiseArcs = false;
    QPointF current;

    bool clipped = false;
    QPainterPath clip;   // in output pixels
    quint64 clipId = 0;  // changes whenever the clip does
};

class GdiCanvas {
  public:
    // `deviceToOutput` maps the metafile's device pixels onto `target`;
    // `deviceDotsPerMm` is the device resolution the metric mapping modes use.
    GdiCanvas(QImage& target, const QTransform& deviceToOutput, QSizeF deviceDotsPerMm);
    ~GdiCanvas();
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    GdiDcState& state() { return state_; }
    GdiObjectTable& objects() { return objects_; }

    // Mapping.
    void setMapMode(int mode);
    void setWindowOrg(QPointF p) { state_.windowOrg = p; }
    void setWindowExt(QSizeF s);
    void setViewportOrg(QPointF p) { state_.viewportOrg = p; }
    void setViewportExt(QSizeF s);
    void setWorldTransform(const QTransform& t) { state_.world = t; }
    QTransform logicalToOutput() const;

    // Saved states: `which` < 0 counts back from the newest, > 0 is absolute.
    void save();
    void restore(int which);

    // Objects.
    void select(const GdiObject& object);
    void selectStock(unsigned index);

    // Clipping, in logical units.
    void intersectClip(const QRectF& r);
    void excludeClip(const QRectF& r);
    void setClipDevice(const QPainterPath* devicePath, int mode);  // nullptr: no clip

    // Lines and shapes.
    void moveTo(QPointF p);
    void lineTo(QPointF p);
    void polyline(const QPolygonF& points);
    void polylineTo(const QPolygonF& points);
    void polygon(const QPolygonF& points);
    void polyPolygon(const QVector<QPolygonF>& polygons);
    void polyPolyline(const QVector<QPolygonF>& lines);
    void polyBezier(const QPolygonF& points);
    void polyBezierTo(const QPolygonF& points);
    void rectangle(const QRectF& r);
    void roundRect(const QRectF& r, QSizeF corner);
    void ellipse(const QRectF& r);
    enum ArcKind { OpenArc, ChordArc, PieArc, ArcFromCurrent };
    void arc(const QRectF& r, QPointF start, QPointF end, ArcKind kind);

    // Paths (enhanced metafiles): shapes drawn between begin and end are
    // collected instead of drawn.
    void beginPath();
    void endPath() { recording_ = false; }
    void closeFigure();
    void abortPath();
    void fillPath(bool fill, bool stroke);
    void clipToPath(int mode);

    // Text; `advances` (may be empty) are the logical cell widths of the
    // characters. `options` are ETO_* bits; `box` is used for ETO_OPAQUE and
    // ETO_CLIPPED.
    void text(QPointF ref, const QString& text, const QVector<double>& advances, unsigned options,
              const QRectF& box);

    // Bitmaps: `source` pixels (in image coordinates, top row 0) stretched
    // over the logical rectangle `dest`, combined by the ternary raster op.
    void bitmap(const QRectF& dest, const QImage& image, const QRectF& source, uint32_t rop);
    // A raster op without a source bitmap (pattern or destination only).
    void patternBlit(const QRectF& dest, uint32_t rop);

  private:
    void output(const QPainterPath& logical, bool fill, bool stroke);
    void applyClip();
    bool mayChangeClip();
    // Takes the cost of drawing from the picture's budget; false when it is
    // spent and nothing more may be drawn.
    bool spend(double units);
    bool spendOnPixels(const QRectF& outputBounds);
    bool spendOnShape(const QPainterPath& outputShape, bool fill, double penWidth);
    void clipChanged() { state_.clipId = ++clipChanges_; }
    QPen qtPen(const QTransform& toOutput) const;
    QBrush qtBrush() const;
    QRectF shrinkForPen(const QRectF& r, const QTransform& toOutput) const;
    QFont qtFont(double outputHeight) const;

    QImage& target_;
    QPainter painter_;
    QTransform base_;
    QSizeF dotsPerMm_;
    GdiDcState state_;
    QVector<GdiDcState> saved_;
    GdiObjectTable objects_;
    bool recording_ = false;
    QPainterPath path_;  // in output pixels
    quint64 clipChanges_ = 0;
    qint64 budgetLeft_;  // drawing still allowed in this picture, see kDrawingBudget
    quint64 appliedClipId_ = ~quint64(0);
};

// The installed family that stands in for a metafile's face name.
QString metafileFontFamily(const QString& face);

}  // namespace platform
