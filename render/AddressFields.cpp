#include "render/AddressFields.h"

#include "render/DrawingSurface.h"
#include "render/FieldPlacer.h"
#include "render/MediaKind.h"
#include "render/RecipientFields.h"
#include "render/SenderFields.h"

namespace render {

void placeAddressFields(DrawingSurface& surface, const AddressSideInput& input) {
    const std::optional<MediaKind> kind = mediaKindFromIndex(input.mediaKind);
    if (!kind) return;
    const bool envelope = mediaKindInfo(*kind).isEnvelope();
    const bool recipient = !envelope || !input.envelopeBack;
    const bool sender = !envelope || input.envelopeBack;
    FieldPlacer placer(surface, input, *kind);
    // A fitted recipient keeps clear of the sender block, so that is placed first.
    const bool senderFirst = placer.fitting();
    if (sender && senderFirst) placeSenderFields(placer, input, *kind);
    if (recipient) placeRecipientFields(placer, input, *kind);
    if (sender && !senderFirst) placeSenderFields(placer, input, *kind);
    surface.setField(AddressField::None);
}

}  // namespace render
