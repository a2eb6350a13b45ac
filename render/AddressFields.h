#pragma once
// Step 5 of the address side: the recipient's fields and the sender block.
// Postcards carry both, the recipient first; an envelope carries the
// recipient on its front and the sender on its back.

#include "render/AddressSideInput.h"

namespace render {

class DrawingSurface;

// Places the address and sender texts of `input` on `surface`; a kind index
// outside the list places nothing.
void placeAddressFields(DrawingSurface& surface, const AddressSideInput& input);

}  // namespace render
