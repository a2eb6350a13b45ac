// The main window's print commands: the address side of the selected
// records, one page each, or the message side on one page.

#include <QFileInfo>
#include <QTabWidget>

#include "app/ui/MainWindow.h"
#include "cli/OverflowLines.h"
#include "message/MessageSideOutput.h"
#include "message/ui/BodyPage.h"
#include "platform/files/AppPaths.h"
#include "platform/seams/Dialogs.h"
#include "platform/seams/PrintTarget.h"
#include "platform/ui/StringGrid.h"
#include "print/CardPaper.h"
#include "print/PrintJob.h"
#include "print/PrinterMemory.h"
#include "print/ui/CalibrationDialog.h"
#include "print/ui/ListPage.h"
#include "render/AddressSideInput.h"
#include "render/AddressSideOutput.h"
#include "render/DrawAddressSide.h"
#include "render/MediaKind.h"
#include "render/ui/PreviewPage.h"

namespace app {

int MainWindow::printKind() {
    if (pages->currentWidget() == listPage) return print::kListSheet;
    if (pages->currentWidget() == bodyPage)
        return int(render::MediaKind::PlainPostcard);  // a card back is always a postcard
    return addressSideInput(activeGrid()->selection().top).mediaKind;
}

bool MainWindow::choosePrinterFor(int kind) {
    // Printing into a file proposes the book's name.
    const QString book = QFileInfo(book_->fileName()).completeBaseName();
    printer_.setDocumentName(book.isEmpty() ? QStringLiteral("Pelcor") : book);
    return print::withKindPaper(printer_, platform::AppPaths::settingsFile(), kind,
                                [this] { return printer_.choosePrinter(this); });
}

void MainWindow::ActPrintExecute() {
    if (pages->currentWidget() == previewPage) {
        const platform::GridRect rows = activeGrid()->selection();
        render::AddressSideInput card = addressSideInput(rows.top);
        card.target = platform::OutputTarget::Printer;
        if (!printDespiteOverflows(dialogs_, this, card, book_->activeBook(), rows.top,
                                   rows.bottom))
            return;
    }
    const int kind = printKind();
    const bool confirmed = choosePrinterFor(kind);
    RefreshPreview();  // whenever the dialog closes
    if (!confirmed) return;

    QString error;
    if (pages->currentWidget() == previewPage) {
        const platform::GridRect rows = activeGrid()->selection();
        error =
            print::runPrintJob(printer_, QStringLiteral("Pelcor"), rows.bottom - rows.top + 1,
                               [&](QPainter& painter, int page) {
                                   render::AddressSideInput in = addressSideInput(rows.top + page);
                                   in.target = platform::OutputTarget::Printer;
                                   render::printAddressSide(painter, render::DrawAddressSide(in));
                               });
        RefreshPreview();
    } else if (pages->currentWidget() == bodyPage) {
        // One card back, whatever is selected in the grids.
        error =
            print::runPrintJob(printer_, QStringLiteral("Pelcor"), 1, [&](QPainter& painter, int) {
                message::printMessageSide(
                    painter, message::RenderMessageSide(
                                 bodyPage->messageSideInput(platform::OutputTarget::Printer)));
            });
        bodyPage->redraw();
    }
    if (!error.isEmpty()) dialogs_.error(this, error);
}

void MainWindow::ActPrinterExecute() {
    // The setup dialog shows the paper of what would print now, and what
    // the user picks there is kept for that printer and kind.
    print::withKindPaper(printer_, platform::AppPaths::settingsFile(), printKind(), [this] {
        printer_.setupPrinter(this);
        return true;
    });
    RefreshPreview();
}

void MainWindow::ActCalibrateExecute() {
    // The kind of the address side, whichever page is shown.
    const int kind = addressSideInput(activeGrid()->selection().top).mediaKind;
    print::CalibrationDialog dialog(printer_, dialogs_, platform::AppPaths::settingsFile(),
                                    std::max(kind, 0), this);
    dialog.exec();
    RefreshPreview();
}

}  // namespace app
