#include "platform/page/VerticalText.h"

#include <hb.h>

#include <QGlyphRun>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/page/FontFaces.h"
#include "platform/text/Sjis.h"

namespace platform {
namespace {

bool isVariationSelector(uint cp) {
    return (cp >= 0xFE00 && cp <= 0xFE0F) || (cp >= 0xE0100 && cp <= 0xE01EF);
}

// CP932 has no variation selectors: left in, each would print as '?'
// beside its character.
QString withoutVariationSelectors(const QString& text) {
    // U+E0100..E01EF are written with the high surrogate U+DB40.
    const bool any = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c.unicode() >= 0xFE00 && c.unicode() <= 0xFE0F) || c.unicode() == 0xDB40;
    });
    if (!any) return text;
    QList<uint> kept = text.toUcs4();
    kept.removeIf(isVariationSelector);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(kept.constData()), kept.size());
}

struct DeviceChar {
    char32_t cp;
    bool doubleByte;
};

// The characters as the device receives them: their CP932 form decides
// whether they stand upright (two bytes) or lie turned (one byte), and a
// character with no CP932 form arrives as '?'.
std::vector<DeviceChar> deviceChars(const QString& original) {
    const QString text = withoutVariationSelectors(original);
    const SjisEncoded encoded = Sjis::encode(text);
    const QByteArray& bytes = encoded.bytes;
    std::vector<DeviceChar> out;
    out.reserve(size_t(text.size()));
    qsizetype p = 0;
    for (uint cp : text.toUcs4()) {
        if (p >= bytes.size()) break;
        const auto b = static_cast<unsigned char>(bytes[p]);
        if (cp < 0x80) {
            out.push_back({cp, false});
            p += 1;
        } else if (b == '?') {
            out.push_back({U'?', false});
            p += 1;
        } else if (Sjis::isLeadByte(b)) {
            out.push_back({cp, true});
            p += 2;
        } else {
            out.push_back({cp, false});
            p += 1;
        }
    }
    return out;
}

// Full-width marks a Japanese typesetter turns in a column. When the font
// offers no vertical form for one of them, the horizontal glyph is turned 90°
// in its cell instead of standing wrongly upright.
bool turnsInColumn(char32_t cp) {
    switch (cp) {
        case U'－':
        case U'−':
        case U'～':
        case U'〜':
        case U'―':
        case U'—':
        case U'‐':
        case U'‥':
        case U'…':
        case U'＝':
        case U'ー':
        case U'＿':
        case U'￣':
        case U'：':
        case U'；':
        case U'（':
        case U'）':
        case U'［':
        case U'］':
        case U'｛':
        case U'｝':
        case U'〔':
        case U'〕':
        case U'【':
        case U'】':
        case U'《':
        case U'》':
        case U'〈':
        case U'〉':
        case U'「':
        case U'」':
        case U'『':
        case U'』':
        case U'＜':
        case U'＞':
        case U'≪':
        case U'≫':
        case U'→':
        case U'←':
            return true;
        default:
            return false;
    }
}

bool isBlank(char32_t cp) { return QChar::isSpace(cp); }

// One shaping buffer per thread, kept: a layout is a few microseconds of
// shaping, and making a buffer for each costs a good part of that.
struct HbBuffer {
    hb_buffer_t* b = hb_buffer_create();
    ~HbBuffer() { hb_buffer_destroy(b); }
};

hb_buffer_t* shapingBuffer() {
    thread_local HbBuffer buffer;
    return buffer.b;
}

class Builder {
  public:
    Builder(const FontRecord& font, std::vector<DeviceChar> chars, const FontFace* primary,
            const FontFace* fallback)
        : font_(font),
          chars_(std::move(chars)),
          fallback_(fallback),
          em_(VerticalText::emSize(font)) {
        faces_.reserve(chars_.size());
        codepoints_.reserve(chars_.size());
        for (const DeviceChar& c : chars_) {
            codepoints_.push_back(uint32_t(c.cp));
            const bool usePrimary = !fallback || primary == fallback || primary->covers(c.cp) ||
                                    !fallback->covers(c.cp);
            faces_.push_back(usePrimary ? primary : fallback);
        }
        primary_ = primary;
    }

    // Builds the layout; a glyph that turns out empty after shaping (a vertical
    // form the font maps but never drew) sends its character to the fallback
    // face, and the layout is built again.
    TextLayout build() {
        for (int attempt = 0; attempt < 3; ++attempt) {
            retry_ = false;
            out_ = TextLayout{};
            out_.em = em_;
            if (font_.isVertical())
                buildColumn();
            else
                buildLine();
            if (!retry_) break;
        }
        return std::move(out_);
    }

  private:
    using Place = void (Builder::*)(const FontFace&, int, int);

    // Runs of characters that share a face (and, in a column, a byte width).
    void forEachRun(bool splitByWidth, Place place) {
        const int n = int(chars_.size());
        for (int i = 0; i < n;) {
            int j = i + 1;
            while (j < n && faces_[size_t(j)] == faces_[size_t(i)] &&
                   (!splitByWidth || chars_[size_t(j)].doubleByte == chars_[size_t(i)].doubleByte))
                ++j;
            (this->*place)(*faces_[size_t(i)], i, j);
            i = j;
        }
    }

    void buildColumn() {
        pen_ = 0;
        // A width on a column condenses the glyphs along it: the width is half
        // the pitch of a full-width character, as the average width of a
        // Japanese face is half its em.
        along_ = font_.width != 0 ? 2.0 * std::abs(double(font_.width)) / em_ : 1.0;
        forEachRun(true, &Builder::placeColumnRun);
        out_.length = pen_;
        out_.cells = QRectF(-em_, 0, em_, pen_);
    }

    void placeColumnRun(const FontFace& face, int from, int to) {
        if (chars_[size_t(from)].doubleByte)
            placeUpright(face, from, to);
        else
            placeTurned(face, from, to);
    }

    void buildLine() {
        pen_ = 0;
        xScale_ = 1;
        if (font_.width != 0 && primary_) {
            // Average advance of the digits, in page units at this em size.
            double sum = 0;
            for (char32_t d = U'0'; d <= U'9'; ++d)
                sum += primary_->horizontalAdvance(primary_->nominalGlyph(d));
            const double average = sum / 10.0 * em_ / primary_->unitsPerEm();
            if (average > 0) xScale_ = std::abs(font_.width) / average;
        }
        forEachRun(false, &Builder::placeLineRun);
        out_.length = pen_;
        out_.cells = QRectF(0, 0, pen_, em_);
    }

    void shape(const FontFace& face, int from, int to, hb_direction_t dir) {
        static const hb_language_t japanese = hb_language_from_string("ja", 2);
        hb_buffer_clear_contents(buffer_);
        hb_buffer_add_utf32(buffer_, codepoints_.data(), int(codepoints_.size()), unsigned(from),
                            to - from);
        hb_buffer_set_direction(buffer_, dir);
        hb_buffer_set_language(buffer_, japanese);
        hb_buffer_guess_segment_properties(buffer_);
        hb_shape(face.hb(), buffer_, nullptr, 0);
        assignCharacters(to);
    }

    // The character each shaped glyph stands for: the glyphs of a cluster
    // take its characters in turn (a half-width kana and its sound mark
    // shape as one cluster of two glyphs); a glyph past them stands for
    // none (-1). Clusters rise through the buffer in both directions used.
    void assignCharacters(int runEnd) {
        unsigned count = 0;
        const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer_, &count);
        glyphChars_.resize(count);
        for (unsigned g = 0; g < count;) {
            const unsigned cluster = info[g].cluster;
            unsigned end = g + 1;
            while (end < count && info[end].cluster == cluster) ++end;
            const unsigned next = end == count                  ? unsigned(runEnd)
                                  : info[end].cluster > cluster ? info[end].cluster
                                                                : cluster + 1;
            for (unsigned k = g; k < end; ++k) {
                const unsigned c = cluster + (k - g);
                glyphChars_[k] = c < next ? int(c) : -1;
            }
            g = end;
        }
    }

    char32_t charOf(unsigned g) const {
        return glyphChars_[g] < 0 ? U'\0' : chars_[size_t(glyphChars_[g])].cp;
    }

    // A glyph without outline for a visible character: draw it from the fallback.
    bool divertToFallback(const FontFace& face, unsigned glyph, int index) {
        if (index < 0) return false;
        const char32_t cp = chars_[size_t(index)].cp;
        if (!fallback_ || &face == fallback_ || isBlank(cp) || face.hasInk(glyph) ||
            !fallback_->covers(cp))
            return false;
        faces_[size_t(index)] = fallback_;
        retry_ = true;
        return true;
    }

    static double centredBaseline(const FontFace& face, double s) {
        return (face.emBoxTop() + face.emBoxBottom()) / 2.0 * s;
    }

    GlyphPiece emptyPiece(const FontFace& face, unsigned capacity) const {
        GlyphPiece p;
        p.face = &face;
        p.glyphs.reserve(capacity);
        p.positions.reserve(capacity);
        p.chars.reserve(capacity);
        return p;
    }

    void addPiece(GlyphPiece&& p, const QTransform& toText, bool turned) {
        if (p.glyphs.empty()) return;
        p.toText = toText;
        p.turned = turned;
        out_.pieces.push_back(std::move(p));
    }

    // Two-byte characters: upright, shaped top to bottom, centred in the band.
    void placeUpright(const FontFace& face, int from, int to) {
        shape(face, from, to, HB_DIRECTION_TTB);
        unsigned count = 0;
        const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer_, &count);
        const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer_, &count);
        const double s = em_ / face.unitsPerEm();
        const double centre = -em_ / 2;
        GlyphPiece column = emptyPiece(face, count);
        double penY = 0;  // font units, y down, from the run's start
        for (unsigned g = 0; g < count; ++g) {
            divertToFallback(face, info[g].codepoint, glyphChars_[g]);
            const char32_t cp = charOf(g);
            const double advance = -pos[g].y_advance;
            if (turnsInColumn(cp) && info[g].codepoint == face.nominalGlyph(cp)) {
                const double cellTop = pen_ + penY * s * along_, cellHeight = advance * s * along_;
                const double width = face.horizontalAdvance(info[g].codepoint) * s;
                QTransform t;
                t.translate(centre, cellTop + cellHeight / 2);
                t.rotate(90);
                t.scale(along_, 1);
                t.translate(-width / 2, centredBaseline(face, s));
                t.scale(s, s);
                GlyphPiece mark = emptyPiece(face, 1);
                mark.glyphs.push_back(info[g].codepoint);
                mark.positions.push_back(QPointF(0, 0));
                mark.chars.push_back(cp);
                addPiece(std::move(mark), t, true);
            } else {
                column.glyphs.push_back(info[g].codepoint);
                column.positions.push_back(QPointF(pos[g].x_offset, penY - pos[g].y_offset));
                column.chars.push_back(cp);
            }
            penY += advance;
        }
        QTransform t;
        t.translate(centre, pen_);
        t.scale(s, s * along_);
        addPiece(std::move(column), t, false);
        pen_ += penY * s * along_;
    }

    // One-byte characters: shaped left to right and turned 90° clockwise
    // about the column centre, tops facing right.
    void placeTurned(const FontFace& face, int from, int to) {
        shape(face, from, to, HB_DIRECTION_LTR);
        const double s = em_ / face.unitsPerEm();
        QTransform t;
        t.translate(-em_ / 2, pen_);
        t.rotate(90);
        t.scale(along_, 1);
        t.translate(0, centredBaseline(face, s));
        t.scale(s, s);
        pen_ += collectHorizontal(face, t, true) * s * along_;
    }

    // Upright mode: left to right, the em box hanging below the reference point.
    void placeLineRun(const FontFace& face, int from, int to) {
        shape(face, from, to, HB_DIRECTION_LTR);
        const double s = em_ / face.unitsPerEm();
        QTransform t;
        t.translate(pen_, face.emBoxTop() * s);
        t.scale(s * xScale_, s);
        pen_ += collectHorizontal(face, t, false) * s * xScale_;
    }

    // Adds the shaped horizontal run as one piece; returns its advance in font units.
    double collectHorizontal(const FontFace& face, const QTransform& toText, bool turned) {
        unsigned count = 0;
        const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer_, &count);
        const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer_, &count);
        GlyphPiece run = emptyPiece(face, count);
        double penX = 0;
        for (unsigned g = 0; g < count; ++g) {
            divertToFallback(face, info[g].codepoint, glyphChars_[g]);
            run.glyphs.push_back(info[g].codepoint);
            run.positions.push_back(QPointF(penX + pos[g].x_offset, -pos[g].y_offset));
            run.chars.push_back(charOf(g));
            penX += pos[g].x_advance;
        }
        addPiece(std::move(run), toText, turned);
        return penX;
    }

    FontRecord font_;
    std::vector<DeviceChar> chars_;
    std::vector<uint32_t> codepoints_;
    std::vector<const FontFace*> faces_;
    std::vector<int> glyphChars_;  // by glyph of the last shaping: index into chars_, or -1
    const FontFace* primary_ = nullptr;
    const FontFace* fallback_ = nullptr;
    double em_;
    double pen_ = 0;
    double xScale_ = 1;
    double along_ = 1;  // a column's scale along its length
    bool retry_ = false;
    hb_buffer_t* buffer_ = shapingBuffer();
    TextLayout out_;
};

}  // namespace

double VerticalText::emSize(const FontRecord& font) {
    return font.height == 0 ? kDefaultEm : std::abs(double(font.height));
}

QStringList VerticalText::unprintable(const QString& text) {
    // Asked of every text of every card: most are kana, kanji and digits,
    // told apart without building their CP932 form.
    const bool plain = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F) || Sjis::isDoubleByte(u);
    });
    if (plain) return {};
    QStringList out;
    for (const QString& c : Sjis::encode(withoutVariationSelectors(text)).unmappable)
        if (!out.contains(c)) out.append(c);
    return out;
}

TextLayout VerticalText::layout(const FontRecord& font, const QString& text) {
    const FontFace* primary = FontFaces::faceFor(font.faceNameText());
    if (!primary || text.isEmpty()) {
        TextLayout empty;
        empty.em = emSize(font);
        return empty;
    }
    return Builder(font, deviceChars(text), primary, FontFaces::fallback()).build();
}

QTransform VerticalText::pieceTransform(const GlyphPiece& piece, QPointF origin) {
    return piece.toText * QTransform::fromTranslate(origin.x(), origin.y());
}

void VerticalText::draw(QPainter& painter, const TextLayout& layout, QPointF origin,
                        const QColor* opaque) {
    if (opaque && !layout.cells.isEmpty())
        painter.fillRect(layout.cells.translated(origin), *opaque);
    if (layout.pieces.empty()) return;
    const QTransform base = painter.worldTransform();
    const QPen oldPen = painter.pen();
    painter.setPen(QPen(Qt::black));
    QGlyphRun run;
    for (const GlyphPiece& piece : layout.pieces) {
        run.setRawFont(piece.face->raw());
        run.setRawData(piece.glyphs.data(), piece.positions.data(), int(piece.glyphs.size()));
        painter.setWorldTransform(pieceTransform(piece, origin) * base);
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    painter.setWorldTransform(base);
    painter.setPen(oldPen);
}

}  // namespace platform
