#include "book/CustomerBarcode.h"

#include <QStringList>

namespace book {
namespace {

using render::BarcodeSymbol;

int kanjiDigit(QChar c) {
    static const QString digits = QStringLiteral("〇一二三四五六七八九");
    return int(digits.indexOf(c));
}

bool isKanjiNumeral(QChar c) {
    return kanjiDigit(c) >= 0 || c == u'十' || c == u'百' || c == u'千';
}

// "二十五" → 25, "百三" → 103, "二〇二" → 202.
int kanjiNumber(const QString& run) {
    if (!run.contains(u'十') && !run.contains(u'百') && !run.contains(u'千')) {
        int n = 0;
        for (QChar c : run) n = n * 10 + kanjiDigit(c);
        return n;
    }
    int total = 0, digit = -1;
    for (QChar c : run) {
        const int d = kanjiDigit(c);
        if (d >= 0) {
            digit = d;
            continue;
        }
        const int unit = c == u'十' ? 10 : c == u'百' ? 100 : 1000;
        total += (digit < 0 ? 1 : digit) * unit;
        digit = -1;
    }
    return total + (digit < 0 ? 0 : digit);
}

// The words after which a kanji numeral is a block number.
bool numberWordAt(const QString& s, qsizetype i) {
    if (i >= s.size()) return false;
    const QChar c = s[i];
    if (c == u'丁' || c == u'番' || c == u'号' || c == u'線' || c == u'の' || c == u'ノ')
        return true;
    return c == u'地' && i + 1 < s.size() && s[i + 1] == u'割';
}

bool isDash(QChar c) {
    switch (c.unicode()) {
        case u'-':
        case u'‐':
        case u'‑':
        case u'‒':
        case u'–':
        case u'—':
        case u'―':
        case u'−':
        case u'ー':
        case u'─':
        case u'━':
            return true;
        default:
            return false;
    }
}

bool isLetter(QChar c) { return c >= u'A' && c <= u'Z'; }

// Widths folded, letters upper-cased, & / ・ . dropped, dashes made '-'.
QString tidied(const QString& text) {
    const QString folded = text.normalized(QString::NormalizationForm_KC);
    QString out;
    out.reserve(folded.size());
    for (QChar c : folded) {
        if (c == u'&' || c == u'/' || c == u'・' || c == u'.') continue;
        if (isDash(c))
            out += u'-';
        else if (c >= u'a' && c <= u'z')
            out += c.toUpper();
        else
            out += c;
    }
    return out;
}

// Kanji numerals standing before a block word written as digits.
QString numeralsAsDigits(const QString& s) {
    QString out;
    for (qsizetype i = 0; i < s.size();) {
        if (!isKanjiNumeral(s[i])) {
            out += s[i++];
            continue;
        }
        qsizetype end = i;
        while (end < s.size() && isKanjiNumeral(s[end])) ++end;
        const QString run = s.mid(i, end - i);
        out += numberWordAt(s, end) ? QString::number(kanjiNumber(run)) : run;
        i = end;
    }
    return out;
}

}  // namespace

QString addressNumber(const QString& afterTown) {
    const QString s = numeralsAsDigits(tidied(afterTown));
    // Kept characters, with '-' standing for everything between them.
    QString kept;
    const auto separate = [&kept] {
        if (!kept.isEmpty() && !kept.endsWith(u'-')) kept += u'-';
    };
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c.isDigit() && c.unicode() < 128) {
            kept += c;
        } else if (c == u'-') {
            separate();
        } else if (isLetter(c)) {
            const bool inWord =
                (i > 0 && isLetter(s[i - 1])) || (i + 1 < s.size() && isLetter(s[i + 1]));
            const bool floor = c == u'F' && i > 0 && s[i - 1].isDigit();
            if (inWord || floor)
                separate();
            else
                kept += c;
        } else {
            separate();
        }
    }
    // A letter takes no hyphen beside it; none is left at either end.
    QString out;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const QChar c = kept[i];
        if (c == u'-' &&
            ((i > 0 && isLetter(kept[i - 1])) || (i + 1 < kept.size() && isLetter(kept[i + 1]))))
            continue;
        out += c;
    }
    while (out.startsWith(u'-')) out.remove(0, 1);
    while (out.endsWith(u'-')) out.chop(1);
    return out;
}

BarcodeSymbol checkSymbol(const std::vector<BarcodeSymbol>& symbols) {
    int sum = 0;
    for (BarcodeSymbol s : symbols) sum += s;
    return (19 - sum % 19) % 19;
}

std::vector<BarcodeSymbol> barcodeSymbols(int code, const QString& addressNumber) {
    std::vector<BarcodeSymbol> out;
    for (int unit = 1000000; unit > 0; unit /= 10) out.push_back(code / unit % 10);
    std::vector<BarcodeSymbol> number;
    for (QChar c : addressNumber) {
        if (c >= u'0' && c <= u'9') {
            number.push_back(c.unicode() - u'0');
        } else if (isLetter(c)) {
            const int index = c.unicode() - u'A';
            number.push_back(render::kBarcodeCC1 + index / 10);
            number.push_back(index % 10);
        } else if (c == u'-') {
            number.push_back(render::kBarcodeHyphen);
        }
    }
    // Past thirteen the rest is cut, a letter's control code on the
    // thirteenth place included; short numbers are filled with CC4.
    number.resize(13, render::kBarcodeCC4);
    out.insert(out.end(), number.begin(), number.end());
    out.push_back(checkSymbol(out));
    return out;
}

QString symbolLine(const std::vector<BarcodeSymbol>& symbols) {
    QStringList names;
    for (BarcodeSymbol s : symbols) names += render::barcodeSymbolName(s);
    return names.join(u' ');
}

}  // namespace book
