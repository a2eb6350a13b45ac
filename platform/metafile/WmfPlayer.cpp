// Windows metafiles: the 18-byte header, optionally preceded by the 22-byte
// placeable header, then records of 16-bit words whose parameters are mostly
// stored last-first.

#include <QtMath>
#include <cmath>

#include "platform/metafile/GdiCanvas.h"
#include "platform/metafile/Metafile.h"
#include "platform/metafile/MetafileRecords.h"
#include "platform/pictures/DibDecoder.h"
#include "platform/pictures/DibHeader.h"

namespace platform {
namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableSize = 22;
constexpr size_t kHeaderSize = 18;

// Record functions.
enum : uint16_t {
    EndOfFile = 0x0000,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetPolyFillMode = 0x0106,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    SetTextAlign = 0x012E,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E,
    OffsetWindowOrg = 0x020F,
    ScaleWindowExt = 0x0410,
    OffsetViewportOrg = 0x0211,
    ScaleViewportExt = 0x0412,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416,
    Arc = 0x0817,
    Ellipse = 0x0418,
    Pie = 0x081A,
    Rectangle = 0x041B,
    RoundRect = 0x061C,
    PatBlt = 0x061D,
    SaveDC = 0x001E,
    RestoreDC = 0x0127,
    TextOut = 0x0521,
    ExtTextOut = 0x0A32,
    Polygon = 0x0324,
    Polyline = 0x0325,
    PolyPolygon = 0x0538,
    Chord = 0x0830,
    SelectObject = 0x012D,
    SelectClipRegion = 0x012C,
    DeleteObject = 0x01F0,
    CreatePalette = 0x00F7,
    CreatePatternBrush = 0x01F9,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    CreateRegion = 0x06FF,
    DibCreatePatternBrush = 0x0142,
    DibBitBlt = 0x0940,
    DibStretchBlt = 0x0B41,
    StretchDib = 0x0F43,
};

class WmfReader {
  public:
    WmfReader(GdiCanvas& canvas, const PictureLimits& limits) : c_(canvas), limits_(limits) {}

    void play(uint16_t function, LittleEndian params);

  private:
    int w(size_t i) const { return p_.s16(2 * i); }
    unsigned uw(size_t i) const { return p_.u16(2 * i); }
    size_t words() const { return p_.size() / 2; }
    QPointF point(size_t i) const { return QPointF(w(i + 1), w(i)); }  // stored y, x
    QSizeF size(size_t i) const { return QSizeF(w(i + 1), w(i)); }
    // Stored bottom, right, top, left.
    QRectF rect(size_t i) const {
        return QRectF(QPointF(w(i + 3), w(i + 2)), QPointF(w(i + 1), w(i)));
    }
    QPolygonF points(size_t firstWord, size_t count) const;

    void create(const GdiObject& object) { c_.objects().add(object); }
    void createPen();
    void createBrush();
    void createFont();
    void createPatternBrush();
    void text(bool extended);
    void polyPolygon();
    void dib(uint16_t function);

    GdiCanvas& c_;
    const PictureLimits& limits_;
    LittleEndian p_;
};

QPolygonF WmfReader::points(size_t firstWord, size_t count) const {
    QPolygonF poly;
    if (!p_.has(2 * firstWord, count * 4)) return poly;  // the record is shorter than it claims
    poly.reserve(int(count));
    for (size_t i = 0; i < count; ++i)
        poly.append(QPointF(w(firstWord + 2 * i), w(firstWord + 2 * i + 1)));
    return poly;
}

void WmfReader::createPen() {
    GdiObject o;
    o.kind = GdiObject::Pen;
    o.pen.style = int(uw(0) & 0xff);
    o.pen.endCap = int((uw(0) >> 8) & 0xf);
    o.pen.join = int((uw(0) >> 12) & 0xf);
    o.pen.width = std::abs(w(1));
    o.pen.colour = colourRef(p_.u32(6));
    create(o);
}

void WmfReader::createBrush() {
    GdiObject o;
    o.kind = GdiObject::Brush;
    const unsigned style = uw(0);
    o.brush.style = style == 1 ? GdiBrush::Null : style == 2 ? GdiBrush::Hatched : GdiBrush::Solid;
    o.brush.colour = colourRef(p_.u32(2));
    o.brush.hatch = int(uw(3));
    create(o);
}

void WmfReader::createFont() {
    GdiObject o;
    o.kind = GdiObject::Font;
    GdiFont& f = o.font;
    f.height = w(0);
    f.width = w(1);
    f.escapement = w(2);
    f.weight = w(4);
    f.italic = p_.u8(10);
    f.underline = p_.u8(11);
    f.strikeOut = p_.u8(12);
    f.charset = p_.u8(13);
    f.pitchAndFamily = p_.u8(17);
    f.face = ansiFaceName(p_.from(18), 32);
    create(o);
}

void WmfReader::createPatternBrush() {
    GdiObject o;
    o.kind = GdiObject::Brush;
    o.brush.style = GdiBrush::Pattern;
    o.brush.colour = Qt::gray;  // stands in when the bitmap cannot be read
    const auto table = uw(1) == 1 ? DibColourTable::PaletteIndices : DibColourTable::Rgb;
    const DecodedPicture pattern = decodePackedDib(p_.from(4), limits_, table);
    if (pattern.ok()) o.brush.pattern = pattern.image;
    create(o);
}

void WmfReader::text(bool extended) {
    QPointF ref;
    size_t count = 0, stringAt = 0;
    unsigned options = 0;
    QRectF box;
    if (extended) {
        ref = point(0);
        count = uw(2);
        options = uw(3);
        stringAt = 8;
        if (options & 6) {  // opaque or clipped: a rectangle, left-top-right-bottom
            box = QRectF(QPointF(w(4), w(5)), QPointF(w(6), w(7)));
            stringAt = 16;
        }
    } else {
        count = uw(0);
        stringAt = 2;
        const size_t after = (stringAt + count + 1) / 2;  // words, string padded to even length
        ref = point(after);
    }
    if (!p_.has(stringAt, count)) return;
    QVector<double> byteAdvances;
    const size_t dxAt = stringAt + ((count + 1) & ~size_t(1));
    if (extended && p_.has(dxAt, count * 2))
        for (size_t i = 0; i < count; ++i) byteAdvances.append(p_.s16(dxAt + 2 * i));
    QString s;
    QVector<double> advances;
    decodeAnsiText(p_.slice(stringAt, count), c_.state().font.charset, byteAdvances, s, advances);
    c_.text(ref, s, advances, options, box);
}

void WmfReader::polyPolygon() {
    const size_t polygons = uw(0);
    if (!p_.has(2, polygons * 2)) return;
    QVector<QPolygonF> all;
    size_t at = 1 + polygons;  // first point, in words
    for (size_t i = 0; i < polygons; ++i) {
        const size_t n = uw(1 + i);
        QPolygonF poly = points(at, n);
        if (poly.size() != int(n)) return;
        all.append(poly);
        at += 2 * n;
    }
    c_.polyPolygon(all);
}

void WmfReader::dib(uint16_t function) {
    // Without a bitmap the record is a pattern blit with one reserved word.
    const bool noBitmap = words() == size_t(function >> 8);
    const uint32_t rop = p_.u32(0);
    QRectF dest, source;
    size_t dibAt = 0;
    bool dibOrigin = false;  // source y counted from the bottom of a bottom-up bitmap
    DibColourTable table = DibColourTable::Rgb;
    if (function == DibBitBlt) {
        const size_t k = noBitmap ? 1 : 0;
        dest = QRectF(w(7 + k), w(6 + k), w(5 + k), w(4 + k));
        source = QRectF(w(3), w(2), dest.width(), dest.height());
        dibAt = 16;
    } else if (function == DibStretchBlt) {
        const size_t k = noBitmap ? 1 : 0;
        dest = QRectF(w(9 + k), w(8 + k), w(7 + k), w(6 + k));
        source = QRectF(w(5), w(4), w(3), w(2));
        dibAt = 20;
    } else {  // StretchDib
        dest = QRectF(w(10), w(9), w(8), w(7));
        source = QRectF(w(6), w(5), w(4), w(3));
        table = uw(2) == 1 ? DibColourTable::PaletteIndices : DibColourTable::Rgb;
        dibAt = 22;
        dibOrigin = true;
    }
    if (noBitmap && function != StretchDib) {
        c_.patternBlit(dest, rop);
        return;
    }
    const LittleEndian packed = p_.from(dibAt);
    const DecodedPicture picture = decodePackedDib(packed, limits_, table);
    if (!picture.ok()) return;
    DibHeader header;
    parseDibHeader(packed, header);
    if (dibOrigin && !header.topDown)
        source.moveTop(picture.image.height() - source.y() - source.height());
    c_.bitmap(dest, picture.image, source, rop);
}

void WmfReader::play(uint16_t function, LittleEndian params) {
    p_ = params;
    GdiDcState& s = c_.state();
    switch (function) {
        case SetBkMode:
            s.opaqueBackground = uw(0) == 2;
            break;
        case SetMapMode:
            c_.setMapMode(w(0));
            break;
        case SetPolyFillMode:
            s.windingFill = uw(0) == 2;
            break;
        case SetBkColor:
            s.backColour = colourRef(p_.u32(0));
            break;
        case SetTextColor:
            s.textColour = colourRef(p_.u32(0));
            break;
        case SetTextAlign:
            s.textAlign = uw(0);
            break;
        case SetWindowOrg:
            c_.setWindowOrg(point(0));
            break;
        case SetWindowExt:
            c_.setWindowExt(size(0));
            break;
        case SetViewportOrg:
            c_.setViewportOrg(point(0));
            break;
        case SetViewportExt:
            c_.setViewportExt(size(0));
            break;
        case OffsetWindowOrg:
            c_.setWindowOrg(s.windowOrg + point(0));
            break;
        case OffsetViewportOrg:
            c_.setViewportOrg(s.viewportOrg + point(0));
            break;
        case ScaleWindowExt:
        case ScaleViewportExt: {
            if (w(0) == 0 || w(2) == 0) break;
            const QSizeF old = function == ScaleWindowExt ? s.windowExt : s.viewportExt;
            const QSizeF scaled(old.width() * w(3) / w(2), old.height() * w(1) / w(0));
            function == ScaleWindowExt ? c_.setWindowExt(scaled) : c_.setViewportExt(scaled);
            break;
        }
        case MoveTo:
            c_.moveTo(point(0));
            break;
        case LineTo:
            c_.lineTo(point(0));
            break;
        case ExcludeClipRect:
            c_.excludeClip(rect(0));
            break;
        case IntersectClipRect:
            c_.intersectClip(rect(0));
            break;
        case SelectClipRegion:
            c_.setClipDevice(nullptr, 5);
            break;  // regions are not kept; only "none" is honoured
        case Rectangle:
            c_.rectangle(rect(0));
            break;
        case Ellipse:
            c_.ellipse(rect(0));
            break;
        case RoundRect:
            c_.roundRect(rect(2), size(0));
            break;
        case Arc:
            c_.arc(rect(4), point(2), point(0), GdiCanvas::OpenArc);
            break;
        case Chord:
            c_.arc(rect(4), point(2), point(0), GdiCanvas::ChordArc);
            break;
        case Pie:
            c_.arc(rect(4), point(2), point(0), GdiCanvas::PieArc);
            break;
        case PatBlt:
            c_.patternBlit(QRectF(w(5), w(4), w(3), w(2)), p_.u32(0));
            break;
        case SaveDC:
            c_.save();
            break;
        case RestoreDC:
            c_.restore(w(0));
            break;
        case TextOut:
            text(false);
            break;
        case ExtTextOut:
            text(true);
            break;
        case Polygon:
            c_.polygon(points(1, uw(0)));
            break;
        case Polyline:
            c_.polyline(points(1, uw(0)));
            break;
        case PolyPolygon:
            polyPolygon();
            break;
        case SelectObject:
            if (const GdiObject* o = c_.objects().at(uw(0))) c_.select(*o);
            break;
        case DeleteObject:
            c_.objects().remove(uw(0));
            break;
        case CreatePenIndirect:
            createPen();
            break;
        case CreateBrushIndirect:
            createBrush();
            break;
        case CreateFontIndirect:
            createFont();
            break;
        case DibCreatePatternBrush:
            createPatternBrush();
            break;
        case CreatePalette:
        case CreatePatternBrush:
        case CreateRegion: {
            // Not drawn with, but they take a slot: later objects are numbered after them.
            GdiObject o;
            o.kind = GdiObject::Other;
            create(o);
            break;
        }
        case DibBitBlt:
        case DibStretchBlt:
        case StretchDib:
            dib(function);
            break;
        default:
            break;  // records that do not change the picture
    }
}

// The size and first window of a file without the placeable header.
bool plainWindow(LittleEndian records, QPointF& org, QSizeF& ext) {
    bool haveExt = false;
    size_t at = 0;
    for (qint64 n = 0; n < kMaxMetafileRecords && records.has(at, 6); ++n) {
        const size_t bytes = size_t(records.u32(at)) * 2;
        const uint16_t function = records.u16(at + 4);
        if (bytes < 6 || !records.has(at, bytes) || function == EndOfFile) break;
        if (function == SetWindowOrg && bytes >= 10 && org.isNull())
            org = QPointF(records.s16(at + 8), records.s16(at + 6));
        if (function == SetWindowExt && bytes >= 10 && !haveExt) {
            ext = QSizeF(records.s16(at + 8), records.s16(at + 6));
            haveExt = ext.width() != 0 && ext.height() != 0;
        }
        at += bytes;
    }
    return haveExt;
}

}  // namespace

DecodedPicture decodeWmf(const QByteArray& file, const PictureLimits& limits) {
    const LittleEndian bytes(reinterpret_cast<const unsigned char*>(file.constData()),
                             size_t(file.size()));
    const bool placeable = bytes.u32(0) == kPlaceableKey;
    const size_t headerAt = placeable ? kPlaceableSize : 0;
    if (!bytes.has(headerAt, kHeaderSize))
        return pictureError(QStringLiteral("メタファイルが途中で切れています。"));
    const unsigned type = bytes.u16(headerAt), headerWords = bytes.u16(headerAt + 2);
    if ((type != 1 && type != 2) || headerWords < 9)
        return pictureError(QStringLiteral("メタファイル（WMF）ではありません。"));
    const LittleEndian records = bytes.from(headerAt + size_t(headerWords) * 2);

    // The picture's window in logical units and its size in pixels.
    QPointF org;
    QSizeF ext;
    qint64 width = 0, height = 0;
    if (placeable) {
        const QRectF box =
            QRectF(QPointF(bytes.s16(6), bytes.s16(8)), QPointF(bytes.s16(10), bytes.s16(12)));
        const double inch = bytes.u16(14) ? bytes.u16(14) : 1440;
        org = box.topLeft();
        ext = box.size();
        width = std::lround(std::fabs(ext.width()) * 96 / inch);
        height = std::lround(std::fabs(ext.height()) * 96 / inch);
    } else {
        if (!plainWindow(records, org, ext))
            return pictureError(QStringLiteral(
                "メタファイルの大きさがわかりません（ウィンドウの範囲が記録されていません）。"));
        const double scale = std::min(
            1.0, kPlainWmfMaxSide / std::max(std::fabs(ext.width()), std::fabs(ext.height())));
        width = std::lround(std::fabs(ext.width()) * scale);
        height = std::lround(std::fabs(ext.height()) * scale);
    }
    DecodedPicture picture = newPicture(width, height, limits);
    if (!picture.ok()) return picture;

    {
        GdiCanvas canvas(picture.image, QTransform(), QSizeF(96 / 25.4, 96 / 25.4));
        // Played as into a prepared device context: the picture's window maps
        // onto the whole image until the records say otherwise.
        canvas.setMapMode(MapAnisotropic);
        canvas.setWindowOrg(org);
        canvas.setWindowExt(ext);
        canvas.setViewportOrg(QPointF(0, 0));
        canvas.setViewportExt(QSizeF(width, height));
        WmfReader reader(canvas, limits);
        size_t at = 0;
        for (qint64 n = 0; n < kMaxMetafileRecords && at < records.size(); ++n) {
            if (!records.has(at, 6))
                return pictureError(QStringLiteral("メタファイルが途中で切れています。"));
            const size_t recordSize = size_t(records.u32(at)) * 2;
            const uint16_t function = records.u16(at + 4);
            if (function == EndOfFile) break;
            if (recordSize < 6) return pictureError(kMetafileDamaged);
            if (!records.has(at, recordSize))
                return pictureError(QStringLiteral("メタファイルが途中で切れています。"));
            reader.play(function, records.slice(at + 6, recordSize - 6));
            at += recordSize;
        }
    }
    return picture;
}

}  // namespace platform
