#include "book/EntryPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace book {

EntryPage::EntryPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MirelEdit"));
    auto make = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    Kana1 = make("Kana1");
    Nam1 = make("Nam1");
    Nam2 = make("Nam2");
    ComboBox7 = new QComboBox(this);
    ComboBox7->setObjectName(QStringLiteral("ComboBox7"));
    ComboBox7->setEditable(true);
    ComboBox7->addItems({QStringLiteral("知人"), QStringLiteral("友人"), QStringLiteral("親戚"),
                         QStringLiteral("仕事"), QString(), QString()});
    Shamei = make("Shamei");
    Yakushoku = make("Yakushoku");
    Ub1 = make("Ub1");
    Ub2 = make("Ub2");
    Ju1 = make("Ju1");
    Ju2 = make("Ju2");
    Phone1 = make("Phone1");
    Keitai1 = make("Keitai1");
    Fax1 = make("Fax1");
    Num1 = make("Num1");
    Num1->setReadOnly(true);
    Num1->setFocusPolicy(Qt::NoFocus);
    Ub1->setMaxLength(3);
    Ub2->setMaxLength(4);
    EditOKButton = new QPushButton(QStringLiteral("登　録"), this);
    EditOKButton->setObjectName(QStringLiteral("EditOKButton"));

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("番 号"), Num1);
    form->addRow(QStringLiteral("ふりがな"), Kana1);
    form->addRow(QStringLiteral("氏　名"), Nam1);
    form->addRow(QStringLiteral("連　名"), Nam2);
    form->addRow(QStringLiteral("関　係"), ComboBox7);
    form->addRow(QStringLiteral("社　名"), Shamei);
    form->addRow(QStringLiteral("役　職"), Yakushoku);
    form->addRow(QStringLiteral("　　〒"), Ub1);
    form->addRow(QStringLiteral("-"), Ub2);
    form->addRow(QStringLiteral("住所１"), Ju1);
    form->addRow(QStringLiteral("住所２"), Ju2);
    form->addRow(QStringLiteral("電　話"), Phone1);
    form->addRow(QStringLiteral("携　帯"), Keitai1);
    form->addRow(QStringLiteral("FAX"), Fax1);
    form->addRow(QString(), EditOKButton);
}

void EntryPage::clearForStartup() {
    for (QLineEdit* e : {Kana1, Nam1, Nam2, Shamei, Yakushoku, Ub1, Ub2, Ju1, Ju2}) e->clear();
    EditOKButton->setEnabled(false);
}

}  // namespace book
