#pragma once
// Lays out and draws the text of one text operation as the font record asks:
//
// Vertical (escapement 900): one column whose reference point is its top-right
// corner; it runs down the page in the band x-h..x, h being the font height
// (used as the em size). Characters that take two bytes in CP932 stand upright,
// shaped top to bottom so the font's vertical forms and placements are used;
// one-byte characters (ASCII, half-width kana) are turned 90° clockwise, tops
// facing right, with the ideographic em box centred in the band. A non-zero
// width condenses the column along its length by 2·|width|/h (half the em,
// the average width of a Japanese face, leaves it as it is).
//
// Upright (escapement 0, and any escapement other than 900): the text runs to
// the right, cells hanging below the reference point; a non-zero width scales the glyphs
// horizontally so that the average advance of the digits equals it.
//
// The text reaches the glyphs through CP932, as on the device the program was
// designed for: a character with no CP932 form is drawn as '?'. Variation
// selectors (a family name's particular form of 葛 or 辻) are dropped first,
// so that the base character prints.
//
// Layouts are in page units (0.1 mm) with y DOWN and the reference point at the
// origin; the player converts from the y-up page frame.

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <vector>

#include "platform/page/FontRecord.h"

class QPainter;

namespace platform {

class FontFace;

struct GlyphPiece {
    const FontFace* face = nullptr;
    std::vector<quint32> glyphs;     // glyph ids of `face`
    std::vector<QPointF> positions;  // font units, y down, in the piece's own frame
    std::vector<char32_t> chars;     // the character each glyph stands for (text extraction)
    QTransform toText;               // piece frame -> text frame
    bool turned = false;             // drawn turned 90° clockwise
};

struct TextLayout {
    std::vector<GlyphPiece> pieces;
    QRectF cells;       // the character cells, in the text frame
    double length = 0;  // extent along the writing direction
    double em = 0;      // the em size used
};

namespace VerticalText {

// Em size for a record: |height|, or the default size when height is 0.
double emSize(const FontRecord& font);
constexpr double kDefaultEm = 37;  // about 10.5 pt, the usual Japanese text size

TextLayout layout(const FontRecord& font, const QString& text);

// The characters of `text` that print as '?', each once, in order.
QStringList unprintable(const QString& text);

// Where a piece's glyphs go: its frame (font units, y down) onto the frame
// of the caller (page units, y down) with the text's reference point at
// `origin`. Every backend places glyphs with this, so they all agree.
QTransform pieceTransform(const GlyphPiece& piece, QPointF origin);

// Draws a layout with its reference point at `origin` (painter coordinates in
// page units, y down). With `opaque` set, the cells are filled first.
void draw(QPainter& painter, const TextLayout& layout, QPointF origin,
          const QColor* opaque = nullptr);

}  // namespace VerticalText
}  // namespace platform
