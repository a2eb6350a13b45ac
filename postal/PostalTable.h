#pragma once
// The postal-code dictionary as plain data, and the compact file it is
// stored in (resources/postal-codes.bin). The converter fills a table from
// the published list; tests make small ones of their own.

#include <QByteArray>
#include <QString>
#include <vector>

namespace book {

struct PostalTable {
    struct Prefecture {
        QString name, reading;
    };
    struct Municipality {
        int code = 0;        // the five-digit local government code
        int prefecture = 0;  // index into prefectures
        QString name, reading;
    };
    // One town under one code; a code with several towns has several places,
    // a code for a whole municipality has an empty town. A code an office
    // has of its own also names the street and the office.
    struct Place {
        int code = 0;
        int municipality = 0;  // index into municipalities
        QString town;
        QString reading;  // the town's, full-width katakana; may be empty
        QString street, office;
    };
    // Every code beginning with five digits (the floors of one building).
    struct Range {
        int prefix = 0;
        int municipality = 0;
        QString town;
        QString reading;
    };

    QString source;  // where the list comes from, with its version
    QString date;    // when that list was published, YYYY-MM-DD
    std::vector<Prefecture> prefectures;
    std::vector<Municipality> municipalities;
    std::vector<Place> places;
    std::vector<Range> ranges;
};

// The file's bytes. Places may come in any order; indexes must be valid.
QByteArray encodePostalTable(const PostalTable& table);

}  // namespace book
