// Drawing on the editor's picture: the tools, the pointer display, the
// colours and palette, undo, and the commands that turn or resize it.

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <cerrno>
#include <cstring>

#include "editor/Canvas.h"
#include "editor/ToolCursors.h"
#include "editor/ui/ColourPalette.h"
#include "editor/ui/ColourSwatch.h"
#include "editor/ui/PictureEditorWindow.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/ResizePictureDialog.h"
#include "platform/ui/SpinField.h"

namespace editor {

// Looks at the buttons in this order; the last pressed one wins (only one
// can be pressed, as they form a group).
void PictureEditorWindow::updateToolMode() {
    for (DrawingTool tool :
         {DrawingTool::Pen, DrawingTool::Rect, DrawingTool::RoundRect, DrawingTool::Ellipse,
          DrawingTool::Line, DrawingTool::Fill, DrawingTool::Picker}) {
        if (!toolButtons_[size_t(tool)]->isChecked()) continue;
        drawingTool_ = tool;
        canvas_->setCursor(toolCursor(tool));
    }
}

ToolSettings PictureEditorWindow::toolSettings() const {
    ToolSettings s;
    s.tool = drawingTool_;
    s.leftColour = leftSwatch_->colour();
    s.rightColour = rightSwatch_->colour();
    s.penWidth = penWidthField_->value();
    return s;
}

void PictureEditorWindow::showPointer(QPoint pos) {
    pointerPanel_->setText(pointerStatusText(pos));
    pointerLabel_->setText(pointerLabelText(pos));
}

void PictureEditorWindow::onCanvasPressed(QPoint pos, const HeldSet& held) {
    // Every press, whatever its buttons and tool, is one undo level and
    // marks the picture unsaved; the stroke pushes the level itself.
    action("ActUndo")->setEnabled(true);
    editorModified_ = true;
    showPointer(pos);
    const auto picked = stroke_.press(canvas_->picture(), undo_, pos, held, toolSettings());
    if (picked)
        (picked->swatch == StrokeButton::Left ? leftSwatch_ : rightSwatch_)
            ->setColour(picked->colour);
    canvas_->update();
}

void PictureEditorWindow::onCanvasMoved(QPoint pos, const HeldSet& held) {
    showPointer(pos);
    if (exactButton(held) == StrokeButton::None) return;
    stroke_.move(canvas_->picture(), pos, held, toolSettings());
    canvas_->update();
}

void PictureEditorWindow::onCanvasReleased(QPoint pos, const HeldSet& held) {
    if (exactButton(held) == StrokeButton::None) return;
    stroke_.release(canvas_->picture(), pos, held, toolSettings());
    canvas_->update();
}

// Restores the level the walk has reached, with its own size. The size
// label follows, so it never names a size the picture no longer has.
void PictureEditorWindow::undo() {
    if (const auto restored = undo_.undo()) {
        canvas_->setPicture(*restored);
        showCanvasSize();
    }
    if (!undo_.canUndo()) action("ActUndo")->setEnabled(false);
    editorModified_ = true;
    centreCanvas();
}

void PictureEditorWindow::turnOrMirror(TransformMode mode) {
    const QSize before = canvas_->pictureSize();
    const bool quarterTurn = mode == TransformMode::Rotate90 || mode == TransformMode::Rotate270;
    const QSize after = quarterTurn ? before.transposed() : before;
    const QImage transformed = transformPicture(canvas_->picture(), mode);
    if (transformed.isNull() && !canvas_->picture().isNull()) {
        // No raster for the copy: the picture stays as it was.
        dialogs_.error(this, QString::fromLocal8Bit(std::strerror(ENOMEM)));
        return;
    }
    replacePicture(transformed, after);
}

void PictureEditorWindow::onPaletteClicked(Qt::MouseButton button) {
    if (button == Qt::LeftButton) leftSwatch_->setColour(colourGrid_->foregroundColour());
    if (button == Qt::RightButton) rightSwatch_->setColour(colourGrid_->backgroundColour());
}

void PictureEditorWindow::chooseLeftColour() {
    const QColor chosen = dialogs_.chooseColour(this, QColor(leftSwatch_->colour()));
    if (chosen.isValid()) leftSwatch_->setColour(chosen.rgb());
}

void PictureEditorWindow::chooseBackdropColour() {
    QWidget* area = scrollArea_->widget();
    const QColor chosen = dialogs_.chooseColour(this, area->palette().color(QPalette::Window));
    if (!chosen.isValid()) return;
    QPalette pal = area->palette();
    pal.setColor(QPalette::Window, chosen);
    area->setPalette(pal);
}

// The swatches show colour only: no caret is left in them.
void PictureEditorWindow::onSwatchClicked() {
    for (ColourSwatch* s : {leftSwatch_, rightSwatch_}) s->clearFocus();
}

void PictureEditorWindow::showResizeDialog() {
    if (!resize_ || resize_->isVisible()) return;
    resize_->show();
}

void PictureEditorWindow::showAbout() {
    if (!about_) return;
    about_->show();
    about_->raise();
}

}  // namespace editor
