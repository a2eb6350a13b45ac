#include "platform/FontFiles.h"

#include <fontconfig/fontconfig.h>

#include <QByteArray>
#include <QRawFont>

namespace platform {

hb_face_t* mappedFaceFor(const QString& family, const QRawFont& raw) {
    FcPattern* pattern = FcPatternCreate();
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return nullptr;
    FcChar8* file = nullptr;
    int index = 0;
    hb_face_t* out = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        if (hb_blob_t* blob =
                hb_blob_create_from_file_or_fail(reinterpret_cast<const char*>(file))) {
            out = hb_face_create(blob, unsigned(index));
            hb_blob_destroy(blob);
            // The header holds the font's checksum and dates: equal headers,
            // same font.
            hb_blob_t* head = hb_face_reference_table(out, HB_TAG('h', 'e', 'a', 'd'));
            unsigned length = 0;
            const char* data = hb_blob_get_data(head, &length);
            const QByteArray expected = raw.fontTable("head");
            if (length == 0 || QByteArray::fromRawData(data, int(length)) != expected) {
                hb_face_destroy(out);
                out = nullptr;
            }
            hb_blob_destroy(head);
        }
    }
    FcPatternDestroy(match);
    return out;
}

}  // namespace platform
