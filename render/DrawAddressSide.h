#pragma once
// The address side of one card or envelope: the sheet and, on screen only,
// its preprinted marks (sheet outline, stamp box, postal-code boxes), then the
// recipient and sender fields. Returns the recorded page; a kind index outside
// 0..5 draws nothing and returns an invalid picture, which the output steps
// leave alone (the preview box is not touched, a printed page stays blank).

#include "platform/page/PagePicture.h"
#include "render/AddressSideInput.h"

namespace render {

platform::PagePicture DrawAddressSide(const AddressSideInput& input);

}  // namespace render
