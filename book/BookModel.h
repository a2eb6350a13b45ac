#pragma once
// The address book: its records in the grid's layout (row 0 the header,
// column 0 the row number, columns 1..12 the fields) and the operations on
// rows. The grids on the preview page are views of a BookModel; the file
// commands, the entry page, printing and the lists read and change the model.
//
// The relation-filtered book is a BookModel too: its rows are copies of the
// whole book's matching rows, in their own order, each remembering the row of
// the whole book it came from.

#include <QVector>

#include "book/AddressFile.h"
#include "book/Sorting.h"
#include "platform/table/CellTable.h"
#include "records/AddressRecord.h"

namespace book {

class BookModel : public platform::CellTable {
    Q_OBJECT
  public:
    // An empty book: the header and one empty record row, numbered 1.
    explicit BookModel(QObject* parent = nullptr);

    // Replaces the records with `rows` (an empty book when there are none),
    // puts the header back and numbers the rows.
    void load(const AddressRows& rows);
    void clear() { load(AddressRows()); }
    // The record rows, in the grid's layout.
    AddressRows records() const;

    // Numbers rows 1..n in column 0 and puts the header back into row 0.
    void renumber();
    // Inserts as many empty rows as `selection` spans at its top. Returns the
    // row that becomes current.
    int insertRows(const platform::GridRect& selection);
    // Deletes the rows of `selection`; deleting every record row leaves one.
    void deleteRows(const platform::GridRect& selection);
    // Sorts the records by their kana reading and renumbers them.
    void sort(SortOrder order);
    // Writes every postal code in its file form ("123-4567") or its plain
    // form ("1234567 ").
    void addHyphens();
    void removeHyphens();

    // Makes this book the rows of `all` whose relation is `relation` (one
    // empty row when none matches). Returns the number of matching rows.
    int selectRelation(const BookModel& all, const QString& relation);
    // The row of the whole book that `row` of a filtered book was copied
    // from, or 0 when there is none.
    int sourceRow(int row) const;

    // A row dragged to another place takes its link to the whole book along.
    void moveRow(int from, int to) override;

  private:
    QVector<int> sourceRows_;
};

// Row `row` of a grid in the book's layout as one record.
records::AddressRecord recordAt(const platform::CellGrid& grid, int row);

}  // namespace book
