#include "book/BarcodeAddress.h"

#include "book/CustomerBarcode.h"
#include "postal/PostalDictionary.h"
#include "postal/PostalDictionaryFile.h"
#include "postal/PostalKey.h"
#include "records/AddressRecord.h"

namespace book {
namespace {

// Where `address` ends its first `place` (compared as the dictionary
// compares: widths, blanks, ケ/ヶ and kanji numerals do not matter), or -1.
qsizetype endOf(const QString& address, const QString& place) {
    const QString key = postal::matchKey(place);
    if (key.isEmpty()) return -1;
    for (qsizetype end = 1; end <= address.size(); ++end) {
        const QString head = postal::matchKey(address.left(end));
        if (head == key) return end;
    }
    return -1;
}

// The end of the code's town in `address`, the longest of its places; -1
// when none begins the address. Empty towns (the whole municipality) match
// after the municipality.
qsizetype townEnd(const std::vector<PostalPlace>& places, const QString& address) {
    qsizetype best = -1;
    for (const PostalPlace& p : places) {
        for (const QString& head :
             {p.prefecture + p.municipality + p.town, p.municipality + p.town})
            best = std::max(best, endOf(address, head));
    }
    return best;
}

}  // namespace

QString RecordBarcode::dataText() const {
    if (code < 0) return QString();
    return QStringLiteral("%1").arg(code, 7, 10, QLatin1Char('0')) + number;
}

RecordBarcode recordBarcode(const PostalDictionary& dictionary, const QString& postalCell,
                            const QString& address) {
    RecordBarcode r;
    const auto none = [&r](const QString& why) {
        r.failure = why + QStringLiteral("ため、バーコードは付きません。");
        return r;
    };
    if (postalCell.trimmed().isEmpty()) return none(QStringLiteral("郵便番号がない"));
    r.code = postal::parseCode(postalCell);
    if (r.code < 0) return none(QStringLiteral("郵便番号が７桁の数字でない"));
    const QString shown = QStringLiteral("〒") + postal::formatCode(r.code);
    const std::vector<PostalPlace> places = dictionary.lookup(r.code);
    if (places.empty()) return none(shown + QStringLiteral(" が郵便番号辞書にない"));
    // An office's own code names its address by itself: the seven digits alone.
    if (!places.front().office.isEmpty()) {
        r.symbols = barcodeSymbols(r.code, QString());
        return r;
    }
    bool townless = true;
    for (const PostalPlace& p : places) townless = townless && p.town.isEmpty();
    // A catch-all code stands for "any town not listed": no barcode by the
    // rules. A whole municipality's own code has no town but ends otherwise.
    if (townless && r.code % 100 == 0)
        return none(shown + QStringLiteral(" は町域を決めない代表の番号の"));
    const qsizetype end = townEnd(places, address);
    if (end < 0) {
        const PostalPlace& p = places.front();
        return none(QStringLiteral("住所が %1 の町域（%2%3）で始まらない")
                        .arg(shown, p.municipality, p.town));
    }
    r.number = addressNumber(address.mid(end));
    r.symbols = barcodeSymbols(r.code, r.number);
    return r;
}

QString attachRecordBarcode(render::AddressSideInput& input, PostalDictionaryFile& dictionary) {
    input.barcode.symbols.clear();
    if (!input.barcode.print) return QString();
    const PostalDictionary* d = dictionary.get();
    if (!d) {
        const QString why = dictionary.takeFailure();
        return why.isEmpty()
                   ? QStringLiteral("郵便番号辞書が読めないため、バーコードは付きません。")
                   : why;
    }
    // A blank between the lines: "1-3-2" and "503" are two numbers, not "1-3-2503".
    const RecordBarcode r = recordBarcode(
        *d, input.record[records::ColPostal],
        input.record[records::ColAddress1] + u' ' + input.record[records::ColAddress2]);
    input.barcode.symbols = r.symbols;
    return r.failure;
}

}  // namespace book
