#include "editor/ui/PictureView.h"

#include <QMouseEvent>
#include <QPainter>

namespace editor {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Image1"));
    // The pointer position is shown on every move, held buttons or not.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::setPicture(const QImage& picture, QSize size) {
    picture_ = picture;
    size_ = picture.isNull() ? size : picture.size();
    setFixedSize(size_);
    update();
}

HeldSet PictureView::heldSetOf(const QMouseEvent* event, bool doubleClick) {
    HeldSet held;
    const Qt::MouseButtons b = event->buttons();
    const Qt::KeyboardModifiers m = event->modifiers();
    held.left = b & Qt::LeftButton;
    held.right = b & Qt::RightButton;
    held.middle = b & Qt::MiddleButton;
    held.shift = m & Qt::ShiftModifier;
    held.ctrl = m & Qt::ControlModifier;
    held.alt = m & Qt::AltModifier;
    held.doubleClick = doubleClick;
    return held;
}

// The left button keeps the mouse while it is down, so a drag past the edge
// goes on drawing (clipped). A right-button drag does not: once it leaves
// the picture the picture hears no more of it.
bool PictureView::reachesView(const QMouseEvent* event) const {
    const Qt::MouseButtons b = event->buttons() | event->button();
    if (b & Qt::LeftButton) return true;
    if (!(b & Qt::RightButton)) return true;
    return rect().contains(event->position().toPoint());
}

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), Qt::white);
    if (!picture_.isNull()) p.drawImage(event->rect().topLeft(), picture_, event->rect());
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position().toPoint(), heldSetOf(event, false));
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event) {
    emit pressed(event->position().toPoint(), heldSetOf(event, true));
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
    if (reachesView(event)) emit moved(event->position().toPoint(), heldSetOf(event, false));
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    if (reachesView(event)) emit released(event->position().toPoint(), heldSetOf(event, false));
}

}  // namespace editor
