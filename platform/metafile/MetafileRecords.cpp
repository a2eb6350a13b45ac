#include "platform/metafile/MetafileRecords.h"

#include "platform/text/Sjis.h"

namespace platform {

void decodeAnsiText(LittleEndian bytes, int charset, const QVector<double>& byteAdvances,
                    QString& text, QVector<double>& advances) {
    text.clear();
    advances.clear();
    const bool latin = charset == 0 || charset == 2;  // Western, symbol
    for (size_t i = 0; i < bytes.size();) {
        size_t length = 1;
        if (!latin && Sjis::isLeadByte(bytes.u8(i)) && bytes.has(i + 1, 1)) length = 2;
        const QString part = latin ? QString(QChar(bytes.u8(i)))
                                   : Sjis::decode(reinterpret_cast<const char*>(bytes.data() + i),
                                                  qsizetype(length));
        double advance = 0;
        for (size_t k = i; k < i + length; ++k)
            if (k < size_t(byteAdvances.size())) advance += byteAdvances[int(k)];
        for (int u = 0; u < part.size(); ++u) advances.append(u == 0 ? advance : 0);
        text += part;
        i += length;
    }
    if (byteAdvances.isEmpty()) advances.clear();
}

QString ansiFaceName(LittleEndian bytes, size_t maxBytes) {
    size_t n = 0;
    while (n < maxBytes && bytes.has(n, 1) && bytes.u8(n) != 0) ++n;
    return Sjis::decode(reinterpret_cast<const char*>(bytes.data()), qsizetype(n));
}

QString wideFaceName(LittleEndian bytes, size_t maxUnits) {
    QString name;
    for (size_t i = 0; i < maxUnits && bytes.has(2 * i, 2); ++i) {
        const uint16_t unit = bytes.u16(2 * i);
        if (unit == 0) break;
        name += QChar(unit);
    }
    return name;
}

}  // namespace platform
