#include "book/PostalAssist.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QTimer>

#include "book/PostalDictionary.h"
#include "book/PostalDictionaryFile.h"
#include "book/PostalKey.h"

namespace book {
namespace {

QStringList addressesOf(const std::vector<PostalPlace>& places) {
    QStringList out;
    for (const PostalPlace& p : places)
        if (!out.contains(p.address())) out << p.address();
    return out;
}

}  // namespace

PostalAssist::PostalAssist(const Fields& fields, std::function<void(const QString&, bool)> status,
                           std::function<void()> edited, QObject* parent)
    : QObject(parent), f_(fields), status_(std::move(status)), edited_(std::move(edited)) {
    for (QLineEdit* e : {f_.code3, f_.code4, f_.address1, f_.address2}) e->installEventFilter(this);
    // Any change, typed or loaded, makes an offer stale.
    for (QLineEdit* e : {f_.code3, f_.code4, f_.address1})
        connect(e, &QLineEdit::textChanged, this, &PostalAssist::clearOffer);
    // Only what the user types starts a look-up, and only once the page has
    // done its own part of the keystroke (moving the focus on).
    for (QLineEdit* e : {f_.code3, f_.code4})
        connect(e, &QLineEdit::textEdited, this,
                [this] { QTimer::singleShot(0, this, &PostalAssist::codeEdited); });
}

const PostalDictionary* PostalAssist::dictionary() {
    if (!file_) return nullptr;
    const PostalDictionary* d = file_->get();
    if (!d) {
        const QString failure = file_->takeFailure();
        if (!failure.isEmpty()) status_(failure, true);
    }
    return d;
}

void PostalAssist::clearOffer() {
    offeredAddresses_.clear();
    offeredCodes_.clear();
}

void PostalAssist::codeEdited() {
    if (f_.code3->text().size() != 3 || f_.code4->text().size() != 4) return;
    const int code = postal::parseCode(f_.code3->text() + f_.code4->text());
    const PostalDictionary* d = code < 0 ? nullptr : dictionary();
    if (!d) return;
    places_ = d->lookup(code);
    const QStringList addresses = addressesOf(places_);
    if (addresses.isEmpty()) {
        status_(QStringLiteral("〒%1 は郵便番号辞書にありません。").arg(postal::formatCode(code)),
                true);
        return;
    }
    if (f_.address1->text().trimmed().isEmpty()) {
        if (addresses.size() == 1)
            fillAddress(addresses.front());
        else
            offerChoices(addresses, [this, addresses](int i) { fillAddress(addresses[i]); });
        return;
    }
    // 住所1 already says the same: nothing to offer.
    const QString typed = postal::matchKey(f_.address1->text());
    for (const QString& a : addresses)
        if (typed.startsWith(postal::matchKey(a))) return;
    offeredAddresses_ = addresses;
    status_(addresses.size() == 1 ? QStringLiteral("F2: %1").arg(addresses.front())
                                  : QStringLiteral("F2: 町域の候補 %1 件").arg(addresses.size()),
            false);
}

void PostalAssist::addressLeft() {
    if (!f_.code3->text().isEmpty() || !f_.code4->text().isEmpty()) return;
    if (f_.address1->text().trimmed().isEmpty()) return;
    const PostalDictionary* d = dictionary();
    if (!d) return;
    offeredCodes_ = d->find(f_.address1->text());
    if (offeredCodes_.empty()) return;
    status_(offeredCodes_.size() == 1
                ? QStringLiteral("F2: 〒%1").arg(postal::formatCode(offeredCodes_.front()))
                : QStringLiteral("F2: 〒の候補 %1 件").arg(offeredCodes_.size()),
            false);
}

bool PostalAssist::takeOffer() {
    if (!offeredAddresses_.isEmpty()) {
        const QStringList addresses = offeredAddresses_;
        if (addresses.size() == 1)
            fillAddress(addresses.front());
        else
            offerChoices(addresses, [this, addresses](int i) { fillAddress(addresses[i]); });
        return true;
    }
    if (!offeredCodes_.empty()) {
        const std::vector<int> codes = offeredCodes_;
        if (codes.size() == 1) {
            fillCode(codes.front());
            return true;
        }
        QStringList items;
        const PostalDictionary* d = dictionary();
        for (int c : codes) {
            const QStringList addresses = d ? addressesOf(d->lookup(c)) : QStringList();
            items << QStringLiteral("〒%1  %2").arg(postal::formatCode(c), addresses.value(0));
        }
        offerChoices(items, [this, codes](int i) { fillCode(codes[size_t(i)]); });
        return true;
    }
    return false;
}

void PostalAssist::fillAddress(const QString& address) {
    // Typed over rather than set, so that undo brings the old text back.
    f_.address1->setFocus();
    f_.address1->selectAll();
    f_.address1->insert(address);
    f_.address1->deselect();
    f_.address1->setCursorPosition(int(f_.address1->text().size()));
    if (filled_) {
        std::vector<PostalPlace> filled;
        for (const PostalPlace& p : places_)
            if (p.address() == address) filled.push_back(p);
        filled_(filled);
    }
}

void PostalAssist::fillCode(int code) {
    {
        // The page must not take this for typing and move the focus on.
        const QSignalBlocker block3(f_.code3), block4(f_.code4);
        f_.code3->setText(postal::formatCode(code).left(3));
        f_.code4->setText(postal::formatCode(code).mid(4));
    }
    clearOffer();
    edited_();
}

void PostalAssist::offerChoices(const QStringList& items, const std::function<void(int)>& take) {
    if (choices_) choices_->close();
    choices_ = new QMenu(f_.address1);
    choices_->setObjectName(QStringLiteral("PostalChoices"));
    choices_->setAttribute(Qt::WA_DeleteOnClose);
    for (int i = 0; i < items.size(); ++i)
        connect(choices_->addAction(items[i]), &QAction::triggered, this, [take, i] { take(i); });
    connect(choices_, &QObject::destroyed, this, [this] { choices_ = nullptr; });
    choices_->popup(f_.address1->mapToGlobal(QPoint(0, f_.address1->height())));
    choices_->setActiveAction(choices_->actions().value(0));
}

bool PostalAssist::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2 &&
        takeOffer())
        return true;
    if (event->type() == QEvent::FocusOut && watched == f_.address1) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) addressLeft();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace book
