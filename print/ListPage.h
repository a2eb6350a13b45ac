#pragma once
// The list page "一覧表": the address list or phone list as text.

#include <QWidget>

class QPlainTextEdit;
class QRadioButton;

namespace print {

class ListPage : public QWidget {
    Q_OBJECT
public:
    explicit ListPage(QWidget* parent = nullptr);

    QPlainTextEdit* RichEdit1;
    QRadioButton* JAddres;
    QRadioButton* Phone;
};

}  // namespace print
