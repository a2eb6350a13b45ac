#pragma once
// Contacts as vCard files (versions 2.1, 3.0 and 4.0) read into book
// records.

#include <QByteArray>
#include <QString>

#include "book/AddressFile.h"

namespace book {

struct VCardReadResult {
    AddressRows rows;
    QString error;  // in Japanese, for the user; empty when the file was read
    bool ok() const { return error.isEmpty(); }
};

// Reads every card. The file may be UTF-8, UTF-16 or CP932 as a whole, and a
// 2.1 value may name its own CHARSET and be quoted-printable. A card without
// END:VCARD, or a file without any card, is an error and gives no rows.
VCardReadResult parseVCards(const QByteArray& bytes);

}  // namespace book
