#pragma once
// The two forms of a postal code in column 2: hyphenated for the file
// ("123-4567"), and plain for the grid, the preview and printing
// ("1234567 ", seven digits and one space). Cells that are not 7 or 8
// single-byte characters are left exactly as they are.

#include <QString>

#include "platform/table/CellGrid.h"

namespace book {

QString withHyphen(const QString& cell);
QString withoutHyphen(const QString& cell);

// The entry page's two postal fields for a cell. Full-width digits and
// hyphens count as their ASCII forms; a code of 7 or 8 characters ("1234567",
// "123-4567", "1234567 ") is split into 3 and 4, anything else is shown whole
// in the first field so that it is neither lost nor cut.
struct PostalFields {
    QString first, second;
};
PostalFields postalFieldsOf(const QString& cell);

// The passes over every record row of a grid.
void addHyphens(platform::CellGrid& grid);
void removeHyphens(platform::CellGrid& grid);

}  // namespace book
