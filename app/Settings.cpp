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
QVector<Choice> choices(const TMirelForm& w) {
    const render::TypesetTab* typeset = w.previewPage->PageControl2->typesetTab();
    return {
        {w.previewPage->faceChoice, &ProgramSettings::addressFace}, {w.previewPage->kindChoice, &ProgramSettings::mediaKind},
        {w.previewPage->honorificChoice, &ProgramSettings::honorific},   {w.bodyPage->messageFaceChoice, &ProgramSettings::messageFace},
        {w.bodyPage->messageKindChoice, &ProgramSettings::messageKind},  {typeset->JointAlign, &ProgramSettings::jointAlign},
        {typeset->BlockDash, &ProgramSettings::blockDash},     {typeset->HalfKana, &ProgramSettings::halfKana},
    };
}

struct SenderText {
    QLineEdit* edit;
    QString render::SenderTexts::*value;
};

QVector<SenderText> senderTexts(const TMirelForm& w) {
    const book::SenderPage& s = *w.senderPage;
    return {
        {s.SSimei, &render::SenderTexts::SSimei},
        {s.SRenmei, &render::SenderTexts::SRenmei},
        {s.SYuubinBangou1, &render::SenderTexts::SYuubinBangou1},
        {s.SYuubinBangou2, &render::SenderTexts::SYuubinBangou2},
        {s.SJuusho1, &render::SenderTexts::SJuusho1},
        {s.SJuusho2, &render::SenderTexts::SJuusho2},
    };
}

}  // namespace

ProgramSettings settingsFromControls(const TMirelForm& window) {
    ProgramSettings s;
    for (const SenderText& t : senderTexts(window)) s.sender.*t.value = t.edit->text();
    s.addressLayout = window.previewPage->PageControl2->settings();
    s.messageLayout = window.bodyPage->PageControl3->layout();
    for (const Choice& c : choices(window)) s.*c.value = c.box->currentIndex();
    return s;
}

void applySettings(TMirelForm& window, const ProgramSettings& settings) {
    for (const SenderText& t : senderTexts(window)) t.edit->setText(settings.sender.*t.value);
    window.previewPage->PageControl2->setSettings(settings.addressLayout);
    window.bodyPage->PageControl3->setFieldValues(settings.messageLayout);
    for (const Choice& c : choices(window)) {
        const int index = settings.*c.value;
        c.box->setCurrentIndex(index >= 0 && index < c.box->count() ? index : -1);
    }
}

void readSettings(TMirelForm& window, const QString& path) {
    applySettings(window, readSettingsFile(path, settingsFromControls(window)));
}

bool writeSettings(TMirelForm& window, const QString& path, platform::Dialogs& dialogs) {
    if (!writeSettingsFile(path, settingsFromControls(window))) {
        dialogs.error(&window, platform::ProfileFile::cannotWriteMessage(path));
        return false;
    }
    return true;
}

}  // namespace app
