#include "app/ui/Settings.h"

#include "app/ui/MainWindow.h"
#include "book/ui/SenderPage.h"
#include "message/ui/BodyPage.h"
#include "message/ui/MessageFieldsPanel.h"
#include "platform/files/ProfileFile.h"
#include "platform/seams/Dialogs.h"
#include "render/ui/LayoutPanel.h"
#include "render/ui/PreviewPage.h"
#include "render/ui/TypesetTab.h"
#include "settings/SettingsInput.h"

namespace app {

ProgramSettings MainWindow::currentSettings() const {
    ProgramSettings s;
    s.sender = senderPage->texts();
    s.addressLayout = previewPage->layoutSettings();
    const render::PreviewPage::ChoiceIndexes address = previewPage->choiceIndexes();
    s.addressFace = address.face;
    s.mediaKind = address.kind;
    s.honorific = address.honorific;
    s.messageLayout = bodyPage->messageLayout();
    const message::BodyPage::ChoiceIndexes body = bodyPage->choiceIndexes();
    s.messageFace = body.face;
    s.messageKind = body.kind;
    s.pictureFit = body.fit;
    const render::TypesetTab::ChoiceIndexes typeset = previewPage->typesetIndexes();
    s.jointAlign = typeset.jointAlign;
    s.blockDash = typeset.blockDash;
    s.halfKana = typeset.halfKana;
    s.fitColumns = typeset.fitColumns;
    const render::CustomerBarcodeInput barcode = previewPage->barcodeInput();
    s.barcodePrint = barcode.print ? 1 : 0;
    s.barcodeSize = QString::number(barcode.points);
    s.barcodeXPos = barcode.xPos;
    s.barcodeYPos = barcode.yPos;
    return s;
}

void MainWindow::applySettings(const ProgramSettings& settings) {
    senderPage->setTexts(settings.sender);
    previewPage->setLayoutSettings(settings.addressLayout);
    previewPage->setChoiceIndexes({settings.addressFace, settings.mediaKind, settings.honorific});
    bodyPage->setMessageLayout(settings.messageLayout);
    bodyPage->setChoiceIndexes({settings.messageFace, settings.messageKind, settings.pictureFit});
    previewPage->setTypesetIndexes(
        {settings.jointAlign, settings.blockDash, settings.halfKana, settings.fitColumns});
    previewPage->setBarcodeInput(barcodeInputOf(settings));
}

void readSettings(MainWindow& window, const QString& path) {
    window.applySettings(readSettingsFile(path, window.currentSettings()));
}

bool writeSettings(MainWindow& window, const QString& path, platform::Dialogs& dialogs) {
    if (!writeSettingsFile(path, window.currentSettings())) {
        dialogs.error(&window, platform::ProfileFile::cannotWriteMessage(path));
        return false;
    }
    return true;
}

}  // namespace app
