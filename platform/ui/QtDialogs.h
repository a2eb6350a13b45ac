#pragma once
#include "platform/seams/Dialogs.h"

class QFileDialog;

namespace platform {

// Sets up `dialog` for `request`: title, mode, filters, folder and name.
void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request, bool save);

// The program's dialogs: QMessageBox, QFileDialog, QColorDialog.
class QtDialogs : public Dialogs {
  public:
    Answer question(QWidget* parent, const QString& text) override;
    Answer confirm(QWidget* parent, const QString& text) override;
    int choose(QWidget* parent, const QString& text, const QStringList& answers) override;
    void notice(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    FileDialogResult openFile(QWidget* parent, const FileDialogRequest& request) override;
    FileDialogResult saveFile(QWidget* parent, const FileDialogRequest& request) override;
    QColor chooseColour(QWidget* parent, const QColor& initial) override;
};

}  // namespace platform
