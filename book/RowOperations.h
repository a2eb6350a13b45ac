#pragma once
// The row commands of the address book: numbering, insert, delete, select all.
// They work on StringGrid1's cells; row 0 is the header.

#include "platform/table/CellGrid.h"

namespace book {

// Numbers rows 1..n in column 0 and puts the header back into row 0.
void renumberRows(platform::CellGrid& grid);

// Inserts as many empty rows as `selection` spans, at its top; the selected
// rows move down. Renumbers. Returns the row that becomes current (the top).
int insertRows(platform::CellGrid& grid, const platform::GridRect& selection);

// Deletes the selected rows. Deleting every record row leaves one row holding
// the first record. Renumbers.
void deleteRows(platform::CellGrid& grid, const platform::GridRect& selection);

// The rectangle "select all" selects: columns 1.., rows 1..
platform::GridRect allRecords(const platform::CellGrid& grid);

}  // namespace book
