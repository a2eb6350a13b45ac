#include "postal/ui/PostalChoiceList.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "postal/PostalKey.h"

namespace book {
namespace {

constexpr int kVisibleRows = 12;

}  // namespace

PostalChoiceList::PostalChoiceList(const QStringList& items, QWidget* anchor)
    : QFrame(anchor, Qt::Popup), anchor_(anchor) {
    setObjectName(QStringLiteral("PostalChoices"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("PostalChoiceSearch"));
    search_->setPlaceholderText(QStringLiteral("町域名で絞り込み"));
    search_->setClearButtonEnabled(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("PostalChoiceItems"));
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new QListWidgetItem(items[i], list_);
        item->setData(Qt::UserRole, i);
    }
    list_->setCurrentRow(0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(search_);
    layout->addWidget(list_);

    search_->installEventFilter(this);
    connect(search_, &QLineEdit::textChanged, this, &PostalChoiceList::narrow);
    connect(search_, &QLineEdit::returnPressed, this, &PostalChoiceList::takeCurrent);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        list_->setCurrentItem(item);
        takeCurrent();
    });
}

void PostalChoiceList::popup() {
    const int rowHeight =
        list_->sizeHintForRow(0) > 0 ? list_->sizeHintForRow(0) : fontMetrics().height() + 4;
    const int rows = std::min(kVisibleRows, list_->count());
    list_->setFixedHeight(rows * rowHeight + 2 * list_->frameWidth());
    const int wide = std::max(anchor_->width(), list_->sizeHintForColumn(0) + 32);
    resize(wide, sizeHint().height());
    QPoint at = anchor_->mapToGlobal(QPoint(0, anchor_->height()));
    // Above the field when there is no room under it.
    if (const QScreen* screen = anchor_->screen()) {
        const QRect room = screen->availableGeometry();
        if (at.y() + height() > room.bottom()) at.ry() -= height() + anchor_->height();
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - width())));
    }
    move(at);
    show();
    search_->setFocus(Qt::PopupFocusReason);
}

void PostalChoiceList::narrow(const QString& text) {
    const QString key = postal::matchKey(text);
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        const bool shown = key.isEmpty() || postal::matchKey(item->text()).contains(key);
        item->setHidden(!shown);
        if (shown && !first) first = item;
    }
    list_->setCurrentItem(first);
}

void PostalChoiceList::takeCurrent() {
    QListWidgetItem* item = list_->currentItem();
    if (!item || item->isHidden()) return;
    const int index = item->data(Qt::UserRole).toInt();
    close();
    emit chosen(index);
}

bool PostalChoiceList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        switch (key) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                // The list moves while the caret stays in the search line.
                QCoreApplication::sendEvent(list_, event);
                return true;
            case Qt::Key_Escape:
                close();
                return true;
            default:
                break;
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace book
