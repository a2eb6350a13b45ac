#include "print/ListText.h"

#include "platform/text/Sjis.h"
#include "records/AddressRecord.h"

namespace print {
namespace {

const QString kLead = QStringLiteral("  \t");
const QString kTab = QStringLiteral("\t");
// "\r" + "\n" + "\r\n": two line breaks, so records stand apart.
const QString kRecordEnd = QStringLiteral("\r\n\r\n");

// Two spaces, a tab and the value, and a tab more when the value is short.
QString column(const QString& value) {
    return kLead + value + (isShortValue(value) ? kTab : QString());
}

}  // namespace

bool isShortValue(const QString& value) { return platform::Sjis::byteLength(value) < 8; }

QString listHeader(ListKind kind) {
    if (kind == ListKind::Address) return QStringLiteral("\tNo.\t名　前\t\t〒        \t住所\r\n");
    return QStringLiteral("\tNo.\t名　前\t\t電話番号\t携帯番号\tFAX番号\r\n");
}

QString listRecord(const platform::CellGrid& grid, int row, ListKind kind) {
    auto cell = [&](int col) { return grid.cell(col, row); };
    QString text = kLead + cell(records::ColNumber) + column(cell(records::ColName));
    if (kind == ListKind::Address) {
        text += column(cell(records::ColPostal));
        text += kLead + cell(records::ColAddress1) + cell(records::ColAddress2) + kRecordEnd;
        return text;
    }
    text += column(cell(records::ColPhone));
    text += column(cell(records::ColMobile));
    const QString fax = cell(records::ColFax);
    // The last column: a long fax number is led by the tab alone.
    if (isShortValue(fax))
        text += kLead + fax + kTab + kRecordEnd;
    else
        text += kTab + fax + kRecordEnd;
    return text;
}

QString listRecords(const platform::CellGrid& grid, ListKind kind) {
    QString text;
    for (int row = 1; row < grid.rowCount(); ++row) text += listRecord(grid, row, kind);
    return text;
}

QString buildListText(const platform::CellGrid& grid, ListKind kind) {
    return QStringLiteral("\r\n") + listHeader(kind) + listRecords(grid, kind);
}

}  // namespace print
