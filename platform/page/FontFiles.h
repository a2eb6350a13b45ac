#pragma once
// The installed font files, found through fontconfig. Faces are opened from
// their files by mapping them: no copy of the outlines in memory, tables the
// subsetter can list, and no need for a running GUI to lay text out.

#include <hb.h>

#include <QString>
#include <QStringList>

namespace platform {

struct FontFile {
    QString path;  // empty when the family is not installed
    int index = 0;
};

// The file of `family` in its regular style. Empty when no installed face
// carries that family name (fontconfig would offer a substitute, which is
// not accepted).
FontFile fontFileFor(const QString& family);

// The families that cover Japanese, sorted by name.
QStringList japaneseFamilies();

// The family the system draws with when none is named.
QString defaultFamily();

// The face of a font file opened by mapping it; null when it cannot be read.
// The caller owns the face.
hb_face_t* openFace(const FontFile& file);

}  // namespace platform
