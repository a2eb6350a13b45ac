#include "book/BookModel.h"

#include "book/PostalCode.h"
#include "book/RelationFilter.h"
#include "book/RowOperations.h"
#include "records/AddressRecord.h"

namespace book {

BookModel::BookModel(QObject* parent) : platform::CellTable(records::kColumnCount, parent) {
    renumber();
}

void BookModel::load(const AddressRows& rows) {
    platform::BulkUpdate bulk(*this);
    setRowCount(int(rows.size()) + 1);
    if (rows.isEmpty()) setRowCells(1, QStringList());
    for (int r = 0; r < rows.size(); ++r) setRowCells(r + 1, rows[r]);
    renumberRows(*this);
    sourceRows_.clear();
}

AddressRows BookModel::records() const {
    AddressRows rows;
    rows.reserve(rowCount() - 1);
    for (int r = 1; r < rowCount(); ++r) rows.append(rowRef(r));
    return rows;
}

void BookModel::renumber() {
    platform::BulkUpdate bulk(*this);
    renumberRows(*this);
}

int BookModel::insertRows(const platform::GridRect& selection) {
    platform::BulkUpdate bulk(*this);
    return book::insertRows(*this, selection);
}

void BookModel::deleteRows(const platform::GridRect& selection) {
    platform::BulkUpdate bulk(*this);
    book::deleteRows(*this, selection);
}

void BookModel::sort(SortOrder order) {
    platform::BulkUpdate bulk(*this);
    sortByReading(*this, order);
}

void BookModel::addHyphens() {
    platform::BulkUpdate bulk(*this);
    book::addHyphens(*this);
}

void BookModel::removeHyphens() {
    platform::BulkUpdate bulk(*this);
    book::removeHyphens(*this);
}

int BookModel::selectRelation(const BookModel& all, const QString& relation) {
    platform::BulkUpdate bulk(*this);
    return filterByRelation(all, relation, *this, &sourceRows_);
}

int BookModel::sourceRow(int row) const {
    return row >= 1 && row <= sourceRows_.size() ? sourceRows_[row - 1] : 0;
}

void BookModel::moveRow(int from, int to) {
    if (from == to || from < 1 || to < 1 || from >= rowCount() || to >= rowCount()) return;
    platform::CellTable::moveRow(from, to);
    if (from <= sourceRows_.size() && to <= sourceRows_.size()) sourceRows_.move(from - 1, to - 1);
}

records::AddressRecord recordAt(const platform::CellGrid& grid, int row) {
    records::AddressRecord record;
    for (int c = 0; c < records::kColumnCount; ++c) record[size_t(c)] = grid.cell(c, row);
    return record;
}

}  // namespace book
