#include "book/exchange/ImportMemory.h"

#include <algorithm>

#include "book/exchange/CsvTable.h"
#include "platform/files/ProfileFile.h"

namespace book {
namespace {

const QString kSection = QStringLiteral("Import");

// The latest mapping keeps the keys "Columns" and "Header" it always had;
// older ones follow as "Columns2", "Header2", ...
QString numbered(const char* key, int index) {
    return index == 0 ? QLatin1String(key) : QLatin1String(key) + QString::number(index + 1);
}

RememberedMapping readOne(platform::ProfileFile& file, int index) {
    RememberedMapping r;
    const QString columns = file.readText(kSection, numbered("Columns", index), QString());
    if (columns.isEmpty()) return r;
    for (const QString& key : columns.split(QLatin1Char(',')))
        r.mapping.append(importFieldFromKey(key));
    const QString header = file.readText(kSection, numbered("Header", index), QString());
    if (!header.isEmpty()) r.header = parseCsv(header, QLatin1Char(',')).value(0);
    return r;
}

// The same layout: the same header, or no header and as many columns.
bool sameLayout(const RememberedMapping& a, const RememberedMapping& b) {
    return a.header == b.header && (!a.header.isEmpty() || a.mapping.size() == b.mapping.size());
}

}  // namespace

RememberedMappings readRememberedMappings(const QString& settingsFile) {
    platform::ProfileFile file(settingsFile);
    file.load();
    RememberedMappings all;
    for (int i = 0; i < kRememberedLayouts; ++i) {
        RememberedMapping r = readOne(file, i);
        if (r.mapping.isEmpty()) break;
        all.append(std::move(r));
    }
    return all;
}

bool rememberMapping(const QString& settingsFile, const RememberedMapping& remembered) {
    RememberedMappings all = readRememberedMappings(settingsFile);
    all.erase(std::remove_if(all.begin(), all.end(),
                             [&](const RememberedMapping& r) { return sameLayout(r, remembered); }),
              all.end());
    all.prepend(remembered);
    if (all.size() > kRememberedLayouts) all.resize(kRememberedLayouts);
    platform::ProfileFile file(settingsFile);
    file.load();
    for (int i = 0; i < all.size(); ++i) {
        QStringList keys;
        for (ImportField f : all[i].mapping) keys.append(QLatin1String(importFieldInfo(f).key));
        file.writeText(kSection, numbered("Columns", i), keys.join(QLatin1Char(',')));
        file.writeText(kSection, numbered("Header", i), joinCsvLine(all[i].header));
    }
    return file.save().ok;
}

RememberedMapping findRemembered(const RememberedMappings& all, const QStringList& header,
                                 int columns) {
    for (const RememberedMapping& r : all)
        if (fitsRemembered(r, header, columns)) return r;
    return RememberedMapping();
}

RememberedMapping readRememberedMapping(const QString& settingsFile) {
    return readRememberedMappings(settingsFile).value(0);
}

bool writeRememberedMapping(const QString& settingsFile, const RememberedMapping& remembered) {
    return rememberMapping(settingsFile, remembered);
}

bool fitsRemembered(const RememberedMapping& remembered, const QStringList& header, int columns) {
    if (remembered.mapping.isEmpty()) return false;
    if (!header.isEmpty() || !remembered.header.isEmpty()) return header == remembered.header;
    return remembered.mapping.size() == columns;
}

}  // namespace book
