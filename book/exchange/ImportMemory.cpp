#include "book/exchange/ImportMemory.h"

#include "book/exchange/CsvTable.h"
#include "platform/ProfileFile.h"

namespace book {
namespace {

const QString kSection = QStringLiteral("Import");

}  // namespace

RememberedMapping readRememberedMapping(const QString& settingsFile) {
    platform::ProfileFile file(settingsFile);
    file.load();
    RememberedMapping r;
    const QString columns = file.readText(kSection, QStringLiteral("Columns"), QString());
    if (columns.isEmpty()) return r;
    for (const QString& key : columns.split(QLatin1Char(',')))
        r.mapping.append(importFieldFromKey(key));
    const QString header = file.readText(kSection, QStringLiteral("Header"), QString());
    if (!header.isEmpty()) r.header = parseCsv(header, QLatin1Char(',')).value(0);
    return r;
}

bool writeRememberedMapping(const QString& settingsFile, const RememberedMapping& remembered) {
    platform::ProfileFile file(settingsFile);
    file.load();
    QStringList keys;
    for (ImportField f : remembered.mapping) keys.append(QLatin1String(importFieldInfo(f).key));
    file.writeText(kSection, QStringLiteral("Columns"), keys.join(QLatin1Char(',')));
    file.writeText(kSection, QStringLiteral("Header"), joinCsvLine(remembered.header));
    return file.save().ok;
}

bool fitsRemembered(const RememberedMapping& remembered, const QStringList& header, int columns) {
    if (remembered.mapping.isEmpty()) return false;
    if (!header.isEmpty() || !remembered.header.isEmpty()) return header == remembered.header;
    return remembered.mapping.size() == columns;
}

}  // namespace book
