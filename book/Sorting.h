#pragma once
// Sorting the book by the kana reading (column 6), compared as CP932 bytes.

#include <QByteArray>
#include <QVector>

#include "platform/table/CellGrid.h"

namespace book {

enum class SortOrder { Forward, Backward };

// Orders `keys` with the classic in-place quicksort (middle pivot, equal keys
// left where the partitioning puts them) and returns the resulting order as
// indexes into `keys`.
QVector<int> quickSortOrder(const QVector<QByteArray>& keys, SortOrder order);

// Sorts the record rows of `grid` by column 6 and renumbers them.
void sortByReading(platform::CellGrid& grid, SortOrder order);

}  // namespace book
