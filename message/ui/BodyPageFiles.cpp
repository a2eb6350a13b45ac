// The body document's life: new, save, save as, and opening texts and
// pictures for the back.

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>

#include "message/BodyFile.h"
#include "message/ui/BodyPage.h"
#include "platform/files/AppPaths.h"
#include "platform/seams/Dialogs.h"

namespace message {

void BodyPage::NewBody() {
    replaceText(QString());
    setCommand("ActHSave", false);
    setCommand("ActOpen2", true);
    showStatus(newBodyStatus());
    // The bitmap stays; without a name it is neither shown nor printed.
    BodyFileName.clear();
    unnamedSource_.clear();
    PictureFileName.clear();
    renderPreview();
    RichEdit2SelectionChange();
}

void BodyPage::ActHNewExecute() {
    emit showWanted();
    PictureFileName.clear();
    NewBody();
    focusEditor();
}

void BodyPage::ActOpen2Execute() {
    emit showWanted();
    platform::FileDialogRequest req;
    req.title = QStringLiteral("画像を開く");
    req.filters = {QStringLiteral("画像ファイル (*.jpg *.jpeg *.bmp *.wmf *.emf)"),
                   QStringLiteral("全てのファイル (*)")};
    if (!PictureFileName.isEmpty()) req.folder = QFileInfo(PictureFileName).absolutePath();
    const platform::FileDialogResult chosen = dialogs_.openFile(this, req);
    if (chosen.accepted()) openDocument(chosen.path);
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
    const BodyWriteResult written = writeBodyFile(path, text);
    if (!written.ok) {
        dialogs_.error(this, path + QStringLiteral("\n") + written.error);
        return false;
    }
    emit showWanted();
    reRender();
    RichEdit2->document()->setModified(false);
    BodyFileName = path;
    unnamedSource_.clear();
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
    if (isModified()) {
        // A picture came under text that is still unsaved.
        markModified(true);
    } else {
        showStatus(openedBodyStatus(BodyFileName.isEmpty() ? unnamedSource_ : BodyFileName,
                                    PictureFileName));
        setCommand("ActHSave", false);
        focusEditor();
    }
    RichEdit2SelectionChange();
}

bool BodyPage::settleUnsavedText() {
    if (!isModified()) return true;
    const QFileInfo info(BodyFileName);
    const QString name = info.suffix().isEmpty() ? QStringLiteral("新規文書") : info.fileName();
    const platform::Answer answer = dialogs_.question(
        this, QStringLiteral(" 『 %1 』 が保存されていません。\n\n     保存しますか？").arg(name));
    if (answer == platform::Answer::Cancel) return false;
    // Still modified after Yes: the save dialog was cancelled or the write failed.
    if (answer == platform::Answer::Yes) ActHSaveExecute();
    return !isModified() || answer == platform::Answer::No;
}

bool BodyPage::openText(const QString& path) {
    const BodyReadResult read = readBodyFile(path);
    if (!read.ok) {
        dialogs_.error(this, path + QStringLiteral("\n") + read.error);
        return false;
    }
    if (!settleUnsavedText()) return false;
    replaceText(read.text);
    // Neither another encoding's file nor the shipped sample is written over
    // by a plain save: both open as text that still needs a name.
    const bool sample = QFileInfo(path) == QFileInfo(sampleTextPath());
    BodyFileName = read.foreign || sample ? QString() : path;
    unnamedSource_ =
        sample ? QStringLiteral("サンプル（新規文書）")
        : read.foreign
            ? QStringLiteral("%1（%2 から読み込み）").arg(QFileInfo(path).fileName(), read.encoding)
            : QString();
    // The text changed: the change handler draws it.
    RichEdit2Change();
    return true;
}

QString BodyPage::sampleTextPath() {
    return platform::AppPaths::resourcePath(QStringLiteral("サンプル.txt"));
}

}  // namespace message
