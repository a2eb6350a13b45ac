// The main window's print commands: the address side of the selected
// records, one page each, or the message side on one page.

#include <QTabWidget>

#include "app/OverflowLines.h"
#include "app/TMirelForm.h"
#include "message/BodyPage.h"
#include "message/MessageSideOutput.h"
#include "platform/Dialogs.h"
#include "platform/PrintTarget.h"
#include "platform/StringGrid.h"
#include "print/PrintJob.h"
#include "render/AddressSideInput.h"
#include "render/AddressSideOutput.h"
#include "render/DrawAddressSide.h"
#include "render/PreviewPage.h"

namespace app {

void TMirelForm::ActPrintExecute() {
    if (pages->currentWidget() == previewPage) {
        const platform::GridRect rows = activeGrid()->selection();
        render::AddressSideInput card = addressSideInput(rows.top);
        card.target = render::OutputTarget::Printer;
        if (!printDespiteOverflows(dialogs_, this, card, activeBook(), rows.top, rows.bottom))
            return;
    }
    const bool confirmed = printer_.choosePrinter(this);
    RefreshPreview();  // whenever the dialog closes
    if (!confirmed) return;

    QString error;
    if (pages->currentWidget() == previewPage) {
        const platform::GridRect rows = activeGrid()->selection();
        error =
            print::runPrintJob(printer_, QStringLiteral("Pelcor"), rows.bottom - rows.top + 1,
                               [&](QPainter& painter, int page) {
                                   render::AddressSideInput in = addressSideInput(rows.top + page);
                                   in.target = render::OutputTarget::Printer;
                                   render::printAddressSide(painter, render::DrawAddressSide(in));
                               });
        RefreshPreview();
    } else if (pages->currentWidget() == bodyPage) {
        // One card back, whatever is selected in the grids.
        error =
            print::runPrintJob(printer_, QStringLiteral("Pelcor"), 1, [&](QPainter& painter, int) {
                message::printMessageSide(
                    painter, message::RenderMessageSide(
                                 bodyPage->messageSideInput(render::ReferenceDevice::Printer)));
            });
        bodyPage->RichEdit2Change();
    }
    if (!error.isEmpty()) dialogs_.error(this, error);
}

void TMirelForm::ActPrinterExecute() {
    printer_.setupPrinter(this);
    RefreshPreview();
}

}  // namespace app
