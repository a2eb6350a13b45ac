#include "book/exchange/VCardWriter.h"

#include <QPair>

#include "book/exchange/FieldText.h"
#include "records/AddressRecord.h"

namespace book {
namespace {

const QChar kWideSpace(0x3000);

// "山田　太郎" as family and given name (or reading), split at the first
// ideographic space; kept whole when the parts would not read back the same.
QPair<QString, QString> splitName(const QString& name) {
    const int gap = name.indexOf(kWideSpace);
    if (gap < 0) return {name, QString()};
    const QString first = name.left(gap), rest = name.mid(gap + 1);
    if (first.isEmpty() || rest.isEmpty() || first != first.trimmed() || rest != rest.trimmed())
        return {name, QString()};
    return {first, rest};
}

QString escapeValue(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';'))
            out.append(QLatin1Char('\\'));
        if (c == QLatin1Char('\n')) {
            out.append(QLatin1String("\\n"));
            continue;
        }
        if (c == QLatin1Char('\r')) continue;
        out.append(c);
    }
    return out;
}

// Appends one content line, folded so that no line passes 75 bytes and no
// UTF-8 sequence is cut.
void appendLine(QByteArray& out, const QString& line) {
    const QByteArray bytes = line.toUtf8();
    int start = 0, width = 75;
    while (bytes.size() - start > width) {
        int cut = start + width;
        while (cut > start && (uchar(bytes[cut]) & 0xC0) == 0x80) --cut;
        out.append(bytes.constData() + start, cut - start);
        out.append("\r\n ");
        start = cut;
        width = 74;  // the leading blank counts
    }
    out.append(bytes.constData() + start, bytes.size() - start);
    out.append("\r\n");
}

}  // namespace

QByteArray writeVCards(const AddressRows& rows) {
    QByteArray out;
    out.reserve(rows.size() * 300);
    for (const QStringList& row : rows) {
        auto cell = [&row](int c) { return row.value(c); };
        auto add = [&out](const QString& name, const QString& value) {
            if (!value.isEmpty()) appendLine(out, name + QLatin1Char(':') + value);
        };
        appendLine(out, QStringLiteral("BEGIN:VCARD"));
        appendLine(out, QStringLiteral("VERSION:3.0"));
        const QString name = cell(records::ColName);
        const auto [family, given] = splitName(name);
        appendLine(out, QStringLiteral("N:") + escapeValue(family) + QLatin1Char(';') +
                            escapeValue(given) + QStringLiteral(";;;"));
        appendLine(out, QStringLiteral("FN:") + escapeValue(name));
        const QString reading = cell(records::ColKana);
        add(QStringLiteral("SORT-STRING"), escapeValue(reading));
        const auto [readingFamily, readingGiven] = splitName(reading);
        add(QStringLiteral("X-PHONETIC-LAST-NAME"), escapeValue(readingFamily));
        add(QStringLiteral("X-PHONETIC-FIRST-NAME"), escapeValue(readingGiven));
        const QString postal = exportedPostalCode(cell(records::ColPostal));
        if (!postal.isEmpty() || !cell(records::ColAddress1).isEmpty() ||
            !cell(records::ColAddress2).isEmpty())
            appendLine(out, QStringLiteral("ADR;TYPE=HOME:;") +
                                escapeValue(cell(records::ColAddress2)) + QLatin1Char(';') +
                                escapeValue(cell(records::ColAddress1)) + QStringLiteral(";;;") +
                                escapeValue(postal) + QLatin1Char(';'));
        add(QStringLiteral("TEL;TYPE=HOME,VOICE"), escapeValue(cell(records::ColPhone)));
        add(QStringLiteral("TEL;TYPE=CELL"), escapeValue(cell(records::ColMobile)));
        add(QStringLiteral("TEL;TYPE=HOME,FAX"), escapeValue(cell(records::ColFax)));
        add(QStringLiteral("ORG"), escapeValue(cell(records::ColCompany)));
        add(QStringLiteral("TITLE"), escapeValue(cell(records::ColTitle)));
        add(QStringLiteral("CATEGORIES"), escapeValue(cell(records::ColRelation)));
        add(QStringLiteral("X-PELCOR-JOINT-NAME"), escapeValue(cell(records::ColJointName)));
        appendLine(out, QStringLiteral("END:VCARD"));
    }
    return out;
}

}  // namespace book
