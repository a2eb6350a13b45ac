#include "tools/postal-data/PackageReader.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace postaldata {
namespace {

// The package's files are objects with one member ("pref", "city", …)
// holding the table.
bool readMaster(const QString& folder, const QString& name, QJsonObject& table, QString& error) {
    QFile file(QDir(folder).filePath(QStringLiteral("master/%1.json").arg(name)));
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parse);
    table = doc.object().value(name).toObject();
    if (parse.error != QJsonParseError::NoError || table.isEmpty()) {
        error = QStringLiteral("%1: not the expected table (%2)")
                    .arg(file.fileName(), parse.errorString());
        return false;
    }
    return true;
}

}  // namespace

QString fullWidthReading(const QString& reading) {
    return reading.normalized(QString::NormalizationForm_KC);
}

bool readPackage(const QString& folder, book::PostalTable& table, QString& error) {
    QJsonObject prefs, cities, zip5, zip7;
    if (!readMaster(folder, QStringLiteral("pref"), prefs, error) ||
        !readMaster(folder, QStringLiteral("city"), cities, error) ||
        !readMaster(folder, QStringLiteral("zip5"), zip5, error) ||
        !readMaster(folder, QStringLiteral("zip7"), zip7, error))
        return false;

    // pref: {"13": ["東京都", "ﾄｳｷｮｳﾄ"]}; QJsonObject keys come sorted.
    QHash<int, int> prefectureIndex;
    for (auto it = prefs.begin(); it != prefs.end(); ++it) {
        const QJsonArray v = it.value().toArray();
        prefectureIndex.insert(it.key().toInt(), int(table.prefectures.size()));
        table.prefectures.push_back({v.at(0).toString(), fullWidthReading(v.at(1).toString())});
    }
    // city: {"13101": ["千代田区", "ﾁﾖﾀﾞｸ"]}; the first two digits are the prefecture.
    QHash<int, int> municipalityIndex;
    for (auto it = cities.begin(); it != cities.end(); ++it) {
        const int code = it.key().toInt();
        const QJsonArray v = it.value().toArray();
        if (!prefectureIndex.contains(code / 1000)) {
            error = QStringLiteral("city %1 has no prefecture").arg(it.key());
            return false;
        }
        municipalityIndex.insert(code, int(table.municipalities.size()));
        table.municipalities.push_back({code, prefectureIndex.value(code / 1000),
                                        v.at(0).toString(), fullWidthReading(v.at(1).toString())});
    }
    auto municipality = [&](int code, const QString& where, int& index) {
        index = municipalityIndex.value(code, -1);
        if (index < 0) error = QStringLiteral("%1 names unknown city %2").arg(where).arg(code);
        return index >= 0;
    };

    // zip5: the municipality every code beginning with these five digits
    // belongs to, unless the code says otherwise; [city, town] also gives
    // the first town of every such code, and codes with nothing more to
    // say are left out of zip7.
    struct Default {
        int municipality = -1;
        QString town;
        bool hasTown = false;
    };
    QHash<QString, Default> defaults;
    for (auto it = zip5.begin(); it != zip5.end(); ++it) {
        Default d;
        const QJsonValue v = it.value();
        const int city = v.isArray() ? v.toArray().at(0).toInt() : v.toInt();
        if (!municipality(city, QStringLiteral("zip5 ") + it.key(), d.municipality)) return false;
        if (v.isArray()) {
            d.hasTown = true;
            d.town = v.toArray().at(1).toString();
            table.ranges.push_back({it.key().toInt(), d.municipality, d.town, {}});
        }
        defaults.insert(it.key(), d);
    }

    // zip7: a town, or a list in which a number switches the municipality
    // for the towns after it.
    for (auto it = zip7.begin(); it != zip7.end(); ++it) {
        const int code = it.key().toInt();
        const Default d = defaults.value(it.key().left(5));
        int current = d.municipality;
        if (d.hasTown) table.places.push_back({code, current, d.town, {}, {}, {}});
        const QJsonArray items =
            it.value().isArray() ? it.value().toArray() : QJsonArray{it.value()};
        for (const QJsonValue& item : items) {
            if (item.isDouble()) {
                if (!municipality(item.toInt(), QStringLiteral("zip7 ") + it.key(), current))
                    return false;
            } else if (current < 0) {
                error = QStringLiteral("zip7 %1 has a town but no city").arg(it.key());
                return false;
            } else {
                table.places.push_back({code, current, item.toString(), {}, {}, {}});
            }
        }
    }
    if (table.prefectures.empty() || table.places.empty()) {
        error = QStringLiteral("%1: the package holds no codes").arg(folder);
        return false;
    }
    return true;
}

}  // namespace postaldata
