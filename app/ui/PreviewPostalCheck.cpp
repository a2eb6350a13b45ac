#include "app/ui/PreviewPostalCheck.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include "postal/PostalCheck.h"
#include "postal/PostalDictionaryFile.h"
#include "postal/PostalKey.h"

namespace app {

PreviewPostalCheck::PreviewPostalCheck(QStatusBar* bar, book::PostalDictionaryFile& dictionary,
                                       QObject* parent)
    : QObject(parent), note_(new QLabel(bar)), dictionary_(dictionary) {
    note_->setObjectName(QStringLiteral("PostalRemark"));
    QPalette p = note_->palette();
    p.setColor(QPalette::WindowText, QColor(192, 0, 0));
    note_->setPalette(p);
    bar->addPermanentWidget(note_);
    note_->hide();
}

void PreviewPostalCheck::check(const QString& postalCell, const QString& address) {
    postal_ = postalCell;
    address_ = address;
    wanted_ = true;
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, &PreviewPostalCheck::run);
}

void PreviewPostalCheck::clear() {
    wanted_ = false;
    note_->hide();
}

void PreviewPostalCheck::run() {
    scheduled_ = false;
    if (!wanted_) return;
    // A record without a complete code needs no dictionary, so an empty
    // book at start-up does not read it.
    if (book::postal::parseCode(postal_) < 0) {
        note_->hide();
        return;
    }
    const book::PostalDictionary* d = dictionary_.get();
    const QString text =
        d ? book::postalCodeRemark(*d, postal_, address_) : dictionary_.takeFailure();
    note_->setText(text);
    note_->setVisible(!text.isEmpty());
}

}  // namespace app
