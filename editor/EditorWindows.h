#pragma once
// The picture editor's windows, created hidden at start-up and kept until
// the program ends.

#include <QDialog>
#include <QMainWindow>

namespace editor {

// The picture editor.
class TPictanForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TPictanForm1(QWidget* parent = nullptr);
};

// The editor's about box.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

// The resize dialog.
class TOKBottomDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOKBottomDlg(QWidget* parent = nullptr);
};

}  // namespace editor
