// Enhanced metafiles: a header record, then records of 32-bit type and size
// whose coordinates are logical units of a reference device.

#include <cmath>

#include "platform/metafile/GdiCanvas.h"
#include "platform/metafile/Metafile.h"
#include "platform/metafile/MetafileRecords.h"
#include "platform/pictures/DibDecoder.h"
#include "platform/pictures/DibHeader.h"

namespace platform {
namespace {

constexpr uint32_t kSignature = 0x464D4520;  // " EMF"

enum : uint32_t {
    Header = 1,
    PolyBezier = 2,
    Polygon = 3,
    Polyline = 4,
    PolyBezierTo = 5,
    PolylineTo = 6,
    PolyPolyline = 7,
    PolyPolygon = 8,
    SetWindowExtEx = 9,
    SetWindowOrgEx = 10,
    SetViewportExtEx = 11,
    SetViewportOrgEx = 12,
    EndOfFile = 14,
    SetMapMode = 17,
    SetBkMode = 18,
    SetPolyFillMode = 19,
    SetTextAlign = 22,
    SetTextColor = 24,
    SetBkColor = 25,
    MoveToEx = 27,
    ExcludeClipRect = 29,
    IntersectClipRect = 30,
    ScaleViewportExtEx = 31,
    ScaleWindowExtEx = 32,
    SaveDC = 33,
    RestoreDC = 34,
    SetWorldTransform = 35,
    ModifyWorldTransform = 36,
    SelectObject = 37,
    CreatePen = 38,
    CreateBrushIndirect = 39,
    DeleteObject = 40,
    Ellipse = 42,
    Rectangle = 43,
    RoundRect = 44,
    Arc = 45,
    Chord = 46,
    Pie = 47,
    CreatePalette = 49,
    LineTo = 54,
    ArcTo = 55,
    SetArcDirection = 57,
    BeginPath = 59,
    EndPath = 60,
    CloseFigure = 61,
    FillPath = 62,
    StrokeAndFillPath = 63,
    StrokePath = 64,
    SelectClipPath = 67,
    AbortPath = 68,
    ExtSelectClipRgn = 75,
    BitBlt = 76,
    StretchBlt = 77,
    SetDiBitsToDevice = 80,
    StretchDiBits = 81,
    ExtCreateFontIndirectW = 82,
    ExtTextOutA = 83,
    ExtTextOutW = 84,
    PolyBezier16 = 85,
    Polygon16 = 86,
    Polyline16 = 87,
    PolyBezierTo16 = 88,
    PolylineTo16 = 89,
    PolyPolyline16 = 90,
    PolyPolygon16 = 91,
    CreateMonoBrush = 93,
    CreateDibPatternBrushPt = 94,
    ExtCreatePen = 95,
};

class EmfReader {
  public:
    EmfReader(GdiCanvas& canvas, const PictureLimits& limits) : c_(canvas), limits_(limits) {}
    void play(uint32_t type, LittleEndian record);

  private:
    int32_t i32(size_t at) const { return r_.s32(at); }
    uint32_t u32(size_t at) const { return r_.u32(at); }
    QPointF point(size_t at) const { return QPointF(i32(at), i32(at + 4)); }
    QSizeF size(size_t at) const { return QSizeF(i32(at), i32(at + 4)); }
    QRectF rect(size_t at) const {
        return QRectF(point(at), point(at + 8));
    }  // left, top, right, bottom
    // `count` points at `at`, 32-bit or 16-bit; empty when the record is too short.
    QPolygonF points(size_t at, size_t count, bool small) const;
    QTransform xform(size_t at) const {
        return QTransform(r_.f32(at), r_.f32(at + 4), r_.f32(at + 8), r_.f32(at + 12),
                          r_.f32(at + 16), r_.f32(at + 20));
    }
    void poly(uint32_t type, bool small);
    void polyPoly(bool polygons, bool small);
    void createPen(bool extended);
    void createBrush(uint32_t type);
    void createFont();
    void text(bool wide);
    void bitmap(uint32_t type);
    void clipRegion();
    void modifyWorld();
    // A bitmap described by offsets into the record.
    DecodedPicture dibAt(size_t offInfo, size_t cbInfo, size_t offBits, size_t cbBits,
                         uint32_t usage, bool* topDown) const;

    GdiCanvas& c_;
    const PictureLimits& limits_;
    LittleEndian r_;
};

QPolygonF EmfReader::points(size_t at, size_t count, bool small) const {
    QPolygonF poly;
    const size_t each = small ? 4 : 8;
    if (count > r_.size() / each || !r_.has(at, count * each)) return poly;
    poly.reserve(int(count));
    for (size_t i = 0; i < count; ++i) {
        const size_t p = at + i * each;
        poly.append(small ? QPointF(r_.s16(p), r_.s16(p + 2)) : QPointF(i32(p), i32(p + 4)));
    }
    return poly;
}

void EmfReader::poly(uint32_t type, bool small) {
    const QPolygonF p = points(28, u32(24), small);
    if (p.isEmpty()) return;
    switch (type) {
        case PolyBezier:
        case PolyBezier16:
            c_.polyBezier(p);
            break;
        case Polygon:
        case Polygon16:
            c_.polygon(p);
            break;
        case Polyline:
        case Polyline16:
            c_.polyline(p);
            break;
        case PolyBezierTo:
        case PolyBezierTo16:
            c_.polyBezierTo(p);
            break;
        case PolylineTo:
        case PolylineTo16:
            c_.polylineTo(p);
            break;
        default:
            break;
    }
}

void EmfReader::polyPoly(bool polygons, bool small) {
    const size_t count = u32(24), total = u32(28);
    if (count > r_.size() / 4 || !r_.has(32, count * 4)) return;
    const QPolygonF all = points(32 + count * 4, total, small);
    if (all.size() != int(total)) return;
    QVector<QPolygonF> parts;
    size_t used = 0;
    for (size_t i = 0; i < count; ++i) {
        const size_t n = u32(32 + 4 * i);
        if (n > total - used) return;
        parts.append(all.mid(int(used), int(n)));
        used += n;
    }
    polygons ? c_.polyPolygon(parts) : c_.polyPolyline(parts);
}

void EmfReader::createPen(bool extended) {
    GdiObject o;
    o.kind = GdiObject::Pen;
    const uint32_t style = u32(extended ? 28 : 12);
    o.pen.style = int(style & 0xff);
    o.pen.endCap = int((style >> 8) & 0xf);
    o.pen.join = int((style >> 12) & 0xf);
    o.pen.width = extended ? double(u32(32)) : std::abs(double(i32(16)));
    o.pen.colour = colourRef(u32(extended ? 40 : 24));
    if (extended && u32(36) == 1) o.pen.style = 5;  // a hollow brush draws nothing
    c_.objects().put(u32(8), o);
}

void EmfReader::createBrush(uint32_t type) {
    GdiObject o;
    o.kind = GdiObject::Brush;
    if (type == CreateBrushIndirect) {
        const uint32_t style = u32(12);
        o.brush.style = style == 1   ? GdiBrush::Null
                        : style == 2 ? GdiBrush::Hatched
                                     : GdiBrush::Solid;
        o.brush.colour = colourRef(u32(16));
        o.brush.hatch = int(u32(20));
    } else {
        o.brush.style = GdiBrush::Pattern;
        o.brush.colour = Qt::gray;
        bool topDown = false;
        const DecodedPicture p = dibAt(u32(16), u32(20), u32(24), u32(28), u32(12), &topDown);
        if (p.ok()) o.brush.pattern = p.image;
    }
    c_.objects().put(u32(8), o);
}

void EmfReader::createFont() {
    GdiObject o;
    o.kind = GdiObject::Font;
    GdiFont& f = o.font;
    f.height = i32(12);
    f.width = i32(16);
    f.escapement = i32(20);
    f.weight = i32(28);
    f.italic = r_.u8(32);
    f.underline = r_.u8(33);
    f.strikeOut = r_.u8(34);
    f.charset = r_.u8(35);
    f.pitchAndFamily = r_.u8(39);
    f.face = wideFaceName(r_.from(40), 32);
    c_.objects().put(u32(8), o);
}

void EmfReader::text(bool wide) {
    const QPointF ref = point(36);
    const size_t count = u32(44), offString = u32(48), offDx = u32(72);
    const unsigned options = u32(52);
    const QRectF box = rect(56);
    const size_t unit = wide ? 2 : 1;
    if (count > r_.size() || !r_.has(offString, count * unit)) return;
    QVector<double> dx;
    if (offDx && count <= r_.size() / 4 && r_.has(offDx, count * 4))
        for (size_t i = 0; i < count; ++i) dx.append(i32(offDx + 4 * i));
    QString s;
    QVector<double> advances;
    if (wide) {
        for (size_t i = 0; i < count; ++i) s += QChar(r_.u16(offString + 2 * i));
        advances = dx;
    } else {
        decodeAnsiText(r_.slice(offString, count), c_.state().font.charset, dx, s, advances);
    }
    c_.text(ref, s, advances, options, box);
}

DecodedPicture EmfReader::dibAt(size_t offInfo, size_t cbInfo, size_t offBits, size_t cbBits,
                                uint32_t usage, bool* topDown) const {
    const LittleEndian info = r_.slice(offInfo, cbInfo), bits = r_.slice(offBits, cbBits);
    DibHeader header;
    if (info.size() == 0 || !parseDibHeader(info, header).isEmpty())
        return pictureError(kMetafileDamaged);
    *topDown = header.topDown;
    return decodeDib(info, bits, limits_,
                     usage == 1 ? DibColourTable::PaletteIndices : DibColourTable::Rgb);
}

void EmfReader::bitmap(uint32_t type) {
    QRectF dest, source;
    uint32_t rop = 0xCC0020;
    size_t offInfo = 0, cbInfo = 0, offBits = 0, cbBits = 0;
    uint32_t usage = 0;
    bool dibOrigin = false;  // source y counted from the bottom of a bottom-up bitmap
    if (type == BitBlt || type == StretchBlt) {
        dest = QRectF(i32(24), i32(28), i32(32), i32(36));
        rop = u32(40);
        const double sw = type == StretchBlt ? i32(100) : dest.width();
        const double sh = type == StretchBlt ? i32(104) : dest.height();
        source = QRectF(i32(44), i32(48), sw, sh);
        usage = u32(80), offInfo = u32(84), cbInfo = u32(88), offBits = u32(92), cbBits = u32(96);
        if (cbInfo == 0) {  // no source: the brush alone
            c_.patternBlit(dest, rop);
            return;
        }
    } else {
        source = QRectF(i32(32), i32(36), i32(40), i32(44));
        offInfo = u32(48), cbInfo = u32(52), offBits = u32(56), cbBits = u32(60), usage = u32(64);
        if (type == StretchDiBits) {
            rop = u32(68);
            dest = QRectF(i32(24), i32(28), i32(72), i32(76));
        } else {  // SetDIBitsToDevice: one pixel per pixel
            dest = QRectF(i32(24), i32(28), source.width(), source.height());
        }
        dibOrigin = true;
    }
    bool topDown = false;
    const DecodedPicture picture = dibAt(offInfo, cbInfo, offBits, cbBits, usage, &topDown);
    if (!picture.ok()) return;
    if (dibOrigin && !topDown)
        source.moveTop(picture.image.height() - source.y() - source.height());
    c_.bitmap(dest, picture.image, source, rop);
}

void EmfReader::clipRegion() {
    const size_t cb = u32(8);
    const int mode = int(u32(12));
    if (cb < 32 || !r_.has(16, cb)) {
        c_.setClipDevice(nullptr, mode);
        return;
    }
    // Region data: a 32-byte header, then rectangles in device pixels.
    const size_t count = u32(16 + 8);
    if (count > cb / 16 || !r_.has(16 + 32, count * 16)) return;
    QPainterPath area;
    for (size_t i = 0; i < count; ++i) area.addRect(rect(16 + 32 + 16 * i));
    c_.setClipDevice(&area, mode);
}

void EmfReader::modifyWorld() {
    const QTransform x = xform(8);
    QTransform& world = c_.state().world;
    switch (u32(32)) {
        case 1:
            world = QTransform();
            break;
        case 2:
            world = x * world;
            break;
        case 3:
            world = world * x;
            break;
        case 4:
            world = x;
            break;
        default:
            break;
    }
}

void EmfReader::play(uint32_t type, LittleEndian record) {
    r_ = record;
    GdiDcState& s = c_.state();
    switch (type) {
        case PolyBezier:
        case Polygon:
        case Polyline:
        case PolyBezierTo:
        case PolylineTo:
            poly(type, false);
            break;
        case PolyBezier16:
        case Polygon16:
        case Polyline16:
        case PolyBezierTo16:
        case PolylineTo16:
            poly(type, true);
            break;
        case PolyPolyline:
            polyPoly(false, false);
            break;
        case PolyPolygon:
            polyPoly(true, false);
            break;
        case PolyPolyline16:
            polyPoly(false, true);
            break;
        case PolyPolygon16:
            polyPoly(true, true);
            break;
        case SetWindowExtEx:
            c_.setWindowExt(size(8));
            break;
        case SetWindowOrgEx:
            c_.setWindowOrg(point(8));
            break;
        case SetViewportExtEx:
            c_.setViewportExt(size(8));
            break;
        case SetViewportOrgEx:
            c_.setViewportOrg(point(8));
            break;
        case ScaleViewportExtEx:
        case ScaleWindowExtEx: {
            if (i32(12) == 0 || i32(20) == 0) break;
            const QSizeF old = type == ScaleWindowExtEx ? s.windowExt : s.viewportExt;
            const QSizeF scaled(old.width() * i32(8) / i32(12), old.height() * i32(16) / i32(20));
            type == ScaleWindowExtEx ? c_.setWindowExt(scaled) : c_.setViewportExt(scaled);
            break;
        }
        case SetMapMode:
            c_.setMapMode(int(u32(8)));
            break;
        case SetBkMode:
            s.opaqueBackground = u32(8) == 2;
            break;
        case SetPolyFillMode:
            s.windingFill = u32(8) == 2;
            break;
        case SetTextAlign:
            s.textAlign = u32(8);
            break;
        case SetTextColor:
            s.textColour = colourRef(u32(8));
            break;
        case SetBkColor:
            s.backColour = colourRef(u32(8));
            break;
        case MoveToEx:
            c_.moveTo(point(8));
            break;
        case LineTo:
            c_.lineTo(point(8));
            break;
        case ExcludeClipRect:
            c_.excludeClip(rect(8));
            break;
        case IntersectClipRect:
            c_.intersectClip(rect(8));
            break;
        case SaveDC:
            c_.save();
            break;
        case RestoreDC:
            c_.restore(i32(8));
            break;
        case SetWorldTransform:
            s.world = xform(8);
            break;
        case ModifyWorldTransform:
            modifyWorld();
            break;
        case SelectObject: {
            const uint32_t index = u32(8);
            if (index & 0x80000000u)
                c_.selectStock(index & 0x7fffffffu);
            else if (const GdiObject* o = c_.objects().at(index))
                c_.select(*o);
            break;
        }
        case DeleteObject:
            c_.objects().remove(u32(8));
            break;
        case CreatePen:
            createPen(false);
            break;
        case ExtCreatePen:
            createPen(true);
            break;
        case CreateBrushIndirect:
        case CreateMonoBrush:
        case CreateDibPatternBrushPt:
            createBrush(type);
            break;
        case ExtCreateFontIndirectW:
            createFont();
            break;
        case CreatePalette: {
            GdiObject o;
            o.kind = GdiObject::Other;
            c_.objects().put(u32(8), o);
            break;
        }
        case Ellipse:
            c_.ellipse(rect(8));
            break;
        case Rectangle:
            c_.rectangle(rect(8));
            break;
        case RoundRect:
            c_.roundRect(rect(8), size(24));
            break;
        case Arc:
            c_.arc(rect(8), point(24), point(32), GdiCanvas::OpenArc);
            break;
        case Chord:
            c_.arc(rect(8), point(24), point(32), GdiCanvas::ChordArc);
            break;
        case Pie:
            c_.arc(rect(8), point(24), point(32), GdiCanvas::PieArc);
            break;
        case ArcTo:
            c_.arc(rect(8), point(24), point(32), GdiCanvas::ArcFromCurrent);
            break;
        case SetArcDirection:
            s.clockwiseArcs = u32(8) == 2;
            break;
        case BeginPath:
            c_.beginPath();
            break;
        case EndPath:
            c_.endPath();
            break;
        case CloseFigure:
            c_.closeFigure();
            break;
        case AbortPath:
            c_.abortPath();
            break;
        case FillPath:
            c_.fillPath(true, false);
            break;
        case StrokePath:
            c_.fillPath(false, true);
            break;
        case StrokeAndFillPath:
            c_.fillPath(true, true);
            break;
        case SelectClipPath:
            c_.clipToPath(int(u32(8)));
            break;
        case ExtSelectClipRgn:
            clipRegion();
            break;
        case ExtTextOutA:
            text(false);
            break;
        case ExtTextOutW:
            text(true);
            break;
        case BitBlt:
        case StretchBlt:
        case SetDiBitsToDevice:
        case StretchDiBits:
            bitmap(type);
            break;
        default:
            break;  // records that do not change the picture
    }
}

}  // namespace

DecodedPicture decodeEmf(const QByteArray& file, const PictureLimits& limits) {
    const LittleEndian bytes(reinterpret_cast<const unsigned char*>(file.constData()),
                             size_t(file.size()));
    if (!bytes.has(0, 88))
        return pictureError(QStringLiteral("メタファイルが途中で切れています。"));
    if (bytes.u32(0) != Header || bytes.u32(40) != kSignature)
        return pictureError(QStringLiteral("拡張メタファイル（EMF）ではありません。"));
    const size_t headerSize = bytes.u32(4);
    if (headerSize < 88 || headerSize % 4 || !bytes.has(0, headerSize))
        return pictureError(kMetafileDamaged);

    const auto corner = [&](size_t at) { return QPointF(bytes.s32(at), bytes.s32(at + 4)); };
    const QRectF bounds(corner(8), corner(16)), frame(corner(24), corner(32));
    const QSizeF devicePixels(bytes.s32(72), bytes.s32(76)), deviceMm(bytes.s32(80), bytes.s32(84));
    QSizeF dotsPerMm(96 / 25.4, 96 / 25.4);
    if (devicePixels.width() > 0 && devicePixels.height() > 0 && deviceMm.width() > 0 &&
        deviceMm.height() > 0)
        dotsPerMm = QSizeF(devicePixels.width() / deviceMm.width(),
                           devicePixels.height() / deviceMm.height());

    // The frame (0.01 mm) in device pixels; the output is that area at 96 dpi.
    QRectF area;
    if (frame.width() > 0 && frame.height() > 0)
        area = QRectF(frame.x() * dotsPerMm.width() / 100, frame.y() * dotsPerMm.height() / 100,
                      frame.width() * dotsPerMm.width() / 100,
                      frame.height() * dotsPerMm.height() / 100);
    else if (bounds.width() >= 0 && bounds.height() >= 0)
        area =
            QRectF(bounds.topLeft(), QSizeF(bounds.width() + 1, bounds.height() + 1));  // inclusive
    else
        return pictureError(QStringLiteral("メタファイルの大きさがわかりません。"));
    const qint64 width = std::llround(std::min(1e12, area.width() * 96 / 25.4 / dotsPerMm.width()));
    const qint64 height =
        std::llround(std::min(1e12, area.height() * 96 / 25.4 / dotsPerMm.height()));
    DecodedPicture picture = newPicture(width, height, limits);
    if (!picture.ok()) return picture;

    {
        const QTransform deviceToOutput =
            QTransform::fromTranslate(-area.x(), -area.y()) *
            QTransform::fromScale(width / area.width(), height / area.height());
        GdiCanvas canvas(picture.image, deviceToOutput, dotsPerMm);
        EmfReader reader(canvas, limits);
        size_t at = headerSize;
        for (qint64 n = 0; n < kMaxMetafileRecords && at < bytes.size(); ++n) {
            if (!bytes.has(at, 8))
                return pictureError(QStringLiteral("メタファイルが途中で切れています。"));
            const uint32_t type = bytes.u32(at);
            const size_t size = bytes.u32(at + 4);
            if (size < 8 || size % 4) return pictureError(kMetafileDamaged);
            if (!bytes.has(at, size))
                return pictureError(QStringLiteral("メタファイルが途中で切れています。"));
            if (type == EndOfFile) break;
            reader.play(type, bytes.slice(at, size));
            at += size;
        }
    }
    return picture;
}

}  // namespace platform
