#include "book/exchange/ImportSource.h"

#include <QFile>
#include <QFileInfo>
#include <utility>

#include "book/CommaText.h"
#include "book/exchange/VCard.h"
#include "platform/files/BoundedRead.h"
#include "platform/text/Sjis.h"
#include "records/AddressRecord.h"

namespace book {
namespace {

const QString kNotText = QStringLiteral(
    "このファイルはテキストとして読めません。"
    "文字コードを確かめるか、CSV ファイルか vCard ファイル（.vcf）を選んでください。");

// The program writes 13 fields with the seventh empty; a first line of that
// shape is a record, whatever its words.
bool hasOwnShape(const QStringList& row) {
    return row.size() == records::kColumnCount && row[records::ColKana].isEmpty();
}

QString unclosedQuoteError(int line) {
    return QStringLiteral(
               "%1 行目で始まる引用符（\"）が閉じられていないため、そこから後が一つの項目に"
               "なってしまいます。ファイルが途中で切れていないか、引用符の数を確かめてください。")
        .arg(line);
}

int widestRow(const CsvTable& table) {
    int widest = 0;
    for (const QStringList& row : table) widest = std::max(widest, int(row.size()));
    return widest;
}

}  // namespace

ImportKind importKindOf(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    return ext == QLatin1String("vcf") || ext == QLatin1String("vcard") ? ImportKind::VCard
                                                                        : ImportKind::Csv;
}

ImportBytes readImportBytes(const QString& path, qint64 limit) {
    ImportBytes r;
    // Only a regular file, and never more than the limit: a FIFO or device
    // would block or fill memory.
    platform::FileBytes file = platform::readRegularFile(path, limit);
    if (!file.ok()) {
        r.error = path + QStringLiteral("\n") + file.error;
        return r;
    }
    r.bytes = std::move(file.bytes);
    return r;
}

CsvChoices guessCsvChoices(const DecodedFile& file) {
    CsvChoices c;
    c.encoding = file.encoding();
    // The first lines are enough to choose by.
    const QString start = file.text().left(64 * 1024);
    c.separator = guessSeparator(start);
    guessColumns(c, parseCsv(start, c.separator, 50));
    return c;
}

void guessColumns(CsvChoices& c, const CsvTable& head) {
    const QStringList first = head.value(0);
    c.header = !hasOwnShape(first) && isHeaderRow(first);
    c.mapping = c.header ? mapHeader(first) : ownFileMapping(widestRow(head));
    while (c.mapping.size() < widestRow(head)) c.mapping.append(ImportField::None);
}

CsvTable previewCsv(const DecodedFile& file, const CsvChoices& choices, int rows) {
    // Another encoding than the one found is the user's choice in the
    // dialog; the start of the file is enough to show.
    const QString start = choices.encoding == file.encoding()
                              ? file.text().left(256 * 1024)
                              : decodeText(file.bytes().left(256 * 1024), choices.encoding);
    return parseCsv(start, choices.separator, rows);
}

ImportResult importCsv(const DecodedFile& file, const CsvChoices& choices) {
    ImportResult r;
    const QString text = file.textIn(choices.encoding);
    if (!looksLikeText(text)) {
        r.error = kNotText;
        return r;
    }
    int unclosed = 0;
    const CsvTable table = parseCsv(text, choices.separator, -1, &unclosed);
    if (unclosed > 0) {
        r.error = unclosedQuoteError(unclosed);
        return r;
    }
    if (const int columns = widestRow(table); columns > kMaxImportColumns) {
        r.error = tooManyColumnsError(columns);
        return r;
    }
    int firstRagged = 0, usual = 0;
    if (isRaggedTable(table, &firstRagged, &usual)) {
        r.error = QStringLiteral(
                      "行ごとの項目の数が大きく違います（%1 行目は %2 項目、多くの行は %3 項目）。"
                      "区切り文字と文字コードを確かめてください。")
                      .arg(firstRagged + 1)
                      .arg(table[firstRagged].size())
                      .arg(usual);
        return r;
    }
    r.rows = rowsFromTable(table, choices.header ? 1 : 0, choices.mapping);
    if (const QString note = strayBytesNote(file.bytes(), choices.encoding, text); !note.isEmpty())
        r.notes.append(note);
    r.total = int(r.rows.size());
    if (r.rows.isEmpty())
        r.error =
            QStringLiteral("取り込めるデータがありません。項目の割り当てを確かめてください。");
    return r;
}

ImportResult importVCard(const DecodedFile& file, int keepFrom, int keepTo) {
    ImportResult r;
    const TextEncoding encoding = file.encoding();
    // Only a NUL marks a vCard as binary: its own CHARSETs may be anything.
    if (encoding == TextEncoding::Cp932 || encoding == TextEncoding::Utf8
            ? file.bytes().contains('\0')
            : !looksLikeText(file.text())) {
        r.error = kNotText;
        return r;
    }
    VCardReadResult cards = parseVCards(file, keepFrom, keepTo);
    r.rows = std::move(cards.rows);
    r.total = cards.count;
    r.error = cards.error;
    return r;
}

ImportResult importFile(const QString& path, int keepFrom, int keepTo) {
    ImportResult r;
    const ImportBytes read = readImportBytes(path);
    if (!read.ok()) {
        r.error = read.error;
        return r;
    }
    const DecodedFile file(read.bytes);
    if (importKindOf(path) == ImportKind::VCard) return importVCard(file, keepFrom, keepTo);
    // As opening reads it, so that record numbers match the open book.
    r.rows = parseAnyAddressFile(file, nullptr, &r.error, &r.notes);
    r.total = int(r.rows.size());
    const int first = std::max(1, keepFrom);
    const int last = keepTo > 0 ? std::min(keepTo, r.total) : r.total;
    r.rows = first <= last ? r.rows.mid(first - 1, last - first + 1) : AddressRows();
    return r;
}

QString tooManyColumnsError(int columns) {
    return QStringLiteral(
               "列が多すぎます（%1 列）。取り込めるのは %2 列までの表です。"
               "区切り文字を確かめてください。")
        .arg(columns)
        .arg(kMaxImportColumns);
}

AddressRows parseAnyAddressFile(const DecodedFile& file, bool* foreign, QString* error,
                                QStringList* notes) {
    if (foreign) *foreign = false;
    if (error) error->clear();
    if (notes) notes->clear();
    const QByteArray& bytes = file.bytes();
    const TextEncoding encoding = file.encoding();
    if (encoding == TextEncoding::Cp932) {
        // Only the first line decides, and only a header changes anything.
        const qsizetype lf = bytes.indexOf('\n');
        const QByteArray firstLine = bytes.left(lf < 0 ? bytes.size() : lf);
        QStringList first;
        for (const QByteArray& f : splitCommaText(firstLine))
            first.append(platform::Sjis::decode(f));
        if (hasOwnShape(first) || !isHeaderRow(first)) return parseAddressFile(bytes, foreign);
    }
    if (foreign) *foreign = true;
    QString text = file.text();
    if (const qsizetype eof = text.indexOf(QChar(0x1A)); eof >= 0) text.truncate(eof);
    int unclosed = 0;
    const CsvTable table = parseCsv(text, QLatin1Char(','), -1, &unclosed);
    if (unclosed > 0) {
        if (error) *error = unclosedQuoteError(unclosed);
        return AddressRows();
    }
    if (notes)
        if (const QString note = strayBytesNote(bytes, encoding, text); !note.isEmpty())
            notes->append(note);
    const QStringList first = table.value(0);
    const bool header = !hasOwnShape(first) && isHeaderRow(first);
    return rowsFromTable(table, header ? 1 : 0,
                         header ? mapHeader(first) : ownFileMapping(widestRow(table)));
}

}  // namespace book
