#pragma once
// The installed file behind a face Qt draws with, opened for HarfBuzz by
// mapping it: no copy of the outlines in memory, and a face whose tables can
// be listed (which the subsetter needs).

#include <hb.h>

#include <QString>

class QRawFont;

namespace platform {

// The file fontconfig finds for `family`, when its header matches the one
// of `raw` (so glyph ids agree); null otherwise. The caller owns the face.
hb_face_t* mappedFaceFor(const QString& family, const QRawFont& raw);

}  // namespace platform
