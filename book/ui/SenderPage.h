#pragma once
// The sender page "差出人の編集": the user's own name and address. The six
// fields are the sender record itself; the settings file fills them at
// start-up and keeps them at shutdown.

#include <QWidget>

#include "render/AddressSideInput.h"

class QLineEdit;
class QPlainTextEdit;

namespace platform {
class Commands;
}

namespace book {

class PostalAssist;
class PostalDictionaryFile;

class SenderPage : public QWidget {
    Q_OBJECT
  public:
    explicit SenderPage(QWidget* parent = nullptr);

    // The six fields, as the address side draws them and the settings keep them.
    render::SenderTexts texts() const;
    void setTexts(const render::SenderTexts& texts);

    // The dictionary that fills the address from the postal code and back.
    void setPostalDictionary(PostalDictionaryFile* file);

    // While the page is showing the postal fields move the focus on; loading
    // the settings never does.
    bool isActive() const { return SenderPageActive; }

    // Empties the six fields and leaves the page inactive (start-up).
    void clearFields();

    // The window's commands the page switches when it is shown.
    void setCommands(platform::Commands* commands) { commands_ = commands; }
    void enter();
    void leave();

    static const char16_t kShowHelp[];
    static const char16_t kChangeHelp[];

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* SSimei;
    QLineEdit* SRenmei;
    QLineEdit* SYuubinBangou1;
    QLineEdit* SYuubinBangou2;
    QLineEdit* SJuusho1;
    QLineEdit* SJuusho2;
    QPlainTextEdit* SenderHelpPanel;  // Memo2
    QLineEdit* SenderStatusLine;      // what the postal-code dictionary has to say
    PostalAssist* postalAssist;

    bool SenderPageActive = false;
    platform::Commands* commands_ = nullptr;

    void SSimeiChange();
    // The settings file is CP932: a field left holding characters it cannot
    // keep names them in the status line, before they become '?' at shutdown.
    void warnUnsaveable(const QLineEdit* field);
    void postalChange(QLineEdit* field, int complete);
};

}  // namespace book
