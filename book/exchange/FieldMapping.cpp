#include "book/exchange/FieldMapping.h"

#include <QHash>
#include <QRegularExpression>
#include <climits>

#include "book/exchange/FieldText.h"
#include "records/AddressRecord.h"

namespace book {

const QVector<ImportFieldInfo>& importFields() {
    static const QVector<ImportFieldInfo> table = {
        {ImportField::None, 0, 0, u"（取り込まない）", "none"},
        {ImportField::Name, records::ColName, 0, u"名前", "name"},
        {ImportField::FamilyName, records::ColName, 0, u"名前（姓）", "family"},
        {ImportField::GivenName, records::ColName, 1, u"名前（名）", "given"},
        {ImportField::Kana, records::ColKana, 0, u"ふりがな", "kana"},
        {ImportField::FamilyKana, records::ColKana, 0, u"ふりがな（姓）", "familykana"},
        {ImportField::GivenKana, records::ColKana, 1, u"ふりがな（名）", "givenkana"},
        {ImportField::Postal, records::ColPostal, 0, u"〒", "postal"},
        {ImportField::Address1, records::ColAddress1, 0, u"住所１", "address1"},
        {ImportField::Prefecture, records::ColAddress1, 0, u"住所１（都道府県）", "prefecture"},
        {ImportField::City, records::ColAddress1, 1, u"住所１（市区町村）", "city"},
        {ImportField::Street, records::ColAddress1, 2, u"住所１（番地）", "street"},
        {ImportField::Address2, records::ColAddress2, 0, u"住所２", "address2"},
        {ImportField::JointName, records::ColJointName, 0, u"連名", "joint"},
        {ImportField::Phone, records::ColPhone, 0, u"電話番号", "phone"},
        {ImportField::Mobile, records::ColMobile, 0, u"携帯番号", "mobile"},
        {ImportField::Fax, records::ColFax, 0, u"FAX番号", "fax"},
        {ImportField::PhoneLabel, 0, 0, u"電話の種類（次の列の）", "phonelabel"},
        {ImportField::Company, records::ColCompany, 0, u"会社名", "company"},
        {ImportField::Title, records::ColTitle, 0, u"役職", "title"},
        {ImportField::Relation, records::ColRelation, 0, u"関係", "relation"},
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
             {u"せい", u"姓ふりがな", u"ふりがな姓", u"姓よみ", u"よみ姓", u"姓かな",
              u"phoneticlastname", u"yomilastname"}},
            {ImportField::GivenKana,
             {u"めい", u"名ふりがな", u"ふりがな名", u"名よみ", u"よみ名", u"名かな",
              u"phoneticfirstname", u"yomifirstname"}},
            {ImportField::Postal,
             {u"郵便", u"〒", u"zip", u"zipcode", u"postal", u"postalcode", u"postcode"}},
            {ImportField::Address1, {u"住所1", u"住所", u"address", u"address1"}},
            {ImportField::Prefecture, {u"都道府県", u"prefecture", u"state", u"region"}},
            {ImportField::City, {u"市区町村", u"city", u"locality"}},
            {ImportField::Street, {u"番地", u"町名番地", u"町域番地", u"street"}},
            {ImportField::Address2, {u"住所2", u"建物", u"建物名", u"address2", u"street2"}},
            {ImportField::JointName, {u"連名"}},
            {ImportField::Phone, {u"電話", u"tel", u"phone", u"telephone"}},
            {ImportField::Mobile,
             {u"携帯", u"携帯電話", u"mobile", u"cell", u"cellphone", u"mobilephone"}},
            {ImportField::Fax, {u"fax", u"ふぁっくす"}},
            {ImportField::Company,
             {u"会社", u"会社名", u"勤務先", u"勤務先名", u"company", u"organization",
              u"organizationname"}},
            {ImportField::Title, {u"役職", u"title", u"jobtitle", u"organizationtitle"}},
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

// What a header says beyond its field: which address group it belongs to
// and how much it is preferred (home 0, no prefix 1, work 2, other 3).
struct HeaderMeaning {
    ImportField field = ImportField::None;
    int rank = 1;
    int group = 0;           // a numbered group ("Address 2 - ..."), else 0
    bool formatted = false;  // a whole address in one cell
    bool labelled = false;   // a phone number after its label column
};

bool isAddressField(ImportField f) {
    return f == ImportField::Postal || f == ImportField::Address1 || f == ImportField::Prefecture ||
           f == ImportField::City || f == ImportField::Street || f == ImportField::Address2;
}

// "Address 1 - Postal Code", "Phone 2 - Value" as web address books write them.
bool numberedMeaning(const QString& header, HeaderMeaning& m) {
    static const QRegularExpression numbered(
        QStringLiteral("^\\s*([A-Za-z][A-Za-z -]*?)\\s*([0-9]+)\\s*-\\s*(.+?)\\s*$"));
    const QRegularExpressionMatch match = numbered.match(header);
    if (!match.hasMatch()) return false;
    const QString kind = headerKey(match.captured(1));
    const QString part = headerKey(match.captured(3));
    m.group = match.captured(2).toInt();
    if (kind == QLatin1String("address")) {
        static const QHash<QString, ImportField> parts = {
            {QStringLiteral("formatted"), ImportField::Address1},
            {QStringLiteral("street"), ImportField::Street},
            {QStringLiteral("city"), ImportField::City},
            {QStringLiteral("region"), ImportField::Prefecture},
            {QStringLiteral("postalcode"), ImportField::Postal},
            {QStringLiteral("extendedaddress"), ImportField::Address2},
        };
        m.field = parts.value(part, ImportField::None);
        m.formatted = part == QLatin1String("formatted");
    } else if (kind == QLatin1String("phone")) {
        m.field = part == QLatin1String("value")   ? ImportField::Phone
                  : part == QLatin1String("label") ? ImportField::PhoneLabel
                  : part == QLatin1String("type")  ? ImportField::PhoneLabel
                                                   : ImportField::None;
    }
    return true;
}

HeaderMeaning headerMeaning(const QString& header) {
    HeaderMeaning m;
    if (numberedMeaning(header, m)) return m;
    const QString key = headerKey(header);
    m.field = headerNames().value(key, ImportField::None);
    if (m.field != ImportField::None) return m;
    static const struct {
        const char16_t* prefix;
        int rank;
    } prefixes[] = {{u"自宅", 0},     {u"home", 0}, {u"個人", 0},   {u"勤務先", 2}, {u"会社", 2},
                    {u"business", 2}, {u"work", 2}, {u"office", 2}, {u"other", 3},  {u"その他", 3}};
    for (const auto& p : prefixes) {
        const QString prefix = headerKey(QString::fromUtf16(p.prefix));
        if (key.size() <= prefix.size() || !key.startsWith(prefix)) continue;
        const ImportField f = headerNames().value(key.mid(prefix.size()), ImportField::None);
        if (f == ImportField::None) continue;
        m.field = f;
        m.rank = p.rank;
        return m;
    }
    return m;
}

int labelRank(const QString& label) {
    const QString l = label.toCaseFolded();
    if (l.contains(QLatin1String("home")) || l.contains(QStringLiteral("自宅"))) return 0;
    if (l.contains(QLatin1String("work")) || l.contains(QLatin1String("business")) ||
        l.contains(QStringLiteral("勤務")) || l.contains(QStringLiteral("会社")))
        return 2;
    if (l.contains(QLatin1String("other"))) return 3;
    return 1;
}

// The field a phone number goes to by its label.
ImportField labelledField(const QString& label, ImportField otherwise) {
    const QString l = label.toCaseFolded();
    if (l.contains(QLatin1String("fax")) || l.contains(QStringLiteral("ファックス")))
        return ImportField::Fax;
    if (l.contains(QLatin1String("mobile")) || l.contains(QLatin1String("cell")) ||
        l.contains(QStringLiteral("携帯")))
        return ImportField::Mobile;
    return otherwise;
}

bool isPhoneField(ImportField f) {
    return f == ImportField::Phone || f == ImportField::Mobile || f == ImportField::Fax;
}

bool isLabelled(const FieldMapping& mapping, int column) {
    return column > 0 && isPhoneField(mapping[column]) &&
           mapping[column - 1] == ImportField::PhoneLabel;
}

}  // namespace

ImportField fieldForHeader(const QString& header) { return headerMeaning(header).field; }

FieldMapping mapHeader(const QStringList& header) {
    QVector<HeaderMeaning> meanings;
    meanings.reserve(header.size());
    for (const QString& h : header) meanings.append(headerMeaning(h));
    for (int c = 1; c < meanings.size(); ++c)
        meanings[c].labelled =
            isPhoneField(meanings[c].field) && meanings[c - 1].field == ImportField::PhoneLabel;

    // One address group: the best ranked, then the lowest numbered.
    auto groupOf = [](const HeaderMeaning& m) { return std::make_pair(m.rank, m.group); };
    std::pair<int, int> best{INT_MAX, INT_MAX};
    for (const HeaderMeaning& m : meanings)
        if (isAddressField(m.field)) best = std::min(best, groupOf(m));
    bool parts = false;
    for (const HeaderMeaning& m : meanings)
        parts = parts || (groupOf(m) == best && isAddressField(m.field) && !m.formatted &&
                          m.field != ImportField::Postal && m.field != ImportField::Address2);

    // Of a field named twice, the best ranked column; the first of equals.
    auto chosenAlone = [](const HeaderMeaning& m) {
        return m.field == ImportField::None || m.labelled || m.field == ImportField::PhoneLabel;
    };
    QVector<int> bestColumn(int(ImportField::PhoneLabel) + 1, -1);
    for (int c = 0; c < meanings.size(); ++c) {
        const HeaderMeaning& m = meanings[c];
        if (chosenAlone(m)) continue;
        if (isAddressField(m.field) && (groupOf(m) != best || (m.formatted && parts))) continue;
        int& b = bestColumn[int(m.field)];
        if (b < 0 || m.rank < meanings[b].rank) b = c;
    }
    FieldMapping mapping(meanings.size(), ImportField::None);
    for (int c = 0; c < meanings.size(); ++c) {
        const HeaderMeaning& m = meanings[c];
        if (chosenAlone(m) || bestColumn[int(m.field)] == c) mapping[c] = m.field;
    }
    // A label column that labels nothing fills nothing.
    for (int c = 0; c < mapping.size(); ++c)
        if (mapping[c] == ImportField::PhoneLabel &&
            !(c + 1 < mapping.size() && isLabelled(mapping, c + 1)))
            mapping[c] = ImportField::None;
    return mapping;
}

bool isHeaderRow(const QStringList& row) {
    int named = 0;
    for (ImportField f : mapHeader(row))
        if (f != ImportField::None) ++named;
    return named >= 2;
}

QString missingAddressNote(const FieldMapping& mapping) {
    const bool postal = mapping.contains(ImportField::Postal);
    bool address = false;
    for (const ImportField f :
         {ImportField::Address1, ImportField::Prefecture, ImportField::City, ImportField::Street})
        address = address || mapping.contains(f);
    if (postal && address) return QString();
    QStringList missing;
    if (!postal) missing << QStringLiteral("郵便番号の列");
    if (!address) missing << QStringLiteral("住所の列");
    return missing.join(QStringLiteral("と")) +
           QStringLiteral(
               "がありません。このまま取り込むと、宛名面に%1が印刷されません。"
               "列ごとの項目を確かめてください。")
               .arg(address ? QStringLiteral("郵便番号") : QStringLiteral("住所"));
}

FieldMapping ownFileMapping(int columns) {
    static const ImportField order[records::kColumnCount] = {
        ImportField::Kana,     ImportField::Name,      ImportField::Postal,  ImportField::Address1,
        ImportField::Address2, ImportField::JointName, ImportField::None,    ImportField::Phone,
        ImportField::Mobile,   ImportField::Fax,       ImportField::Company, ImportField::Title,
        ImportField::Relation};
    FieldMapping mapping;
    for (int c = 0; c < columns; ++c)
        mapping.append(c < records::kColumnCount ? order[c] : ImportField::None);
    return mapping;
}

AddressRows rowsFromTable(const CsvTable& table, int firstRow, const FieldMapping& mapping) {
    // Source columns of each book column, in the order their parts join.
    struct Source {
        int sourceColumn;
        int part;
    };
    QVector<Source> sources[records::kColumnCount];
    QVector<int> labelled;  // phone numbers that go where their label says
    for (int c = 0; c < mapping.size(); ++c) {
        const ImportFieldInfo& info = importFieldInfo(mapping[c]);
        if (isLabelled(mapping, c))
            labelled.append(c);
        else if (info.column > 0)
            sources[info.column].append({c, info.part});
    }
    for (auto& s : sources)
        std::stable_sort(s.begin(), s.end(),
                         [](const Source& a, const Source& b) { return a.part < b.part; });

    AddressRows rows;
    rows.reserve(std::max<qsizetype>(0, table.size() - firstRow));
    for (int r = std::max(0, firstRow); r < table.size(); ++r) {
        const QStringList& in = table[r];
        QStringList row(records::kColumnCount);
        QString byLabel[records::kColumnCount];
        int byLabelRank[records::kColumnCount] = {};
        for (const int c : labelled) {
            const QString number = in.value(c).trimmed();
            if (number.isEmpty()) continue;
            const QString label = in.value(c - 1);
            const int col = importFieldInfo(labelledField(label, mapping[c])).column;
            const int rank = labelRank(label);
            if (byLabel[col].isEmpty() || rank < byLabelRank[col]) {
                byLabel[col] = number;
                byLabelRank[col] = rank;
            }
        }
        bool any = false;
        for (int col = 1; col < records::kColumnCount; ++col) {
            const QString joint = col == records::ColAddress1 || col == records::ColAddress2
                                      ? QString()
                                      : QStringLiteral("\u3000");
            QString text;
            for (const Source& s : sources[col]) {
                const QString part = in.value(s.sourceColumn);
                if (part.isEmpty()) continue;
                if (!text.isEmpty()) text += joint;
                text += part;
            }
            if (text.isEmpty()) text = byLabel[col];
            if (col == records::ColKana) text = toHiragana(text);
            if (col == records::ColPostal) text = importedPostalCode(text);
            text = singleLine(text);
            any = any || !text.isEmpty();
            row[col] = text;
        }
        if (any) rows.append(row);
    }
    return rows;
}

}  // namespace book
