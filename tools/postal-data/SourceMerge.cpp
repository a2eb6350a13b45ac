#include "tools/postal-data/SourceMerge.h"

#include <QHash>
#include <QRegularExpression>
#include <map>
#include <set>

namespace postaldata {
namespace {

using TownSet = std::set<std::pair<int, QString>>;  // municipality, town

// The second list gives every floor of a tall building a town of its own
// ("霞が関霞が関ビル１階"), the first one the building's; that is no
// disagreement.
bool isFloorOf(const QString& town, const QString& building) {
    static const QRegularExpression floor(
        QStringLiteral("^(（[^）]*）)?([０-９]+階|地階・階層不明)$"));
    return !building.isEmpty() && town.startsWith(building) &&
           floor.match(town.mid(building.size())).hasMatch();
}

QString describe(const book::PostalTable& table, const TownSet* towns) {
    if (!towns) return QStringLiteral("(none)");
    QStringList out;
    for (const auto& [m, town] : *towns) {
        const auto& municipality = table.municipalities[size_t(m)];
        out << table.prefectures[size_t(municipality.prefecture)].name + municipality.name + town;
    }
    return out.join(u'/');
}

}  // namespace

void mergeJpostal(book::PostalTable& table, const JpostalList& list, bool listIsNewer,
                  MergeReport& report) {
    QHash<QString, int> municipalityOf;
    for (size_t i = 0; i < table.municipalities.size(); ++i) {
        const auto& m = table.municipalities[i];
        municipalityOf.insert(table.prefectures[size_t(m.prefecture)].name + u'\t' + m.name,
                              int(i));
    }

    QHash<QPair<int, QString>, QString> readings;
    std::map<int, TownSet> listTowns;
    std::map<int, std::vector<std::pair<int, const JpostalRow*>>> listRows;
    std::vector<std::pair<int, const JpostalRow*>> offices;
    for (const JpostalRow& r : list.rows) {
        const int m = municipalityOf.value(r.prefecture + u'\t' + r.municipality, -1);
        if (m < 0) {
            ++report.skipped;
            continue;
        }
        if (!r.townReading.isEmpty()) readings.insert({m, r.town}, r.townReading);
        if (r.isOffice()) {
            offices.push_back({m, &r});
        } else {
            listTowns[r.code].insert({m, r.town});
            listRows[r.code].push_back({m, &r});
        }
    }

    std::map<int, TownSet> tableTowns, rangeTowns;
    for (const auto& p : table.places) tableTowns[p.code].insert({p.municipality, p.town});
    for (const auto& r : table.ranges) rangeTowns[r.prefix].insert({r.municipality, r.town});
    auto tableAt = [&](int code) -> const TownSet* {
        auto it = tableTowns.find(code);
        if (it != tableTowns.end()) return &it->second;
        it = rangeTowns.find(code / 100);
        return it != rangeTowns.end() ? &it->second : nullptr;
    };

    std::set<int> differing;
    auto differ = [&](int code, const TownSet* theirs) {
        differing.insert(code);
        if (report.examples.size() < 20) {
            const auto mine = listTowns.find(code);
            report.examples << QStringLiteral("%1: %2 | %3")
                                   .arg(code, 7, 10, QChar(u'0'))
                                   .arg(describe(table, theirs),
                                        describe(table, mine == listTowns.end() ? nullptr
                                                                                : &mine->second));
        }
    };
    for (const auto& [code, towns] : listTowns) {
        const TownSet* theirs = tableAt(code);
        TownSet mine;
        for (auto [m, town] : towns) {
            if (theirs)
                for (const auto& [tm, building] : *theirs)
                    if (tm == m && isFloorOf(town, building)) town = building;
            mine.insert({m, town});
        }
        if (!theirs || mine != *theirs) differ(code, theirs);
    }
    for (const auto& [code, towns] : tableTowns)
        if (!listTowns.count(code)) differ(code, &towns);
    report.differing = int(differing.size());

    if (listIsNewer) {
        std::vector<book::PostalTable::Place> kept;
        for (const auto& p : table.places)
            if (!differing.count(p.code)) kept.push_back(p);
        for (int code : differing) {
            TownSet seen;  // the list repeats a town whose note ran over several rows
            for (const auto& [m, r] : listRows[code])
                if (seen.insert({m, r->town}).second)
                    kept.push_back({code, m, r->town, {}, {}, {}});
        }
        table.places = std::move(kept);
    }

    for (auto& p : table.places) {
        p.reading = readings.value({p.municipality, p.town});
        if (p.town.isEmpty()) continue;
        ++(p.reading.isEmpty() ? report.townsWithoutReading : report.townsWithReading);
    }
    for (auto& r : table.ranges) r.reading = readings.value({r.municipality, r.town});
    for (const auto& [m, r] : offices) {
        table.places.push_back({r->code, m, r->town, r->townReading, r->street, r->office});
        ++report.offices;
    }
}

}  // namespace postaldata
