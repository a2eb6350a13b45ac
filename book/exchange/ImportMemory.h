#pragma once
// The CSV column choices last used, kept in the settings file (section
// [Import]) so that the next file of the same layout is read the same way.

#include <QString>
#include <QStringList>

#include "book/exchange/FieldMapping.h"

namespace book {

struct RememberedMapping {
    QStringList header;    // the header cells it was chosen for; empty: none
    FieldMapping mapping;  // empty when nothing is remembered
};

RememberedMapping readRememberedMapping(const QString& settingsFile);
// Returns false when the settings file could not be written.
bool writeRememberedMapping(const QString& settingsFile, const RememberedMapping& remembered);

// The remembered mapping when it fits a file with `header` (its header row,
// or empty) and `columns` columns: the same header, or no header and the
// same number of columns.
bool fitsRemembered(const RememberedMapping& remembered, const QStringList& header, int columns);

}  // namespace book
