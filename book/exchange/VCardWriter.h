#pragma once
// The book as vCard 3.0 for phones and mail programs. Reading it back with
// parseVCards gives the same records; the joint name, which vCard has no
// field for, travels as X-PELCOR-JOINT-NAME.

#include <QByteArray>

#include "book/AddressFile.h"

namespace book {

// UTF-8, one card per record, lines folded at 75 bytes.
QByteArray writeVCards(const AddressRows& rows);

}  // namespace book
