#include "render/CustomerBarcodeDrawing.h"

#include <algorithm>
#include <cmath>

#include "render/DrawingSurface.h"

namespace render {

double barcodePointsFromText(const QString& text) {
    bool ok = false;
    const double points = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(points)) return kBarcodeDefaultPoints;
    return std::clamp(points, kBarcodeMinimumPoints, kBarcodeMaximumPoints);
}

BarcodeMetrics BarcodeMetrics::at(double points) {
    // At 10 pt one module is 0.6 mm: a bar and a space each one module,
    // the long bar six.
    const double module = 6.0 * points / 10.0;
    return {module, 2 * module, 6 * module, 133 * module};
}

BarcodeOrigin barcodeOrigin(MediaKind kind, double points) {
    const MediaKindInfo& info = mediaKindInfo(kind);
    const BarcodeMetrics m = BarcodeMetrics::at(points);
    const double width = info.widthHundredths / 10.0, height = info.heightHundredths / 10.0;
    // Centred across the sheet. On a postcard the bars sit below the
    // sender's postal-code boxes and 10 mm above the bottom edge; on an
    // envelope's front, which carries no sender, 15 mm above it, as the
    // rules ask where they can.
    const double bottomMargin = info.isEnvelope() ? 150 : 105;
    return {(width - m.length) / 2, -(height - bottomMargin - m.height)};
}

void drawCustomerBarcode(DrawingSurface& surface, const std::vector<BarcodeSymbol>& symbols,
                         double x, double y, double points) {
    const BarcodeMetrics m = BarcodeMetrics::at(points);
    const double third = m.height / 3;
    const QColor brush = surface.brushColour();
    const platform::BrushStyle style = surface.brushStyle();
    surface.setBrushColour(Qt::black);
    surface.setBrushStyle(platform::BrushStyle::Solid);
    double left = x;
    for (Bar bar : barcodeBars(symbols)) {
        const double top = bar == Bar::Long || bar == Bar::Ascender ? y : y - third;
        const double bottom =
            bar == Bar::Long || bar == Bar::Descender ? y - m.height : y - 2 * third;
        surface.fillExactRect(left, top, left + m.barWidth, bottom);
        left += m.pitch;
    }
    surface.setBrushColour(brush);
    surface.setBrushStyle(style);
}

void placeCustomerBarcode(DrawingSurface& surface, const CustomerBarcodeInput& input,
                          MediaKind kind) {
    if (!input.print || input.symbols.empty()) return;
    const double points =
        std::isfinite(input.points)
            ? std::clamp(input.points, kBarcodeMinimumPoints, kBarcodeMaximumPoints)
            : kBarcodeDefaultPoints;
    const BarcodeOrigin o = barcodeOrigin(kind, points);
    drawCustomerBarcode(surface, input.symbols, o.x + input.xPos, o.y + input.yPos, points);
}

}  // namespace render
