#include "platform/table/CellGrid.h"

namespace platform {

QStringList CellGrid::rowCells(int row) const {
    QStringList cells;
    cells.reserve(colCount());
    for (int c = 0; c < colCount(); ++c) cells.append(cell(c, row));
    return cells;
}

void CellGrid::setRowCells(int row, const QStringList& cells) {
    for (int c = 0; c < colCount(); ++c)
        setCell(c, row, c < cells.size() ? cells.at(c) : QString());
}

MemoryGrid::MemoryGrid(int cols, int rows) : cols_(cols) { setRowCount(rows); }

void MemoryGrid::setRowCount(int rows) {
    const int old = rowCount();
    rows_.resize(std::max(0, rows));
    for (int r = old; r < rowCount(); ++r) {
        QStringList empty;
        for (int c = 0; c < cols_; ++c) empty.append(QString());
        rows_[r] = empty;
    }
}

QString MemoryGrid::cell(int col, int row) const {
    if (row < 0 || row >= rowCount() || col < 0 || col >= cols_) return QString();
    return rows_.at(row).at(col);
}

void MemoryGrid::setCell(int col, int row, const QString& text) {
    if (row < 0 || row >= rowCount() || col < 0 || col >= cols_) return;
    rows_[row][col] = text;
}

QStringList MemoryGrid::rowCells(int row) const {
    if (row < 0 || row >= rowCount()) return QStringList();
    return rows_.at(row);
}

void MemoryGrid::setRowCells(int row, const QStringList& cells) {
    if (row < 0 || row >= rowCount()) return;
    if (cells.size() == cols_) {
        rows_[row] = cells;
        return;
    }
    QStringList r = cells.mid(0, cols_);
    while (r.size() < cols_) r.append(QString());
    rows_[row] = r;
}

}  // namespace platform
