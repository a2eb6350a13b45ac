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
    SSimei = make("SSimei", u"氏名|差出人の氏名を入力して下さい。", InputKind::Japanese);
    SRenmei = make("SRenmei", u"連名|差出人の連名を入力して下さい。", InputKind::Free);
    SYuubinBangou1 =
        make("SYuubinBangou1", u"郵便番号|郵便番号の上３桁を入力してください。", InputKind::Digits);
    SYuubinBangou2 =
        make("SYuubinBangou2", u"郵便番号|郵便番号の下４桁を入力して下さい。", InputKind::Digits);
    SJuusho1 = make("SJuusho1", u"住所１|住所を入力してください。", InputKind::Japanese);
    SJuusho2 = make("SJuusho2", u"住所２|住所１の続きを入力してください。", InputKind::Japanese);
    SYuubinBangou1->setMaxLength(3);
    SYuubinBangou2->setMaxLength(4);
    SYuubinBangou1->setFixedWidth(44);
    SYuubinBangou2->setFixedWidth(56);

    SenderHelpPanel = makeHelpPanel(this, "Memo2");
    SenderHelpPanel->setFixedWidth(262);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 24, 24, 24);
    grid->setVerticalSpacing(14);
    auto label = [this](const char16_t* text, bool bold = false) {
        auto* l = new QLabel(QString::fromUtf16(text), this);
        if (bold) styleField(l, InputKind::Digits);
        return l;
    };
    grid->addWidget(label(u"氏　名"), 0, 0);
    grid->addWidget(SSimei, 0, 1, 1, 3);
    grid->addWidget(label(u"連　名"), 1, 0);
    grid->addWidget(SRenmei, 1, 1, 1, 3);
    grid->addWidget(label(u"　　〒"), 2, 0);
    grid->addWidget(SYuubinBangou1, 2, 1);
    grid->addWidget(label(u"-", true), 2, 2, Qt::AlignCenter);
    grid->addWidget(SYuubinBangou2, 2, 3, Qt::AlignLeft);
    grid->addWidget(label(u"住所１"), 3, 0);
    grid->addWidget(SJuusho1, 3, 1, 1, 3);
    grid->addWidget(label(u"住所２"), 4, 0);
    grid->addWidget(SJuusho2, 4, 1, 1, 3);
    grid->addWidget(SenderHelpPanel, 0, 4, 6, 1);
    SenderStatusLine = new QLineEdit(this);
    SenderStatusLine->setObjectName(QStringLiteral("SenderStatusLine"));
    SenderStatusLine->setReadOnly(true);
    SenderStatusLine->setFocusPolicy(Qt::NoFocus);
    setBlackDisplay(SenderStatusLine, Qt::white);
    // Across the page, so that a long address or file name is read whole.
    grid->addWidget(SenderStatusLine, 6, 0, 1, 5);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);

    setTabOrder(SSimei, SRenmei);
    setTabOrder(SRenmei, SYuubinBangou1);
    setTabOrder(SYuubinBangou1, SYuubinBangou2);
    setTabOrder(SYuubinBangou2, SJuusho1);
    setTabOrder(SJuusho1, SJuusho2);

    for (QLineEdit* e : {SSimei, SRenmei, SJuusho1, SJuusho2})
        connect(e, &QLineEdit::textChanged, this, &SenderPage::SSimeiChange);
    for (QLineEdit* e : {SSimei, SRenmei, SYuubinBangou1, SYuubinBangou2, SJuusho1, SJuusho2})
        connect(e, &QLineEdit::editingFinished, this, [this, e] { warnUnsaveable(e); });
    connect(SYuubinBangou1, &QLineEdit::textChanged, this,
            [this] { postalChange(SYuubinBangou1, 3); });
    connect(SYuubinBangou2, &QLineEdit::textChanged, this,
            [this] { postalChange(SYuubinBangou2, 4); });
    showHelp(SenderHelpPanel, kShowHelp, Qt::white);
    postalAssist = new PostalAssist(
        {SYuubinBangou1, SYuubinBangou2, SJuusho1, SJuusho2},
        [this](const QString& text, bool error) {
            setBlackDisplay(SenderStatusLine, error ? QColor(255, 0, 0) : QColor(255, 255, 0));
            SenderStatusLine->setText(text);
            SenderStatusLine->setCursorPosition(0);
            SenderStatusLine->setToolTip(text);  // a file name may be longer than the page
        },
        [this] { SSimeiChange(); }, this);
}

void SenderPage::setPostalDictionary(PostalDictionaryFile* file) {
    postalAssist->setDictionary(file);
}

void SenderPage::clearFields() {
    SenderPageActive = false;
    for (QLineEdit* e : {SSimei, SRenmei, SYuubinBangou1, SYuubinBangou2, SJuusho1, SJuusho2})
        e->clear();
}

render::SenderTexts SenderPage::texts() const {
    return {SSimei->text(),         SRenmei->text(),  SYuubinBangou1->text(),
            SYuubinBangou2->text(), SJuusho1->text(), SJuusho2->text()};
}

void SenderPage::setTexts(const render::SenderTexts& t) {
    SSimei->setText(t.name);
    SRenmei->setText(t.jointName);
    SYuubinBangou1->setText(t.postalCodeUpper);
    SYuubinBangou2->setText(t.postalCodeLower);
    SJuusho1->setText(t.address1);
    SJuusho2->setText(t.address2);
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
    SenderPageActive = true;
    showHelp(SenderHelpPanel, kShowHelp, Qt::white);
    SenderStatusLine->clear();
    SSimei->setFocus();
}

void SenderPage::leave() { SenderPageActive = false; }

void SenderPage::SSimeiChange() { showHelp(SenderHelpPanel, kChangeHelp, QColor(0, 255, 0)); }

void SenderPage::warnUnsaveable(const QLineEdit* field) {
    const platform::SjisEncoded encoded = platform::Sjis::encode(field->text());
    if (encoded.ok()) return;
    QStringList named;
    for (const QString& c : encoded.unmappable)
        if (!named.contains(c)) named << c;
    setBlackDisplay(SenderStatusLine, QColor(255, 0, 0));
    SenderStatusLine->setText(
        QStringLiteral("保存できない文字 %1 は「?」になります").arg(named.join(QLatin1Char(' '))));
    SenderStatusLine->setCursorPosition(0);
}

void SenderPage::postalChange(QLineEdit* field, int complete) {
    if (!SenderPageActive || field->text().size() < complete) return;
    focusNextChild();
    SSimeiChange();
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
