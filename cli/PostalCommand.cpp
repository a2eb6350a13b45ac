#include "cli/PostalCommand.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "postal/PostalDictionaryFile.h"
#include "postal/PostalKey.h"

namespace app {
namespace {

void printLine(const QString& line) {
    const QByteArray utf8 = line.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
    std::fputc('\n', stdout);
}

void printError(const QString& message) {
    std::fprintf(stderr, "mirel36: %s\n", message.toUtf8().constData());
}

// The dictionary keeps readings in katakana; said aloud they are written in
// hiragana.
QString hiragana(const QString& katakana) {
    QString out = katakana;
    for (QChar& c : out)
        if (c >= u'ァ' && c <= u'ヶ') c = QChar(char16_t(c.unicode() - 0x60));
    return out;
}

// "とうきょうと ちよだく まるのうち": the readings the dictionary has.
QString readingOf(const book::PostalPlace& p) {
    QStringList parts;
    for (const QString& r : {p.prefectureReading, p.municipalityReading, p.townReading})
        if (!r.isEmpty()) parts << hiragana(r);
    return parts.join(u' ');
}

// An office's code names the office after its address, as on an envelope.
QString addressOf(const book::PostalPlace& p) {
    return p.office.isEmpty() ? p.address() : p.address() + u'　' + p.office;
}

}  // namespace

int runPostalCommand(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList args = QCoreApplication::arguments();
    const bool reading = args.removeAll(QStringLiteral("--reading")) > 0;
    if (args.size() != 3 || args[1] != QStringLiteral("--postal") || args[2].trimmed().isEmpty()) {
        std::fputs("使い方: mirel36 --postal [--reading] 郵便番号|住所\n", stderr);
        return 2;
    }
    const QString query = args[2];
    const int code = book::postal::parseCode(query);
    if (code < 0 && book::postal::looksLikeCode(query)) {
        printError(QStringLiteral("郵便番号は７桁です。"));
        return 2;
    }

    book::PostalDictionaryFile file(book::PostalDictionaryFile::defaultPath());
    const book::PostalDictionary* dictionary = file.get();
    if (!dictionary) {
        printError(file.takeFailure());
        return kPostalDictionaryUnreadable;
    }
    if (code >= 0) {
        const std::vector<book::PostalPlace> places = dictionary->lookup(code);
        QStringList lines;
        for (const book::PostalPlace& p : places) {
            const QString line = reading ? readingOf(p) : addressOf(p);
            if (!lines.contains(line)) lines << line;
        }
        for (const QString& line : lines) printLine(line);
        return places.empty() ? 1 : 0;
    }
    const std::vector<int> codes = dictionary->find(query);
    for (int c : codes) {
        QString line = book::postal::formatCode(c);
        if (reading) {
            const std::vector<book::PostalPlace> places = dictionary->lookup(c);
            if (!places.empty()) line += u' ' + readingOf(places.front());
        }
        printLine(line);
    }
    return codes.empty() ? 1 : 0;
}

}  // namespace app
