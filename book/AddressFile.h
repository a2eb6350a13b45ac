#pragma once
// The address data file: CP932, one record per line, 13 comma-text fields
// with the kana reading first, the seventh field empty, postal codes
// hyphenated, CR LF line ends, no header.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace book {

// Header row of the file layout (kept in row 0 while writing in the classic
// program; never written to the file).
extern const char16_t kFileHeader[];

// Rows in the grid's layout: 13 cells, the kana reading in column 6, column 0
// left for the numbers.
using AddressRows = QVector<QStringList>;

// Splits file bytes into records. Lines end at LF (a CR ends the line's text),
// 0x1A ends the file, only the first 13 fields count. `otherShape` (if given)
// is set when a line that holds anything has other than 13 fields.
AddressRows parseAddressFile(const QByteArray& bytes, bool* otherShape = nullptr);

// A household's book is a few hundred kilobytes; this allows a million
// records and still refuses what is not a book before it fills memory.
inline constexpr qint64 kMaxAddressFileBytes = 256LL * 1024 * 1024;

struct AddressReadResult {
    AddressRows rows;
    bool ok = false;
    bool foreign = false;  // not in the program's own format: saving must not write over it
    QString error;         // the reason when !ok
};
// Reads any ".csv": the program's own files as parseAddressFile does, others
// by their encoding and header (see parseAnyAddressFile); a vCard file
// (".vcf") as importing reads it.
AddressReadResult readAddressFile(const QString& path);

// A character that the file cannot hold, with the record it stands in.
struct UnmappableText {
    int row;       // 1-based record row
    QString text;  // the characters, in order
};

// Builds the file's bytes from record rows in the grid's layout.
// `unmappable` (if given) receives the rows holding characters that CP932
// cannot hold; they are written as '?'.
QByteArray buildAddressFile(const AddressRows& rows, QVector<UnmappableText>* unmappable = nullptr);

}  // namespace book
