#pragma once
// The help window: the shipped help document in a browser of its own,
// beside the main window (not modal).

#include <QWidget>

class QTextBrowser;

namespace app {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads the document at `path` and shows it from its contents list at
    // the top. False, with the window unchanged, when it is not a readable
    // file.
    bool openDocument(const QString& path);
    // Back to the contents list at the top of the document.
    void showContents();

  private:
    QTextBrowser* HelpBrowser;
};

}  // namespace app
