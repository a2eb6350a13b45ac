#pragma once
// The text columns of a recorded message side, in drawing order, in a form
// that compares and prints well in test failures.

#include <ostream>
#include <variant>
#include <vector>

#include "message/RenderMessageSide.h"

namespace message_ops {

struct Column {
    int x = 0, y = 0, height = 0;
    QString text;
    bool operator==(const Column& o) const {
        return x == o.x && y == o.y && height == o.height && text == o.text;
    }
};

inline std::ostream& operator<<(std::ostream& os, const Column& c) {
    return os << "\"" << c.text.toStdString() << "\" at (" << c.x << ", " << c.y << ") h"
              << c.height;
}

inline std::vector<Column> columns(const platform::PagePicture& page) {
    std::vector<Column> out;
    for (const platform::PageOp& o : page.ops)
        if (auto* t = std::get_if<platform::op::Text>(&o))
            out.push_back({t->x, t->y, t->font.height, t->text});
    return out;
}

inline std::vector<int> xs(const platform::PagePicture& page) {
    std::vector<int> out;
    for (const Column& c : columns(page)) out.push_back(c.x);
    return out;
}

// A body of `n` lines "1", "2", ... (drawn as kanji numerals).
inline QStringList numberedLines(int n) {
    QStringList lines;
    for (int i = 1; i <= n; ++i) lines << QString::number(i);
    return lines;
}

inline message::MessageSideInput body(int kind, const QStringList& lines) {
    message::MessageSideInput in;
    in.cardKind = kind;
    in.lines = lines;
    return in;
}

}  // namespace message_ops
