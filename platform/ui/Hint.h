#pragma once
// Hints are "short|long": the short part is the tool tip, the long part goes
// to the status bar. A hint without "|" serves as both.

#include <QString>

class QAction;
class QWidget;

namespace platform {

QString shortHint(const QString& hint);
QString longHint(const QString& hint);

// Tool tip = short part (unless showToolTip is false), status tip = long part.
void applyHint(QWidget* widget, const QString& hint, bool showToolTip = true);
void applyHint(QAction* action, const QString& hint);

}  // namespace platform
