#include "postal/PostalKey.h"

namespace book {
namespace postal {
namespace {

int kanjiDigit(QChar c) {
    switch (c.unicode()) {
        case u'〇':
            return 0;
        case u'一':
            return 1;
        case u'二':
            return 2;
        case u'三':
            return 3;
        case u'四':
            return 4;
        case u'五':
            return 5;
        case u'六':
            return 6;
        case u'七':
            return 7;
        case u'八':
            return 8;
        case u'九':
            return 9;
        case u'十':
            return 10;
        default:
            return -1;
    }
}

// A run of kanji numerals as digits: "十二" → 12, "二十" → 20, "二〇二" →
// 202. A run that is no number (say "十十") stays as it is.
QString numeralRun(const QString& run) {
    const int ten = run.indexOf(u'十');
    if (ten < 0) {
        QString digits;
        for (QChar c : run) digits += QChar(u'0' + kanjiDigit(c));
        return digits;
    }
    const QString before = run.left(ten), after = run.mid(ten + 1);
    const auto single = [](const QString& s, int empty) {
        if (s.isEmpty()) return empty;
        const int d = s.size() == 1 ? kanjiDigit(s[0]) : -1;
        return d >= 1 && d <= 9 ? d : -1;
    };
    const int tens = single(before, 1), units = single(after, 0);
    if (tens < 0 || units < 0) return run;
    return QString::number(tens * 10 + units);
}

bool isCodeCharacter(QChar c) {
    return c.isDigit() || c.isSpace() || c == u'-' || c == u'－' || c == u'ー' || c == u'‐' ||
           c == u'〒';
}

}  // namespace

QString matchKey(const QString& text) {
    // NFKC makes full-width ASCII half-width and half-width kana full-width.
    const QString folded = text.normalized(QString::NormalizationForm_KC);
    QString key;
    key.reserve(folded.size());
    for (qsizetype i = 0; i < folded.size();) {
        const QChar c = folded[i];
        if (kanjiDigit(c) >= 0) {
            qsizetype end = i;
            while (end < folded.size() && kanjiDigit(folded[end]) >= 0) ++end;
            key += numeralRun(folded.mid(i, end - i));
            i = end;
            continue;
        }
        ++i;
        if (c.isSpace()) continue;
        if (c == u'ヶ' || c == u'ゖ')
            key += u'ケ';
        else if (c == u'ヵ' || c == u'ゕ')
            key += u'カ';
        else if (c >= u'a' && c <= u'z')
            key += c.toUpper();
        else
            key += c;
    }
    return key;
}

QString blockKey(const QString& text) {
    QString key = matchKey(text);
    key.replace(QStringLiteral("丁目"), QStringLiteral("-"))
        .replace(QStringLiteral("番地"), QStringLiteral("-"))
        .replace(u'番', u'-')
        .replace(u'号', u'-');
    QString out;
    out.reserve(key.size());
    for (qsizetype i = 0; i < key.size(); ++i) {
        const QChar c = key[i];
        const bool dash = c == u'-' || c == u'‐' || c == u'−' || c == u'―' ||
                          (c == u'ー' && i > 0 && key[i - 1].isDigit());
        if (!dash) {
            out += c;
        } else if (i + 1 < key.size() && key[i + 1].isDigit() && !out.endsWith(u'-')) {
            out += u'-';
        }
    }
    return out;
}

bool looksLikeCode(const QString& text) {
    bool digit = false;
    for (QChar c : text) {
        if (!isCodeCharacter(c)) return false;
        digit = digit || c.isDigit();
    }
    return digit;
}

int parseCode(const QString& text) {
    if (!looksLikeCode(text)) return -1;
    int code = 0, digits = 0;
    for (QChar c : text) {
        if (!c.isDigit()) continue;
        if (++digits > 7) return -1;
        code = code * 10 + c.digitValue();
    }
    return digits == 7 ? code : -1;
}

QString formatCode(int code) {
    return QStringLiteral("%1-%2")
        .arg(code / 10000, 3, 10, QLatin1Char('0'))
        .arg(code % 10000, 4, 10, QLatin1Char('0'));
}

}  // namespace postal
}  // namespace book
