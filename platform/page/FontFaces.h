#pragma once
// The faces the renderers name, realised with the Japanese fonts installed
// here: each face is a HarfBuzz font over its installed file (for shaping,
// measuring and embedding), and, when a painter asks, a QRawFont with the
// same glyphs (for drawing). Laying text out needs no running GUI, so the
// PDF export starts without one. Faces are loaded once and kept until the
// application ends.

#include <QRawFont>
#include <QString>
#include <mutex>

struct hb_font_t;
struct hb_face_t;

namespace platform {

class FontFace {
  public:
    // Takes a reference to `face`, opened from `file`.
    FontFace(hb_face_t* face, const QString& family, const QString& file);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // For painting; needs the GUI application. Pixel size equals units per
    // em, so glyph positions are in font units.
    const QRawFont& raw() const;
    hb_font_t* hb() const { return hb_; }
    const QString& family() const { return family_; }
    int unitsPerEm() const { return upem_; }
    // The ideographic em box in font units, y up (top > 0 > bottom).
    int emBoxTop() const { return emTop_; }
    int emBoxBottom() const { return emBottom_; }

    // The glyph the character maps to without any feature, 0 when unmapped.
    unsigned nominalGlyph(char32_t cp) const;
    // True when the glyph has an outline. Some fonts map characters to empty
    // glyphs; those must be drawn from another face.
    bool hasInk(unsigned glyph) const;
    // True when the character can be drawn from this face: mapped, and with
    // an outline unless it is a blank.
    bool covers(char32_t cp) const;
    // Horizontal advance of a glyph in font units.
    int horizontalAdvance(unsigned glyph) const;

  private:
    QString family_;
    QString file_;
    hb_font_t* hb_ = nullptr;
    mutable std::once_flag rawMade_;
    mutable QRawFont raw_;
    int upem_ = 1000;
    int emTop_ = 880;
    int emBottom_ = -120;
};

namespace FontFaces {

// The installed family that stands in for a face name of a font record
// ("@" prefix and spacing ignored); empty when the name is empty or unknown
// and no family of that name is installed.
QString familyForFace(const QString& faceName);

// The face to draw a record's face name with. When its family is missing,
// the fallback face. Null only when no font can be loaded at all.
const FontFace* faceFor(const QString& faceName);

// The face used for characters the chosen face cannot draw, and for missing
// faces: IPAMincho, else any installed Japanese face, else the default font.
const FontFace* fallback();

// Loads one installed family; null when it is not installed (the font
// matcher would substitute another family, which is not accepted).
const FontFace* load(const QString& family);

}  // namespace FontFaces
}  // namespace platform
