#include "postal/PostalCheck.h"

#include "postal/PostalDictionary.h"
#include "postal/PostalKey.h"

namespace book {

QString postalCodeRemark(const PostalDictionary& dictionary, const QString& postalCell,
                         const QString& address) {
    const int code = postal::parseCode(postalCell);
    if (code < 0) return QString();
    const std::vector<PostalPlace> places = dictionary.lookup(code);
    const QString shown = QStringLiteral("〒") + postal::formatCode(code);
    if (places.empty()) return QStringLiteral("%1 は郵便番号辞書にありません。").arg(shown);
    if (postal::matchKey(address).isEmpty() || dictionary.addressInArea(code, address))
        return QString();
    const PostalPlace& p = places.front();
    return QStringLiteral("%1 は %2%3 の番号です。住所と合いません。")
        .arg(shown, p.prefecture, p.municipality);
}

}  // namespace book
