#include "platform/page/FontRecord.h"

#include "platform/text/Sjis.h"

namespace platform {

void FontRecord::setFaceName(const QString& face) {
    std::memset(faceName, 0, sizeof faceName);
    const QByteArray bytes = Sjis::bytes(face);
    int n = 0;
    while (n < bytes.size()) {
        const int step = Sjis::isLeadByte(static_cast<unsigned char>(bytes[n])) ? 2 : 1;
        if (n + step > int(sizeof faceName) - 1) break;
        n += step;
    }
    std::memcpy(faceName, bytes.constData(), size_t(n));
}

QString FontRecord::faceNameText() const {
    return Sjis::decode(faceName, qsizetype(strnlen(faceName, sizeof faceName)));
}

}  // namespace platform
