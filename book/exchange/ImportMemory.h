#pragma once
// The CSV column choices last used for each layout of file (its header, or
// its number of columns), kept in the settings file (section [Import]) so
// that the next file of a layout met before is read the same way. The
// latest few layouts are kept.

#include <QString>
#include <QStringList>

#include "book/exchange/FieldMapping.h"

namespace book {

struct RememberedMapping {
    QStringList header;    // the header cells it was chosen for; empty: none
    FieldMapping mapping;  // empty when nothing is remembered
};

using RememberedMappings = QVector<RememberedMapping>;
constexpr int kRememberedLayouts = 16;

// The latest first.
RememberedMappings readRememberedMappings(const QString& settingsFile);
// Keeps `remembered` as the latest, in place of one for the same layout.
// Returns false when the settings file could not be written.
bool rememberMapping(const QString& settingsFile, const RememberedMapping& remembered);
// The latest that fits a file with `header` and `columns` (see
// fitsRemembered), or an empty mapping.
RememberedMapping findRemembered(const RememberedMappings& all, const QStringList& header,
                                 int columns);

// The latest alone, and remembering one.
RememberedMapping readRememberedMapping(const QString& settingsFile);
bool writeRememberedMapping(const QString& settingsFile, const RememberedMapping& remembered);

// The remembered mapping when it fits a file with `header` (its header row,
// or empty) and `columns` columns: the same header, or no header and the
// same number of columns.
bool fitsRemembered(const RememberedMapping& remembered, const QStringList& header, int columns);

}  // namespace book
