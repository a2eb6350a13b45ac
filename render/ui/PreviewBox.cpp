#include "render/ui/PreviewBox.h"

#include <QPainter>

#include "render/AddressSideOutput.h"

namespace render {

PreviewBox::PreviewBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PaintBox1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void PreviewBox::showPicture(int mediaKind, const platform::PagePicture& picture) {
    if (!picture.isValid()) return;
    picture_ = picture;
    kind_ = mediaKind;
    update();
}

void PreviewBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isValid()) {
        painter.fillRect(rect(), palette().color(QPalette::Button));
        return;
    }
    showAddressPreview(painter, size(), kind_, picture_);
}

}  // namespace render
