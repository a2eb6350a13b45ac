#pragma once
// Moving whole books between the grid and plain rows.

#include "book/AddressFile.h"
#include "platform/CellGrid.h"

namespace book {

// Replaces the record rows of `grid` with `rows` (at least one, empty, row),
// puts the header back and numbers the rows.
void loadRows(platform::CellGrid& grid, const AddressRows& rows);

// The record rows of `grid`, in the grid's layout.
AddressRows recordRows(const platform::CellGrid& grid);

// Empties the book: one empty record row, numbered 1.
void clearBook(platform::CellGrid& grid);

}  // namespace book
