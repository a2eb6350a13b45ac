#include "render/NameColumns.h"

#include <algorithm>
#include <cmath>

#include "platform/page/VerticalText.h"
#include "render/ColumnFit.h"
#include "render/DrawingSurface.h"
#include "render/FieldArithmetic.h"
#include "render/FieldPlacer.h"

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

namespace {

// The aligned layout, fitted as one: where the joint name and the
// honorifics start, in em along the column from the names' top.
void placeFittedAligned(FieldPlacer& p, const NameColumns& n) {
    DrawingSurface& s = p.surface();
    const int face = p.faceIndex();
    const int height = int(std::llround(platform::VerticalText::emSize(s.font())));
    const long long jointX = std::min(n.jointX, n.nameX - height - (height + 3) / 4);
    const ColumnText name(face, n.name), joint(face, n.joint);
    const double gap = n.honorific ? columnAdvance(face, u" ") : 0.0;

    // A joint name with a family name of its own starts level with the name's.
    const int space = int(n.name.indexOf(QChar(kIdeographicSpace)));
    int jointStart = 0;
    if (space >= 0 && !n.joint.contains(QChar(kIdeographicSpace)))
        jointStart = int(ColumnText(face, n.name.left(space + 1)).size());
    double jointOffset = 0;
    for (int i = 0; i < jointStart; ++i) jointOffset += name.advances[size_t(i)];
    const double nameRun = name.leading() + name.last() + gap;
    const double jointRun = jointOffset + joint.leading() + joint.last() + gap;

    ColumnText honorific;
    if (n.honorific) honorific = ColumnText(face, *n.honorific);
    // Without an honorific the last character of the longer column ends it.
    double leading = std::max(nameRun, jointRun), last = 0;
    if (honorific.isEmpty()) {
        last = nameRun >= jointRun ? name.last() : joint.last();
        leading -= last;
    } else {
        last = honorific.leading() + honorific.last();
    }
    const double top = double(n.y);
    const double lowest = std::max(p.limit(double(n.nameX - height), double(n.nameX), top),
                                   p.limit(double(jointX - height), double(jointX), top));
    const ColumnStyle style = fitColumnStyle(leading, last, height, top - lowest);
    const double step = style.pitch * style.condense() * style.height;
    const auto down = [&](double em) { return n.y - (long long)std::floor(em * step + 1e-9); };

    s.setField(n.nameField);
    drawColumn(s, n.nameX, n.y, name, style);
    s.setField(n.jointField);
    drawColumn(s, jointX, down(jointOffset), joint, style);
    const double length = leading * step + last * style.condense() * style.height;
    if (!honorific.isEmpty()) {
        s.setField(n.nameField);
        drawColumn(s, n.nameX, down(leading), honorific, style);
        s.setField(n.jointField);
        drawColumn(s, jointX, down(leading), honorific, style);
    }
    for (long long right : {n.nameX, jointX})
        p.addObstacle({double(right - style.xShift - style.height), double(right - style.xShift),
                       top, top - length});
}

}  // namespace

void placeNameColumns(FieldPlacer& p, const NameColumns& n, JointAlign align) {
    DrawingSurface& s = p.surface();
    const bool aligned = align == JointAlign::GivenName && !n.name.isEmpty() && !n.joint.isEmpty();
    if (!aligned) {
        if (!n.name.isEmpty())
            p.column(n.nameField, n.nameX, n.y, withHonorific(n.name, n.honorific));
        if (!n.joint.isEmpty())
            p.column(n.jointField, n.jointX, n.y, withHonorific(n.joint, n.honorific));
        return;
    }
    if (p.fitting()) {
        placeFittedAligned(p, n);
        return;
    }
    const platform::FontRecord& font = s.font();
    const long long height = std::llround(platform::VerticalText::emSize(font));

    // Without an ideographic space there is no given name to align with.
    const int space = int(n.name.indexOf(QChar(kIdeographicSpace)));
    const long long jointY = space < 0 ? n.y : n.y - columnLength(font, n.name.left(space + 1));
    const long long jointX = std::min(n.jointX, n.nameX - height - (height + 3) / 4);

    s.setField(n.nameField);
    textOut(s, n.nameX, n.y, n.name);
    s.setField(n.jointField);
    textOut(s, jointX, jointY, n.joint);
    if (!n.honorific) return;
    // The space before the honorific is measured, not drawn.
    const QString gap(QLatin1Char(' '));
    const long long honorificY = std::min(n.y - columnLength(font, n.name + gap),
                                          jointY - columnLength(font, n.joint + gap));
    s.setField(n.nameField);
    textOut(s, n.nameX, honorificY, *n.honorific);
    s.setField(n.jointField);
    textOut(s, jointX, honorificY, *n.honorific);
}

}  // namespace render
