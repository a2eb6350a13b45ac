#pragma once
// Contacts as vCard files (versions 2.1, 3.0 and 4.0) read into book
// records.

#include <QByteArray>
#include <QString>

#include "book/AddressFile.h"
#include "book/exchange/DecodedFile.h"

namespace book {

struct VCardReadResult {
    AddressRows rows;
    int count = 0;  // cards read, whether kept in `rows` or not
    QString error;  // in Japanese, for the user; empty when the file was read
    bool ok() const { return error.isEmpty(); }
};

// Reads every card and keeps cards keepFrom to keepTo (1-based; keepTo 0: to
// the end), so that a few cards of a huge file take little memory. A UTF-16
// file is read as a whole; otherwise each card may be UTF-8 or CP932, and a
// 2.1 value may name its own CHARSET and be quoted-printable. Line ends may
// be CR LF, LF or CR. A card without END:VCARD, or a file without any card,
// is an error and gives no rows.
VCardReadResult parseVCards(const DecodedFile& file, int keepFrom = 1, int keepTo = 0);

}  // namespace book
