#include "render/AddressFields.h"

#include "render/MediaKind.h"
#include "render/RecipientFields.h"
#include "render/SenderFields.h"

namespace render {

void placeAddressFields(DrawingSurface& surface, const AddressSideInput& input) {
    const std::optional<MediaKind> kind = mediaKindFromIndex(input.mediaKind);
    if (!kind) return;
    const bool envelope = mediaKindInfo(*kind).isEnvelope();
    if (!envelope || !input.envelopeBack) placeRecipientFields(surface, input, *kind);
    if (!envelope || input.envelopeBack) placeSenderFields(surface, input, *kind);
}

}  // namespace render
