#pragma once
#include "platform/Dialogs.h"

namespace platform {

// The program's dialogs: QMessageBox, QFileDialog, QColorDialog.
class QtDialogs : public Dialogs {
public:
    Answer question(QWidget* parent, const QString& text) override;
    Answer confirm(QWidget* parent, const QString& text) override;
    void notice(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    FileDialogResult openFile(QWidget* parent, const FileDialogRequest& request) override;
    FileDialogResult saveFile(QWidget* parent, const FileDialogRequest& request) override;
    QColor chooseColour(QWidget* parent, const QColor& initial) override;
};

}  // namespace platform
