#include "postal/ui/PostalAssist.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStatusTipEvent>
#include <QTimer>

#include "postal/PostalDictionaryFile.h"
#include "postal/PostalKey.h"
#include "postal/ui/PostalChoiceList.h"

namespace book {
namespace {

// One candidate per address: a code may list a town once per block range.
std::vector<PostalPlace> distinctPlaces(const std::vector<PostalPlace>& places) {
    std::vector<PostalPlace> out;
    for (const PostalPlace& p : places) {
        bool seen = false;
        for (const PostalPlace& o : out) seen = seen || o.address() == p.address();
        if (!seen) out.push_back(p);
    }
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
    for (int box : {0, 1}) {
        QLineEdit* e = box == 0 ? f_.code3 : f_.code4;
        connect(e, &QLineEdit::textEdited, this,
                [this, box](const QString& text) { codeTyped(box, text); });
        connect(e, &QLineEdit::textChanged, this,
                [this, box](const QString& text) { codeChanged(box, text); });
        // Only what the user types starts a look-up, and only once the page
        // has done its own part of the keystroke (moving the focus on).
        connect(e, &QLineEdit::textEdited, this,
                [this] { QTimer::singleShot(0, this, &PostalAssist::codeEdited); });
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* from, QWidget* to) {
        const auto isCode = [this](QWidget* w) { return w == f_.code3 || w == f_.code4; };
        // A window or popup coming back is no new visit to the code.
        if (from && isCode(to) && !isCode(from)) codeEntered();
    });
}

const PostalDictionary* PostalAssist::dictionary() {
    if (!file_) return nullptr;
    const PostalDictionary* d = file_->get();
    if (!d) {
        const QString failure = file_->takeFailure();
        if (!failure.isEmpty()) say(failure, true);
    }
    return d;
}

void PostalAssist::say(const QString& text, bool error) {
    said_ = text;
    status_(text, error);
}

void PostalAssist::clearOffer() {
    offeredPlaces_.clear();
    offeredCodes_.clear();
    if (said_.isEmpty()) return;
    said_.clear();
    status_(QString(), false);
}

void PostalAssist::codeEntered() {
    typedWhole_[0] = f_.code3->text().isEmpty();
    typedWhole_[1] = f_.code4->text().isEmpty();
}

// A keystroke emits both textChanged and textEdited; either may come first.
void PostalAssist::codeTyped(int box, const QString& text) {
    const bool before = changedTo_[box] == text ? wholeBefore_[box] : typedWhole_[box];
    typedWhole_[box] = before || keyStartsAfresh_[box] || text.isEmpty();
    keyStartsAfresh_[box] = false;
    lastTyped_[box] = text;
    changedTo_[box].clear();
}

void PostalAssist::codeChanged(int box, const QString& text) {
    if (text == lastTyped_[box]) return;
    // Until textEdited says otherwise, a code set by the page (a record
    // loaded) was not typed.
    wholeBefore_[box] = typedWhole_[box];
    typedWhole_[box] = text.isEmpty();
    changedTo_[box] = text;
}

void PostalAssist::codeEdited() {
    // The page moves the focus on at the last digit.
    if (f_.address1->window()->focusWidget() == f_.address1) settleInAddress();
    if (!typedWhole_[0] || !typedWhole_[1]) return;
    if (f_.code3->text().size() != 3 || f_.code4->text().size() != 4) return;
    const int code = postal::parseCode(f_.code3->text() + f_.code4->text());
    const PostalDictionary* d = code < 0 ? nullptr : dictionary();
    if (!d) return;
    places_ = d->lookup(code);
    const std::vector<PostalPlace> places = distinctPlaces(places_);
    if (places.empty()) {
        say(QStringLiteral("〒%1 は郵便番号辞書にありません。").arg(postal::formatCode(code)),
            true);
        return;
    }
    if (f_.address1->text().trimmed().isEmpty()) {
        offerPlaces(places);
        takeOffer();
        return;
    }
    // 住所1 already says the same: nothing to offer.
    const QString typed = postal::matchKey(f_.address1->text());
    for (const PostalPlace& p : places)
        if (typed.startsWith(postal::matchKey(p.address()))) return;
    offerPlaces(places);
}

void PostalAssist::offerPlaces(const std::vector<PostalPlace>& places) {
    offeredPlaces_ = places;
    say(places.size() == 1 ? QStringLiteral("F2: %1").arg(places.front().address())
                           : QStringLiteral("F2: 町域の候補 %1 件").arg(places.size()),
        false);
}

void PostalAssist::addressLeft() {
    if (!f_.code3->text().isEmpty() || !f_.code4->text().isEmpty()) return;
    if (f_.address1->text().trimmed().isEmpty()) return;
    const PostalDictionary* d = dictionary();
    if (!d) return;
    offeredCodes_ = d->find(f_.address1->text());
    if (offeredCodes_.empty()) return;
    say(offeredCodes_.size() == 1
            ? QStringLiteral("F2: 〒%1").arg(postal::formatCode(offeredCodes_.front()))
            : QStringLiteral("F2: 〒の候補 %1 件").arg(offeredCodes_.size()),
        false);
}

// The offer stays until the code or the address changes, so that F2 opens
// the list again after Esc.
bool PostalAssist::takeOffer() {
    if (!offeredPlaces_.empty()) {
        const std::vector<PostalPlace> places = offeredPlaces_;
        if (places.size() == 1) {
            applyCandidate(places.front());
            return true;
        }
        QStringList items;
        for (const PostalPlace& p : places) items << p.address();
        openChoices(items, [this, places](int i) { applyCandidate(places[size_t(i)]); });
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
            const std::vector<PostalPlace> places = d ? d->lookup(c) : std::vector<PostalPlace>();
            items << QStringLiteral("〒%1  %2")
                         .arg(postal::formatCode(c),
                              places.empty() ? QString() : places.front().address());
        }
        openChoices(items, [this, codes](int i) { fillCode(codes[size_t(i)]); });
        return true;
    }
    return false;
}

// Every town the user takes, from the code or from the list, reaches the
// page here.
void PostalAssist::applyCandidate(const PostalPlace& place) {
    // Typed over rather than set, so that undo brings the old text back.
    f_.address1->setFocus();
    f_.address1->selectAll();
    f_.address1->insert(place.address());
    settleInAddress();
    if (!filled_) return;
    // The dictionary's entries behind the address taken (an office's name among them).
    std::vector<PostalPlace> filled;
    for (const PostalPlace& p : places_)
        if (p.address() == place.address()) filled.push_back(p);
    if (filled.empty()) filled.push_back(place);
    filled_(filled);
}

// The caret after the address, nothing selected (the next key adds the
// block number instead of replacing the address), and the status bar
// describing this field rather than the code's.
void PostalAssist::settleInAddress() {
    f_.address1->deselect();
    f_.address1->setCursorPosition(int(f_.address1->text().size()));
    QStatusTipEvent tip(f_.address1->statusTip());
    QCoreApplication::sendEvent(f_.address1, &tip);
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

void PostalAssist::openChoices(const QStringList& items, const std::function<void(int)>& take) {
    if (choices_) choices_->close();
    choices_ = new PostalChoiceList(items, f_.address1);
    connect(choices_, &PostalChoiceList::chosen, this, take);
    connect(choices_, &QObject::destroyed, this, [this] { choices_ = nullptr; });
    choices_->popup();
}

bool PostalAssist::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2 && takeOffer()) return true;
        // A key typed into an empty box, or over all of it, starts its digits afresh.
        for (int box : {0, 1}) {
            auto* e = box == 0 ? f_.code3 : f_.code4;
            if (watched == e)
                keyStartsAfresh_[box] = e->text().isEmpty() || e->selectedText() == e->text();
        }
    }
    if (event->type() == QEvent::FocusOut && watched == f_.address1) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) addressLeft();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace book
