#pragma once
// Reading an address book from a file made elsewhere: size and text checks,
// the CSV choices (encoding, separator, header, columns) guessed from the
// bytes, and the records built from them. Every refusal carries a message in
// Japanese for the user; nothing here touches the open book.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "book/AddressFile.h"
#include "book/exchange/DecodedFile.h"
#include "book/exchange/FieldMapping.h"
#include "book/exchange/TextEncoding.h"

namespace book {

// Larger files are refused before they are read: an address book of 10,000
// records is about 2 MB, and even a phone's contacts with photos stay well
// below this.
constexpr qint64 kMaxImportBytes = 64LL * 1024 * 1024;

// Wider tables are refused: the widest address books from elsewhere have
// under a hundred columns, and each column is a choice in the dialog.
constexpr int kMaxImportColumns = 300;
QString tooManyColumnsError(int columns);

enum class ImportKind { Csv, VCard };
// By the file's extension: ".vcf" and ".vcard" are vCard, anything else CSV.
ImportKind importKindOf(const QString& path);

struct ImportBytes {
    QByteArray bytes;
    QString error;
    bool ok() const { return error.isEmpty(); }
};
ImportBytes readImportBytes(const QString& path, qint64 limit = kMaxImportBytes);

struct CsvChoices {
    TextEncoding encoding = TextEncoding::Cp932;
    QChar separator = QLatin1Char(',');
    bool header = false;
    FieldMapping mapping;  // one per column of the widest row
};

// What the file suggests: the encoding found in it, the separator used most, a
// header row when its names are recognised (mapped by them), else the
// program's own column order.
CsvChoices guessCsvChoices(const DecodedFile& file);

// Header and columns guessed from the first rows as read with `choices`
// encoding and separator: a recognised header row maps by its names,
// otherwise the program's own column order applies.
void guessColumns(CsvChoices& choices, const CsvTable& firstRows);

// The decoded rows for the dialog's preview.
CsvTable previewCsv(const DecodedFile& file, const CsvChoices& choices, int rows);

struct ImportResult {
    AddressRows rows;
    QString error;
    QStringList notes;  // what was read but deserves a word (stray bytes)
    int total = 0;      // records in the file, whether kept in `rows` or not
    bool ok() const { return error.isEmpty(); }
};

// Records as `choices` read them; refuses what is not text, a table whose
// rows have wildly different lengths, a quote that never closes, a table of
// more than kMaxImportColumns columns, and a file without any record.
ImportResult importCsv(const DecodedFile& file, const CsvChoices& choices);
// Keeps records keepFrom to keepTo (1-based; keepTo 0: to the end) of all
// the file's, which are still read and counted.
ImportResult importVCard(const DecodedFile& file, int keepFrom = 1, int keepTo = 0);

// A whole file by its kind, as opening reads a ".csv" (the command line's
// way), keeping records keepFrom to keepTo.
ImportResult importFile(const QString& path, int keepFrom = 1, int keepTo = 0);

// Opening a ".csv": the program's own files (CP932 without a header) read
// exactly as parseAddressFile reads them; a Unicode file, or one with a
// recognised header row, is read as a table and mapped. `foreign` (if given)
// tells whether the file was in another format than the program's own, which
// saving would not write back as it was. A table that cannot be read
// whole gives no rows and the reason in `error` (if given); `notes` receives
// what was read but deserves a word.
AddressRows parseAnyAddressFile(const DecodedFile& file, bool* foreign = nullptr,
                                QString* error = nullptr, QStringList* notes = nullptr);

}  // namespace book
