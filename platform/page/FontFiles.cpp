#include "platform/page/FontFiles.h"

#include <fontconfig/fontconfig.h>

#include <QByteArray>
#include <algorithm>

namespace platform {
namespace {

const FcChar8* fc(const QByteArray& utf8) {
    return reinterpret_cast<const FcChar8*>(utf8.constData());
}

QString fromFc(const FcChar8* s) { return QString::fromUtf8(reinterpret_cast<const char*>(s)); }

// The best match fontconfig offers for a pattern of one family (or a
// generic name such as "sans-serif"); the caller destroys it.
FcPattern* match(const QString& family) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, fc(family.toUtf8()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    return found;
}

}  // namespace

FontFile fontFileFor(const QString& family) {
    FontFile out;
    if (family.isEmpty()) return out;
    FcPattern* found = match(family);
    if (!found) return out;
    // A face carries its family under several names (English, Japanese);
    // any of them counts.
    bool named = false;
    FcChar8* name = nullptr;
    for (int i = 0; !named && FcPatternGetString(found, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        named = fromFc(name).compare(family, Qt::CaseInsensitive) == 0;
    FcChar8* file = nullptr;
    if (named && FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch) {
        out.path = fromFc(file);
        FcPatternGetInteger(found, FC_INDEX, 0, &out.index);
    }
    FcPatternDestroy(found);
    return out;
}

QStringList japaneseFamilies() {
    FcPattern* pattern = FcPatternCreate();
    FcLangSet* ja = FcLangSetCreate();
    FcLangSetAdd(ja, reinterpret_cast<const FcChar8*>("ja"));
    FcPatternAddLangSet(pattern, FC_LANG, ja);
    FcLangSetDestroy(ja);
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* set = FcFontList(nullptr, pattern, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    QStringList out;
    for (int i = 0; set && i < set->nfont; ++i) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &name) == FcResultMatch)
            out.append(fromFc(name));
    }
    if (set) FcFontSetDestroy(set);
    out.removeDuplicates();
    std::sort(out.begin(), out.end());
    return out;
}

QString defaultFamily() {
    FcPattern* found = match(QStringLiteral("sans-serif"));
    if (!found) return QString();
    FcChar8* name = nullptr;
    QString out;
    if (FcPatternGetString(found, FC_FAMILY, 0, &name) == FcResultMatch) out = fromFc(name);
    FcPatternDestroy(found);
    return out;
}

hb_face_t* openFace(const FontFile& file) {
    if (file.path.isEmpty()) return nullptr;
    hb_blob_t* blob = hb_blob_create_from_file_or_fail(file.path.toLocal8Bit().constData());
    if (!blob) return nullptr;
    // fontconfig keeps a variable font's named instance in the upper bits.
    hb_face_t* face = hb_face_create(blob, unsigned(file.index) & 0xFFFF);
    hb_blob_destroy(blob);
    if (hb_face_get_glyph_count(face) == 0) {
        hb_face_destroy(face);
        return nullptr;
    }
    return face;
}

}  // namespace platform
