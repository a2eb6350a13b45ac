#pragma once
// The six kinds of printed matter of the address side, by item index of the
// kind chooser, with their page sizes, preprinted marks and preview factors.

#include <QColor>
#include <array>
#include <optional>

#include "platform/page/PagePicture.h"

namespace render {

enum class MediaKind {
    NewYearPostcard = 0,
    PlainPostcard = 1,
    Naga3Envelope = 2,
    Naga4Envelope = 3,
    You1Envelope = 4,
    You2Envelope = 5,
};

constexpr int kMediaKindCount = 6;

struct MediaKindInfo {
    MediaKind kind;
    const char16_t* item;  // the chooser's item text
    int widthHundredths;   // page size in 0.01 mm
    int heightHundredths;
    platform::PageRect outline;   // the sheet, 0.1 mm
    int previewWidthThousandths;  // preview size as a multiple of the box width
    int previewHeightThousandths;
    platform::PageRect stampBox;
    QColor stampPen;
    int recipientBoxLeft;  // left edge of the first postal-code box
    int senderBoxTop;
    int senderBoxBottom;

    bool isEnvelope() const {
        return kind != MediaKind::NewYearPostcard && kind != MediaKind::PlainPostcard;
    }
};

// Null for an index outside 0..5 (no item selected).
std::optional<MediaKind> mediaKindFromIndex(int index);

const MediaKindInfo& mediaKindInfo(MediaKind kind);

}  // namespace render
