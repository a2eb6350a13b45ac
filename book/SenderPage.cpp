#include "book/SenderPage.h"

#include <QFormLayout>
#include <QLineEdit>

namespace book {

SenderPage::SenderPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Sasidasininn"));
    auto make = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    SSimei = make("SSimei");
    SRenmei = make("SRenmei");
    SYuubinBangou1 = make("SYuubinBangou1");
    SYuubinBangou2 = make("SYuubinBangou2");
    SJuusho1 = make("SJuusho1");
    SJuusho2 = make("SJuusho2");
    SYuubinBangou1->setMaxLength(3);
    SYuubinBangou2->setMaxLength(4);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("氏　名"), SSimei);
    form->addRow(QStringLiteral("連　名"), SRenmei);
    form->addRow(QStringLiteral("　　〒"), SYuubinBangou1);
    form->addRow(QStringLiteral("-"), SYuubinBangou2);
    form->addRow(QStringLiteral("住所１"), SJuusho1);
    form->addRow(QStringLiteral("住所２"), SJuusho2);
}

void SenderPage::clearFields() {
    for (QLineEdit* e : {SSimei, SRenmei, SYuubinBangou1, SYuubinBangou2, SJuusho1, SJuusho2}) e->clear();
}

}  // namespace book
