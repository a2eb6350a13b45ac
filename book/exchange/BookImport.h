#pragma once
// Where imported records go in the book. This is the one place that writes
// them into it.

#include "book/AddressFile.h"

namespace book {

class BookModel;

enum class ImportMode { Append, Replace };

// Appends `rows` after the book's records (a book that is a single empty
// record takes them in its place), or replaces the records with them, and
// numbers the rows. Returns the grid row of the first imported record.
int putImportedRows(BookModel& book, const AddressRows& rows, ImportMode mode);

// The records worth exporting: every row that holds any text.
AddressRows filledRows(const AddressRows& rows);

}  // namespace book
