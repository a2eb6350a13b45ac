#include "message/ui/MessagePreviewBox.h"

#include <QPainter>

#include "message/MessageSideOutput.h"

namespace message {

MessagePreviewBox::MessagePreviewBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PaintBox2"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void MessagePreviewBox::showPicture(const platform::PagePicture& picture) {
    if (!picture.isValid()) return;
    picture_ = picture;
    update();
}

void MessagePreviewBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isValid()) {
        painter.fillRect(rect(), palette().color(QPalette::Button));
        return;
    }
    showMessagePreview(painter, size(), picture_);
}

}  // namespace message
