#pragma once
// The cells of a grid held in memory, with notice of every change, so that
// any number of grid views can show one table. Row 0 and column 0 are
// ordinary cells; a view decides to draw them as fixed cells.
//
// A table always has at least two rows: the fixed row and one record row.

#include <QObject>

#include "platform/table/CellGrid.h"

namespace platform {

class CellTable : public QObject, public CellGrid {
    Q_OBJECT
  public:
    explicit CellTable(int cols, QObject* parent = nullptr);

    int colCount() const override { return cols_; }
    int rowCount() const override { return int(rows_.size()); }
    void setRowCount(int rows) override;
    QString cell(int col, int row) const override;
    void setCell(int col, int row, const QString& text) override;
    QStringList rowCells(int row) const override;
    const QStringList& rowRef(int row) const { return rows_.at(row); }
    // A row of the right width is shared as it is, not copied.
    void setRowCells(int row, const QStringList& cells) override;

    // Moves row `from` to position `to` (both record rows); the rows between
    // shift by one.
    virtual void moveRow(int from, int to);

    // Many changes at once: views are told once, at the end, that everything
    // changed. Pairs nest.
    void beginBulkUpdate();
    void endBulkUpdate();
    bool inBulkUpdate() const { return bulk_ > 0; }

  signals:
    // One cell changed (outside a bulk update).
    void cellChanged(int col, int row);
    // Every cell of one row changed.
    void rowChanged(int row);
    // Record rows are about to be added at the end or cut off it, and were.
    void rowCountAboutToChange(int oldRows, int newRows);
    void rowCountChanged(int oldRows, int newRows);
    // Anything may change between these two.
    void aboutToReset();
    void reset();

  private:
    void resizeRows(int rows);

    int cols_;
    int bulk_ = 0;
    QVector<QStringList> rows_;
};

// Runs the changes of a scope as one bulk update of `table`.
class BulkUpdate {
  public:
    explicit BulkUpdate(CellTable& table) : table_(table) { table_.beginBulkUpdate(); }
    ~BulkUpdate() { table_.endBulkUpdate(); }
    BulkUpdate(const BulkUpdate&) = delete;
    BulkUpdate& operator=(const BulkUpdate&) = delete;

  private:
    CellTable& table_;
};

}  // namespace platform
