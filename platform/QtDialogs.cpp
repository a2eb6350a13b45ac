#include "platform/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace platform {
namespace {

// Boxes carry the program's name, not the window caption with its file name
// and counts.
QString boxTitle(QWidget* parent) {
    const QString name = QApplication::applicationName();
    if (!name.isEmpty() || !parent) return name;
    return parent->window()->windowTitle().trimmed();
}

Answer askYesNoCancel(QWidget* parent, const QString& title, const QString& text) {
    QApplication::beep();
    const auto b = QMessageBox::question(parent, title, text,
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                         QMessageBox::Yes);
    if (b == QMessageBox::Yes) return Answer::Yes;
    if (b == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
}

FileDialogResult runFileDialog(QWidget* parent, const FileDialogRequest& r, bool save) {
    QFileDialog dlg(parent, r.title);
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setNameFilters(r.filters);
    if (r.filterIndex >= 0 && r.filterIndex < r.filters.size())
        dlg.selectNameFilter(r.filters.at(r.filterIndex));
    if (!r.defaultExtension.isEmpty()) dlg.setDefaultSuffix(r.defaultExtension);
    if (!r.folder.isEmpty()) dlg.setDirectory(r.folder);
    if (!r.fileName.isEmpty()) dlg.selectFile(r.fileName);
    FileDialogResult result;
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return result;
    result.path = dlg.selectedFiles().first();
    result.filterIndex = std::max(0, int(r.filters.indexOf(dlg.selectedNameFilter())));
    return result;
}

}  // namespace

Answer QtDialogs::question(QWidget* parent, const QString& text) {
    return askYesNoCancel(parent, boxTitle(parent), text);
}

Answer QtDialogs::confirm(QWidget* parent, const QString& text) {
    return askYesNoCancel(parent, QStringLiteral("確認"), text);
}

void QtDialogs::notice(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, boxTitle(parent), text);
}

void QtDialogs::error(QWidget* parent, const QString& text) {
    QApplication::beep();
    QMessageBox::critical(parent, boxTitle(parent), text);
}

FileDialogResult QtDialogs::openFile(QWidget* parent, const FileDialogRequest& request) {
    return runFileDialog(parent, request, false);
}

FileDialogResult QtDialogs::saveFile(QWidget* parent, const FileDialogRequest& request) {
    return runFileDialog(parent, request, true);
}

QColor QtDialogs::chooseColour(QWidget* parent, const QColor& initial) {
    return QColorDialog::getColor(initial, parent);
}

}  // namespace platform
