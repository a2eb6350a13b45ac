// CSV files from elsewhere: detecting, previewing and importing them must
// never crash, hang or read past the buffer; every record has 13 cells on
// one line, and an export of what was read imports back the same.

#include <cstddef>
#include <cstdint>

#include "FuzzMain.h"
#include "book/AddressRecord.h"
#include "book/exchange/CsvExport.h"
#include "book/exchange/ImportSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzzsupport::bytes(data, size);
    const book::CsvChoices choices = book::guessCsvChoices(bytes);
    book::previewCsv(bytes, choices, 20);
    const book::ImportResult result = book::importCsv(bytes, choices);
    for (const QStringList& row : result.rows) {
        if (row.size() != book::kColumnCount) __builtin_trap();
        for (const QString& cell : row)
            if (cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r')))
                __builtin_trap();
    }
    if (result.ok()) {
        const QByteArray exported = book::writeUtf8Csv(result.rows);
        if (book::importCsv(exported, book::guessCsvChoices(exported)).rows != result.rows)
            __builtin_trap();
    }
    for (const QStringList& row : book::parseAnyAddressFile(bytes))
        if (row.size() != book::kColumnCount) __builtin_trap();
    return 0;
}
