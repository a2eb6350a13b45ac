#include "platform/ui/Hint.h"

#include <QAction>
#include <QWidget>

namespace platform {

QString shortHint(const QString& hint) {
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString longHint(const QString& hint) {
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void applyHint(QWidget* widget, const QString& hint, bool showToolTip) {
    widget->setProperty("hint", hint);
    widget->setToolTip(showToolTip ? shortHint(hint) : QString());
    widget->setStatusTip(longHint(hint));
}

void applyHint(QAction* action, const QString& hint) {
    action->setProperty("hint", hint);
    action->setToolTip(shortHint(hint));
    action->setStatusTip(longHint(hint));
}

}  // namespace platform
