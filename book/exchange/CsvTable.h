#pragma once
// Delimited text as spreadsheets write it, read into a table of cells:
// a field in double quotes may hold the separator, line breaks and doubled
// quotes; blanks before and after a field are skipped, blanks inside it kept.

#include <QString>
#include <QStringList>
#include <QVector>

namespace book {

using CsvTable = QVector<QStringList>;

// Reads `text`; empty lines are skipped. `maxRows` >= 0 stops after that many
// rows (for a preview). A quote that never closes would take the rest of
// the text into one field: `unclosedQuoteLine` (if given) receives the
// 1-based line where such a quote opened, or 0.
CsvTable parseCsv(const QString& text, QChar separator, int maxRows = -1,
                  int* unclosedQuoteLine = nullptr);

// The separator among comma, tab and semicolon that the first lines use most.
QChar guessSeparator(const QString& text);

// One line of fields, each quoted when it holds the separator, a quote, a
// line break or a blank at either end. No line end is added.
QString joinCsvLine(const QStringList& fields, QChar separator = QLatin1Char(','));

// Rows whose field count differs by more than a few from most rows' are
// "ragged". A table is
// refused as ragged when more than a fifth of its rows are; `firstRagged`
// receives the index of the first such row and `usual` the common count.
bool isRaggedTable(const CsvTable& table, int* firstRagged = nullptr, int* usual = nullptr);

}  // namespace book
