#include "render/AddressFields.h"

#include "render/DrawingSurface.h"

namespace render {

void placeAddressFields(DrawingSurface& surface, const AddressSideInput& input) {
    // The field placement comes with the next piece of work (see the header).
    Q_UNUSED(surface);
    Q_UNUSED(input);
}

}  // namespace render
