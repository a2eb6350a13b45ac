#include "app/ui/PreviewOverflowNote.h"

#include <QLabel>
#include <QStatusBar>

#include "render/OverflowReport.h"

namespace app {

PreviewOverflowNote::PreviewOverflowNote(QStatusBar* bar, QObject* parent)
    : QObject(parent), note_(new QLabel(bar)) {
    note_->setObjectName(QStringLiteral("OverflowRemark"));
    QPalette p = note_->palette();
    p.setColor(QPalette::WindowText, QColor(192, 0, 0));
    note_->setPalette(p);
    bar->addPermanentWidget(note_);
    note_->hide();
}

void PreviewOverflowNote::check(const render::AddressSideInput& card) {
    // The printed card is what counts: the screen's marks are not fields.
    render::AddressSideInput printed = card;
    printed.target = platform::OutputTarget::Printer;
    const QStringList messages = render::overflowMessages(printed);
    note_->setText(messages.join(QString()));
    note_->setToolTip(messages.join(QLatin1Char('\n')));
    note_->setVisible(!messages.isEmpty());
}

void PreviewOverflowNote::clear() { note_->hide(); }

}  // namespace app
