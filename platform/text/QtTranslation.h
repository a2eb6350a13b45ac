#pragma once
// Qt's own texts (the buttons of message boxes, the file, print, page-setup
// and colour dialogs) in Japanese, to match every text of the program.

#include <QString>

class QCoreApplication;

namespace platform {

// Loads qtbase_ja from `folder` (Qt's translations folder when empty) and
// installs it on the application. Returns false, leaving Qt's English texts,
// when the file is missing or unreadable; the program runs on either way.
bool installQtTranslation(QCoreApplication& application, const QString& folder = QString());

}  // namespace platform
