#pragma once
// The sender block on the address side: two address lines, name and joint
// name, and the postal code in two upright groups, at the kind's base
// position plus the user's adjustment.

#include "render/AddressSideInput.h"
#include "render/MediaKind.h"

namespace render {

class DrawingSurface;
class FieldPlacer;

// Base positions and digit sizes of one kind, in 0.1 mm; the y values are
// distances below the top edge.
struct SenderBase {
    int address1Below;
    int address2Below;
    int nameBelow;     // name and joint name
    int postalBelow;   // both digit groups
    int postal1X;      // first three digits
    int postal2X;      // last four digits
    int postalHeight;  // digit height added to the height adjustment
    int postalWidth;   // digit width added to the width adjustment
};

const SenderBase& senderBase(MediaKind kind);

// Draws the sender block in its fixed order; empty fields draw nothing.
void placeSenderFields(DrawingSurface& surface, const AddressSideInput& input, MediaKind kind);
void placeSenderFields(FieldPlacer& placer, const AddressSideInput& input, MediaKind kind);

}  // namespace render
