#include "book/exchange/CsvExport.h"

#include "records/AddressRecord.h"
#include "book/exchange/CsvTable.h"
#include "book/exchange/FieldText.h"

namespace book {

QByteArray writeUtf8Csv(const AddressRows& rows) {
    QString text;
    text.reserve(int(rows.size()) * 80 + 100);
    // Every field but the row number, in the grid's order.
    text += joinCsvLine(gridHeaderCells().mid(1, kColumnCount - 1)) + QStringLiteral("\r\n");
    QStringList fields;
    for (const QStringList& row : rows) {
        fields.clear();
        for (int c = 1; c < kColumnCount; ++c)
            fields.append(c == ColPostal ? exportedPostalCode(row.value(c)) : row.value(c));
        text += joinCsvLine(fields) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

}  // namespace book
