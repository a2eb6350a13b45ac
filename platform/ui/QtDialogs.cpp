#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

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

}  // namespace

void prepareFileDialog(QFileDialog& dlg, const FileDialogRequest& r, bool save) {
    dlg.setWindowTitle(r.title);
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setNameFilters(r.filters);
    if (r.filterIndex >= 0 && r.filterIndex < r.filters.size())
        dlg.selectNameFilter(r.filters.at(r.filterIndex));
    if (!r.defaultExtension.isEmpty()) {
        dlg.setDefaultSuffix(r.defaultExtension);
        // A bare name gets the extension of the filter chosen in the dialog,
        // so that JPEG data never lands in a ".bmp" file.
        QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg](const QString& filter) {
            const QRegularExpressionMatch first =
                QRegularExpression(QStringLiteral(R"(\*\.(\w+))")).match(filter);
            if (first.hasMatch()) dlg.setDefaultSuffix(first.captured(1));
        });
    }
    if (!r.folder.isEmpty()) dlg.setDirectory(r.folder);
    if (!r.fileName.isEmpty()) dlg.selectFile(r.fileName);
}

namespace {

FileDialogResult runFileDialog(QWidget* parent, const FileDialogRequest& r, bool save) {
    QFileDialog dlg(parent, r.title);
    prepareFileDialog(dlg, r, save);
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

int QtDialogs::choose(QWidget* parent, const QString& text, const QStringList& answers) {
    QApplication::beep();
    QMessageBox box(QMessageBox::Question, boxTitle(parent), text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> buttons;
    // One role for all answers keeps them in the order given.
    for (const QString& a : answers) buttons << box.addButton(a, QMessageBox::ActionRole);
    QAbstractButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setEscapeButton(cancel);
    if (!buttons.isEmpty()) box.setDefaultButton(qobject_cast<QPushButton*>(buttons.front()));
    box.exec();
    return int(buttons.indexOf(box.clickedButton()));
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
