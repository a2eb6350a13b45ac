#include "book/PostalCode.h"

#include "book/AddressRecord.h"

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

}  // namespace

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
        const QString cell = grid.cell(ColPostal, r);
        const QString next = withHyphen(cell);
        if (next != cell) grid.setCell(ColPostal, r, next);
    }
}

void removeHyphens(platform::CellGrid& grid) {
    for (int r = 1; r < grid.rowCount(); ++r) {
        const QString cell = grid.cell(ColPostal, r);
        const QString next = withoutHyphen(cell);
        if (next != cell) grid.setCell(ColPostal, r, next);
    }
}

}  // namespace book
