#include "book/ui/SenderPage.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "book/ui/FieldStyle.h"
#include "platform/text/Sjis.h"
#include "platform/ui/Commands.h"
#include "platform/ui/Hint.h"
#include "postal/ui/PostalAssist.h"

namespace book {

const char16_t SenderPage::kShowHelp[] =
    u"\n\n　　　このページで出来ること\n\n　　　1.差出人データの新規作成\n\n　　　2."
    u"差出人データの変更・修正";
const char16_t SenderPage::kChangeHelp[] =
    u"\n\n　　　ここに、入力されたデータ\n\n　　　氏名・郵便番号・住所は\n\n　　　ソフトが終了する"
    u"時点で\n\n　　　自動的に保存されます。";

SenderPage::SenderPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Sasidasininn"));
    auto make = [this](const char* name, const char16_t* hint, InputKind kind) {
        return makeField(this, name, hint, kind);
    };
    nameEdit_ = make("SSimei", u"氏名|差出人の氏名を入力して下さい。", InputKind::Japanese);
    jointNameEdit_ = make("SRenmei", u"連名|差出人の連名を入力して下さい。", InputKind::Free);
    postalCodeUpperEdit_ =
        make("SYuubinBangou1", u"郵便番号|郵便番号の上３桁を入力してください。", InputKind::Digits);
    postalCodeLowerEdit_ =
        make("SYuubinBangou2", u"郵便番号|郵便番号の下４桁を入力して下さい。", InputKind::Digits);
    address1Edit_ = make("SJuusho1", u"住所１|住所を入力してください。", InputKind::Japanese);
    address2Edit_ =
        make("SJuusho2", u"住所２|住所１の続きを入力してください。", InputKind::Japanese);
    postalCodeUpperEdit_->setMaxLength(3);
    postalCodeLowerEdit_->setMaxLength(4);
    postalCodeUpperEdit_->setFixedWidth(44);
    postalCodeLowerEdit_->setFixedWidth(56);

    helpPanel_ = makeHelpPanel(this, "Memo2");
    helpPanel_->setFixedWidth(262);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 24, 24, 24);
    grid->setVerticalSpacing(14);
    auto label = [this](const char16_t* text, bool bold = false) {
        auto* l = new QLabel(QString::fromUtf16(text), this);
        if (bold) styleField(l, InputKind::Digits);
        return l;
    };
    grid->addWidget(label(u"氏　名"), 0, 0);
    grid->addWidget(nameEdit_, 0, 1, 1, 3);
    grid->addWidget(label(u"連　名"), 1, 0);
    grid->addWidget(jointNameEdit_, 1, 1, 1, 3);
    grid->addWidget(label(u"　　〒"), 2, 0);
    grid->addWidget(postalCodeUpperEdit_, 2, 1);
    grid->addWidget(label(u"-", true), 2, 2, Qt::AlignCenter);
    grid->addWidget(postalCodeLowerEdit_, 2, 3, Qt::AlignLeft);
    grid->addWidget(label(u"住所１"), 3, 0);
    grid->addWidget(address1Edit_, 3, 1, 1, 3);
    grid->addWidget(label(u"住所２"), 4, 0);
    grid->addWidget(address2Edit_, 4, 1, 1, 3);
    grid->addWidget(helpPanel_, 0, 4, 6, 1);
    statusLine_ = new QLineEdit(this);
    statusLine_->setObjectName(QStringLiteral("SenderStatusLine"));
    statusLine_->setReadOnly(true);
    statusLine_->setFocusPolicy(Qt::NoFocus);
    setBlackDisplay(statusLine_, Qt::white);
    // Across the page, so that a long address or file name is read whole.
    grid->addWidget(statusLine_, 6, 0, 1, 5);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);

    setTabOrder(nameEdit_, jointNameEdit_);
    setTabOrder(jointNameEdit_, postalCodeUpperEdit_);
    setTabOrder(postalCodeUpperEdit_, postalCodeLowerEdit_);
    setTabOrder(postalCodeLowerEdit_, address1Edit_);
    setTabOrder(address1Edit_, address2Edit_);

    for (QLineEdit* e : {nameEdit_, jointNameEdit_, address1Edit_, address2Edit_})
        connect(e, &QLineEdit::textChanged, this, &SenderPage::showChangeHelp);
    for (QLineEdit* e : {nameEdit_, jointNameEdit_, postalCodeUpperEdit_, postalCodeLowerEdit_,
                         address1Edit_, address2Edit_})
        connect(e, &QLineEdit::editingFinished, this, [this, e] { warnUnsaveable(e); });
    connect(postalCodeUpperEdit_, &QLineEdit::textChanged, this,
            [this] { postalChange(postalCodeUpperEdit_, 3); });
    connect(postalCodeLowerEdit_, &QLineEdit::textChanged, this,
            [this] { postalChange(postalCodeLowerEdit_, 4); });
    showHelp(helpPanel_, kShowHelp, Qt::white);
    postalAssist_ = new PostalAssist(
        {postalCodeUpperEdit_, postalCodeLowerEdit_, address1Edit_, address2Edit_},
        [this](const QString& text, bool error) {
            setBlackDisplay(statusLine_, error ? QColor(255, 0, 0) : QColor(255, 255, 0));
            statusLine_->setText(text);
            statusLine_->setCursorPosition(0);
            statusLine_->setToolTip(text);  // a file name may be longer than the page
        },
        [this] { showChangeHelp(); }, this);
}

void SenderPage::setPostalDictionary(PostalDictionaryFile* file) {
    postalAssist_->setDictionary(file);
}

void SenderPage::clearFields() {
    active_ = false;
    for (QLineEdit* e : {nameEdit_, jointNameEdit_, postalCodeUpperEdit_, postalCodeLowerEdit_,
                         address1Edit_, address2Edit_})
        e->clear();
}

render::SenderTexts SenderPage::texts() const {
    return {nameEdit_->text(),
            jointNameEdit_->text(),
            postalCodeUpperEdit_->text(),
            postalCodeLowerEdit_->text(),
            address1Edit_->text(),
            address2Edit_->text()};
}

void SenderPage::setTexts(const render::SenderTexts& t) {
    nameEdit_->setText(t.name);
    jointNameEdit_->setText(t.jointName);
    postalCodeUpperEdit_->setText(t.postalCodeUpper);
    postalCodeLowerEdit_->setText(t.postalCodeLower);
    address1Edit_->setText(t.address1);
    address2Edit_->setText(t.address2);
}

void SenderPage::enter() {
    if (commands_) {
        commands_->setEnabled(
            {"ActOpen2", "ActHiphn", "ActNonHiphn", "ActSort", "ActRSort", "ActPrintIchiran",
             "ActSelectAllData", "ActCopy", "ActCut", "ActPaste", "ActSelectAll", "ActPrint",
             "ActPrinter", "ActIns", "ActDel", "ActSave", "ActSaveAs", "ActReNum"},
            false);
        commands_->setEnabled({"ActEditData"}, true);
    }
    active_ = true;
    showHelp(helpPanel_, kShowHelp, Qt::white);
    statusLine_->clear();
    nameEdit_->setFocus();
}

void SenderPage::leave() { active_ = false; }

void SenderPage::showChangeHelp() { showHelp(helpPanel_, kChangeHelp, QColor(0, 255, 0)); }

void SenderPage::warnUnsaveable(const QLineEdit* field) {
    const platform::SjisEncoded encoded = platform::Sjis::encode(field->text());
    if (encoded.ok()) return;
    QStringList named;
    for (const QString& c : encoded.unmappable)
        if (!named.contains(c)) named << c;
    setBlackDisplay(statusLine_, QColor(255, 0, 0));
    statusLine_->setText(
        QStringLiteral("保存できない文字 %1 は「?」になります").arg(named.join(QLatin1Char(' '))));
    statusLine_->setCursorPosition(0);
}

void SenderPage::postalChange(QLineEdit* field, int complete) {
    if (!active_ || field->text().size() < complete) return;
    focusNextChild();
    showChangeHelp();
}

bool SenderPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter walks the fields in tab order, and on past the last one.
            focusNextChild();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace book
