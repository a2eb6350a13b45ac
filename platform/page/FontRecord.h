#pragma once
// The font description a text operation carries: the fields, widths and order
// of the classic logical-font record, so a recorded page says exactly which
// font the renderer asked for. The player decides how to realise it.

#include <QString>
#include <cstdint>
#include <cstring>

namespace platform {

struct FontRecord {
    int32_t height = 0;       // cell height in page units; 0 = default size
    int32_t width = 0;        // average character width; 0 = natural
    int32_t escapement = 0;   // tenths of a degree: 900 = vertical column
    int32_t orientation = 0;  // always equal to escapement here
    int32_t weight = 0;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    char faceName[32] = {};  // CP932, zero-terminated

    static constexpr int kVertical = 900;

    bool isVertical() const { return escapement == kVertical; }

    // Stores `face` as CP932, cut at a character boundary so that the
    // terminating zero always fits.
    void setFaceName(const QString& face);
    // The face name decoded from CP932.
    QString faceNameText() const;

    bool operator==(const FontRecord& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
    bool operator!=(const FontRecord& o) const { return !(*this == o); }
};

static_assert(sizeof(FontRecord) == 60, "the record keeps the 60-byte layout");

}  // namespace platform
