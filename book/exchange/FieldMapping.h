#pragma once
// Which book field each column of a foreign table fills. Several columns may
// fill one field in parts (姓 and 名, or 都道府県, 市区町村 and 番地); the parts
// are joined in their order.

#include <QString>
#include <QStringList>
#include <QVector>

#include "book/AddressFile.h"
#include "book/exchange/CsvTable.h"

namespace book {

enum class ImportField {
    None,
    Name,
    FamilyName,
    GivenName,
    Kana,
    FamilyKana,
    GivenKana,
    Postal,
    Address1,
    Prefecture,
    City,
    Street,
    Address2,
    JointName,
    Phone,
    Mobile,
    Fax,
    Company,
    Title,
    Relation,
    PhoneLabel,  // the kind of the phone number in the next column
};

struct ImportFieldInfo {
    ImportField field;
    int column;             // book column it fills, 0 for none
    int part;               // order among the parts of that column
    const char16_t* label;  // as the import dialog lists it
    const char* key;        // as the settings file keeps it
};

// Every choice, in the order the dialog lists them.
const QVector<ImportFieldInfo>& importFields();
const ImportFieldInfo& importFieldInfo(ImportField field);
ImportField importFieldFromKey(const QString& key);

using FieldMapping = QVector<ImportField>;  // one per source column

// The field a header cell names, or None.
ImportField fieldForHeader(const QString& header);
// Every column's field by its header. Headers are read by their parts: a
// home or work prefix ("Home Street", 自宅郵便番号, 勤務先電話), a numbered
// address group ("Address 1 - City"), a label column before a phone number
// ("Phone 1 - Label"). One address group is taken, home before one without a
// prefix before work, and its parts before a formatted whole; of other
// fields named twice, the home one or else the first.
FieldMapping mapHeader(const QStringList& header);

// True when `row` reads as a header: at least two cells name a field.
bool isHeaderRow(const QStringList& row);

// A warning in Japanese when `mapping` fills no postal code or no address,
// else an empty string.
QString missingAddressNote(const FieldMapping& mapping);

// The program's own column order: the reading first, the seventh column empty.
FieldMapping ownFileMapping(int columns);

// Records from `table` from row `firstRow` on. Name and reading parts are
// joined with an ideographic space, address parts directly; readings become
// hiragana; postal codes lose their hyphen and a leading 〒; every cell is
// one line. A phone number after a label column goes where its label says
// (mobile, fax, else the phone), home before work, when no other column
// filled that field. Rows that fill no field are left out.
AddressRows rowsFromTable(const CsvTable& table, int firstRow, const FieldMapping& mapping);

}  // namespace book
