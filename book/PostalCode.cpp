#include "book/PostalCode.h"

#include "records/AddressRecord.h"

namespace book {
namespace {

// 7 or 8 characters, each a single byte in CP932 (ASCII or half-width kana).
bool inRule(const QString& cell) {
    if (cell.size() != 7 && cell.size() != 8) return false;
    for (QChar ch : cell) {
        const ushort u = ch.unicode();
        if (!(u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F))) return false;
    }
    return true;
}

// Full-width digits and the dashes an input method gives for "-" as ASCII.
QString asciiDigitsAndHyphens(const QString& cell) {
    QString s = cell;
    for (QChar& ch : s) {
        const char16_t u = ch.unicode();
        if (u >= 0xFF10 && u <= 0xFF19)
            ch = QChar(u'0' + (u - 0xFF10));
        else if (u == 0xFF0D || u == 0x2212 || u == 0x2010 || u == 0x2011 || u == 0x2015 ||
                 u == 0x30FC)
            ch = u'-';
    }
    return s;
}

}  // namespace

PostalFields postalFieldsOf(const QString& cell) {
    const QString code = asciiDigitsAndHyphens(cell);
    if (code.size() != 7 && code.size() != 8) return {cell, QString()};
    if (code.size() == 8 && code[3] == QLatin1Char('-')) return {code.left(3), code.mid(4, 4)};
    return {code.left(3), code.mid(3, 4)};
}

QString withHyphen(const QString& cell) {
    if (!inRule(cell)) return cell;
    QString s = cell.size() == 7 ? cell + QLatin1Char(' ') : cell;
    if (s[3] != QLatin1Char('-')) s = s.left(3) + QLatin1Char('-') + s.mid(3, 4);
    return s;
}

QString withoutHyphen(const QString& cell) {
    if (!inRule(cell)) return cell;
    QString s = cell.size() == 7 ? cell + QLatin1Char(' ') : cell;
    const int dash = s.indexOf(QLatin1Char('-'));
    if (dash >= 0 && dash < 8) s = s.left(dash) + s.mid(dash + 1) + QLatin1Char(' ');
    return s;
}

void addHyphens(platform::CellGrid& grid) {
    for (int r = 1; r < grid.rowCount(); ++r) {
        const QString cell = grid.cell(records::ColPostal, r);
        const QString next = withHyphen(cell);
        if (next != cell) grid.setCell(records::ColPostal, r, next);
    }
}

void removeHyphens(platform::CellGrid& grid) {
    for (int r = 1; r < grid.rowCount(); ++r) {
        const QString cell = grid.cell(records::ColPostal, r);
        const QString next = withoutHyphen(cell);
        if (next != cell) grid.setCell(records::ColPostal, r, next);
    }
}

}  // namespace book
