#pragma once
// Fitting a vertical column into the length it may take, the way a Japanese
// typesetter fits a line: first the character pitch is tightened, then the
// glyphs are condensed along the column down to half, and only then is the
// size reduced. Lengths come from the same shaped advances the drawing uses,
// kept per face and character so that a card costs no shaping once its
// characters have been seen.

#include <QString>
#include <vector>

namespace render {

class DrawingSurface;

// The tightest pitch: each character starts this share of the previous
// one's advance after it.
constexpr double kTightestPitch = 0.9;
constexpr double kNarrowestCondense = 0.5;

struct ColumnStyle {
    int height = 0;       // font height in page units
    int width = 0;        // 0 = natural; otherwise condensed to 2·width/height along the column
    double pitch = 1;     // share of a character's advance before the next one starts
    int xShift = 0;       // a reduced column keeps its centre: moved left by this much
    bool natural = true;  // drawn as one text, exactly as without fitting

    double condense() const { return width == 0 || height == 0 ? 1.0 : 2.0 * width / height; }
};

// A column's characters (a character with its combining marks or variation
// selector is one) and their advances along the column, in em.
struct ColumnText {
    ColumnText() = default;
    ColumnText(int faceIndex, const QString& text);

    QString text;
    std::vector<int> starts;  // where each character starts in `text`
    std::vector<double> advances;

    bool isEmpty() const { return advances.empty(); }
    int size() const { return int(advances.size()); }
    QString character(int i) const;
    // The advances of all characters but the last, and of the last.
    double leading() const;
    double last() const { return advances.empty() ? 0.0 : advances.back(); }
    double length(const ColumnStyle& style) const;
};

// The advance along a column of one character of a face, in em.
double columnAdvance(int faceIndex, QStringView character);

// The style that makes a column of `leading` em of stepped advances followed
// by a last character of `last` em end within `allowed` page units from its
// top, starting from the natural `height`. A column that fits, or that has
// no room at all, keeps its natural style.
ColumnStyle fitColumnStyle(double leading, double last, int height, double allowed);

// Draws `column` with its top-right corner at (x, y) in `style`: as one text
// when natural, else one text per character at the tightened pitch, with the
// brush clear so that no cell blanks its neighbour. The surface's font
// is left as it was.
void drawColumn(DrawingSurface& surface, long long x, long long y, const ColumnText& column,
                const ColumnStyle& style);

}  // namespace render
