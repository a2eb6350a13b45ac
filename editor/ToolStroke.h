#pragma once
// What a press, a move and a release on the picture do with the chosen tool.
// The window turns its mouse events into HeldSets and passes the controls'
// present values in ToolSettings; this class only remembers where the
// current stroke began and where its rubber band ends.

#include <QImage>
#include <QPoint>
#include <optional>

#include "editor/UndoRing.h"

namespace editor {

enum class DrawingTool { Pen, Line, Rect, Ellipse, RoundRect, Fill, Picker };

// Buttons and modifiers held after the event, as delivered with it; a
// release no longer holds the released button.
struct HeldSet {
    bool left = false;
    bool right = false;
    bool middle = false;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool doubleClick = false;  // the second press of a double click
};

enum class StrokeButton { None, Left, Right };

// Left or Right when that button is held alone, with no modifier and no
// double-click mark; otherwise None, and the tools do nothing.
StrokeButton exactButton(const HeldSet& held);

struct ToolSettings {
    DrawingTool tool = DrawingTool::Pen;
    QRgb leftColour = 0xFF000000u;
    QRgb rightColour = 0xFFFF0000u;
    int penWidth = 3;
};

struct PickedColour {
    StrokeButton swatch;  // the swatch that takes the colour
    QRgb colour;
};

class ToolStroke {
  public:
    // Every press pushes an undo level, whatever the buttons and tool; the
    // caller marks the picture unsaved. Returns the colour the Picker took.
    std::optional<PickedColour> press(QImage& picture, UndoRing& undo, QPoint pos,
                                      const HeldSet& held, const ToolSettings& settings);

    // The pen leaves a square at each position (not joined); shape tools
    // move their inverting rubber band to the position offset by the pen
    // width, so a dragged figure ends right of and below the pointer.
    void move(QImage& picture, QPoint pos, const HeldSet& held, const ToolSettings& settings);

    // Draws the figure for good only when one button is still held alone
    // (the other one was released); an ordinary release draws nothing and
    // the last rubber band stays.
    void release(QImage& picture, QPoint pos, const HeldSet& held, const ToolSettings& settings);

    QPoint strokeStart() const { return start_; }
    QPoint strokeCorner() const { return corner_; }

  private:
    QPoint start_;
    QPoint corner_;
};

}  // namespace editor
