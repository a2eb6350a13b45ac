#include "book/AddressBook.h"

#include "book/RowOperations.h"

namespace book {

void loadRows(platform::CellGrid& grid, const AddressRows& rows) {
    grid.setRowCount(std::max<int>(2, int(rows.size()) + 1));
    if (rows.isEmpty()) grid.setRowCells(1, QStringList());
    for (int r = 0; r < rows.size(); ++r) grid.setRowCells(r + 1, rows[r]);
    renumberRows(grid);
}

AddressRows recordRows(const platform::CellGrid& grid) {
    AddressRows rows;
    rows.reserve(grid.rowCount() - 1);
    for (int r = 1; r < grid.rowCount(); ++r) rows.append(grid.rowCells(r));
    return rows;
}

void clearBook(platform::CellGrid& grid) { loadRows(grid, AddressRows()); }

}  // namespace book
