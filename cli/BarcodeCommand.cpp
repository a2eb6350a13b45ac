#include "cli/BarcodeCommand.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "book/BarcodeAddress.h"
#include "book/CustomerBarcode.h"
#include "postal/PostalDictionaryFile.h"
#include "postal/PostalKey.h"

namespace app {
namespace {

void printTo(FILE* stream, const QString& line) {
    const QByteArray utf8 = line.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stream);
    std::fputc('\n', stream);
}

}  // namespace

int runBarcodeCommand(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    // An address typed without quotes arrives in pieces: they are one address.
    const QString address = args.mid(3).join(u' ').trimmed();
    if (args.size() < 4 || args[1] != QLatin1String("--barcode") || address.isEmpty()) {
        printTo(stderr, QStringLiteral("使い方: mirel36 --barcode 郵便番号 住所"));
        return 2;
    }
    if (book::postal::parseCode(args[2]) < 0) {
        printTo(stderr,
                QStringLiteral("mirel36: 郵便番号は７桁の数字で指定してください: ") + args[2]);
        return 2;
    }
    book::PostalDictionaryFile file(book::PostalDictionaryFile::defaultPath());
    const book::PostalDictionary* dictionary = file.get();
    if (!dictionary) {
        printTo(stderr, QStringLiteral("mirel36: ") + file.takeFailure());
        return 1;
    }
    const book::RecordBarcode barcode = book::recordBarcode(*dictionary, args[2], address);
    if (!barcode.ok()) {
        printTo(stderr, QStringLiteral("mirel36: ") + barcode.failure);
        return 1;
    }
    printTo(stdout, barcode.dataText());
    printTo(stdout, book::symbolLine(barcode.symbols));
    return 0;
}

}  // namespace app
