#include "book/exchange/BookImport.h"

#include "book/AddressBook.h"
#include "book/AddressRecord.h"
#include "book/RowOperations.h"

namespace book {
namespace {

bool isEmptyRecord(const QStringList& row) {
    for (int c = 1; c < row.size(); ++c)
        if (!row[c].isEmpty()) return false;
    return true;
}

}  // namespace

int putImportedRows(platform::CellGrid& book, const AddressRows& rows, ImportMode mode) {
    if (mode == ImportMode::Replace) {
        loadRows(book, rows);
        return 1;
    }
    if (rows.isEmpty()) return 1;
    int first = book.rowCount();
    if (first == 2 && isEmptyRecord(book.rowCells(1))) first = 1;
    book.setRowCount(first + int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) book.setRowCells(first + r, rows[r]);
    renumberRows(book);
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
