#include "app/PostalCommand.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "book/PostalDictionaryFile.h"
#include "book/PostalKey.h"

namespace app {
namespace {

void printLine(const QString& line) {
    const QByteArray utf8 = line.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
    std::fputc('\n', stdout);
}

}  // namespace

int runPostalCommand(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--postal"));
    if (at < 0 || at + 2 != args.size() || args[at + 1].trimmed().isEmpty() || at != 1) {
        std::fputs("Usage: mirel36 --postal CODE|ADDRESS\n", stderr);
        return 2;
    }
    const QString query = args[at + 1];
    const int code = book::postal::parseCode(query);
    if (code < 0 && book::postal::looksLikeCode(query)) {
        std::fputs("mirel36: a postal code has seven digits\n", stderr);
        return 2;
    }

    book::PostalDictionaryFile file(book::PostalDictionaryFile::defaultPath());
    const book::PostalDictionary* dictionary = file.get();
    if (!dictionary) {
        std::fprintf(stderr, "mirel36: %s\n", file.takeFailure().toUtf8().constData());
        return kPostalDictionaryUnreadable;
    }
    if (code >= 0) {
        const std::vector<book::PostalPlace> places = dictionary->lookup(code);
        for (const book::PostalPlace& p : places) printLine(p.address());
        return places.empty() ? 1 : 0;
    }
    const std::vector<int> codes = dictionary->find(query);
    for (int c : codes) printLine(book::postal::formatCode(c));
    return codes.empty() ? 1 : 0;
}

}  // namespace app
