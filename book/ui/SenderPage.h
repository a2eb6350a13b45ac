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
    bool isActive() const { return active_; }

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
    QLineEdit* nameEdit_;
    QLineEdit* jointNameEdit_;
    QLineEdit* postalCodeUpperEdit_;
    QLineEdit* postalCodeLowerEdit_;
    QLineEdit* address1Edit_;
    QLineEdit* address2Edit_;
    QPlainTextEdit* helpPanel_;  // Memo2
    QLineEdit* statusLine_;      // what the postal-code dictionary has to say
    PostalAssist* postalAssist_;

    bool active_ = false;
    platform::Commands* commands_ = nullptr;

    void showChangeHelp();
    // The settings file is CP932: a field left holding characters it cannot
    // keep names them in the status line, before they become '?' at shutdown.
    void warnUnsaveable(const QLineEdit* field);
    void postalChange(QLineEdit* field, int complete);
};

}  // namespace book
