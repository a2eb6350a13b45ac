#include "message/BodyPage.h"

#include <QComboBox>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "message/BodyFile.h"
#include "platform/Dialogs.h"

namespace message {

BodyPage::BodyPage(platform::Dialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("HRimen"));
    ComboBox5 = new QComboBox(this);
    ComboBox5->setObjectName(QStringLiteral("ComboBox5"));
    ComboBox5->addItems({QStringLiteral("年賀ハガキ"), QStringLiteral("普通ハガキ")});
    ComboBox4 = new QComboBox(this);
    ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
    ComboBox4->addItems({QStringLiteral("ＭＳ　明朝"), QStringLiteral("ＭＳ　ゴシック"),
                         QStringLiteral("ＨＧ正楷書体-PRO"), QStringLiteral("HG行書体")});
    RichEdit2 = new QPlainTextEdit(this);
    RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ComboBox5);
    layout->addWidget(ComboBox4);
    layout->addWidget(RichEdit2);
}

bool BodyPage::isModified() const { return RichEdit2->document()->isModified(); }

void BodyPage::NewBody() {
    RichEdit2->clear();
    RichEdit2->document()->setModified(false);
    BodyFileName.clear();
    PictureFileName.clear();
}

void BodyPage::ActHSaveExecute() {
    if (QFileInfo(BodyFileName).suffix().isEmpty())
        ActHSaveAsExecute();
    else
        SaveBody(BodyFileName);
}

void BodyPage::ActHSaveAsExecute() {
    platform::FileDialogRequest req;
    req.filters = {QStringLiteral("テキストファイル(*.txt)"), QStringLiteral("全てのファイル(*.*)")};
    req.defaultExtension = QStringLiteral("txt");
    const platform::FileDialogResult chosen = dialogs_.saveFile(this, req);
    if (!chosen.accepted()) return;
    BodyFileName = chosen.path;
    SaveBody(BodyFileName);
}

bool BodyPage::SaveBody(const QString& path) {
    const BodyWriteResult r = writeBodyFile(path, RichEdit2->toPlainText());
    if (!r.ok) {
        dialogs_.error(this, r.error);
        return false;
    }
    RichEdit2->document()->setModified(false);
    BodyFileName = path;
    return true;
}

}  // namespace message
