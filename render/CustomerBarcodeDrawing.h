#pragma once
// The customer barcode on the address side: 67 solid black bars at the exact
// sizes of Japan Post's rules, scaled by the chosen size in points (10 pt:
// bars 0.6 mm wide at a pitch of 1.2 mm, the long bar 3.6 mm high), placed
// below the recipient's address, clear of the stamp and of the postal-code
// boxes, and moved by its own two adjustment fields.

#include <QString>
#include <vector>

#include "render/BarcodeSymbols.h"
#include "render/MediaKind.h"

namespace render {

class DrawingSurface;

inline constexpr double kBarcodeDefaultPoints = 10.0;
inline constexpr double kBarcodeMinimumPoints = 8.0;
inline constexpr double kBarcodeMaximumPoints = 11.5;
// The range of the two adjustment fields, 0.1 mm.
inline constexpr int kBarcodeAdjustMinimum = -300;
inline constexpr int kBarcodeAdjustMaximum = 300;

// What the renderer needs to draw the barcode of one record.
struct CustomerBarcodeInput {
    bool print = false;                  // [Barcode] Print
    std::vector<BarcodeSymbol> symbols;  // the 21 symbols; empty: no barcode
    double points = kBarcodeDefaultPoints;
    int xPos = 0, yPos = 0;  // adjustment in 0.1 mm, X right, Y up
};

// A size from the settings file brought into 8..11.5 pt; text that is no
// number gives the default.
double barcodePointsFromText(const QString& text);

// Sizes in page units (0.1 mm) at `points`.
struct BarcodeMetrics {
    double barWidth;  // also the space between bars
    double pitch;
    double height;  // the long bar; a timing bar is a third of it
    double length;  // start of the first bar to the end of the last

    static BarcodeMetrics at(double points);
};

// The top-left corner of the first bar on `kind`, before the adjustment,
// in page units (y up, so y is negative).
struct BarcodeOrigin {
    double x, y;
};
BarcodeOrigin barcodeOrigin(MediaKind kind, double points);

// Draws the bars with their top-left corner at (x, y) and leaves the
// surface's brush as it found it.
void drawCustomerBarcode(DrawingSurface& surface, const std::vector<BarcodeSymbol>& symbols,
                         double x, double y, double points);

// The barcode of `input` where it belongs on `kind`; nothing without symbols.
void placeCustomerBarcode(DrawingSurface& surface, const CustomerBarcodeInput& input,
                          MediaKind kind);

}  // namespace render
