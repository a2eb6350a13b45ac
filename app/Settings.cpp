#include "app/Settings.h"

#include <QComboBox>
#include <QLineEdit>

#include "app/TMirelForm.h"
#include "book/SenderPage.h"
#include "message/BodyPage.h"
#include "message/MessageFieldsPanel.h"
#include "platform/Dialogs.h"
#include "platform/ProfileFile.h"
#include "render/LayoutPanel.h"
#include "render/PreviewPage.h"
#include "render/TypesetTab.h"

namespace app {
namespace {

struct Choice {
    QComboBox* box;
    int ProgramSettings::*value;
};

// The choosers, each with the value it keeps.
QVector<Choice> choices(const render::PreviewPage& preview) {
    const render::TypesetTab* typeset = preview.typesetTab();
    return {
        {typeset->JointAlign, &ProgramSettings::jointAlign},
        {typeset->BlockDash, &ProgramSettings::blockDash},     {typeset->HalfKana, &ProgramSettings::halfKana},
    };
}

}  // namespace

ProgramSettings TMirelForm::currentSettings() const {
    ProgramSettings s;
    s.sender = senderPage->texts();
    s.addressLayout = previewPage->layoutSettings();
    const render::PreviewPage::ChoiceIndexes address = previewPage->choiceIndexes();
    s.addressFace = address.face;
    s.mediaKind = address.kind;
    s.honorific = address.honorific;
    s.messageLayout = bodyPage->messageLayout();
    const message::BodyPage::ChoiceIndexes message = bodyPage->choiceIndexes();
    s.messageFace = message.face;
    s.messageKind = message.kind;
    for (const Choice& c : choices(*previewPage)) s.*c.value = c.box->currentIndex();
    return s;
}

void TMirelForm::applySettings(const ProgramSettings& settings) {
    senderPage->setTexts(settings.sender);
    previewPage->setLayoutSettings(settings.addressLayout);
    previewPage->setChoiceIndexes({settings.addressFace, settings.mediaKind, settings.honorific});
    bodyPage->setMessageLayout(settings.messageLayout);
    bodyPage->setChoiceIndexes({settings.messageFace, settings.messageKind});
    for (const Choice& c : choices(*previewPage)) {
        const int index = settings.*c.value;
        c.box->setCurrentIndex(index >= 0 && index < c.box->count() ? index : -1);
    }
}

void readSettings(TMirelForm& window, const QString& path) {
    window.applySettings(readSettingsFile(path, window.currentSettings()));
}

bool writeSettings(TMirelForm& window, const QString& path, platform::Dialogs& dialogs) {
    if (!writeSettingsFile(path, window.currentSettings())) {
        dialogs.error(&window, platform::ProfileFile::cannotWriteMessage(path));
        return false;
    }
    return true;
}

}  // namespace app
