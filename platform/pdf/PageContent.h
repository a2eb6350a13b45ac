#pragma once
// Turns one recorded page into the operators of a PDF content stream, the
// same drawing the QPainter player makes: page units (0.1 mm, y up) mapped to
// points by one matrix, so every position is written as recorded, unrounded.

#include <QPointF>
#include <string>
#include <vector>

#include "platform/page/PagePicture.h"
#include "platform/pdf/PdfResources.h"

namespace platform::pdf {

// Pictures, patterns and one-pixel lines are sized in pixels of the device
// the page is drawn for; a PDF page stands in for a 1200 dpi printer, as the
// QPainter path's PDF device does.
constexpr double kDeviceDpi = 1200;

// Page size in points, unrounded, from the picture's 0.01 mm.
double pointsFromHundredths(int hundredths);

// For each text of a page, in order: -1 when the page draws it itself, else
// the form that draws it (see PdfResources::formFor).
using FormChoices = std::vector<int>;

// The content of a page whose top-left corner is at `offset` (page units,
// x right, y down) on a sheet of the picture's size. Fonts and pictures are
// looked up in `resources`, which must already know them (see prepare), and
// the glyphs drawn are reported to it. `out` is replaced (its storage reused).
void pageContent(const PagePicture& picture, QPointF offset, PdfResources& resources,
                 const FormChoices& forms, std::string& out);

// Finds, opens and warms the face every card falls back on. Finding fonts
// and loading the shaper's tables take as long as reading a book of a
// thousand cards, so an export starts this on another thread meanwhile.
void preloadFaces();

// Registers the faces and pictures a page uses and chooses which of its texts
// are drawn from forms. Loads fonts, so it runs on the thread that owns them,
// page after page, before the page is built anywhere else.
void prepare(const PagePicture& picture, PdfResources& resources, FormChoices& forms);

}  // namespace platform::pdf
