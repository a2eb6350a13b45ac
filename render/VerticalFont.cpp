#include "render/VerticalFont.h"

#include "render/DrawingSurface.h"

namespace render {

QString verticalFaceName(int faceIndex) {
    if (faceIndex < 0 || faceIndex >= int(VerticalFaceList.size())) return QString();
    return QString::fromUtf16(VerticalFaceList[size_t(faceIndex)].faceName);
}

VerticalFont verticalFontRecord(int faceIndex, int height, std::optional<int> digitWidth) {
    VerticalFont f;
    f.height = height;
    f.width = digitWidth.value_or(0);
    f.escapement = digitWidth ? 0 : VerticalFont::kVertical;
    f.orientation = f.escapement;
    f.weight = 0;
    f.italic = f.underline = f.strikeOut = 0;
    f.charSet = 128;       // Shift-JIS
    f.outPrecision = 7;    // outline fonts only
    f.clipPrecision = 16;  // clipping follows the turned text
    f.quality = 2;         // proof quality
    f.pitchAndFamily = 0;
    f.setFaceName(verticalFaceName(faceIndex));
    return f;
}

void MakeVerticalFont(DrawingSurface& surface, int faceIndex, int height,
                      std::optional<int> digitWidth) {
    surface.selectFont(verticalFontRecord(faceIndex, height, digitWidth));
}

}  // namespace render
