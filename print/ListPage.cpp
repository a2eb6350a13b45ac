#include "print/ListPage.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace print {

ListPage::ListPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Ichiran"));
    JAddres = new QRadioButton(QStringLiteral("住所録"), this);
    JAddres->setObjectName(QStringLiteral("JAddres"));
    JAddres->setChecked(true);
    Phone = new QRadioButton(QStringLiteral("電話帳"), this);
    Phone->setObjectName(QStringLiteral("Phone"));
    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* choices = new QHBoxLayout;
    choices->addWidget(JAddres);
    choices->addWidget(Phone);
    choices->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(RichEdit1);
}

}  // namespace print
