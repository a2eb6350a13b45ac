#pragma once
// The entry page "宛名の編集": one address record in thirteen fields, with
// navigation, register and add.

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class Commands;
}

namespace book {

class AddressBookDocument;
class PostalAssist;
class PostalChoiceList;
class PostalDictionaryFile;

class EntryPage : public QWidget {
    Q_OBJECT
  public:
    explicit EntryPage(QWidget* parent = nullptr);
    // The book the page shows and writes, and the window's commands it
    // switches.
    void setBook(AddressBookDocument* book) { book_ = book; }
    void setCommands(platform::Commands* commands) { commands_ = commands; }
    // The dictionary that fills the address from the postal code and back.
    void setPostalDictionary(PostalDictionaryFile* file);

    // Chooses the first relation, empties the name and address fields and
    // disables the register button (start-up).
    void clearForStartup();
    // Puts the caret into the first field, where a record is typed from.
    void focusFirstField();
    void showRecordNumber(int number);
    // The list of towns the postal code offers now, if one is open.
    PostalChoiceList* postalChoices() const;

    void enter();
    void leave();
    void showCurrentRecord();
    void clearFields();

    void registerRecord();
    void addRecord();
    void goFirst();
    void goPrevious();
    void goNext();
    void goLast();

    // The wholeGrid row a registration writes: the row the shown record
    // was loaded from (or added as), never another.
    int registrationRow() const { return registrationRow_; }

    static const char16_t kShowHelp[];
    static const char16_t kChangeHelp[];

  signals:
    // A new record wants empty rows at the selection of the whole book's
    // grid; the current record becomes the first of them.
    void newRowsWanted();
    // The fields show postal codes without hyphens.
    void plainPostalCodesWanted();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void markUnregistered();
    void onReadingEdited();
    void postalChange(QLineEdit* field, int complete);
    void setStatus(const QString& text, const QColor& colour);
    void setFields(const QStringList& cells);
    QStringList fieldRecord() const;
    void navigate(int row);

    QLineEdit* Kana1;
    QLineEdit* Nam1;
    QLineEdit* Nam2;
    QComboBox* relationChoice;
    QLineEdit* Shamei;
    QLineEdit* Yakushoku;
    QLineEdit* Ub1;
    QLineEdit* Ub2;
    QLineEdit* Ju1;
    QLineEdit* Ju2;
    QLineEdit* Phone1;
    QLineEdit* Keitai1;
    QLineEdit* Fax1;
    QLineEdit* Num1;
    QPushButton* EditOKButton;
    QPushButton* NewDataButton;
    QPushButton* ToStaButton;
    QPushButton* BeforButton;
    QPushButton* NextButton;
    QPushButton* ToEndButton;
    QLineEdit* EntryStatusLine;      // EditDisp1
    QPlainTextEdit* EntryHelpPanel;  // Memo1
    QLabel* Label6;
    QLabel* Label11;
    QLabel* Label80;
    QLabel* Label81;

    PostalAssist* postalAssist;

    bool EntryPageActive = false;

    AddressBookDocument* book_ = nullptr;
    platform::Commands* commands_ = nullptr;
    bool loading_ = false;  // fields are being filled, not edited
    int registrationRow_ = 0;
};

}  // namespace book
