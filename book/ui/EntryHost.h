#pragma once
// What the entry page needs from the window that holds the address book.

#include "book/BookModel.h"

namespace book {

class EntryHost {
  public:
    virtual ~EntryHost() = default;

    virtual BookModel& allRecords() = 0;       // shown by wholeGrid
    virtual BookModel& filteredRecords() = 0;  // shown by relationGrid
    virtual bool showingAll() const = 0;

    virtual int currentRecord() const = 0;
    virtual void setCurrentRecord(int row) = 0;
    virtual void setFilteredCurrentRow(int row) = 0;

    // The wholeGrid row that row `filteredRow` of relationGrid was copied
    // from, or 0 when unknown.
    virtual int sourceRowOfFiltered(int filteredRow) const = 0;

    virtual void markAddressModified() = 0;
    // Inserts empty rows at the top of wholeGrid's selection, as the
    // insert command does; the current record becomes the first new row.
    virtual void insertRowsAtSelection() = 0;
    // Takes the hyphens out of the active grid's postal codes.
    virtual void removePostalHyphens() = 0;
    // Switches a command of the window on or off.
    virtual void setCommandEnabled(const char* action, bool on) = 0;
};

}  // namespace book
