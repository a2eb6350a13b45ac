#include "editor/ToolStroke.h"

#include "editor/DrawShape.h"
#include "editor/PixelTools.h"

namespace editor {
namespace {

std::optional<ShapeKind> shapeOf(DrawingTool tool) {
    switch (tool) {
        case DrawingTool::Line:
            return ShapeKind::Line;
        case DrawingTool::Rect:
            return ShapeKind::Rect;
        case DrawingTool::Ellipse:
            return ShapeKind::Ellipse;
        case DrawingTool::RoundRect:
            return ShapeKind::RoundRect;
        case DrawingTool::Pen:
        case DrawingTool::Fill:
        case DrawingTool::Picker:
            break;
    }
    return std::nullopt;
}

QRgb colourOf(StrokeButton b, const ToolSettings& s) {
    return b == StrokeButton::Left ? s.leftColour : s.rightColour;
}

void drawFigure(QImage& picture, QPoint start, QPoint end, QRgb colour, RasterOp op,
                const ToolSettings& s) {
    if (const auto kind = shapeOf(s.tool))
        drawShape(picture, *kind, start, end, s.penWidth, colour, op);
}

}  // namespace

StrokeButton exactButton(const HeldSet& h) {
    if (h.middle || h.shift || h.ctrl || h.alt || h.doubleClick || h.left == h.right)
        return StrokeButton::None;
    return h.left ? StrokeButton::Left : StrokeButton::Right;
}

std::optional<PickedColour> ToolStroke::press(QImage& picture, UndoRing& undo, QPoint pos,
                                              const HeldSet& held, const ToolSettings& s) {
    undo.push(picture);
    const StrokeButton button = exactButton(held);
    if (button == StrokeButton::None) return std::nullopt;
    start_ = corner_ = pos;
    const QRgb colour = colourOf(button, s);
    switch (s.tool) {
        case DrawingTool::Pen:
            penSquare(picture, pos, s.penWidth, colour);
            break;
        case DrawingTool::Fill:
            floodFill(picture, pos, colour);
            break;
        case DrawingTool::Picker:
            if (const auto c = pickColour(picture, pos)) return PickedColour{button, *c};
            break;
        default:
            break;
    }
    return std::nullopt;
}

void ToolStroke::move(QImage& picture, QPoint pos, const HeldSet& held, const ToolSettings& s) {
    const StrokeButton button = exactButton(held);
    if (button == StrokeButton::None) return;
    const QRgb colour = colourOf(button, s);
    if (s.tool == DrawingTool::Pen) {
        penSquare(picture, pos, s.penWidth, colour);
        return;
    }
    drawFigure(picture, start_, corner_, colour, RasterOp::NotXor, s);
    corner_ = pos + QPoint(s.penWidth, s.penWidth);
    drawFigure(picture, start_, corner_, colour, RasterOp::NotXor, s);
}

void ToolStroke::release(QImage& picture, QPoint pos, const HeldSet& held, const ToolSettings& s) {
    const StrokeButton button = exactButton(held);
    if (button == StrokeButton::None) return;
    drawFigure(picture, start_, pos, colourOf(button, s), RasterOp::Copy, s);
}

}  // namespace editor
