#pragma once
// The font record both renderers hand to the drawing surface, the four faces
// the user chooses from, and the constructor of the address side's fonts.

#include <QString>
#include <array>
#include <optional>

#include "platform/page/FontRecord.h"

namespace render {

class DrawingSurface;

// The record, field for field and in order: height, width, escapement,
// orientation, weight, italic, underline, strike-out, character set, output
// precision, clip precision, quality, pitch and family, face name.
using VerticalFont = platform::FontRecord;

struct VerticalFace {
    const char16_t* displayItem;  // as the face chooser shows it
    const char16_t* faceName;     // as stored in the record ("@" = vertical variant)
};

// By item index of the face chooser.
inline constexpr std::array<VerticalFace, 4> VerticalFaceList{{
    {u"ＭＳ　明朝", u"@ＭＳ 明朝"},
    {u"ＭＳ　ゴシック", u"@ＭＳ ゴシック"},
    {u"ＨＧ正楷書体-PRO", u"@HG正楷書体-PRO"},
    {u"HG行書体", u"@HG行書体"},
}};

// The face name for a chooser index; empty for any index outside the list
// (no item selected), which leaves the choice to the default face.
QString verticalFaceName(int faceIndex);

// The record for a vertical column (no digit width) or, with a digit width,
// for upright digits of that average width.
VerticalFont verticalFontRecord(int faceIndex, int height,
                                std::optional<int> digitWidth = std::nullopt);

// Makes that record the surface's current font. The upright mode holds for
// this call only: the next call without a width is vertical again.
void MakeVerticalFont(DrawingSurface& surface, int faceIndex, int height,
                      std::optional<int> digitWidth = std::nullopt);

}  // namespace render
