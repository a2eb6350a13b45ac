#pragma once
#include <QDialog>

namespace app {

// The main about box: the program's icon, name and version, and OK.
class TAboutBox1 : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox1(QWidget* parent = nullptr);
};

}  // namespace app
