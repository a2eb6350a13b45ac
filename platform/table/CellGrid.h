#pragma once
// A table of text cells addressed as (column, row), row 0 and column 0
// included. The address book operations work on this interface, so they run
// the same on the grid widget and on plain memory.

#include <QString>
#include <QStringList>
#include <QVector>

namespace platform {

// Selected rectangle of cells, inclusive, in grid coordinates.
struct GridRect {
    int left = 1;
    int top = 1;
    int right = 1;
    int bottom = 1;
};

class CellGrid {
  public:
    virtual ~CellGrid() = default;

    virtual int colCount() const = 0;
    virtual int rowCount() const = 0;
    // Grows with empty rows or cuts rows off the end; other cells keep their text.
    virtual void setRowCount(int rows) = 0;

    virtual QString cell(int col, int row) const = 0;
    virtual void setCell(int col, int row, const QString& text) = 0;

    // The cells of one row, colCount() of them.
    virtual QStringList rowCells(int row) const;
    // Sets the cells of a row from `cells`; missing cells become empty.
    virtual void setRowCells(int row, const QStringList& cells);
};

// A CellGrid in memory, for the core and its tests.
class MemoryGrid : public CellGrid {
  public:
    MemoryGrid(int cols, int rows);

    int colCount() const override { return cols_; }
    int rowCount() const override { return int(rows_.size()); }
    void setRowCount(int rows) override;
    QString cell(int col, int row) const override;
    void setCell(int col, int row, const QString& text) override;
    QStringList rowCells(int row) const override;
    void setRowCells(int row, const QStringList& cells) override;

  private:
    int cols_;
    QVector<QStringList> rows_;
};

}  // namespace platform
