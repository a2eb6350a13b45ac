#pragma once
// What the list page needs from the window that holds the address book.

#include "platform/table/CellGrid.h"

namespace print {

class ListHost {
  public:
    virtual ~ListHost() = default;

    // The whole book while all rows are shown, else the filtered rows.
    virtual const platform::CellGrid& activeRecords() = 0;
    // Puts hyphens into the active grid's postal codes, as the hyphen
    // command does.
    virtual void addPostalHyphens() = 0;
    // Switches a command of the window on or off.
    virtual void setCommandEnabled(const char* action, bool on) = 0;
    // Redraws the address-side preview from the current record.
    virtual void refreshAddressPreview() = 0;
};

}  // namespace print
