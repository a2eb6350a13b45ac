#include "book/exchange/CsvExport.h"

#include "book/exchange/CsvTable.h"
#include "book/exchange/FieldText.h"
#include "records/AddressRecord.h"

namespace book {

QByteArray writeUtf8Csv(const AddressRows& rows) {
    QString text;
    text.reserve(int(rows.size()) * 80 + 100);
    // Every field but the row number, in the grid's order.
    text += joinCsvLine(records::gridHeaderCells().mid(1, records::kColumnCount - 1)) +
            QStringLiteral("\r\n");
    QStringList fields;
    for (const QStringList& row : rows) {
        fields.clear();
        for (int c = 1; c < records::kColumnCount; ++c)
            fields.append(c == records::ColPostal ? exportedPostalCode(row.value(c))
                                                  : row.value(c));
        text += joinCsvLine(fields) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

}  // namespace book
