#pragma once
// One face embedded in a PDF: subset to the glyphs the pages drew (glyph ids
// kept, so the pages' codes are the font's own glyph ids), as a CID font with
// Identity-H encoding, and a ToUnicode map so text extraction gives back the
// characters, vertical forms included.

#include <QByteArray>
#include <string>
#include <utility>
#include <vector>

#include "platform/pdf/ObjectWriter.h"
#include "platform/pdf/PdfResources.h"

namespace platform::pdf {

// The face's file rebuilt from its tables, cut to `glyphs` (and glyph 0).
// Empty when the subsetter refuses the face.
QByteArray subsetFont(const FontFace& face, const std::map<unsigned, char32_t>& glyphs,
                      bool* isCff);

// Writes the font objects: `fontId` and `verticalId` are the Type0 fonts the
// page resources name for horizontal and vertical writing; both share one
// embedded program.
void writeFont(ObjectWriter& out, int fontId, int verticalId, const FontUse& use);

// The ToUnicode CMap for glyph -> character pairs. Glyph 0, drawn for any
// character a face lacks, is left out.
std::string toUnicodeCMap(const std::map<unsigned, char32_t>& glyphs);

// The W array of a CID font for (glyph, width) pairs in rising glyph order,
// widths in thousandths of the em: glyphs of `defaultWidth` are left out,
// drawn neighbours of equal width share one "first last width" entry (the
// glyphs between them are never drawn), others are listed as
// "first [w1 w2 ...]".
std::string cidWidths(const std::vector<std::pair<unsigned, double>>& widths, double defaultWidth);

}  // namespace platform::pdf
