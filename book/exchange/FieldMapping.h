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
FieldMapping mapHeader(const QStringList& header);

// True when `row` reads as a header: at least two cells name a field.
bool isHeaderRow(const QStringList& row);

// The program's own column order: the reading first, the seventh column empty.
FieldMapping ownFileMapping(int columns);

// Records from `table` from row `firstRow` on. Name and reading parts are
// joined with an ideographic space, address parts directly; readings become
// hiragana; postal codes lose their hyphen and a leading 〒; every cell is
// one line. Rows that fill no field are left out.
AddressRows rowsFromTable(const CsvTable& table, int firstRow, const FieldMapping& mapping);

}  // namespace book
