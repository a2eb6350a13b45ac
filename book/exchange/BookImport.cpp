#include "book/exchange/BookImport.h"

#include "book/BookModel.h"
#include "records/AddressRecord.h"

namespace book {
namespace {

bool isEmptyRecord(const QStringList& row) {
    for (int c = 1; c < row.size(); ++c)
        if (!row[c].isEmpty()) return false;
    return true;
}

}  // namespace

int putImportedRows(BookModel& book, const AddressRows& rows, ImportMode mode) {
    if (mode == ImportMode::Replace) {
        book.load(rows);
        return 1;
    }
    if (rows.isEmpty()) return 1;
    int first = book.rowCount();
    if (first == 2 && isEmptyRecord(book.rowRef(1))) first = 1;
    const platform::BulkUpdate once(book);
    book.setRowCount(first + int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) book.setRowCells(first + r, rows[r]);
    book.renumber();
    return first;
}

AddressRows filledRows(const AddressRows& rows) {
    AddressRows out;
    out.reserve(rows.size());
    for (const QStringList& row : rows)
        if (!isEmptyRecord(row)) out.append(row);
    return out;
}

}  // namespace book
