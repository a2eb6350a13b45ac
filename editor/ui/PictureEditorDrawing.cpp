// Drawing on the editor's picture: the tools, the pointer display, the
// colours and palette, undo, and the commands that turn or resize it.

#include <QAction>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <cerrno>
#include <cstring>

#include "editor/Canvas.h"
#include "editor/ToolCursors.h"
#include "editor/ui/ColourPalette.h"
#include "editor/ui/ColourSwatch.h"
#include "editor/ui/EditorAboutDialog.h"
#include "editor/ui/PictureEditorWindow.h"
#include "editor/ui/PictureView.h"
#include "editor/ui/ResizePictureDialog.h"
#include "platform/ui/SpinField.h"

namespace editor {

// Looks at the buttons in this order; the last pressed one wins (only one
// can be pressed, as they form a group).
void PictureEditorWindow::UpdateToolMode() {
    for (DrawingTool tool :
         {DrawingTool::Pen, DrawingTool::Rect, DrawingTool::RoundRect, DrawingTool::Ellipse,
          DrawingTool::Line, DrawingTool::Fill, DrawingTool::Picker}) {
        if (!toolButtons_[size_t(tool)]->isChecked()) continue;
        drawingTool_ = tool;
        Image1->setCursor(toolCursor(tool));
    }
}

ToolSettings PictureEditorWindow::toolSettings() const {
    ToolSettings s;
    s.tool = drawingTool_;
    s.leftColour = LColor->colour();
    s.rightColour = RColor->colour();
    s.penWidth = SpinEdit1->value();
    return s;
}

void PictureEditorWindow::showPointer(QPoint pos) {
    statusPanel1_->setText(pointerStatusText(pos));
    Label1->setText(pointerLabelText(pos));
}

void PictureEditorWindow::Image1MouseDown(QPoint pos, const HeldSet& held) {
    // Every press, whatever its buttons and tool, is one undo level and
    // marks the picture unsaved; the stroke pushes the level itself.
    action("ActUndo")->setEnabled(true);
    editorModified_ = true;
    showPointer(pos);
    const auto picked = stroke_.press(Image1->picture(), undo_, pos, held, toolSettings());
    if (picked) (picked->swatch == StrokeButton::Left ? LColor : RColor)->setColour(picked->colour);
    Image1->update();
}

void PictureEditorWindow::Image1MouseMove(QPoint pos, const HeldSet& held) {
    showPointer(pos);
    if (exactButton(held) == StrokeButton::None) return;
    stroke_.move(Image1->picture(), pos, held, toolSettings());
    Image1->update();
}

void PictureEditorWindow::Image1MouseUp(QPoint pos, const HeldSet& held) {
    if (exactButton(held) == StrokeButton::None) return;
    stroke_.release(Image1->picture(), pos, held, toolSettings());
    Image1->update();
}

// Restores the level the walk has reached, with its own size. The size
// label follows, so it never names a size the picture no longer has.
void PictureEditorWindow::ActUndoExecute() {
    if (const auto restored = undo_.undo()) {
        Image1->setPicture(*restored);
        ShowCanvasSize();
    }
    if (!undo_.canUndo()) action("ActUndo")->setEnabled(false);
    editorModified_ = true;
    CentreCanvas();
}

void PictureEditorWindow::TransformPicture(TransformMode mode) {
    const QSize before = Image1->pictureSize();
    const bool quarterTurn = mode == TransformMode::Rotate90 || mode == TransformMode::Rotate270;
    const QSize after = quarterTurn ? before.transposed() : before;
    const QImage transformed = transformPicture(Image1->picture(), mode);
    if (transformed.isNull() && !Image1->picture().isNull()) {
        // No raster for the copy: the picture stays as it was.
        dialogs_.error(this, QString::fromLocal8Bit(std::strerror(ENOMEM)));
        return;
    }
    replacePicture(transformed, after);
}

void PictureEditorWindow::ColorGrid1Mouse(Qt::MouseButton button) {
    if (button == Qt::LeftButton) LColor->setColour(ColorGrid1->foregroundColour());
    if (button == Qt::RightButton) RColor->setColour(ColorGrid1->backgroundColour());
}

void PictureEditorWindow::ActColorDlgExecute() {
    const QColor chosen = dialogs_.chooseColour(this, QColor(LColor->colour()));
    if (chosen.isValid()) LColor->setColour(chosen.rgb());
}

void PictureEditorWindow::ScrollBox1Click() {
    QWidget* area = ScrollBox1->widget();
    const QColor chosen = dialogs_.chooseColour(this, area->palette().color(QPalette::Window));
    if (!chosen.isValid()) return;
    QPalette pal = area->palette();
    pal.setColor(QPalette::Window, chosen);
    area->setPalette(pal);
}

// The swatches show colour only: no caret is left in them.
void PictureEditorWindow::LColorClick() {
    for (ColourSwatch* s : {LColor, RColor}) s->clearFocus();
}

void PictureEditorWindow::ActSizeExecute() {
    if (!resize_ || resize_->isVisible()) return;
    resize_->show();
}

void PictureEditorWindow::ActAboutExecute() {
    if (!about_) return;
    about_->show();
    about_->raise();
}

}  // namespace editor
