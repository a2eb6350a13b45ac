#pragma once
// A string grid in the manner of the classic Windows grid control: cells
// addressed as (column, row) with row 0 and column 0 as fixed cells that do
// not scroll, a current row, a selected block of whole rows, rows moved by
// dragging the fixed column, and cells drawn as text at (+2, +2).
//
// The grid is a view: its cells live in a CellTable (its own, or a table
// shared with other views, such as the address book). Row 0 and column 0 are
// ordinary cells of the table; the view shows them in its headers so that
// they stay in place while the rest scrolls.

#include <QColor>
#include <QTableView>

#include "platform/table/CellGrid.h"

class QAbstractButton;

namespace platform {

class CellTable;
class GridModel;

class StringGrid : public QTableView, public CellGrid {
    Q_OBJECT
  public:
    // A grid with a table of its own.
    explicit StringGrid(int cols, QWidget* parent = nullptr);
    // A grid showing `table`, which outlives it.
    explicit StringGrid(CellTable& table, QWidget* parent = nullptr);
    ~StringGrid() override;

    CellTable& table() const;

    // CellGrid, on the table
    int colCount() const override;
    int rowCount() const override;
    void setRowCount(int rows) override;
    QString cell(int col, int row) const override;
    void setCell(int col, int row, const QString& text) override;
    QStringList rowCells(int row) const override;
    void setRowCells(int row, const QStringList& cells) override;

    // Many changes at once: the view is told once, at the end.
    void beginBulkUpdate();
    void endBulkUpdate();

    // The current row (1..rowCount()-1); setting it selects that row alone.
    int row() const;
    void setRow(int row);

    // The selected block of rows (whole rows: left 1, right colCount()-1).
    GridRect selection() const;
    void setGridSelection(const GridRect& rect);

    // Moves a row as the user does by dragging the fixed column.
    void moveRow(int from, int to);

    void setColWidth(int col, int width);
    int colWidth(int col) const;
    void setDefaultRowHeight(int height);
    // Colour of selected cells; the classic grid used a highlight colour.
    void setSelectedColour(const QColor& colour);
    QColor selectedColour() const { return selectedColour_; }
    QColor fixedColour() const;

  signals:
    // The grid was clicked, or its current row moved (keyboard or program).
    void gridClick();
    // A mouse button went down at `pos` (grid coordinates).
    void gridMouseDown(Qt::MouseButton button, const QPoint& pos);
    // The user dragged row `from` to position `to`.
    void rowMoved(int from, int to);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onSectionMoved(int logical, int oldVisual, int newVisual);
    void updateCorner();

    GridModel* model_;
    QColor selectedColour_{0, 255, 0};
    QAbstractButton* corner_ = nullptr;
    bool rowChangedDuringPress_ = false;
    bool pressing_ = false;
    bool restoringSections_ = false;
};

}  // namespace platform
