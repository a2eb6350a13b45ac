#pragma once
// The entry page "宛名の編集": one address record in thirteen fields.

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace book {

class EntryPage : public QWidget {
    Q_OBJECT
public:
    explicit EntryPage(QWidget* parent = nullptr);

    QLineEdit* Kana1;
    QLineEdit* Nam1;
    QLineEdit* Nam2;
    QComboBox* ComboBox7;
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

    // Empties the name and address fields and disables the register button
    // (start-up).
    void clearForStartup();
};

}  // namespace book
