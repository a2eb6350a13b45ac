#pragma once
// The card that measures how a printer feeds a kind of card: crosshairs at
// known places, two rulers that read the shift at a known distance from the
// paper's left and top edges, and the outlines of the preprinted boxes.

#include <QPointF>
#include <vector>

#include "platform/page/PagePicture.h"

namespace print {

// The rulers' zero ticks lie this far from the paper's left and top edges;
// the number printed at this distance from the edge is the shift, right and
// down counting plus, as the calibration dialog takes it.
constexpr double kRulerZeroMm = 50;

// The crosshairs' centres in millimetres from the sheet's left and top
// edges; the card draws them there.
std::vector<QPointF> calibrationMarks(int kind);

// The card for `kind` (0..5); an invalid picture for any other index.
platform::PagePicture calibrationCard(int kind);

}  // namespace print
