// vCard files from phones and mail programs: reading must never crash, hang
// or read past the buffer; keeping a range of the cards keeps exactly those
// of the whole; and what was read writes as vCard 3.0 and reads back the
// same.

#include <cstddef>
#include <cstdint>

#include "FuzzMain.h"
#include "book/exchange/ImportSource.h"
#include "book/exchange/VCard.h"
#include "book/exchange/VCardWriter.h"
#include "records/AddressRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzzsupport::bytes(data, size);
    const book::DecodedFile file(bytes);
    const book::ImportResult result = book::importVCard(file);
    if (!result.ok() && !result.rows.isEmpty()) __builtin_trap();
    if (result.ok() && result.total != result.rows.size()) __builtin_trap();
    if (result.ok() && book::importVCard(file, 2, 3).rows != result.rows.mid(1, 2))
        __builtin_trap();
    for (const QStringList& row : result.rows)
        if (row.size() != records::kColumnCount) __builtin_trap();
    if (result.ok() &&
        book::parseVCards(book::DecodedFile(book::writeVCards(result.rows))).rows != result.rows)
        __builtin_trap();
    return 0;
}
