#include "editor/ui/ColourSwatch.h"

#include <QPalette>

namespace editor {

ColourSwatch::ColourSwatch(const QString& name, QRgb colour, QWidget* parent)
    : QLineEdit(parent), colour_(0) {
    setObjectName(name);
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setColour(colour);
}

void ColourSwatch::setColour(QRgb colour) {
    colour_ = colour | 0xFF000000u;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, QColor(colour_));
    setPalette(pal);
}

void ColourSwatch::mousePressEvent(QMouseEvent*) { emit clicked(); }

}  // namespace editor
