#pragma once
// The preview's word on the shown record's postal code: a note at the right
// of the status bar when the code is not in the dictionary or belongs to
// another municipality than the address. It never changes the book.

#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;

namespace book {
class PostalDictionaryFile;
}

namespace app {

class PreviewPostalCheck : public QObject {
    Q_OBJECT
  public:
    PreviewPostalCheck(QStatusBar* bar, book::PostalDictionaryFile& dictionary, QObject* parent);

    // Checks the shown record once the window has drawn it, so that reading
    // the dictionary the first time never holds up the preview.
    void check(const QString& postalCell, const QString& address);
    // The preview is left: no note.
    void clear();

    QLabel* note() const { return note_; }

  private:
    void run();

    QLabel* note_;
    book::PostalDictionaryFile& dictionary_;
    QString postal_, address_;
    bool scheduled_ = false, wanted_ = false;
};

}  // namespace app
