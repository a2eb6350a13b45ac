#pragma once
// Helpers shared by the WMF and EMF readers. Internal to the metafile player.

#include <QColor>
#include <QString>
#include <QVector>

#include "platform/files/LittleEndian.h"

namespace platform {

// Records beyond this count are not played: a file of nothing but tiny
// records still finishes in bounded time.
constexpr qint64 kMaxMetafileRecords = 4000000;

inline QColor colourRef(uint32_t c) {
    return QColor(int(c & 0xff), int((c >> 8) & 0xff), int((c >> 16) & 0xff));
}

// CP932 (or Latin-1 for the Western and symbol character sets) bytes to
// text, with the per-byte advances summed into per-character ones.
void decodeAnsiText(LittleEndian bytes, int charset, const QVector<double>& byteAdvances,
                    QString& text, QVector<double>& advances);

// The face name of a font record: NUL-terminated, at most `maxUnits` units.
QString ansiFaceName(LittleEndian bytes, size_t maxBytes);
QString wideFaceName(LittleEndian bytes, size_t maxUnits);

const QString kMetafileDamaged = QStringLiteral("メタファイルが壊れています。");

}  // namespace platform
