#pragma once
// The book as a spreadsheet reads it: UTF-8 with a byte order mark, a header
// row of the field names, CR LF line ends. Reading it back with the import
// gives the same records.

#include <QByteArray>

#include "book/AddressFile.h"

namespace book {

QByteArray writeUtf8Csv(const AddressRows& rows);

}  // namespace book
