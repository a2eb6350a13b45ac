#include "platform/pdf/PageContent.h"

#include <hb.h>

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "platform/page/FontFaces.h"
#include "platform/page/VerticalText.h"
#include "platform/pdf/Deflate.h"
#include "platform/pdf/MetBefore.h"
#include "platform/pdf/PdfSyntax.h"

namespace platform::pdf {
namespace {

constexpr double kPointsPerTenth = 72.0 / 254.0;
// One device pixel in page units.
constexpr double kDevicePixel = 254.0 / kDeviceDpi;

template <class... F>
struct ContentVisitor : F... {
    using F::operator()...;
};
template <class... F>
ContentVisitor(F...) -> ContentVisitor<F...>;

struct Box {
    double x = 0, y = 0, w = 0, h = 0;  // page units, y up, (x, y) the lower-left corner
};

// Laid-out texts of this thread by font record and text. Every card repeats
// the sender, the honorific and the postal-code digits, and shaping is the
// dearest step of a page. A text is kept from its second meeting on: most
// belong to a single card, and keeping those would only churn memory.
class LayoutCache {
  public:
    const TextLayout& get(const FontRecord& font, const QString& text) {
        key_.assign(reinterpret_cast<const char*>(&font), sizeof font);
        key_.append(reinterpret_cast<const char*>(text.constData()),
                    size_t(text.size()) * sizeof(QChar));
        auto it = layouts_.find(key_);
        if (it != layouts_.end()) {
            it->second.used = true;
            return it->second.layout;
        }
        if (!met_.check(key_)) {
            once_ = VerticalText::layout(font, text);
            return once_;
        }
        if (layouts_.size() >= kLimit) forgetUnused();
        return layouts_.emplace(key_, Entry{VerticalText::layout(font, text), false})
            .first->second.layout;
    }

  private:
    struct Entry {
        TextLayout layout;
        bool used;  // met again since it was laid out or last kept
    };

    // Keeps the texts that came back (the sender, the digits), drops the
    // rest.
    void forgetUnused() {
        for (auto it = layouts_.begin(); it != layouts_.end();) {
            if (it->second.used) {
                it->second.used = false;
                ++it;
            } else {
                it = layouts_.erase(it);
            }
        }
        if (layouts_.size() >= kLimit / 2) layouts_.clear();
    }

    static constexpr size_t kLimit = 1024;
    std::unordered_map<std::string, Entry> layouts_;
    MetBefore met_;
    TextLayout once_;  // the layout of a text met for the first time
    std::string key_;  // reused, so a hit allocates nothing
};

LayoutCache& layoutCache() {
    thread_local LayoutCache cache;
    return cache;
}

Box boxOf(const PageRect& r) {
    const double left = std::min(r.x1, r.x2), right = std::max(r.x1, r.x2);
    const double bottom = std::min(r.y1, r.y2), top = std::max(r.y1, r.y2);
    return {left, bottom, right - left, top - bottom};
}

// The brush a text is drawn over, as the page's operations leave it.
struct Brush {
    QColor colour = Qt::white;
    BrushStyle style = BrushStyle::Solid;

    void follow(const PageOp& op) {
        if (const auto* c = std::get_if<op::BrushColour>(&op))
            colour = c->colour;
        else if (const auto* s = std::get_if<op::SetBrushStyle>(&op))
            style = s->style;
        else if (std::holds_alternative<op::BrushPattern>(op))
            style = BrushStyle::Pattern;
    }
};

// What a text's drawing depends on: the font, the text, the place and the
// brush behind it.
void formKey(const op::Text& o, const Brush& brush, std::string& key) {
    key.assign(reinterpret_cast<const char*>(&o.font), sizeof o.font);
    key.append(reinterpret_cast<const char*>(o.text.constData()),
               size_t(o.text.size()) * sizeof(QChar));
    const int place[3] = {o.x, o.y, int(brush.style)};
    const QRgb colour = brush.colour.rgba();
    key.append(reinterpret_cast<const char*>(place), sizeof place);
    key.append(reinterpret_cast<const char*>(&colour), sizeof colour);
}

class ContentBuilder {
  public:
    ContentBuilder(PdfResources& resources, std::string& out) : res_(resources), out_(out) {}

    void run(const std::vector<PageOp>& ops, const FormChoices& forms) {
        forms_ = &forms;
        for (const PageOp& op : ops) {
            std::visit(
                ContentVisitor{
                    [&](const op::BrushColour& o) { brush_.colour = o.colour; },
                    [&](const op::SetBrushStyle& o) { brush_.style = o.style; },
                    [&](const op::BrushPattern& o) {
                        pattern_ = o.pattern;
                        patternJpeg_ = o.jpeg;
                        brush_.style = BrushStyle::Pattern;
                    },
                    [&](const op::PenColour& o) { penColour_ = o.colour; },
                    [&](const op::PenWidth& o) { penWidth_ = o.width; },
                    [&](const op::SetPenStyle& o) { penStyle_ = o.style; },
                    [&](const op::Rectangle& o) { rectangle(boxOf(o.rect)); },
                    [&](const op::FillRect& o) { fill(boxOf(o.rect)); },
                    [&](const op::Text& o) { text(o); },
                    [&](const op::StretchBitmap& o) { bitmap(boxOf(o.rect), o.image, o.jpeg); },
                    [&](const op::FillExactRect& o) {
                        fill({std::min(o.x1, o.x2), std::min(o.y1, o.y2), std::abs(o.x2 - o.x1),
                              std::abs(o.y2 - o.y1)});
                    },
                },
                op);
        }
        reportGlyphs();
    }

  private:
    void num(double v, int decimals = 3) {
        appendNumber(out_, v, decimals);
        out_.push_back(' ');
    }
    void rect(const Box& b) {
        num(b.x), num(b.y), num(b.w), num(b.h);
        out_ += "re ";
    }
    // Greys, black above all, in DeviceGray: a print shop turns RGB black
    // into black of all four inks.
    void colour(const QColor& c, bool stroke) {
        QColor& current = stroke ? strokeNow_ : fillNow_;
        if (current == c) return;
        current = c;
        if (c.red() == c.green() && c.green() == c.blue()) {
            num(c.redF());
            out_ += stroke ? "G\n" : "g\n";
            return;
        }
        num(c.redF()), num(c.greenF()), num(c.blueF());
        out_ += stroke ? "RG\n" : "rg\n";
    }
    void lineWidth(double w) {
        if (w == widthNow_) return;
        widthNow_ = w;
        num(w);
        out_ += "w\n";
    }

    // The brush over `b`; false when it paints nothing.
    bool fillWithBrush(const Box& b, bool strokeToo) {
        switch (brush_.style) {
            case BrushStyle::Solid:
                colour(brush_.colour, false);
                rect(b);
                out_ += strokeToo ? "B\n" : "f\n";
                return true;
            case BrushStyle::Pattern:
                tilePattern(b);
                return false;
            case BrushStyle::Clear:
                return false;
        }
        return false;
    }

    void fill(const Box& b) { fillWithBrush(b, false); }

    // Outline with the pen, interior with the brush. The right and bottom
    // edges belong to the neighbour, one device pixel in.
    void rectangle(Box b) {
        b.w -= kDevicePixel;
        b.y += kDevicePixel;
        b.h -= kDevicePixel;
        if (b.w <= 0 || b.h <= 0) return;
        const bool stroke = penStyle_ != PenStyle::Null;
        if (stroke) {
            colour(penColour_, true);
            // Narrower than a device pixel: the thinnest line the device draws.
            lineWidth(penWidth_ * kDeviceDpi / 254.0 < 1 ? 0 : penWidth_);
        }
        if (fillWithBrush(b, stroke)) return;
        if (!stroke) return;
        rect(b);
        out_ += "S\n";
    }

    // The pattern repeats from the page's top-left corner, one pattern pixel
    // to a device pixel.
    void tilePattern(const Box& b) {
        if (pattern_.isNull() || b.w <= 0 || b.h <= 0) return;
        const int name = res_.image(pattern_, patternJpeg_);
        const double tw = pattern_.width() * kDevicePixel, th = pattern_.height() * kDevicePixel;
        out_ += "q ";
        rect(b);
        out_ += "W n\n";
        const int i0 = int(std::floor(b.x / tw)), i1 = int(std::ceil((b.x + b.w) / tw));
        const int j0 = int(std::floor(-(b.y + b.h) / th)), j1 = int(std::ceil(-b.y / th));
        for (int j = j0; j < j1; ++j) {
            for (int i = i0; i < i1; ++i) {
                out_ += "q ";
                num(tw), out_ += "0 0 ", num(th), num(i * tw), num(-(j + 1) * th);
                out_ += "cm /Im";
                appendInt(out_, name);
                out_ += " Do Q\n";
            }
        }
        out_ += "Q\n";
    }

    void bitmap(const Box& b, const QImage& image, const QByteArray& jpeg) {
        if (image.isNull() || b.w <= 0 || b.h <= 0) return;
        const int name = res_.image(image, jpeg);
        out_ += "q ";
        num(b.w), out_ += "0 0 ", num(b.h), num(b.x), num(b.y);
        out_ += "cm /Im";
        appendInt(out_, name);
        out_ += " Do Q\n";
    }

    void text(const op::Text& o) {
        if (o.text.isEmpty()) return;
        const int form = forms_ && next_ < forms_->size() ? (*forms_)[next_++] : -1;
        if (form < 0) return drawText(o);
        if (res_.formNeedsContent(form)) {
            // Drawn from a blank state: a form inherits the colour of
            // whatever page places it.
            std::string content;
            ContentBuilder drawing(res_, content);
            drawing.brush_ = brush_;
            drawing.fillNow_ = QColor();
            drawing.drawText(o);
            drawing.reportGlyphs();
            // Compressed here, on the page builder's thread, rather than
            // all together once the pages are done.
            res_.setFormContent(form, deflate(content, Packing::Fast));
        }
        // The form's colours end with it.
        out_ += "/Fm";
        appendInt(out_, form);
        out_ += " Do\n";
    }

    void reportGlyphs() {
        for (const FaceUse& use : uses_) res_.addGlyphs(use.font, use.glyphs);
        uses_.clear();
    }

    void drawText(const op::Text& o) {
        const TextLayout& layout = layoutCache().get(o.font, o.text);
        // The layout's frame has y down; ours has y up.
        const QPointF origin(o.x, -o.y);
        if (brush_.style == BrushStyle::Solid && !layout.cells.isEmpty()) {
            const QRectF c = layout.cells.translated(origin);
            colour(brush_.colour, false);
            rect({c.left(), -c.bottom(), c.width(), c.height()});
            out_ += "f\n";
        }
        if (layout.pieces.empty()) return;
        colour(Qt::black, false);
        out_ += "BT\n";
        for (const GlyphPiece& piece : layout.pieces)
            glyphs(piece, origin, o.font.isVertical() && !piece.turned);
        out_ += "ET\n";
    }

    // The faces this page drew with, found without asking the shared
    // resources (and taking their lock) for every piece.
    struct FaceUse {
        const FontFace* face;
        int font;
        std::vector<std::pair<unsigned, char32_t>> glyphs;  // glyph, character
    };
    FaceUse& useOf(const FontFace& face) {
        for (FaceUse& use : uses_)
            if (use.face == &face) return use;
        uses_.push_back({&face, res_.font(&face), {}});
        return uses_.back();
    }

    // One piece: its matrix once, then each glyph moved to by Td from the
    // previous line start, glyphs that follow on at their advance joined in
    // one string. Upright glyphs of a column go through the face's vertical
    // writing mode, so that text extraction reads the column top to bottom;
    // they are moved by the default vertical origin (half the width across,
    // 0.88 em up) to land where the layout put them.
    void glyphs(const GlyphPiece& piece, QPointF origin, bool column) {
        const FontFace& face = *piece.face;
        FaceUse& use = useOf(face);
        const int font = use.font;
        const double upem = face.unitsPerEm();
        const QTransform m = QTransform(upem, 0, 0, -upem, 0, 0) *
                             VerticalText::pieceTransform(piece, origin) *
                             QTransform(1, 0, 0, -1, 0, 0);
        out_ += column ? "/V" : "/F";
        appendInt(out_, font);
        out_ += " 1 Tf ";
        num(m.m11(), 5), num(m.m12(), 5), num(m.m21(), 5), num(m.m22(), 5), num(m.dx(), 4),
            num(m.dy(), 4);
        out_ += "Tm\n";
        const std::vector<quint32>& ids = piece.glyphs;
        const std::vector<QPointF>& positions = piece.positions;
        double lineX = 0, lineY = 0, nextX = 0;
        bool open = false;
        double nextY = 0;
        for (size_t g = 0; g < ids.size(); ++g) {
            const double advance = face.horizontalAdvance(ids[g]) / upem;
            double x = positions[g].x() / upem, y = -positions[g].y() / upem;
            if (column) {
                x += advance / 2;
                y += 0.88;
            }
            if (!open || std::abs(y - nextY) > 1e-6 || std::abs(x - nextX) > 1e-6) {
                if (open) out_ += ">Tj ";
                if (x != lineX || y != lineY) {
                    num(x - lineX, 5), num(y - lineY, 5);
                    out_ += "Td ";
                }
                lineX = x, lineY = y;
                out_.push_back('<');
                open = true;
            }
            appendHex4(out_, ids[g]);
            nextX = column ? x : x + advance;
            nextY = column ? y - 1 : y;
            use.glyphs.emplace_back(ids[g], g < piece.chars.size() ? piece.chars[g] : U'\0');
        }
        if (open) out_ += ">Tj\n";
    }

    PdfResources& res_;
    std::string& out_;
    std::vector<FaceUse> uses_;
    Brush brush_;
    const FormChoices* forms_ = nullptr;
    size_t next_ = 0;  // the next text's entry in forms_
    QImage pattern_;
    QByteArray patternJpeg_;
    QColor penColour_ = Qt::black;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    QColor fillNow_ = Qt::black, strokeNow_ = Qt::black;
    double widthNow_ = 1;
};

// Loads what the shaper reads lazily, so that page builders on other threads
// only ever read tables that are already there.
void warm(const FontFace& face) {
    static constexpr char32_t kSample[] = U"あア漢（ー）、。Aa1-";
    for (hb_direction_t dir : {HB_DIRECTION_TTB, HB_DIRECTION_LTR}) {
        hb_buffer_t* b = hb_buffer_create();
        hb_buffer_add_utf32(b, reinterpret_cast<const uint32_t*>(kSample), -1, 0, -1);
        hb_buffer_set_direction(b, dir);
        hb_buffer_set_language(b, hb_language_from_string("ja", 2));
        hb_buffer_guess_segment_properties(b);
        hb_shape(face.hb(), b, nullptr, 0);
        unsigned n = 0;
        const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(b, &n);
        for (unsigned i = 0; i < n; ++i) {
            face.hasInk(info[i].codepoint);
            face.horizontalAdvance(info[i].codepoint);
        }
        hb_buffer_destroy(b);
    }
}

}  // namespace

double pointsFromHundredths(int hundredths) { return hundredths / 100.0 / 25.4 * 72.0; }

void preloadFaces() {
    if (const FontFace* face = FontFaces::fallback()) warm(*face);
}

void prepare(const PagePicture& picture, PdfResources& resources, FormChoices& forms) {
    auto use = [&](const FontFace* face) {
        if (!face) return;
        bool added = false;
        resources.font(face, &added);
        if (added) warm(*face);
    };
    forms.clear();
    Brush brush;
    thread_local std::string key;  // reused, so a page allocates nothing for it
    for (const PageOp& op : picture.ops) {
        brush.follow(op);
        if (const auto* t = std::get_if<op::Text>(&op)) {
            if (t->text.isEmpty()) continue;
            formKey(*t, brush, key);
            forms.push_back(resources.formFor(key));
            // Cards of one document use a handful of records; look each up once.
            if (!resources.firstSight(t->font)) continue;
            use(FontFaces::faceFor(t->font.faceNameText()));
            use(FontFaces::fallback());
        } else if (const auto* p = std::get_if<op::BrushPattern>(&op)) {
            if (!p->pattern.isNull()) resources.image(p->pattern, p->jpeg);
        } else if (const auto* b = std::get_if<op::StretchBitmap>(&op)) {
            if (!b->image.isNull()) resources.image(b->image, b->jpeg);
        }
    }
}

void pageContent(const PagePicture& picture, QPointF offset, PdfResources& resources,
                 const FormChoices& forms, std::string& out) {
    out.clear();
    const double height = pointsFromHundredths(picture.heightHundredths);
    // Page units to points, the card's top-left corner at `offset`.
    out += "q ";
    appendNumber(out, kPointsPerTenth, 9);
    out += " 0 0 ";
    appendNumber(out, kPointsPerTenth, 9);
    out.push_back(' ');
    appendNumber(out, offset.x() * kPointsPerTenth, 4);
    out.push_back(' ');
    appendNumber(out, height - offset.y() * kPointsPerTenth, 4);
    out += " cm\n";
    ContentBuilder(resources, out).run(picture.ops, forms);
    out += "Q\n";
}

}  // namespace platform::pdf
