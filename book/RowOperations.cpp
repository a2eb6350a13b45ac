#include "book/RowOperations.h"

#include "records/AddressRecord.h"

namespace book {

void renumberRows(platform::CellGrid& grid) {
    for (int r = 1; r < grid.rowCount(); ++r)
        grid.setCell(records::ColNumber, r, QString::number(r));
    grid.setRowCells(0, records::gridHeaderCells());
}

int insertRows(platform::CellGrid& grid, const platform::GridRect& selection) {
    const int top = selection.top;
    const int k = selection.bottom - selection.top + 1;
    if (top < 1 || k < 1) return top;
    grid.setRowCount(grid.rowCount() + k);
    for (int r = grid.rowCount() - 1; r >= top + k; --r) grid.setRowCells(r, grid.rowCells(r - k));
    for (int r = top; r < top + k; ++r) grid.setRowCells(r, QStringList());
    renumberRows(grid);
    return top;
}

void deleteRows(platform::CellGrid& grid, const platform::GridRect& selection) {
    const int top = selection.top;
    const int bottom = selection.bottom;
    const int k = bottom - top + 1;
    if (top < 1 || k < 1) return;
    if (k >= grid.rowCount() - 1) {
        grid.setRowCount(2);
    } else {
        for (int r = bottom + 1; r < grid.rowCount(); ++r)
            grid.setRowCells(r - k, grid.rowCells(r));
        grid.setRowCount(grid.rowCount() - k);
    }
    renumberRows(grid);
}

platform::GridRect allRecords(const platform::CellGrid& grid) {
    platform::GridRect r;
    r.left = 1;
    r.right = grid.colCount() - 1;
    r.top = 1;
    r.bottom = grid.rowCount() - 1;
    return r;
}

}  // namespace book
