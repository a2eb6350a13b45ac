#pragma once
// The editor's about box: its name, version and what it is for.

#include <QDialog>

namespace editor {

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace editor
