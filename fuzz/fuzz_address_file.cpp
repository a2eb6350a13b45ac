// Address files from anywhere: reading must never crash, hang or read past
// the buffer, and what was read must write back and read again the same.

#include <cstddef>
#include <cstdint>

#include "book/AddressFile.h"
#include "book/CommaText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));

    // Comma text: any list of fields survives a write and a read (but for a
    // lone empty field, which writes as an empty line).
    const QList<QByteArray> fields =
        book::splitCommaText(bytes.constData(), bytes.constData() + bytes.size());
    QList<QByteArray> clean;
    for (QByteArray f : fields) clean.append(f.replace('\0', ' '));
    const bool loneEmpty = clean.size() == 1 && clean[0].isEmpty();
    if (!clean.isEmpty() && !loneEmpty && book::splitCommaText(book::joinCommaText(clean)) != clean)
        __builtin_trap();

    // Whole files: read, write, read again.
    const book::AddressRows rows = book::parseAddressFile(bytes);
    for (const QStringList& row : rows)
        if (row.size() != 13) __builtin_trap();
    const QByteArray written = book::buildAddressFile(rows);
    const book::AddressRows again = book::parseAddressFile(written);
    if (again.size() != rows.size()) __builtin_trap();
    return 0;
}
