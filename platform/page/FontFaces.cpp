#include "platform/page/FontFaces.h"

#include <hb-ot.h>
#include <hb.h>

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QRecursiveMutex>
#include <memory>

#include "platform/page/FontFiles.h"
#include "platform/page/WindowFonts.h"

namespace platform {
namespace {

QString compact(QString s) {
    s.remove(QChar(u' ')).remove(QChar(u'\u3000')).remove(QChar(u'@'));
    return s;
}

QRawFont rawFontOf(const QString& family, qreal pixelSize) {
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    // No merging: a missing glyph must stay missing so that we choose the
    // fallback ourselves. Unhinted outlines scale evenly to any size.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoHinting));
    font.setHintingPreference(QFont::PreferNoHinting);
    return QRawFont::fromFont(font);
}

struct FaceCache {
    QHash<QString, FontFace*> faces;  // null value: looked up, not installed
    bool fallbackChosen = false;
    const FontFace* fallback = nullptr;
    ~FaceCache() { qDeleteAll(faces); }
};

// The bytes of one table of a face, empty when it has none.
QByteArray tableOf(hb_face_t* face, hb_tag_t tag) {
    hb_blob_t* blob = hb_face_reference_table(face, tag);
    unsigned length = 0;
    const char* data = hb_blob_get_data(blob, &length);
    QByteArray out(data, int(length));
    hb_blob_destroy(blob);
    return out;
}

// The PDF writer lays out pages on several threads; they find faces here
// while the thread that orders the pages may be loading one.
QRecursiveMutex& cacheMutex() {
    static QRecursiveMutex mutex;
    return mutex;
}

FaceCache*& cacheSlot() {
    static FaceCache* cache = nullptr;
    return cache;
}

// Fonts must be released while the application (and its font engines) still
// exists, so the cache goes away with the application, not at exit.
FaceCache* cache() {
    FaceCache*& slot = cacheSlot();
    if (!slot) {
        slot = new FaceCache;
        qAddPostRoutine([] {
            delete cacheSlot();
            cacheSlot() = nullptr;
        });
    }
    return slot;
}

}  // namespace

FontFace::FontFace(hb_face_t* face, const QString& family, const QString& file)
    : family_(family), file_(file), hb_(hb_font_create(face)) {
    upem_ = qMax(1, int(hb_face_get_upem(face)));
    // One unit per font unit: every position stays in font units and the
    // transform of the text brings the glyphs to their size.
    hb_font_set_scale(hb_, upem_, upem_);
    hb_position_t top = 0, bottom = 0;
    const hb_tag_t hani = HB_TAG('h', 'a', 'n', 'i'), jan = HB_TAG('J', 'A', 'N', ' ');
    hb_ot_layout_get_baseline_with_fallback(hb_, HB_OT_LAYOUT_BASELINE_TAG_IDEO_EMBOX_TOP_OR_RIGHT,
                                            HB_DIRECTION_LTR, hani, jan, &top);
    hb_ot_layout_get_baseline_with_fallback(hb_,
                                            HB_OT_LAYOUT_BASELINE_TAG_IDEO_EMBOX_BOTTOM_OR_LEFT,
                                            HB_DIRECTION_LTR, hani, jan, &bottom);
    if (top > bottom) {
        emTop_ = top;
        emBottom_ = bottom;
    } else {
        emTop_ = upem_ * 88 / 100;
        emBottom_ = emTop_ - upem_;
    }
}

const QRawFont& FontFace::raw() const {
    std::call_once(rawMade_, [this] {
        // Without the GUI there is no painter to draw with, nor font engine.
        if (!qGuiApp) return;
        // Qt's own engine for the family when it is the very file we shape
        // with (equal headers hold the same checksum and dates), so glyph
        // ids agree; otherwise the file itself (its first face, should it
        // be a collection).
        raw_ = rawFontOf(family_, upem_);
        if (!raw_.isValid() ||
            raw_.fontTable("head") != tableOf(hb_font_get_face(hb_), HB_TAG('h', 'e', 'a', 'd')))
            raw_ = QRawFont(file_, upem_, QFont::PreferNoHinting);
    });
    return raw_;
}

FontFace::~FontFace() { hb_font_destroy(hb_); }

unsigned FontFace::nominalGlyph(char32_t cp) const {
    hb_codepoint_t glyph = 0;
    return hb_font_get_nominal_glyph(hb_, cp, &glyph) ? glyph : 0;
}

bool FontFace::hasInk(unsigned glyph) const {
    hb_glyph_extents_t e{};
    return hb_font_get_glyph_extents(hb_, glyph, &e) && e.width != 0 && e.height != 0;
}

bool FontFace::covers(char32_t cp) const {
    const unsigned glyph = nominalGlyph(cp);
    if (glyph == 0) return false;
    return hasInk(glyph) || QChar::isSpace(cp) || QChar::category(cp) == QChar::Other_Format;
}

int FontFace::horizontalAdvance(unsigned glyph) const {
    return hb_font_get_glyph_h_advance(hb_, glyph);
}

QString FontFaces::familyForFace(const QString& faceName) {
    const QString key = compact(faceName);
    if (key.isEmpty()) return QString();
    if (key == u"ＭＳ明朝") return QStringLiteral("IPAMincho");
    if (key == u"ＭＳゴシック") return QStringLiteral("IPAGothic");
    if (key == u"HG正楷書体-PRO") return QStringLiteral("Klee One");
    if (key == u"HG行書体") return QStringLiteral("KouzanBrushFontGyousyo");
    QString name = faceName;
    name.remove(QChar(u'@'));
    return familyFor(name.trimmed());
}

const FontFace* FontFaces::load(const QString& family) {
    if (family.isEmpty()) return nullptr;
    const QMutexLocker lock(&cacheMutex());
    FaceCache* c = cache();
    const auto it = c->faces.constFind(family);
    if (it != c->faces.constEnd()) return it.value();
    FontFace* face = nullptr;
    const FontFile file = fontFileFor(family);
    if (hb_face_t* opened = openFace(file)) {
        face = new FontFace(opened, family, file.path);
        hb_face_destroy(opened);
    }
    c->faces.insert(family, face);
    return face;
}

const FontFace* FontFaces::fallback() {
    const QMutexLocker lock(&cacheMutex());
    FaceCache* c = cache();
    if (c->fallbackChosen) return c->fallback;
    c->fallbackChosen = true;
    for (const char* family :
         {"IPAMincho", "IPAexMincho", "IPAPMincho", "IPAGothic", "Noto Serif CJK JP",
          "Noto Sans CJK JP", "TakaoMincho", "VL Gothic"}) {
        if ((c->fallback = load(QString::fromLatin1(family)))) return c->fallback;
    }
    for (const QString& family : japaneseFamilies()) {
        if ((c->fallback = load(family))) return c->fallback;
    }
    // No Japanese face at all: whatever the default font is still draws ASCII.
    c->fallback = load(defaultFamily());
    return c->fallback;
}

const FontFace* FontFaces::faceFor(const QString& faceName) {
    if (const FontFace* face = load(familyForFace(faceName))) return face;
    return fallback();
}

}  // namespace platform
