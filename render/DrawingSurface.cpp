#include "render/DrawingSurface.h"

#include <utility>

namespace render {

namespace op = platform::op;

DrawingSurface::DrawingSurface(int widthHundredths, int heightHundredths,
                               platform::OutputTarget reference)
    : reference_(reference) {
    picture_.widthHundredths = widthHundredths;
    picture_.heightHundredths = heightHundredths;
    picture_.ops.reserve(64);
}

void DrawingSurface::record(platform::PageOp op) {
    if (finished_) return;
    picture_.ops.push_back(std::move(op));
}

void DrawingSurface::setBrushColour(const QColor& colour) {
    if (finished_) return;
    brushColour_ = colour;
    record(op::BrushColour{colour});
}

void DrawingSurface::setBrushStyle(platform::BrushStyle style) {
    if (finished_) return;
    brushStyle_ = style;
    record(op::SetBrushStyle{style});
}

void DrawingSurface::setBrushPattern(const QImage& pattern, const QByteArray& jpeg) {
    if (finished_) return;
    brushStyle_ = platform::BrushStyle::Pattern;
    record(op::BrushPattern{pattern, jpeg});
}

void DrawingSurface::setPenColour(const QColor& colour) {
    if (finished_) return;
    penColour_ = colour;
    record(op::PenColour{colour});
}

void DrawingSurface::setPenWidth(int width) {
    if (finished_) return;
    penWidth_ = width;
    record(op::PenWidth{width});
}

void DrawingSurface::setPenStyle(platform::PenStyle style) {
    if (finished_) return;
    penStyle_ = style;
    record(op::SetPenStyle{style});
}

void DrawingSurface::rectangle(int x1, int y1, int x2, int y2) {
    record(op::Rectangle{{x1, y1, x2, y2}});
}

void DrawingSurface::fillRect(const platform::PageRect& r) { record(op::FillRect{r}); }

void DrawingSurface::fillExactRect(double x1, double y1, double x2, double y2) {
    record(op::FillExactRect{x1, y1, x2, y2});
}

void DrawingSurface::stretchBitmap(const platform::PageRect& r, const QImage& image,
                                   const QByteArray& jpeg) {
    record(op::StretchBitmap{r, image, jpeg});
}

void DrawingSurface::selectFont(const VerticalFont& font) {
    if (finished_) return;
    font_ = font;
}

void DrawingSurface::textOut(int x, int y, const QString& text) {
    if (sink_ && !finished_) sink_->push_back({field_, x, y, text, font_});
    record(op::Text{x, y, text, font_});
}

platform::PagePicture DrawingSurface::finish() {
    if (finished_) return {};
    finished_ = true;
    return std::exchange(picture_, platform::PagePicture{});
}

}  // namespace render
