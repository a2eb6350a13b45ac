#pragma once
// The card that measures how a printer feeds a kind of card: crosshairs at
// known places, two rulers across the paper's left and top edges that read
// the shift directly, and the outlines of the preprinted boxes.

#include <QPointF>
#include <vector>

#include "platform/page/PagePicture.h"

namespace print {

// The crosshairs' centres in millimetres from the sheet's left and top
// edges; the card draws them there.
std::vector<QPointF> calibrationMarks(int kind);

// The card for `kind` (0..5); an invalid picture for any other index.
platform::PagePicture calibrationCard(int kind);

}  // namespace print
