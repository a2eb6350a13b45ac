#pragma once
// The text operations of a recorded address side, in drawing order, in a form
// that compares and prints well in test failures.

#include <ostream>
#include <variant>
#include <vector>

#include "platform/page/PagePicture.h"
#include "render/DrawAddressSide.h"

namespace testing_text {

struct TextOp {
    int x = 0, y = 0;
    QString text;
    int height = 0;
    int width = 0;
    bool vertical = true;

    bool operator==(const TextOp& o) const {
        return x == o.x && y == o.y && text == o.text && height == o.height && width == o.width &&
               vertical == o.vertical;
    }
};

inline std::ostream& operator<<(std::ostream& os, const TextOp& t) {
    return os << "\"" << t.text.toStdString() << "\" at (" << t.x << ", " << t.y << ") "
              << (t.vertical ? "vertical h" : "upright h") << t.height << " w" << t.width;
}

// A vertical column and upright digits as the expected side of a comparison.
inline TextOp column(int x, int y, const QString& text, int height) {
    return {x, y, text, height, 0, true};
}
inline TextOp digits(int x, int y, const QString& text, int height, int width) {
    return {x, y, text, height, width, false};
}

inline std::vector<TextOp> textOps(const platform::PagePicture& page) {
    std::vector<TextOp> out;
    for (const platform::PageOp& o : page.ops)
        if (auto* t = std::get_if<platform::op::Text>(&o))
            out.push_back(
                {t->x, t->y, t->text, t->font.height, t->font.width, t->font.isVertical()});
    return out;
}

// The raw text operations, fonts in full.
inline std::vector<platform::op::Text> rawTextOps(const platform::PagePicture& page) {
    std::vector<platform::op::Text> out;
    for (const platform::PageOp& o : page.ops)
        if (auto* t = std::get_if<platform::op::Text>(&o)) out.push_back(*t);
    return out;
}

}  // namespace testing_text
