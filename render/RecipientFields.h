#pragma once
// The recipient's fields on the address side: postal digits, two address
// lines, company, title, name and joint name with the honorific, each at the
// kind's base position plus the user's adjustment.

#include "render/AddressSideInput.h"
#include "render/MediaKind.h"

namespace render {

class DrawingSurface;
class FieldPlacer;

// Base positions and font sizes of one kind, in 0.1 mm. The y values are
// distances below the top edge (the field's y is the adjustment minus them).
struct RecipientBase {
    int postalX;        // first postal digit; the others follow at a pitch of 70
    int postalWidth;    // digit width added to the width adjustment
    int addressHeight;  // font height of both address lines
    int address1X;
    int address2X;
    int address2Below;
    int companyX;
    int companyBelow;
    int titleX;
    int titleBelow;
    int titleGap;    // added to the gap adjustment between title and name
    int nameHeight;  // font height of name and joint name
    int nameX;
    int nameBelow;
    int jointX;
};

const RecipientBase& recipientBase(MediaKind kind);

// Draws the recipient's fields in their fixed order; empty cells draw nothing.
void placeRecipientFields(DrawingSurface& surface, const AddressSideInput& input, MediaKind kind);
void placeRecipientFields(FieldPlacer& placer, const AddressSideInput& input, MediaKind kind);

}  // namespace render
