#pragma once
// Places the address side's columns for the field steps. In the classic
// drawing a column is one text where its field puts it, whatever its length.
// With fitting on, a column that would pass its limit (the card's bottom
// margin, or anything already placed or preprinted below it in its band) is
// fitted to end there.

#include <limits>
#include <vector>

#include "render/AddressSideInput.h"
#include "render/ColumnFit.h"
#include "render/MediaKind.h"
#include "render/PlacedText.h"

namespace render {

class DrawingSurface;

// A box on the page in page units, y up: top >= bottom.
struct PageBox {
    double left = 0, right = 0, top = 0, bottom = 0;
};

class FieldPlacer {
  public:
    // Clearances kept by a fitted column, in 0.1 mm.
    static constexpr int kBottomMargin = 50;   // from the sheet's bottom edge
    static constexpr int kGap = 20;            // above whatever stands below it
    static constexpr int kSideClearance = 20;  // a field this close beside the band counts

    FieldPlacer(DrawingSurface& surface, const AddressSideInput& input, MediaKind kind);

    DrawingSurface& surface() { return surface_; }
    bool fitting() const { return fitting_; }
    int faceIndex() const { return face_; }

    // The lowest y a column in the band left..right starting at `top` may reach.
    double limit(double left, double right, double top) const;
    void addObstacle(const PageBox& box) { obstacles_.push_back(box); }

    // Draws `text` as field `field` in the surface's current font with its
    // top-right corner at (x, y), fitted when fitting and no longer than `cap`
    // when given; returns the box it takes.
    PageBox column(AddressField field, long long x, long long y, const QString& text,
                   double cap = std::numeric_limits<double>::infinity());

  private:
    DrawingSurface& surface_;
    bool fitting_;
    int face_;
    double bottom_;
    std::vector<PageBox> obstacles_;
};

}  // namespace render
