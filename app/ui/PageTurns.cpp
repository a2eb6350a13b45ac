// Turning the window's pages: the page left is told first, then the page
// shown, which switches the commands that make sense there.

#include <QTabWidget>

#include "app/ui/MainWindow.h"
#include "book/ui/EntryPage.h"
#include "book/ui/SenderPage.h"
#include "message/ui/BodyPage.h"
#include "print/ui/ListPage.h"
#include "render/ui/PreviewPage.h"

namespace app {

void MainWindow::showPage(Page page) { pages->setCurrentIndex(static_cast<int>(page)); }

Page MainWindow::currentPage() const { return static_cast<Page>(pages->currentIndex()); }

void MainWindow::onPageChanged(int) {
    QWidget* page = pages->currentWidget();
    if (shownPage_ == senderPage) senderPage->leave();
    if (shownPage_ == previewPage) leavePreview();
    if (shownPage_ == entryPage) entryPage->leave();
    shownPage_ = page;
    if (page == senderPage) senderPage->enter();
    if (page == previewPage) enterPreview();
    if (page == entryPage) entryPage->enter();
    if (page == bodyPage) bodyPage->enter();
    if (page == listPage) listPage->enter();
}

void MainWindow::ActEditDataExecute() {
    pages->setCurrentWidget(entryPage);
    entryPage->focusFirstField();
}

}  // namespace app
