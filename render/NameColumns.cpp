#include "render/NameColumns.h"

#include <cmath>

#include "platform/VerticalText.h"
#include "render/DrawingSurface.h"
#include "render/FieldArithmetic.h"

namespace render {
namespace {

constexpr char16_t kIdeographicSpace = 0x3000;

QString withHonorific(const QString& who, const std::optional<QString>& honorific) {
    return honorific ? who + QLatin1Char(' ') + *honorific : who;
}

void textOut(DrawingSurface& s, long long x, long long y, const QString& text) {
    if (!text.isEmpty()) s.textOut(clampedSum(x), clampedSum(y), text);
}

}  // namespace

int columnLength(const platform::FontRecord& font, const QString& text) {
    return int(std::lround(platform::VerticalText::layout(font, text).length));
}

void placeNameColumns(DrawingSurface& s, const NameColumns& n, JointAlign align) {
    const bool aligned = align == JointAlign::GivenName && !n.name.isEmpty() && !n.joint.isEmpty();
    if (!aligned) {
        if (!n.name.isEmpty()) textOut(s, n.nameX, n.y, withHonorific(n.name, n.honorific));
        if (!n.joint.isEmpty()) textOut(s, n.jointX, n.y, withHonorific(n.joint, n.honorific));
        return;
    }
    const platform::FontRecord& font = s.font();
    const long long height = std::llround(platform::VerticalText::emSize(font));

    // Without an ideographic space there is no given name to align with.
    const int space = int(n.name.indexOf(QChar(kIdeographicSpace)));
    const long long jointY = space < 0 ? n.y : n.y - columnLength(font, n.name.left(space + 1));
    const long long jointX = std::min(n.jointX, n.nameX - height - (height + 3) / 4);

    textOut(s, n.nameX, n.y, n.name);
    textOut(s, jointX, jointY, n.joint);
    if (!n.honorific) return;
    // The space before the honorific is measured, not drawn.
    const QString gap(QLatin1Char(' '));
    const long long honorificY = std::min(n.y - columnLength(font, n.name + gap),
                                          jointY - columnLength(font, n.joint + gap));
    textOut(s, n.nameX, honorificY, *n.honorific);
    textOut(s, jointX, honorificY, *n.honorific);
}

}  // namespace render
