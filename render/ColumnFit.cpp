#include "render/ColumnFit.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <cmath>

#include "platform/page/VerticalText.h"
#include "render/DrawingSurface.h"
#include "render/FieldArithmetic.h"
#include "render/VerticalFont.h"

namespace render {
namespace {

// Characters that belong to the one before them.
bool joinsPrevious(char32_t cp) {
    if ((cp >= 0xFE00 && cp <= 0xFE0F) || (cp >= 0xE0100 && cp <= 0xE01EF) ||
        (cp >= 0x180B && cp <= 0x180D))
        return true;
    const QChar::Category c = QChar::category(cp);
    return c == QChar::Mark_NonSpacing || c == QChar::Mark_SpacingCombining ||
           c == QChar::Mark_Enclosing;
}

// Measured at a large em so that rounding in the font units does not show.
constexpr int kMeasureEm = 1000;
constexpr int kCacheLimit = 20000;

double measuredAdvance(int faceIndex, const QString& character) {
    return platform::VerticalText::layout(verticalFontRecord(faceIndex, kMeasureEm), character)
               .length /
           kMeasureEm;
}

// The faces' advances, per thread: a table over the basic plane for single
// characters, and a map for the rest.
struct AdvanceCache {
    std::vector<float> basic;  // NaN: not measured yet
    QHash<QString, double> other;
};

AdvanceCache& cacheFor(int faceIndex) {
    thread_local std::array<AdvanceCache, VerticalFaceList.size() + 1> caches;
    const size_t slot = faceIndex >= 0 && faceIndex < int(VerticalFaceList.size())
                            ? size_t(faceIndex)
                            : VerticalFaceList.size();
    return caches[slot];
}

}  // namespace

double columnAdvance(int faceIndex, QStringView character) {
    AdvanceCache& cache = cacheFor(faceIndex);
    if (character.size() == 1 && !character.at(0).isSurrogate()) {
        if (cache.basic.empty()) cache.basic.assign(0x10000, std::nanf(""));
        float& slot = cache.basic[character.at(0).unicode()];
        if (std::isnan(slot)) slot = float(measuredAdvance(faceIndex, character.toString()));
        return slot;
    }
    const QString key = character.toString();
    const auto found = cache.other.constFind(key);
    if (found != cache.other.constEnd()) return *found;
    if (cache.other.size() > kCacheLimit) cache.other.clear();
    return *cache.other.insert(key, measuredAdvance(faceIndex, key));
}

ColumnText::ColumnText(int faceIndex, const QString& t) : text(t) {
    const int n = int(t.size());
    starts.reserve(size_t(n));
    for (int i = 0; i < n;) {
        const int width =
            t.at(i).isHighSurrogate() && i + 1 < n && t.at(i + 1).isLowSurrogate() ? 2 : 1;
        const char32_t cp =
            width == 2 ? QChar::surrogateToUcs4(t.at(i), t.at(i + 1)) : char32_t(t.at(i).unicode());
        if (starts.empty() || !joinsPrevious(cp)) starts.push_back(i);
        i += width;
    }
    advances.reserve(starts.size());
    for (size_t i = 0; i < starts.size(); ++i) {
        const int to = i + 1 < starts.size() ? starts[i + 1] : n;
        advances.push_back(columnAdvance(faceIndex, QStringView(t).mid(starts[i], to - starts[i])));
    }
}

QString ColumnText::character(int i) const {
    const int from = starts[size_t(i)];
    const int to = size_t(i) + 1 < starts.size() ? starts[size_t(i) + 1] : int(text.size());
    return text.mid(from, to - from);
}

double ColumnText::leading() const {
    double sum = 0;
    for (size_t i = 0; i + 1 < advances.size(); ++i) sum += advances[i];
    return sum;
}

double ColumnText::length(const ColumnStyle& style) const {
    if (advances.empty()) return 0;
    return (leading() * style.pitch + last()) * style.condense() * style.height;
}

ColumnStyle fitColumnStyle(double leading, double last, int height, double allowed) {
    ColumnStyle style;
    style.height = height;
    const double natural = (leading + last) * height;
    if (height <= 0 || natural <= allowed || allowed <= 0 || leading + last <= 0) return style;
    style.natural = false;
    allowed -= 0.01;                       // rounding never takes a fitted column past its limit
    const double room = allowed / height;  // in em at the natural size
    // 1. The pitch alone.
    if (leading > 0 && (room - last) / leading >= kTightestPitch) {
        style.pitch = (room - last) / leading;
        return style;
    }
    const double stepped = leading > 0 ? kTightestPitch : 1.0;
    const double tight = leading * stepped + last;
    // 2. Condensed along the column; 3. smaller.
    double condense = room / tight;
    if (condense < kNarrowestCondense) {
        style.height = std::max(1, int(std::floor(height * condense / kNarrowestCondense)));
        condense = kNarrowestCondense;
        style.xShift = (height - style.height) / 2;
    }
    style.width = std::max(1, int(std::floor(condense * style.height / 2)));
    // The whole-unit width and height leave a little room: give it back to the pitch.
    const double roomAfter = allowed / (style.height * style.condense());
    style.pitch = leading > 0 ? std::min(1.0, (roomAfter - last) / leading) : 1.0;
    if (style.pitch < stepped) style.pitch = stepped;
    return style;
}

void drawColumn(DrawingSurface& s, long long x, long long y, const ColumnText& column,
                const ColumnStyle& style) {
    if (column.isEmpty()) return;
    if (style.natural) {
        s.textOut(clampedSum(x), clampedSum(y), column.text);
        return;
    }
    // The caller's column font, at the fitted size and width.
    const VerticalFont before = s.font();
    VerticalFont font = before;
    font.height = style.height;
    font.width = style.width;
    s.selectFont(font);
    const bool solid = s.brushStyle() == platform::BrushStyle::Solid;
    if (solid) s.setBrushStyle(platform::BrushStyle::Clear);
    const long long left = x - style.xShift;
    double pos = 0;
    const double step = style.pitch * style.condense() * style.height;
    for (int i = 0; i < column.size(); ++i) {
        // Rounded upwards on the page, so the column never ends lower than measured.
        s.textOut(clampedSum(left), clampedSum(y - (long long)std::floor(pos + 1e-9)),
                  column.character(i));
        pos += column.advances[size_t(i)] * step;
    }
    if (solid) s.setBrushStyle(platform::BrushStyle::Solid);
    s.selectFont(before);
}

}  // namespace render
