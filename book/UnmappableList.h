#pragma once
// Lists the records that hold characters the address file cannot hold, for
// the questions asked before saving or importing them.

#include <QString>
#include <QVector>

#include "book/AddressFile.h"

namespace book {

// "  12 行目（山田　太郎）: 𠮷" lines, at most ten, then "  ほか N 件".
// `rows` are the records `found` counts in (1-based).
QString describeUnmappable(const QVector<UnmappableText>& found, const AddressRows& rows);

}  // namespace book
