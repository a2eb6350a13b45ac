// The body document's life on the page: new, save, save as, and opening
// texts and pictures for the back, with the questions and reports around
// them.

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>

#include "message/ui/BodyPage.h"
#include "platform/files/AppPaths.h"
#include "platform/seams/Dialogs.h"

namespace message {

void BodyPage::clearBody() {
    // The bitmap stays; without a name it is neither shown nor printed.
    document_.clear();
    setCommand("ActHSave", false);
    setCommand("ActOpen2", true);
    showStatus(newBodyStatus());
    renderPreview();
    onSelectionChanged();
}

void BodyPage::newBody() {
    emit showWanted();
    clearBody();
    focusEditor();
}

void BodyPage::choosePicture() {
    emit showWanted();
    platform::FileDialogRequest req;
    req.title = QStringLiteral("画像を開く");
    req.filters = {QStringLiteral("画像ファイル (*.jpg *.jpeg *.bmp *.wmf *.emf)"),
                   QStringLiteral("全てのファイル (*)")};
    if (!document_.pictureFileName().isEmpty())
        req.folder = QFileInfo(document_.pictureFileName()).absolutePath();
    const platform::FileDialogResult chosen = dialogs_.openFile(this, req);
    if (chosen.accepted()) openDocument(chosen.path);
}

bool BodyPage::save() {
    if (!document_.hasSaveName()) return saveAs();
    return saveTo(document_.fileName());
}

bool BodyPage::saveAs() {
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
    // The chosen name stays even when the write fails, for the next save.
    document_.setFileName(chosen.path);
    return saveTo(chosen.path);
}

bool BodyPage::saveTo(const QString& path) {
    const QString error = document_.save(path);
    if (!error.isEmpty()) {
        dialogs_.error(this, path + QStringLiteral("\n") + error);
        return false;
    }
    emit showWanted();
    reRender();
    showStatus(savedBodyStatus(path));
    focusEditor();
    return true;
}

bool BodyPage::opensExtension(const QString& extension) {
    return MessageDocument::opensExtension(extension);
}

void BodyPage::openDocument(const QString& path) {
    const bool opened = MessageDocument::isTextFile(path) ? openText(path) : openPicture(path);
    if (!opened) return;
    if (isModified()) {
        // A picture came under text that is still unsaved.
        markModified(true);
    } else {
        showStatus(openedBodyStatus(document_.shownName(), document_.pictureFileName()));
        setCommand("ActHSave", false);
        focusEditor();
    }
    onSelectionChanged();
}

bool BodyPage::settleUnsavedText() {
    if (!isModified()) return true;
    const platform::Answer answer = dialogs_.question(
        this, QStringLiteral(" 『 %1 』 が保存されていません。\n\n     保存しますか？")
                  .arg(document_.questionName()));
    if (answer == platform::Answer::Cancel) return false;
    // Still modified after Yes: the save dialog was cancelled or the write failed.
    if (answer == platform::Answer::Yes) save();
    return !isModified() || answer == platform::Answer::No;
}

bool BodyPage::openText(const QString& path) {
    // Read first: a text that cannot be read asks nothing and changes nothing.
    const BodyReadResult read = MessageDocument::readText(path);
    if (!read.ok) {
        dialogs_.error(this, path + QStringLiteral("\n") + read.error);
        return false;
    }
    if (!settleUnsavedText()) return false;
    document_.adoptText(path, read);
    // The text changed: the change handler draws it.
    onTextChanged();
    return true;
}

QString BodyPage::sampleTextPath() { return MessageDocument::sampleTextPath(); }

}  // namespace message
