#include "platform/ui/StringGrid.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "platform/table/CellTable.h"

namespace platform {

// Shows a CellTable to the view: rows 1.. and columns 1.. as items, row 0
// and column 0 as header texts.
class GridModel : public QAbstractTableModel {
  public:
    GridModel(CellTable& table, QObject* parent) : QAbstractTableModel(parent), table_(table) {
        connect(&table, &CellTable::cellChanged, this, &GridModel::onCellChanged);
        connect(&table, &CellTable::rowChanged, this, &GridModel::onRowChanged);
        connect(&table, &CellTable::rowCountAboutToChange, this,
                &GridModel::onRowCountAboutToChange);
        connect(&table, &CellTable::rowCountChanged, this, &GridModel::onRowCountChanged);
        connect(&table, &CellTable::aboutToReset, this, &GridModel::beginResetModel);
        connect(&table, &CellTable::reset, this, &GridModel::endResetModel);
    }

    CellTable& table() const { return table_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : table_.rowCount() - 1;
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : table_.colCount() - 1;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return QVariant();
        return table_.rowRef(index.row() + 1).at(index.column() + 1);
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (role != Qt::DisplayRole) return QVariant();
        return o == Qt::Horizontal ? table_.cell(section + 1, 0) : table_.cell(0, section + 1);
    }

  private:
    void onCellChanged(int col, int row) {
        if (row == 0 && col > 0) {
            emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
        } else if (col == 0 && row > 0) {
            emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
        } else if (row > 0 && col > 0) {
            const QModelIndex i = index(row - 1, col - 1);
            emit dataChanged(i, i);
        }
    }

    void onRowChanged(int row) {
        if (row == 0) {
            emit headerDataChanged(Qt::Horizontal, 0, table_.colCount() - 2);
        } else {
            emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
            emit dataChanged(index(row - 1, 0), index(row - 1, table_.colCount() - 2));
        }
    }

    void onRowCountAboutToChange(int oldRows, int newRows) {
        if (newRows > oldRows)
            beginInsertRows(QModelIndex(), oldRows - 1, newRows - 2);
        else
            beginRemoveRows(QModelIndex(), newRows - 1, oldRows - 2);
    }

    void onRowCountChanged(int oldRows, int newRows) {
        if (newRows > oldRows)
            endInsertRows();
        else
            endRemoveRows();
    }

    CellTable& table_;
};

namespace {

// Draws a data cell: background (selection colour when selected), text at
// (+2, +2) clipped to the cell, "&" shown as itself.
class CellDelegate : public QStyledItemDelegate {
  public:
    CellDelegate(const StringGrid* grid)
        : QStyledItemDelegate(const_cast<StringGrid*>(grid)), grid_(grid) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        p->save();
        p->setClipRect(option.rect);
        p->fillRect(option.rect,
                    selected ? grid_->selectedColour() : grid_->palette().color(QPalette::Base));
        p->setPen(Qt::black);
        p->setFont(option.font);
        const QRect text = option.rect.adjusted(2, 2, 0, 0);
        p->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    index.data().toString());
        p->restore();
    }

  private:
    const StringGrid* grid_;
};

// Draws the fixed cells: fixed colour, a raised edge, text at (+2, +2).
class FixedHeader : public QHeaderView {
  public:
    FixedHeader(Qt::Orientation o, StringGrid* grid) : QHeaderView(o, grid), grid_(grid) {}

  protected:
    void paintSection(QPainter* p, const QRect& rect, int logical) const override {
        if (!rect.isValid()) return;
        const QString text =
            model()->headerData(logical, orientation(), Qt::DisplayRole).toString();
        paintFixedCell(p, rect, text, grid_);
    }

  public:
    static void paintFixedCell(QPainter* p, const QRect& rect, const QString& text,
                               const StringGrid* grid) {
        p->save();
        p->setClipRect(rect);
        p->fillRect(rect, grid->fixedColour());
        p->setPen(Qt::white);
        p->drawLine(rect.topLeft(), rect.topRight());
        p->drawLine(rect.topLeft(), rect.bottomLeft());
        p->setPen(grid->fixedColour().darker(160));
        p->drawLine(rect.bottomLeft(), rect.bottomRight());
        p->drawLine(rect.topRight(), rect.bottomRight());
        p->setPen(Qt::black);
        p->setFont(grid->font());
        p->drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    text);
        p->restore();
    }

  private:
    StringGrid* grid_;
};

}  // namespace

StringGrid::StringGrid(int cols, QWidget* parent) : StringGrid(*new CellTable(cols), parent) {
    table().setParent(this);
}

StringGrid::StringGrid(CellTable& table, QWidget* parent)
    : QTableView(parent), model_(new GridModel(table, this)) {
    connect(&table, &CellTable::cellChanged, this, [this](int col, int row) {
        if (col == 0 && row == 0) updateCorner();
    });
    connect(&table, &CellTable::rowChanged, this, [this](int row) {
        if (row == 0) updateCorner();
    });
    connect(&table, &CellTable::reset, this, &StringGrid::updateCorner);
    setHorizontalHeader(new FixedHeader(Qt::Horizontal, this));
    setVerticalHeader(new FixedHeader(Qt::Vertical, this));
    setModel(model_);
    setItemDelegate(new CellDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setShowGrid(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionsMovable(true);
    verticalHeader()->setMinimumSectionSize(1);
    connect(verticalHeader(), &QHeaderView::sectionMoved, this, &StringGrid::onSectionMoved);

    corner_ = findChild<QAbstractButton*>();
    if (corner_) {
        corner_->setEnabled(false);
        corner_->installEventFilter(this);
    }
    setDefaultRowHeight(20);
}

StringGrid::~StringGrid() = default;

CellTable& StringGrid::table() const { return model_->table(); }

int StringGrid::colCount() const { return table().colCount(); }
int StringGrid::rowCount() const { return table().rowCount(); }
void StringGrid::setRowCount(int rows) { table().setRowCount(rows); }
QString StringGrid::cell(int col, int row) const { return table().cell(col, row); }
void StringGrid::setCell(int col, int row, const QString& text) { table().setCell(col, row, text); }
QStringList StringGrid::rowCells(int row) const { return table().rowCells(row); }
void StringGrid::setRowCells(int row, const QStringList& cells) { table().setRowCells(row, cells); }

void StringGrid::beginBulkUpdate() { table().beginBulkUpdate(); }
void StringGrid::endBulkUpdate() { table().endBulkUpdate(); }

void StringGrid::updateCorner() {
    if (corner_) corner_->update();
}

int StringGrid::row() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : 1;
}

void StringGrid::setRow(int row) {
    row = std::clamp(row, 1, rowCount() - 1);
    const int col = currentIndex().isValid() ? currentIndex().column() : 0;
    const QModelIndex i = model_->index(row - 1, col);
    selectionModel()->setCurrentIndex(
        i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(i);
}

GridRect StringGrid::selection() const {
    GridRect r;
    r.left = 1;
    r.right = colCount() - 1;
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        r.top = r.bottom = row();
        return r;
    }
    r.top = rowCount();
    r.bottom = 0;
    for (const QModelIndex& i : rows) {
        r.top = std::min(r.top, i.row() + 1);
        r.bottom = std::max(r.bottom, i.row() + 1);
    }
    return r;
}

void StringGrid::setGridSelection(const GridRect& rect) {
    const int top = std::clamp(rect.top, 1, rowCount() - 1);
    const int bottom = std::clamp(rect.bottom, top, rowCount() - 1);
    const QItemSelection sel(model_->index(top - 1, 0), model_->index(bottom - 1, colCount() - 2));
    selectionModel()->setCurrentIndex(model_->index(top - 1, 0), QItemSelectionModel::NoUpdate);
    selectionModel()->select(sel, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void StringGrid::moveRow(int from, int to) {
    const int current = row();
    table().moveRow(from, to);
    setRow(current == from ? to : current);
}

void StringGrid::setColWidth(int col, int width) {
    if (col == 0)
        verticalHeader()->setFixedWidth(width);
    else
        setColumnWidth(col - 1, width);
}

int StringGrid::colWidth(int col) const {
    return col == 0 ? verticalHeader()->width() : columnWidth(col - 1);
}

void StringGrid::setDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
}

void StringGrid::setSelectedColour(const QColor& colour) {
    selectedColour_ = colour;
    viewport()->update();
}

QColor StringGrid::fixedColour() const { return palette().color(QPalette::Button); }

void StringGrid::mousePressEvent(QMouseEvent* event) {
    emit gridMouseDown(event->button(), mapFromGlobal(event->globalPosition().toPoint()));
    pressing_ = true;
    rowChangedDuringPress_ = false;
    QTableView::mousePressEvent(event);
}

void StringGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    const bool wasPressing = pressing_;
    pressing_ = false;
    if (wasPressing && event->button() == Qt::LeftButton && !rowChangedDuringPress_ &&
        indexAt(event->position().toPoint()).isValid())
        emit gridClick();
}

void StringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid() && current.row() != previous.row()) {
        if (pressing_) rowChangedDuringPress_ = true;
        emit gridClick();
    }
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint) {
        QPainter p(corner_);
        FixedHeader::paintFixedCell(&p, corner_->rect(), cell(0, 0), this);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void StringGrid::onSectionMoved(int /*logical*/, int oldVisual, int newVisual) {
    if (restoringSections_) return;
    // The header only reorders its sections; move the row itself and put the
    // header back in order, so that row i is always shown in place i.
    restoringSections_ = true;
    verticalHeader()->moveSection(newVisual, oldVisual);
    restoringSections_ = false;
    moveRow(oldVisual + 1, newVisual + 1);
    emit rowMoved(oldVisual + 1, newVisual + 1);
}

}  // namespace platform
