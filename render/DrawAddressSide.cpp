#include "render/DrawAddressSide.h"

#include "render/AddressFields.h"
#include "render/CustomerBarcodeDrawing.h"
#include "render/DrawingSurface.h"
#include "render/MediaKind.h"

namespace render {
namespace {

const QColor kRed(255, 0, 0);

// Seven boxes at a pitch of 70 with a hyphen mark in the gap after the third.
void drawRecipientBoxes(DrawingSurface& s, int left) {
    s.setPenColour(kRed);
    s.setPenWidth(1);
    constexpr int top = -122, bottom = -212;
    for (int i = 0; i < 7; ++i) {
        const int x = left + 70 * i;
        s.rectangle(x, top, x + 60, bottom);
        if (i == 2) s.rectangle(left + 199, -167, left + 210, -169);
    }
}

// Seven boxes in a group of three and a group of four, each touching.
void drawSenderBoxes(DrawingSurface& s, const MediaKindInfo& info) {
    s.setPenColour(kRed);
    s.setPenWidth(1);
    for (int x : {54, 94, 134, 185, 225, 265, 305})
        s.rectangle(x, info.senderBoxTop, x + 40, info.senderBoxBottom);
}

// The sheet and the marks printed on it beforehand; shown on screen only.
void drawPreprintedMarks(DrawingSurface& s, const MediaKindInfo& info, bool envelopeBack) {
    s.setBrushColour(Qt::white);
    s.setPenColour(Qt::black);
    s.rectangle(info.outline);
    const bool front = !info.isEnvelope() || !envelopeBack;
    const bool back = !info.isEnvelope() || envelopeBack;
    if (front) {
        s.setPenColour(info.stampPen);
        s.rectangle(info.stampBox);
        drawRecipientBoxes(s, info.recipientBoxLeft);
    }
    if (back) drawSenderBoxes(s, info);
}

}  // namespace

platform::PagePicture DrawAddressSide(const AddressSideInput& input) {
    const std::optional<MediaKind> kind = mediaKindFromIndex(input.mediaKind);
    if (!kind) return {};
    const MediaKindInfo& info = mediaKindInfo(*kind);
    const bool printer = input.target == platform::OutputTarget::Printer;
    // The surface lives on the stack: it is released on every path, a
    // throwing drawing step included.
    DrawingSurface surface(info.widthHundredths, info.heightHundredths, input.target);
    if (!printer) drawPreprintedMarks(surface, info, input.envelopeBack);
    placeAddressFields(surface, input);
    if (!info.isEnvelope() || !input.envelopeBack)
        placeCustomerBarcode(surface, input.barcode, *kind);
    return surface.finish();
}

}  // namespace render
