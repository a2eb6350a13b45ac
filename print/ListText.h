#pragma once
// The text of the address list ("住所録") and the phone list ("電話帳"):
// tab-separated columns, one record after the other, each followed by an
// empty line. A value shorter than 8 CP932 bytes gets one more tab, so that
// the next column can reach the same tab stop as after a longer value.

#include <QString>

#include "platform/table/CellGrid.h"

namespace print {

enum class ListKind { Address, Phone };

// The column heads, ending in CR LF.
QString listHeader(ListKind kind);

// The text of one grid row (record), ending in two line breaks.
QString listRecord(const platform::CellGrid& grid, int row, ListKind kind);

// Every record row (1..rowCount-1) in grid order, as one string.
QString listRecords(const platform::CellGrid& grid, ListKind kind);

// What the list page shows: an empty line, the heads, then the records.
QString buildListText(const platform::CellGrid& grid, ListKind kind);

// True for values under 8 bytes in CP932; those get an extra tab.
bool isShortValue(const QString& value);

}  // namespace print
