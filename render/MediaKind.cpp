#include "render/MediaKind.h"

namespace render {
namespace {

const platform::PageRect kPostcardStamp{70, -70, 270, -340};
const platform::PageRect kEnvelopeStamp{70, -130, 270, -370};

const std::array<MediaKindInfo, kMediaKindCount>& table() {
    static const std::array<MediaKindInfo, kMediaKindCount> t{{
        {MediaKind::NewYearPostcard,
         u"年賀ハガキ",
         10000,
         14800,
         {0, 0, 1000, -1480},
         1000,
         1480,
         kPostcardStamp,
         QColor(255, 0, 0),
         437,
         -1240,
         -1305},
        {MediaKind::PlainPostcard,
         u"普通ハガキ",
         10000,
         14800,
         {0, 0, 1000, -1480},
         1000,
         1480,
         kPostcardStamp,
         QColor(0, 255, 0),
         437,
         -1390,
         -1455},
        {MediaKind::Naga3Envelope,
         u"長３封筒（235 x 120）",
         12000,
         23500,
         {0, 0, 1200, -2350},
         755,
         1480,
         kEnvelopeStamp,
         QColor(0, 0, 255),
         637,
         -2140,
         -2205},
        {MediaKind::Naga4Envelope,
         u"長４封筒（205 x 90）一般封書用",
         9000,
         20500,
         {0, 0, 900, -2050},
         650,
         1480,
         kEnvelopeStamp,
         QColor(0, 0, 255),
         337,
         -1840,
         -1905},
        {MediaKind::You1Envelope,
         u"洋封筒１（176 x 120）",
         12000,
         17600,
         {0, 0, 1200, -1760},
         1006,
         1480,
         kEnvelopeStamp,
         QColor(0, 0, 255),
         637,
         -1550,
         -1615},
        {MediaKind::You2Envelope,
         u"洋封筒２（162 x 114）",
         11400,
         16200,
         {0, 0, 1140, -1620},
         980,
         1400,
         kEnvelopeStamp,
         QColor(0, 0, 255),
         577,
         -1410,
         -1475},
    }};
    return t;
}

}  // namespace

std::optional<MediaKind> mediaKindFromIndex(int index) {
    if (index < 0 || index >= kMediaKindCount) return std::nullopt;
    return static_cast<MediaKind>(index);
}

const MediaKindInfo& mediaKindInfo(MediaKind kind) { return table()[size_t(kind)]; }

}  // namespace render
