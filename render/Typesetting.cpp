#include "render/Typesetting.h"

namespace render {
namespace {

constexpr char16_t kVoicedMark = 0xFF9E, kSemiVoicedMark = 0xFF9F;

bool isHalfWidthKana(char16_t c) { return c >= 0xFF61 && c <= 0xFF9F; }

// The full-width form of one half-width character; the marks have spacing
// forms of their own, NFKC would give combining ones.
QChar fullWidth(char16_t c) {
    if (c == kVoicedMark) return QChar(0x309B);      // ゛
    if (c == kSemiVoicedMark) return QChar(0x309C);  // ゜
    return QString(QChar(c)).normalized(QString::NormalizationForm_KC).at(0);
}

// The kana with its mark joined, or a null QChar when the pair has no
// single character the printer's code page (CP932) holds.
QChar joined(QChar kana, char16_t mark) {
    const QChar combining(mark == kVoicedMark ? 0x3099 : 0x309A);
    const QString composed = (QString(kana) + combining).normalized(QString::NormalizationForm_C);
    if (composed.size() != 1) return QChar();
    // ヷ ヸ ヹ ヺ exist in Unicode but not in CP932: they would print as '?'.
    const char16_t u = composed.at(0).unicode();
    if (u >= 0x30F7 && u <= 0x30FA) return QChar();
    return composed.at(0);
}

bool isNumeral(QChar c) {
    const char16_t u = c.unicode();
    if ((u >= u'0' && u <= u'9') || (u >= u'０' && u <= u'９')) return true;
    return QStringView(u"〇一二三四五六七八九十百千").contains(c);
}

bool isHyphenLike(QChar c) {
    // ASCII hyphen-minus, hyphen, non-breaking hyphen, minus sign, full-width
    // hyphen-minus, and the long-vowel mark often typed for one.
    return QStringView(u"-\u2010\u2011\u2212\uFF0D\u30FC").contains(c);
}

}  // namespace

TypesetChoices typesetChoicesFromNumbers(int jointAlign, int blockDash, int halfKana,
                                         int fitColumns) {
    TypesetChoices c;
    if (jointAlign == 1) c.jointAlign = JointAlign::GivenName;
    if (blockDash == 1 || blockDash == 2) c.blockDash = BlockDash(blockDash);
    if (halfKana == 1) c.halfKana = HalfKana::FullWidth;
    if (fitColumns == 1) c.fitColumns = FitColumns::Fit;
    return c;
}

QString widenHalfWidthKana(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (!isHalfWidthKana(c)) {
            out.append(text.at(i));
            continue;
        }
        const QChar wide = fullWidth(c);
        const char16_t next = i + 1 < text.size() ? text.at(i + 1).unicode() : 0;
        if (c != kVoicedMark && c != kSemiVoicedMark &&
            (next == kVoicedMark || next == kSemiVoicedMark)) {
            if (const QChar both = joined(wide, next); !both.isNull()) {
                out.append(both);
                ++i;
                continue;
            }
        }
        out.append(wide);
    }
    return out;
}

QString replaceBlockHyphens(const QString& text, BlockDash dash) {
    if (dash == BlockDash::AsTyped) return text;
    const QChar separator = dash == BlockDash::Bar ? QChar(0x2015) : QChar(0x30CE);
    QString out = text;
    for (int i = 1; i + 1 < text.size(); ++i)
        if (isHyphenLike(text.at(i)) && isNumeral(text.at(i - 1)) && isNumeral(text.at(i + 1)))
            out[i] = separator;
    return out;
}

QString typesetText(const QString& text, const TypesetChoices& choices) {
    return choices.halfKana == HalfKana::FullWidth ? widenHalfWidthKana(text) : text;
}

QString typesetAddress(const QString& text, const TypesetChoices& choices) {
    return replaceBlockHyphens(typesetText(text, choices), choices.blockDash);
}

}  // namespace render
