#include "book/exchange/FieldText.h"

#include <QRegularExpression>

#include "book/PostalCode.h"

namespace book {

QString toHiragana(const QString& text) {
    // Runs of half-width katakana become full width first (a voicing mark
    // joins the letter before it); nothing else is normalised.
    QString s;
    s.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        auto halfWidth = [&](qsizetype k) {
            return text[k].unicode() >= 0xFF61 && text[k].unicode() <= 0xFF9F;
        };
        qsizetype j = i;
        while (j < text.size() && halfWidth(j)) ++j;
        if (j > i) {
            s += text.mid(i, j - i).normalized(QString::NormalizationForm_KC);
            i = j;
        } else {
            s += text[i++];
        }
    }
    for (QChar& c : s) {
        const char16_t u = c.unicode();
        if (u >= 0x30A1 && u <= 0x30F6) c = QChar(char16_t(u - 0x60));
    }
    return s;
}

QString singleLine(const QString& text) {
    bool clean = true;
    for (const QChar c : text)
        clean = clean && c.unicode() >= 0x20 && !c.isSurrogate() && c.unicode() != 0xFEFF;
    if (clean) return text;
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (u == '\r' && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) continue;
        if (u == '\n' || u == '\r') {
            out.append(QChar(0x3000));
        } else if (u == '\t') {
            out.append(QLatin1Char(' '));
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out.append(c);
            out.append(text[++i]);
        } else if (c.isSurrogate()) {
            out.append(QChar::ReplacementCharacter);  // half a character, from broken UTF-16
        } else if (u >= 0x20 && u != 0xFEFF) {        // a stray byte order mark is no text
            out.append(c);
        }
    }
    return out;
}

QString importedPostalCode(const QString& text) {
    // Full-width digits and hyphens are narrowed, so that the code takes the
    // book's plain form.
    QString code = singleLine(text).normalized(QString::NormalizationForm_KC).trimmed();
    while (code.startsWith(QChar(0x3012))) code = code.mid(1).trimmed();
    // Three digits and four with blanks (or a hyphen among blanks) between
    // them are a code written loosely: "100 0005" is 100-0005, not an
    // eight-character cell whose last digit the plain form would cut.
    static const QRegularExpression loose(QStringLiteral("^([0-9]{3})\\s*-?\\s*([0-9]{4})$"));
    if (const QRegularExpressionMatch m = loose.match(code); m.hasMatch())
        code = m.captured(1) + QLatin1Char('-') + m.captured(2);
    // The plain form pads to eight characters; a code that is shorter once
    // its hyphen is gone keeps no padding. Repeated until nothing changes, so
    // that an exported code (without blanks) reads back as the same cell.
    for (int guard = 0; guard < 16; ++guard) {
        QString plain = withoutHyphen(code.trimmed());
        while (plain.endsWith(QLatin1Char(' '))) plain.chop(1);
        if (plain.size() == 7) plain = withoutHyphen(plain);
        if (plain == code) break;
        code = plain;
    }
    return code;
}

QString exportedPostalCode(const QString& cell) {
    const QString code = cell.trimmed();
    bool digits = code.size() == 7;
    for (const QChar c : code) digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    return digits ? code.left(3) + QLatin1Char('-') + code.mid(3) : code;
}

}  // namespace book
