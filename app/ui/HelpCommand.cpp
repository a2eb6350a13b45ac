// The help command: the shipped help document in the help window.

#include <QApplication>
#include <QDir>

#include "app/ui/HelpWindow.h"
#include "app/ui/MainWindow.h"
#include "platform/files/AppPaths.h"
#include "platform/seams/Dialogs.h"

namespace app {

void MainWindow::ActHelpExecute() {
    // The program entry names the file; without it, the shipped copy.
    QString path = qApp->property("helpFile").toString();
    if (path.isEmpty()) path = platform::AppPaths::resourcePath(QStringLiteral("help/index.html"));
    if (!help_) help_ = new HelpWindow(this);
    if (!help_->openDocument(path)) {
        dialogs_.error(this, QStringLiteral("ヘルプファイルが見つかりません。\n") +
                                 QDir::toNativeSeparators(path));
        return;
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

}  // namespace app
