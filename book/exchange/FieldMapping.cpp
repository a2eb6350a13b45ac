#include "book/exchange/FieldMapping.h"

#include <QHash>

#include "book/AddressRecord.h"
#include "book/exchange/FieldText.h"

namespace book {

const QVector<ImportFieldInfo>& importFields() {
    static const QVector<ImportFieldInfo> table = {
        {ImportField::None, 0, 0, u"（取り込まない）", "none"},
        {ImportField::Name, ColName, 0, u"名前", "name"},
        {ImportField::FamilyName, ColName, 0, u"名前（姓）", "family"},
        {ImportField::GivenName, ColName, 1, u"名前（名）", "given"},
        {ImportField::Kana, ColKana, 0, u"ふりがな", "kana"},
        {ImportField::FamilyKana, ColKana, 0, u"ふりがな（姓）", "familykana"},
        {ImportField::GivenKana, ColKana, 1, u"ふりがな（名）", "givenkana"},
        {ImportField::Postal, ColPostal, 0, u"〒", "postal"},
        {ImportField::Address1, ColAddress1, 0, u"住所１", "address1"},
        {ImportField::Prefecture, ColAddress1, 0, u"住所１（都道府県）", "prefecture"},
        {ImportField::City, ColAddress1, 1, u"住所１（市区町村）", "city"},
        {ImportField::Street, ColAddress1, 2, u"住所１（番地）", "street"},
        {ImportField::Address2, ColAddress2, 0, u"住所２", "address2"},
        {ImportField::JointName, ColJointName, 0, u"連名", "joint"},
        {ImportField::Phone, ColPhone, 0, u"電話番号", "phone"},
        {ImportField::Mobile, ColMobile, 0, u"携帯番号", "mobile"},
        {ImportField::Fax, ColFax, 0, u"FAX番号", "fax"},
        {ImportField::Company, ColCompany, 0, u"会社名", "company"},
        {ImportField::Title, ColTitle, 0, u"役職", "title"},
        {ImportField::Relation, ColRelation, 0, u"関係", "relation"},
    };
    return table;
}

const ImportFieldInfo& importFieldInfo(ImportField field) {
    for (const ImportFieldInfo& i : importFields())
        if (i.field == field) return i;
    return importFields().first();
}

ImportField importFieldFromKey(const QString& key) {
    for (const ImportFieldInfo& i : importFields())
        if (key == QLatin1String(i.key)) return i.field;
    return ImportField::None;
}

namespace {

// Header text reduced to what tells fields apart: full-width letters and
// digits narrowed, katakana as hiragana, lower case, no blanks, brackets or
// punctuation, and "番号" dropped from the end (電話番号 = 電話).
QString headerKey(const QString& header) {
    const QString narrowed =
        toHiragana(header.normalized(QString::NormalizationForm_KC)).toCaseFolded();
    QString key;
    for (const QChar c : narrowed)
        if (c.isLetterOrNumber() || c == QChar(0x3012)) key.append(c);
    if (key.endsWith(QStringLiteral("番号")) && key.size() > 2) key.chop(2);
    return key;
}

const QHash<QString, ImportField>& headerNames() {
    static const QHash<QString, ImportField> names = [] {
        const struct {
            ImportField field;
            std::initializer_list<const char16_t*> names;
        } table[] = {
            {ImportField::Name,
             {u"氏名", u"名前", u"姓名", u"name", u"fullname", u"表示名", u"宛名"}},
            {ImportField::FamilyName,
             {u"姓", u"苗字", u"名字", u"lastname", u"familyname", u"surname"}},
            {ImportField::GivenName, {u"名", u"firstname", u"givenname"}},
            {ImportField::Kana,
             {u"ふりがな", u"よみ", u"よみがな", u"読み", u"読みがな", u"かな", u"氏名ふりがな",
              u"名前ふりがな", u"氏名かな", u"furigana", u"reading"}},
            {ImportField::FamilyKana,
             {u"せい", u"姓ふりがな", u"ふりがな姓", u"姓よみ", u"よみ姓", u"姓かな"}},
            {ImportField::GivenKana,
             {u"めい", u"名ふりがな", u"ふりがな名", u"名よみ", u"よみ名", u"名かな"}},
            {ImportField::Postal,
             {u"郵便", u"〒", u"zip", u"zipcode", u"postal", u"postalcode", u"postcode"}},
            {ImportField::Address1, {u"住所1", u"住所", u"address", u"address1"}},
            {ImportField::Prefecture, {u"都道府県", u"prefecture", u"state", u"region"}},
            {ImportField::City, {u"市区町村", u"city", u"locality"}},
            {ImportField::Street, {u"番地", u"町名番地", u"町域番地", u"street"}},
            {ImportField::Address2, {u"住所2", u"建物", u"建物名", u"address2"}},
            {ImportField::JointName, {u"連名"}},
            {ImportField::Phone, {u"電話", u"tel", u"phone", u"自宅電話", u"telephone"}},
            {ImportField::Mobile, {u"携帯", u"携帯電話", u"mobile", u"cell", u"cellphone"}},
            {ImportField::Fax, {u"fax", u"ふぁっくす"}},
            {ImportField::Company, {u"会社", u"会社名", u"勤務先", u"company", u"organization"}},
            {ImportField::Title, {u"役職", u"title", u"jobtitle"}},
            {ImportField::Relation, {u"関係", u"ぐるーぷ", u"group", u"category", u"分類"}},
        };
        QHash<QString, ImportField> h;
        for (const auto& entry : table)
            for (const char16_t* n : entry.names)
                h.insert(headerKey(QString::fromUtf16(n)), entry.field);
        return h;
    }();
    return names;
}

}  // namespace

ImportField fieldForHeader(const QString& header) {
    return headerNames().value(headerKey(header), ImportField::None);
}

FieldMapping mapHeader(const QStringList& header) {
    FieldMapping mapping;
    mapping.reserve(header.size());
    for (const QString& h : header) {
        ImportField f = fieldForHeader(h);
        // A second column of the same name (two phone numbers) is left out.
        if (f != ImportField::None && mapping.contains(f)) f = ImportField::None;
        mapping.append(f);
    }
    return mapping;
}

bool isHeaderRow(const QStringList& row) {
    int named = 0;
    for (ImportField f : mapHeader(row))
        if (f != ImportField::None) ++named;
    return named >= 2;
}

FieldMapping ownFileMapping(int columns) {
    static const ImportField order[kColumnCount] = {
        ImportField::Kana,     ImportField::Name,      ImportField::Postal,  ImportField::Address1,
        ImportField::Address2, ImportField::JointName, ImportField::None,    ImportField::Phone,
        ImportField::Mobile,   ImportField::Fax,       ImportField::Company, ImportField::Title,
        ImportField::Relation};
    FieldMapping mapping;
    for (int c = 0; c < columns; ++c)
        mapping.append(c < kColumnCount ? order[c] : ImportField::None);
    return mapping;
}

AddressRows rowsFromTable(const CsvTable& table, int firstRow, const FieldMapping& mapping) {
    // Source columns of each book column, in the order their parts join.
    struct Source {
        int sourceColumn;
        int part;
    };
    QVector<Source> sources[kColumnCount];
    for (int c = 0; c < mapping.size(); ++c) {
        const ImportFieldInfo& info = importFieldInfo(mapping[c]);
        if (info.column > 0) sources[info.column].append({c, info.part});
    }
    for (auto& s : sources)
        std::stable_sort(s.begin(), s.end(),
                         [](const Source& a, const Source& b) { return a.part < b.part; });

    AddressRows rows;
    rows.reserve(std::max<qsizetype>(0, table.size() - firstRow));
    for (int r = std::max(0, firstRow); r < table.size(); ++r) {
        const QStringList& in = table[r];
        QStringList row(kColumnCount);
        bool any = false;
        for (int col = 1; col < kColumnCount; ++col) {
            const QString joint =
                col == ColAddress1 || col == ColAddress2 ? QString() : QStringLiteral("\u3000");
            QString text;
            for (const Source& s : sources[col]) {
                const QString part = in.value(s.sourceColumn);
                if (part.isEmpty()) continue;
                if (!text.isEmpty()) text += joint;
                text += part;
            }
            if (col == ColKana) text = toHiragana(text);
            if (col == ColPostal) text = importedPostalCode(text);
            text = singleLine(text);
            any = any || !text.isEmpty();
            row[col] = text;
        }
        if (any) rows.append(row);
    }
    return rows;
}

}  // namespace book
