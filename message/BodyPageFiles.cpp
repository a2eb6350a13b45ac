// The body document's life: new, save, save as, and opening texts and
// pictures for the back.

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>

#include "message/BodyFile.h"
#include "message/BodyPage.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"

namespace message {

void BodyPage::NewBody() {
    replaceText(QString());
    setCommand("ActHSave", false);
    setCommand("ActOpen2", true);
    showStatus(newBodyStatus());
    // The bitmap stays; without a name it is neither shown nor printed.
    BodyFileName.clear();
    PictureFileName.clear();
    renderPreview();
    RichEdit2SelectionChange();
}

void BodyPage::ActHNewExecute() {
    if (activate_) activate_();
    PictureFileName.clear();
    NewBody();
    focusEditor();
}

bool BodyPage::ActHSaveExecute() {
    if (QFileInfo(BodyFileName).suffix().isEmpty()) return ActHSaveAsExecute();
    return SaveBody(BodyFileName);
}

bool BodyPage::ActHSaveAsExecute() {
    platform::FileDialogRequest req;
    req.filters = {QStringLiteral("テキストファイル(*.txt)"),
                   QStringLiteral("全てのファイル(*.*)")};
    req.defaultExtension = QStringLiteral("txt");
    req.folder = QDir(platform::AppPaths::dataFolder()).filePath(QStringLiteral("本文"));
    const platform::FileDialogResult chosen = dialogs_.saveFile(this, req);
    if (!chosen.accepted()) {
        reRender();
        return false;
    }
    BodyFileName = chosen.path;
    return SaveBody(BodyFileName);
}

bool BodyPage::SaveBody(const QString& path) {
    const QString text = RichEdit2->toPlainText();
    const QVector<QString> missing = unmappableInBody(text);
    if (!missing.isEmpty()) {
        QStringList shown(missing.begin(),
                          missing.begin() + std::min<qsizetype>(missing.size(), 20));
        const QString question =
            QStringLiteral("本文には、ファイルに保存できない文字が含まれています。\n  ") +
            shown.join(QStringLiteral(" ")) +
            (missing.size() > 20 ? QStringLiteral(" ほか") : QString()) +
            QStringLiteral("\n\nこれらの文字を「?」に置き換えて保存しますか？");
        if (dialogs_.question(this, question) != platform::Answer::Yes) return false;
    }
    const BodyWriteResult written = writeBodyFile(path, text);
    if (!written.ok) {
        dialogs_.error(this, path + QStringLiteral("\n") + written.error);
        return false;
    }
    if (activate_) activate_();
    reRender();
    RichEdit2->document()->setModified(false);
    BodyFileName = path;
    showStatus(savedBodyStatus(path));
    focusEditor();
    return true;
}

bool BodyPage::opensExtension(const QString& extension) {
    static const QStringList known = {QStringLiteral(".txt"),  QStringLiteral(".jpg"),
                                      QStringLiteral(".jpeg"), QStringLiteral(".bmp"),
                                      QStringLiteral(".wmf"),  QStringLiteral(".emf")};
    return known.contains(extension.toLower());
}

void BodyPage::openDocument(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool opened = suffix == QLatin1String("txt") ? openText(path) : openPicture(path);
    if (!opened) return;
    showStatus(openedBodyStatus(BodyFileName, PictureFileName));
    setCommand("ActHSave", false);
    focusEditor();
    RichEdit2SelectionChange();
}

bool BodyPage::openText(const QString& path) {
    const BodyReadResult read = readBodyFile(path);
    if (!read.ok) {
        dialogs_.error(this, path + QStringLiteral("\n") + read.error);
        return false;
    }
    replaceText(read.text);
    BodyFileName = path;
    // The text changed: the change handler draws it.
    RichEdit2Change();
    return true;
}

QString BodyPage::sampleTextPath() {
    return platform::AppPaths::resourcePath(QStringLiteral("サンプル.txt"));
}

}  // namespace message
