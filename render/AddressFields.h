#pragma once
// Step 5 of the address side: placing the recipient's fields (postal digits,
// address lines, company, title, name and joint name with the honorific) and
// the sender block on the surface, per kind and envelope side.

#include "render/AddressSideInput.h"

namespace render {

class DrawingSurface;

// Places the address and sender texts of `input` on `surface`.
//
// NOT YET BUILT: the text placement is the next piece of work; until it
// lands, this places nothing and the address side shows the sheet and its
// marks only.
void placeAddressFields(DrawingSurface& surface, const AddressSideInput& input);

}  // namespace render
