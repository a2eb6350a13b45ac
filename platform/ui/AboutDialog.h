#pragma once
// The contents of an about box: the program's picture, name and version, an
// optional sentence, and an OK button that hides the box again.

#include <QIcon>
#include <QString>

class QDialog;

namespace platform {

void fillAboutBox(QDialog& box, const QIcon& icon, const QString& name,
                  const QString& comment = QString());

}  // namespace platform
