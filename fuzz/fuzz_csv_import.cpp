// CSV files from elsewhere: detecting, previewing and importing them must
// never crash, hang or read past the buffer; every record has 13 cells on
// one line, a file with a quote that never closes or too many columns is
// refused whole, the header is mapped to at most one column per field
// (labelled phone numbers aside), and an export of what was read imports
// back the same.

#include <QSet>
#include <cstddef>
#include <cstdint>

#include "FuzzMain.h"
#include "book/exchange/CsvExport.h"
#include "book/exchange/CsvTable.h"
#include "book/exchange/FieldMapping.h"
#include "book/exchange/ImportSource.h"
#include "book/exchange/TextEncoding.h"
#include "records/AddressRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzzsupport::bytes(data, size);
    const book::DecodedFile file(bytes);
    const book::CsvChoices choices = book::guessCsvChoices(file);
    book::previewCsv(file, choices, 20);
    const book::ImportResult result = book::importCsv(file, choices);
    const QString text = book::decodeText(bytes, choices.encoding);
    int unclosed = 0;
    const book::CsvTable table = book::parseCsv(text, choices.separator, -1, &unclosed);
    if (result.ok() && unclosed != 0) __builtin_trap();
    if (unclosed < 0 ||
        unclosed > text.count(QLatin1Char('\n')) + text.count(QLatin1Char('\r')) + 1)
        __builtin_trap();
    if (result.ok() != (result.total > 0) || result.total != result.rows.size()) __builtin_trap();
    book::strayBytesNote(bytes, choices.encoding, text);
    if (!table.isEmpty()) {
        const book::FieldMapping mapping = book::mapHeader(table.first());
        book::missingAddressNote(mapping);
        QSet<int> seen;
        for (int c = 0; c < mapping.size(); ++c) {
            const book::ImportField f = mapping[c];
            const bool labelled = c > 0 && mapping[c - 1] == book::ImportField::PhoneLabel;
            if (f == book::ImportField::None || f == book::ImportField::PhoneLabel || labelled)
                continue;
            if (seen.contains(int(f))) __builtin_trap();
            seen.insert(int(f));
        }
    }
    if (result.ok()) {
        const QByteArray exported = book::writeUtf8Csv(result.rows);
        const book::DecodedFile again(exported);
        if (book::importCsv(again, book::guessCsvChoices(again)).rows != result.rows)
            __builtin_trap();
    }
    for (const QStringList& row : book::parseAnyAddressFile(file))
        if (row.size() != records::kColumnCount) __builtin_trap();
    return 0;
}
