#include "editor/ui/UpDownArrows.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace editor {

UpDownArrows::UpDownArrows(const QString& name, int minimum, int maximum, QWidget* parent)
    : QWidget(parent),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)),
      minimum_(minimum),
      maximum_(maximum),
      position_(minimum) {
    setObjectName(name);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFixedSize(16, 12);
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
    }
    connect(up_, &QToolButton::clicked, this, &UpDownArrows::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDownArrows::stepDown);
    setFixedSize(16, 24);
}

void UpDownArrows::setPosition(int value) { position_ = std::clamp(value, minimum_, maximum_); }

void UpDownArrows::step(int delta) {
    const int next = std::clamp(position_ + delta, minimum_, maximum_);
    if (next == position_) return;
    position_ = next;
    emit clicked();
}

}  // namespace editor
