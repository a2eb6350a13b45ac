// The editor's file commands: new, open, save, save as, print and close,
// with the question about an unsaved picture.

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPushButton>

#include "editor/PictureFolder.h"
#include "editor/PictureIO.h"
#include "editor/ui/PictureEditorWindow.h"
#include "editor/ui/PictureView.h"
#include "platform/seams/PrintTarget.h"

namespace editor {
namespace {

const QStringList kSaveFilters = {
    QStringLiteral("ビットマップ (*.bmp)"),
    QStringLiteral("JPEG イメージファイル (*.jpg *.jpeg)"),
};
constexpr int kBitmapFilter = 0;
constexpr int kJpegFilter = 1;

const QStringList kOpenFilters = {
    QStringLiteral("画像ファイル (*.bmp *.jpg *.jpeg *.wmf *.emf)"),
    QStringLiteral("ビットマップ (*.bmp)"),
    QStringLiteral("JPEG イメージファイル (*.jpg *.jpeg)"),
    QStringLiteral("メタファイル (*.wmf *.emf)"),
};

QString lowerExtension(const QString& path) { return QFileInfo(path).suffix().toLower(); }

}  // namespace

platform::Answer PictureEditorWindow::askToSave() {
    const QString name = QFileInfo(editorFileName_).suffix().isEmpty()
                             ? kNewPictureName
                             : QFileInfo(editorFileName_).fileName();
    // The dialog seam sounds the question beep.
    const QString text = QStringLiteral("『 ") + name + QStringLiteral(" 』") +
                         QStringLiteral("　が保存されていません。") + QStringLiteral("\r\n\r\n") +
                         QStringLiteral("　保存しますか？");
    return dialogs_.confirm(this, text);
}

bool PictureEditorWindow::settleUnsavedPicture(bool closing) {
    if (!editorModified_) return true;
    switch (askToSave()) {
        case platform::Answer::Cancel:
            return false;
        case platform::Answer::No:
            return true;
        case platform::Answer::Yes:
            break;
    }
    const SaveOutcome saved = savePicture();
    // A failed write keeps everything where it is. Closing only hides the
    // window, so a save the user called off there loses nothing.
    if (saved == SaveOutcome::Failed) return false;
    return closing || saved == SaveOutcome::Saved;
}

bool PictureEditorWindow::settleForQuit() {
    if (!editorModified_) return true;
    switch (askToSave()) {
        case platform::Answer::Cancel:
            return false;
        case platform::Answer::No:
            // Given up: the window's own close must not ask a second time.
            editorModified_ = false;
            return true;
        case platform::Answer::Yes:
            break;
    }
    return savePicture() == SaveOutcome::Saved;
}

void PictureEditorWindow::resetToNewPicture() {
    undo_.clear();
    action("ActUndo")->setEnabled(false);
    editorFileName_.clear();
    setNewPictureCaption();
    blankCanvas(0xFFFFFFFFu);
}

void PictureEditorWindow::newPicture() {
    if (settleUnsavedPicture(false)) resetToNewPicture();
}

void PictureEditorWindow::openPicture() {
    platform::FileDialogRequest request;
    request.title = QStringLiteral("開く");
    request.filters = kOpenFilters;
    if (!editorFileName_.isEmpty()) request.folder = QFileInfo(editorFileName_).absolutePath();
    const platform::FileDialogResult chosen = dialogs_.openFile(this, request);
    if (chosen.accepted()) loadPicture(chosen.path);
}

void PictureEditorWindow::loadPicture(const QString& path) {
    if (!settleUnsavedPicture(false)) return;
    action("ActUndo")->setEnabled(false);
    if (pictureFileKind(path) == PictureFileKind::Unsupported || !QFileInfo(path).isFile()) {
        showCanvasSize();
        return;
    }
    const PictureRead read = readPictureFile(path);
    if (!read.error.isEmpty()) {
        dialogs_.error(this, read.error);
        return;
    }
    canvas_->setPicture(read.image);
    centreCanvas();
    undo_.clear();
    editorFileName_ = path;
    saveDialogFileName_.clear();
    setCaptionFor(path);
    editorModified_ = false;
    closeButton_->setFocus();
    showCanvasSize();
}

SaveOutcome PictureEditorWindow::savePicture() {
    const QString ext = lowerExtension(editorFileName_);
    if (ext == QLatin1String("bmp"))
        return writeBitmap(editorFileName_) ? SaveOutcome::Saved : SaveOutcome::Failed;
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        return writeJpeg(editorFileName_) ? SaveOutcome::Saved : SaveOutcome::Failed;
    return savePictureAs();
}

void PictureEditorWindow::pictureSaved(const QString& path) {
    setCaptionFor(path);
    editorModified_ = false;
}

bool PictureEditorWindow::writeBitmap(const QString& path) {
    const QString error = writeBitmapPicture(path, canvas_->picture());
    if (!error.isEmpty()) {
        dialogs_.error(this, error);
        return false;
    }
    pictureSaved(path);
    return true;
}

bool PictureEditorWindow::writeJpeg(const QString& path) {
    const QString error = writeJpegPicture(path, canvas_->picture());
    if (!error.isEmpty()) {
        dialogs_.error(this, error);
        return false;
    }
    pictureSaved(path);
    return true;
}

// The dialog opens in the picture folder with the current picture written
// to "_.bmp" there and preselected. That file is ours only when this command
// made it: a "_.bmp" the user saved earlier is neither overwritten nor
// removed, and a picture saved under that name now is kept.
SaveOutcome PictureEditorWindow::savePictureAs() {
    const QString folder = pictureFolder(desktopFolder());
    if (const QString why = preparePictureFolder(folder); !why.isEmpty()) {
        dialogs_.error(this,
                       QStringLiteral("ファイル \"%1\". %2 を作成できません").arg(folder, why));
        return SaveOutcome::Failed;
    }
    const QString tempFile = saveDialogTempFile(folder);
    bool madeTempFile = false;
    if (!QFileInfo::exists(tempFile)) {
        if (const QString error = writeBitmapPicture(tempFile, canvas_->picture());
            !error.isEmpty()) {
            dialogs_.error(this, error);
            return SaveOutcome::Failed;
        }
        madeTempFile = true;
    }
    saveDialogFileName_ = tempFile;

    platform::FileDialogRequest request;
    request.title = QStringLiteral("名前を付けて保存");
    request.filters = kSaveFilters;
    request.filterIndex = saveFilterIndex_;
    request.defaultExtension = saveDefaultExtension_;
    request.folder = folder;
    request.fileName = saveDialogFileName_;
    const platform::FileDialogResult chosen = dialogs_.saveFile(this, request);

    SaveOutcome outcome = SaveOutcome::NotSaved;
    bool savedOverTemp = false;
    if (chosen.accepted()) {
        editorFileName_ = chosen.path;
        // A picture extension typed by the user wins over the filter: the
        // file is read back by its extension.
        const QString typed = lowerExtension(chosen.path);
        const bool bitmap = typed == QLatin1String("bmp") ||
                            (typed != QLatin1String("jpg") && typed != QLatin1String("jpeg") &&
                             chosen.filterIndex == kBitmapFilter);
        saveFilterIndex_ = bitmap ? kBitmapFilter : kJpegFilter;
        saveDefaultExtension_ = bitmap ? QStringLiteral("bmp") : QStringLiteral("jpg");
        const bool ok = bitmap ? writeBitmap(editorFileName_) : writeJpeg(editorFileName_);
        outcome = ok ? SaveOutcome::Saved : SaveOutcome::Failed;
        savedOverTemp = ok && sameFile(chosen.path, tempFile);
    }
    if (madeTempFile && !savedOverTemp) QFile::remove(tempFile);
    return outcome;
}

// A picture pixel is 1/360 inch, as on the message side, whatever the
// printer's resolution; at the top left of the printable area.
void PictureEditorWindow::printPicture() {
    if (printer_.choosePrinter(this)) {
        QPainter* painter = printer_.beginJob(windowTitle().trimmed());
        if (!painter) {
            dialogs_.error(this, printer_.errorString());
        } else {
            painter->resetTransform();
            const QImage& picture = canvas_->picture();
            if (!picture.isNull()) {
                const QPaintDevice* device = painter->device();
                const QSizeF size(picture.width() * device->logicalDpiX() / 360.0,
                                  picture.height() * device->logicalDpiY() / 360.0);
                painter->drawImage(QRectF(QPointF(0, 0), size), picture);
            }
            if (!printer_.endJob()) dialogs_.error(this, printer_.errorString());
        }
    }
    closeButton_->setFocus();
}

void PictureEditorWindow::closeEditor() { close(); }

}  // namespace editor
