#pragma once
// The sender page "差出人の編集": the user's own name and address. The six
// fields are the sender record itself.

#include <QWidget>

class QLineEdit;

namespace book {

class SenderPage : public QWidget {
    Q_OBJECT
public:
    explicit SenderPage(QWidget* parent = nullptr);

    QLineEdit* SSimei;
    QLineEdit* SRenmei;
    QLineEdit* SYuubinBangou1;
    QLineEdit* SYuubinBangou2;
    QLineEdit* SJuusho1;
    QLineEdit* SJuusho2;

    // Empties the six fields (start-up).
    void clearFields();
};

}  // namespace book
