#include "platform/table/CellTable.h"

namespace platform {

CellTable::CellTable(int cols, QObject* parent) : QObject(parent), cols_(cols) { resizeRows(2); }

void CellTable::setRowCount(int rows) {
    rows = std::max(2, rows);  // one fixed row and at least one record row
    const int old = rowCount();
    if (rows == old) return;
    if (bulk_) {
        resizeRows(rows);
        return;
    }
    emit rowCountAboutToChange(old, rows);
    resizeRows(rows);
    emit rowCountChanged(old, rows);
}

QString CellTable::cell(int col, int row) const {
    if (row < 0 || row >= rowCount() || col < 0 || col >= cols_) return QString();
    return rows_.at(row).at(col);
}

void CellTable::setCell(int col, int row, const QString& text) {
    if (row < 0 || row >= rowCount() || col < 0 || col >= cols_) return;
    rows_[row][col] = text;
    if (!bulk_) emit cellChanged(col, row);
}

QStringList CellTable::rowCells(int row) const {
    if (row < 0 || row >= rowCount()) return QStringList();
    return rows_.at(row);
}

void CellTable::setRowCells(int row, const QStringList& cells) {
    if (row < 0 || row >= rowCount()) return;
    if (cells.size() == cols_) {
        rows_[row] = cells;
    } else {
        QStringList fitted = cells.mid(0, cols_);
        while (fitted.size() < cols_) fitted.append(QString());
        rows_[row] = std::move(fitted);
    }
    if (!bulk_) emit rowChanged(row);
}

void CellTable::moveRow(int from, int to) {
    if (from == to || from < 1 || to < 1 || from >= rowCount() || to >= rowCount()) return;
    beginBulkUpdate();
    rows_.move(from, to);
    endBulkUpdate();
}

void CellTable::beginBulkUpdate() {
    if (bulk_++ == 0) emit aboutToReset();
}

void CellTable::endBulkUpdate() {
    if (bulk_ > 0 && --bulk_ == 0) emit reset();
}

void CellTable::resizeRows(int rows) {
    const int old = int(rows_.size());
    rows_.resize(rows);
    if (rows <= old) return;
    QStringList empty;
    empty.reserve(cols_);
    for (int c = 0; c < cols_; ++c) empty.append(QString());
    for (int r = old; r < rows; ++r) rows_[r] = empty;
}

}  // namespace platform
