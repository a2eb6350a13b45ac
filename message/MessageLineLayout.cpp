#include "message/MessageLineLayout.h"

#include <algorithm>

namespace message {
namespace {

bool wholeTextEmpty(const QStringList& lines) {
    for (const QString& l : lines)
        if (!l.isEmpty()) return false;
    return true;
}

// The first three lines form the greeting in large characters; from the
// fourth on the message follows in smaller ones, further left. NEX0 enters
// the offset of the second group twice (after lines 1 and 3): the fields
// were tuned against that, so it stays.
std::vector<PlacedLine> newYear(const MessageLayout& m, const QStringList& lines) {
    std::vector<PlacedLine> out;
    int d = 0;
    const int last = std::min<int>(kNewYearLastLine, int(lines.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        const QString& text = lines[i];
        if (text.isEmpty()) continue;
        const bool greeting = i < 3;
        const int h = greeting ? m.NES0 + 100 : m.NES1 + 60;
        const int y = greeting ? -50 - m.NEY0 : -100 - m.NEY1;
        switch (i) {
            case 0:
                out.push_back({i, 950 - m.NEX0, y, h, text});
                d = h + m.NEG0 + m.NEX0;
                break;
            case 1:
                out.push_back({i, 950 - d, y, h, text});
                d += h + m.NEG0;
                break;
            case 2:
                out.push_back({i, 950 - d, y, h, text});
                d += h + m.NEX1 + m.NEX0;
                break;
            default:
                out.push_back({i, 900 - d, y, h, text});
                d += h + m.NEG1 + 15;
                break;
        }
    }
    return out;
}

std::vector<PlacedLine> ordinary(const MessageLayout& m, const QStringList& lines) {
    std::vector<PlacedLine> out;
    const int h = m.FHS0 + 50;
    const int y = -30 - m.FHY0;
    int d = 0;
    const int last = std::min<int>(kOrdinaryLastLine, int(lines.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        const QString& text = lines[i];
        if (text.isEmpty()) continue;
        if (i == 0) {
            out.push_back({i, 970 - m.FHX0, y, h, text});
            d = h + m.FHX0 + m.FHG0 + 15;
        } else {
            out.push_back({i, 970 - d, y, h, text});
            d += h + m.FHG0 + 15;
        }
    }
    return out;
}

}  // namespace

std::vector<PlacedLine> placeMessageLines(int cardKind, const MessageLayout& layout,
                                          const QStringList& lines) {
    if (wholeTextEmpty(lines)) return {};
    if (cardKind == int(CardKind::NewYear)) return newYear(layout, lines);
    if (cardKind == int(CardKind::Ordinary)) return ordinary(layout, lines);
    return {};
}

}  // namespace message
