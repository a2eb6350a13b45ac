#include "tools/postal-data/JpostalReader.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <algorithm>

#include "tools/postal-data/PackageReader.h"

namespace postaldata {

bool parseJpostalFile(const QByteArray& text, JpostalList& list, QString& error) {
    // The array sits between the call's parentheses.
    const qsizetype open = text.indexOf('('), close = text.lastIndexOf(')');
    if (open < 0 || close <= open) {
        error = QStringLiteral("no call around the rows");
        return false;
    }
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(text.mid(open + 1, close - open - 1), &parse);
    if (parse.error != QJsonParseError::NoError || !doc.isArray()) {
        error = QStringLiteral("not an array of rows (%1)").arg(parse.errorString());
        return false;
    }
    static const QRegularExpression date(QStringLiteral("\\d{4}-\\d{2}-\\d{2}"));
    for (const QJsonValue& value : doc.array()) {
        const QJsonArray v = value.toArray();
        const QString key = v.at(0).toString();
        // "_000info" names the list's version and dates; "_NNN" rows stand
        // for a whole leading part and carry no town.
        if (key == QStringLiteral("_000info")) {
            const QString about = v.at(2).toString();
            list.version = about.section(u' ', 0, 0);
            for (auto it = date.globalMatch(about); it.hasNext();)
                list.date = std::max(list.date, it.next().captured());
            continue;
        }
        if (key.size() != 8 || !key.startsWith(u'_')) continue;
        bool ok = false;
        JpostalRow row;
        row.code = key.mid(1).toInt(&ok);
        if (!ok || v.size() < 9) {
            error = QStringLiteral("row %1 is not a code with its eight fields").arg(key);
            return false;
        }
        row.prefecture = v.at(1).toString();
        row.municipality = v.at(2).toString();
        row.town = v.at(3).toString();
        row.street = v.at(4).toString();
        row.office = v.at(5).toString();
        row.prefectureReading = fullWidthReading(v.at(6).toString());
        row.municipalityReading = fullWidthReading(v.at(7).toString());
        row.townReading = fullWidthReading(v.at(8).toString());
        list.rows.push_back(row);
    }
    return true;
}

bool readJpostal(const QString& folder, JpostalList& list, QString& error) {
    const QDir dir(QDir(folder).filePath(QStringLiteral("json")));
    const QStringList names =
        dir.entryList({QStringLiteral("[0-9][0-9][0-9].json")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
            return false;
        }
        if (!parseJpostalFile(file.readAll(), list, error)) {
            error = QStringLiteral("%1: %2").arg(file.fileName(), error);
            return false;
        }
    }
    if (list.rows.empty() || list.date.isEmpty()) {
        error = QStringLiteral("%1: no codes, or no date of the list").arg(dir.path());
        return false;
    }
    return true;
}

}  // namespace postaldata
