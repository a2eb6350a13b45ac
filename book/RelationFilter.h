#pragma once
// The relation filter: the rows of one relation, copied into the second grid.

#include <QString>

#include "platform/table/CellGrid.h"

namespace book {

// The filter's first item: every row is shown.
extern const char16_t kFilterAll[];

// Fills `filtered` with the header and a copy of every record row of `all`
// whose relation (column 12) equals `relation`; one empty row when none
// matches. Returns the number of matching rows; `sourceRows` (if given)
// receives, for each copied row, the row of `all` it came from.
int filterByRelation(const platform::CellGrid& all, const QString& relation,
                     platform::CellGrid& filtered, QVector<int>* sourceRows = nullptr);

// "　Pelcor　　　『　name 』     A件中  F B件 を表示中"
QString bookCaption(const QString& fileName, int allRows, const QString& filterText, int shownRows);

}  // namespace book
