#pragma once
// The about box: the program's picture, name and version, an optional
// sentence, and an OK button that hides the box again. The main window and
// the picture editor each show one with their own texts.

#include <QDialog>
#include <QFont>
#include <QIcon>
#include <QString>
#include <optional>

namespace platform {

struct AboutText {
    QString objectName;  // the box's own name, for tests and styles
    QString programName;
    QString comment;            // no sentence when empty
    std::optional<QFont> font;  // the window's own font, when it has one
    int fixedWidth = 0;         // keeps a long sentence wrapping; 0: as laid out
};

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(const AboutText& text, const QIcon& icon, QWidget* parent = nullptr);
};

}  // namespace platform
