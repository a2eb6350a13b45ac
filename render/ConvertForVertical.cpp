#include "render/ConvertForVertical.h"

#include <cstring>

namespace render {
namespace {

constexpr std::array<char16_t, 62> makeTable() {
    std::array<char16_t, 62> t{};
    const char16_t numerals[] = u"〇一二三四五六七八九";
    for (int i = 0; i < 10; ++i) t[size_t(i)] = numerals[i];
    for (int i = 0; i < 26; ++i) {
        t[size_t(10 + i)] = char16_t(u'Ａ' + i);  // a-z
        t[size_t(36 + i)] = char16_t(u'Ａ' + i);  // A-Z
    }
    return t;
}

}  // namespace

const std::array<char16_t, 62> VerticalCharTable = makeTable();

QString ConvertForVertical(const QString& text) {
    QString out = text;
    for (QChar& ch : out) {
        // Only ASCII has a one-byte CP932 form that can equal a key character;
        // every other character's CP932 form (two bytes, half-width kana or
        // '?') is never in the key, so testing the ASCII range is the lookup.
        const char16_t u = ch.unicode();
        if (u == 0 || u >= 0x80) continue;
        if (const char* hit = std::strchr(VerticalCharKey, char(u)))
            ch = QChar(VerticalCharTable[size_t(hit - VerticalCharKey)]);
    }
    return out;
}

}  // namespace render
