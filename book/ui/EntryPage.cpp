#include "book/ui/EntryPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "book/AddressBookDocument.h"
#include "book/PostalCode.h"
#include "book/ui/FieldStyle.h"
#include "platform/ui/Commands.h"
#include "platform/ui/Hint.h"
#include "postal/ui/OfficeNameOffer.h"
#include "postal/ui/PostalAssist.h"
#include "postal/ui/PostalChoiceList.h"
#include "records/AddressRecord.h"

namespace book {

const char16_t EntryPage::kShowHelp[] =
    u"\n\n　　　このページで出来ること\n\n　　　1.宛名データの新規作成\n\n　　　2."
    u"既存データの変更・修正\n\n"
    u"　　　3.新規データの追加";
const char16_t EntryPage::kChangeHelp[] =
    u"\n\n　　　住所１,住所２,住所３ "
    u"に\n\n　　　数字を入力する場合は・・・\n\n　　　テンキー入力を推奨します。\n\n"
    u"　　　（漢数字に変換されます。）";

namespace {

const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kCyan(0, 255, 255);
const QColor kGreen(0, 255, 0);
const QString kUnregistered = QStringLiteral("　　このデータは未登録です。");

QLabel* hintLabel(const char* name, const char16_t* text, const QColor& colour, QWidget* parent) {
    auto* l = new QLabel(QString::fromUtf16(text), parent);
    l->setObjectName(QLatin1String(name));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    l->hide();
    return l;
}

}  // namespace

EntryPage::EntryPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MirelEdit"));
    auto make = [this](const char* name, const char16_t* hint, InputKind kind) {
        return makeField(this, name, hint, kind);
    };
    Kana1 = make("Kana1", u"ふりがな|ふりがなを入力して下さい", InputKind::Japanese);
    Nam1 = make("Nam1", u"氏名|氏名を入力して下さい。", InputKind::Japanese);
    Nam2 = make("Nam2", u"連名|連名を入力して下さい。", InputKind::Japanese);
    relationChoice = new QComboBox(this);
    relationChoice->setObjectName(QStringLiteral("ComboBox7"));
    relationChoice->setEditable(true);
    relationChoice->setInsertPolicy(QComboBox::NoInsert);
    relationChoice->addItems({QStringLiteral("知人"), QStringLiteral("友人"),
                              QStringLiteral("親戚"), QStringLiteral("仕事"), QString(),
                              QString()});
    platform::applyHint(
        relationChoice,
        QStringLiteral("関係|関係を選んで下さい。（グループに分けて表示できます）"));
    relationChoice->installEventFilter(this);
    keepOnOneLine(relationChoice->lineEdit());
    Shamei = make("Shamei", u"社名|会社名を入力して下さい。", InputKind::Japanese);
    Yakushoku = make("Yakushoku", u"役職|役職を入力して下さい。", InputKind::Japanese);
    Ub1 = make("Ub1", u"郵便番号|郵便番号上３桁を入力して下さい。", InputKind::Digits);
    Ub2 = make("Ub2", u"郵便番号|郵便番号下4桁を入力して下さい。", InputKind::Digits);
    Ju1 = make("Ju1", u"住所１|１行目の住所を入力して下さい。", InputKind::Japanese);
    Ju2 = make("Ju2", u"住所２|２行目の住所を入力して下さい。", InputKind::Japanese);
    Phone1 = make("Phone1", u"電話番号|電話番号を入力して下さい", InputKind::Digits);
    Keitai1 = make("Keitai1", u"携帯番号|携帯電話番号を入力して下さい", InputKind::Digits);
    Fax1 = make("Fax1", u"FAX番号|FAX番号を入力して下さい", InputKind::Digits);
    Num1 = make("Num1", u"番号|データ番号を表示します。", InputKind::Free);
    Num1->setReadOnly(true);
    Num1->setFocusPolicy(Qt::NoFocus);
    Ub1->setMaxLength(3);
    Ub2->setMaxLength(4);
    Ub1->setFixedWidth(44);
    Ub2->setFixedWidth(56);

    auto button = [this](const char* name, const char16_t* caption, const char16_t* hint,
                         bool tabStop) {
        auto* b = new QPushButton(QString::fromUtf16(caption), this);
        b->setObjectName(QLatin1String(name));
        platform::applyHint(b, QString::fromUtf16(hint));
        b->setAutoDefault(false);
        if (tabStop)
            b->installEventFilter(this);
        else
            b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    EditOKButton = button("EditOKButton", u"登　録",
                          u"データの登録|このデータを宛名住所一覧表に登録します。", true);
    NewDataButton = button("NewDataButton", u"追加（データ）",
                           u"データの追加|データを追加できる状態にします。", true);
    ToStaButton =
        button("ToStaButton", u"最初へ", u"最初のデータへ|最初のデータを表示します。", false);
    BeforButton =
        button("BeforButton", u"前 へ", u"前のデータへ|ひとつ前のデータを表示します。", false);
    NextButton = button("NextButton", u"次 へ", u"次のデータへ|次のデータを表示します。", false);
    ToEndButton =
        button("ToEndButton", u"最後へ", u"最後のデータへ|最後のデータを表示します。", false);
    EditOKButton->setEnabled(false);

    EntryStatusLine = new QLineEdit(this);
    EntryStatusLine->setObjectName(QStringLiteral("EditDisp1"));
    EntryStatusLine->setReadOnly(true);
    EntryStatusLine->setFocusPolicy(Qt::NoFocus);
    EntryStatusLine->setContextMenuPolicy(Qt::NoContextMenu);
    QFont statusFont = EntryStatusLine->font();
    statusFont.setPixelSize(16);
    statusFont.setBold(true);
    EntryStatusLine->setFont(statusFont);
    setBlackDisplay(EntryStatusLine, Qt::white);
    EntryHelpPanel = makeHelpPanel(this, "Memo1");
    showHelp(EntryHelpPanel, kShowHelp, Qt::white);

    Label6 = hintLabel("Label6", u"入力したら・Enter キー", Qt::blue, this);
    Label11 = hintLabel("Label11", u"変換キーを押してね！", Qt::red, this);
    Label80 = hintLabel("Label80", u"矢印・キーでも", Qt::red, this);
    Label81 = hintLabel("Label81", u"選択できるよ！", Qt::blue, this);

    // Fields on the left, help and status on the right.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setVerticalSpacing(5);
    auto label = [this](const char16_t* text) {
        return new QLabel(QString::fromUtf16(text), this);
    };
    int row = 0;
    grid->addWidget(label(u"番 号"), row, 0);
    grid->addWidget(Num1, row++, 1);
    grid->addWidget(label(u"ふりがな"), row, 0);
    grid->addWidget(Kana1, row, 1, 1, 3);
    grid->addWidget(Label6, row++, 4);
    grid->addWidget(label(u"氏　名"), row, 0);
    grid->addWidget(Nam1, row, 1, 1, 3);
    grid->addWidget(Label11, row++, 4);
    grid->addWidget(label(u"連　名"), row, 0);
    grid->addWidget(Nam2, row++, 1, 1, 3);
    grid->addWidget(label(u"関　係"), row, 0);
    grid->addWidget(relationChoice, row, 1, 1, 2);
    auto* arrowHint = new QHBoxLayout;
    arrowHint->addWidget(Label80);
    arrowHint->addWidget(Label81);
    grid->addLayout(arrowHint, row++, 3, 1, 2);
    grid->addWidget(label(u"社　名"), row, 0);
    grid->addWidget(Shamei, row++, 1, 1, 3);
    grid->addWidget(label(u"役　職"), row, 0);
    grid->addWidget(Yakushoku, row++, 1, 1, 3);
    grid->addWidget(label(u"　　〒"), row, 0);
    auto* postal = new QHBoxLayout;
    postal->addWidget(Ub1);
    auto* dash = label(u"-");
    styleField(dash, InputKind::Digits);
    postal->addWidget(dash);
    postal->addWidget(Ub2);
    postal->addStretch();
    grid->addLayout(postal, row++, 1, 1, 3);
    grid->addWidget(label(u"住所１"), row, 0);
    grid->addWidget(Ju1, row++, 1, 1, 4);
    grid->addWidget(label(u"住所２"), row, 0);
    grid->addWidget(Ju2, row++, 1, 1, 4);
    grid->addWidget(label(u"電　話"), row, 0);
    grid->addWidget(Phone1, row, 1);
    grid->addWidget(label(u"携　帯"), row, 2);
    grid->addWidget(Keitai1, row++, 3);
    grid->addWidget(label(u"FAX"), row, 0);
    grid->addWidget(Fax1, row++, 1);
    auto* actions = new QHBoxLayout;
    actions->addWidget(EditOKButton);
    actions->addWidget(NewDataButton);
    actions->addStretch();
    grid->addLayout(actions, row, 0, 1, 5);
    // Help and status on the right, the navigation under them.
    auto* navigation = new QHBoxLayout;
    navigation->setSpacing(2);
    for (QPushButton* b : {ToStaButton, BeforButton, NextButton, ToEndButton}) {
        b->setFixedWidth(61);
        navigation->addWidget(b);
    }
    grid->addWidget(EntryHelpPanel, 0, 5, row - 1, 1);
    grid->addWidget(EntryStatusLine, row - 1, 5);
    grid->addLayout(navigation, row, 5);
    grid->setColumnStretch(3, 1);
    EntryHelpPanel->setFixedWidth(250);
    EntryStatusLine->setFixedWidth(250);
    for (QLineEdit* e : {Kana1, Nam1, Nam2, Shamei, Yakushoku}) e->setMaximumWidth(200);
    for (QLineEdit* e : {Ju1, Ju2}) e->setMaximumWidth(330);
    for (QLineEdit* e : {Num1, Phone1, Keitai1, Fax1}) e->setMaximumWidth(110);

    // Tab order is the Enter walk.
    QWidget* order[] = {Kana1,        Nam1, Nam2, relationChoice, Shamei,  Yakushoku, Ub1,
                        Ub2,          Ju1,  Ju2,  Phone1,         Keitai1, Fax1,      EditOKButton,
                        NewDataButton};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    for (QLineEdit* e : {Nam1, Nam2, Shamei, Yakushoku, Ju1, Ju2, Phone1, Keitai1, Fax1})
        connect(e, &QLineEdit::textChanged, this, &EntryPage::markUnregistered);
    connect(relationChoice, &QComboBox::currentTextChanged, this, &EntryPage::markUnregistered);
    connect(Kana1, &QLineEdit::textChanged, this, &EntryPage::onReadingEdited);
    connect(Ub1, &QLineEdit::textChanged, this, [this] { postalChange(Ub1, 3); });
    connect(Ub2, &QLineEdit::textChanged, this, [this] { postalChange(Ub2, 4); });
    connect(EditOKButton, &QPushButton::clicked, this, &EntryPage::registerRecord);
    connect(NewDataButton, &QPushButton::clicked, this, &EntryPage::addRecord);
    connect(ToStaButton, &QPushButton::clicked, this, &EntryPage::goFirst);
    connect(BeforButton, &QPushButton::clicked, this, &EntryPage::goPrevious);
    connect(NextButton, &QPushButton::clicked, this, &EntryPage::goNext);
    connect(ToEndButton, &QPushButton::clicked, this, &EntryPage::goLast);
    postalAssist = new PostalAssist(
        {Ub1, Ub2, Ju1, Ju2},
        [this](const QString& text, bool error) {
            // A withdrawn offer gives the line back to the record's state.
            if (text.isEmpty() && EditOKButton->isEnabled())
                setStatus(kUnregistered, kRed);
            else
                setStatus(text, error ? kRed : kYellow);
        },
        [this] { markUnregistered(); }, this);
    // An office's own code also offers the office's name for 会社名.
    postalAssist->setFilledHook([this](const std::vector<PostalPlace>& places) {
        const QString said = offerOfficeName(Shamei, places);
        if (!said.isEmpty()) setStatus(said, kYellow);
    });
}

void EntryPage::setPostalDictionary(PostalDictionaryFile* file) {
    postalAssist->setDictionary(file);
}

void EntryPage::focusFirstField() { Kana1->setFocus(); }

void EntryPage::showRecordNumber(int number) { Num1->setText(QString::number(number)); }

PostalChoiceList* EntryPage::postalChoices() const { return postalAssist->choices(); }

void EntryPage::clearForStartup() {
    EntryPageActive = false;
    relationChoice->setCurrentIndex(0);
    loading_ = true;
    for (QLineEdit* e : {Kana1, Nam1, Nam2, Shamei, Yakushoku, Ub1, Ub2, Ju1, Ju2}) e->clear();
    loading_ = false;
    EditOKButton->setEnabled(false);
}

void EntryPage::setStatus(const QString& text, const QColor& colour) {
    setBlackDisplay(EntryStatusLine, colour);
    EntryStatusLine->setText(text);
    EntryStatusLine->setCursorPosition(0);
}

void EntryPage::enter() {
    emit plainPostalCodesWanted();
    EntryPageActive = true;
    clearFields();
    showCurrentRecord();
    Label6->hide();
    Label11->hide();
    Kana1->setFocus();
    commands_->setEnabled({"ActPrintIchiran", "ActOpen2", "ActRSort", "ActSort", "ActEditData",
                           "ActIns", "ActDel", "ActSelectAllData", "ActCopy", "ActCut", "ActPaste",
                           "ActSelectAll", "ActReNum", "ActPrint", "ActPrinter"},
                          false);
    commands_->setEnabled({"ActSave"}, true);
    EditOKButton->setEnabled(false);
    setStatus(QString(), Qt::white);
    NewDataButton->setEnabled(book_->showingAll());
}

void EntryPage::leave() { EntryPageActive = false; }

void EntryPage::setFields(const QStringList& cells) {
    Num1->setText(cells.value(records::ColNumber));
    Nam1->setText(cells.value(records::ColName));
    Ju1->setText(cells.value(records::ColAddress1));
    Ju2->setText(cells.value(records::ColAddress2));
    Nam2->setText(cells.value(records::ColJointName));
    Kana1->setText(cells.value(records::ColKana));
    Phone1->setText(cells.value(records::ColPhone));
    Keitai1->setText(cells.value(records::ColMobile));
    Fax1->setText(cells.value(records::ColFax));
    Shamei->setText(cells.value(records::ColCompany));
    Yakushoku->setText(cells.value(records::ColTitle));
    relationChoice->setEditText(cells.value(records::ColRelation));
}

void EntryPage::showCurrentRecord() {
    platform::CellGrid& g = book_->showingAll() ? book_->wholeBook() : book_->filteredBook();
    loading_ = true;
    Ub1->clear();
    Ub2->clear();
    const int row = std::clamp(book_->currentRecord(), 1, g.rowCount() - 1);
    book_->setCurrentRecord(row);
    setFields(g.rowCells(row));
    // A code that is not 3 + 4 characters stays in the cell as it is and
    // shows whole in the first field, which is widened for it.
    const PostalFields postal = postalFieldsOf(g.cell(records::ColPostal, row));
    Ub1->setMaxLength(std::max<int>(3, int(postal.first.size())));
    Ub1->setText(postal.first);
    Ub2->setText(postal.second);
    loading_ = false;
    registrationRow_ = book_->showingAll() ? row : book_->filteredBook().sourceRow(row);
    NewDataButton->setEnabled(book_->showingAll());
    EditOKButton->setEnabled(false);
    setStatus(QString(), Qt::white);
    showHelp(EntryHelpPanel, kShowHelp, Qt::white);
    Kana1->setFocus();
}

void EntryPage::clearFields() {
    loading_ = true;
    Num1->setText(QString::number(book_->currentRecord()));
    for (QLineEdit* e :
         {Kana1, Nam1, Nam2, Shamei, Yakushoku, Ub1, Ub2, Ju1, Ju2, Phone1, Keitai1, Fax1})
        e->clear();
    Ub1->setMaxLength(3);
    relationChoice->setCurrentIndex(0);
    relationChoice->setEditText(relationChoice->itemText(0));
    loading_ = false;
    registrationRow_ = book_->showingAll()
                           ? book_->currentRecord()
                           : book_->filteredBook().sourceRow(book_->currentRecord());
    EditOKButton->setEnabled(false);
    setStatus(QStringLiteral("　　データ を入力 して下さい。"), kYellow);
    Kana1->setFocus();
    NewDataButton->setEnabled(false);
    commands_->setEnabled({"ActSort"}, false);
    EntryPageActive = true;
}

QStringList EntryPage::fieldRecord() const {
    QStringList r;
    for (int c = 0; c < records::kColumnCount; ++c) r << QString();
    r[records::ColNumber] = Num1->text();
    r[records::ColName] = Nam1->text();
    r[records::ColPostal] = Ub1->text() + Ub2->text();
    r[records::ColAddress1] = Ju1->text();
    r[records::ColAddress2] = Ju2->text();
    r[records::ColJointName] = Nam2->text();
    r[records::ColKana] = Kana1->text();
    r[records::ColPhone] = Phone1->text();
    r[records::ColMobile] = Keitai1->text();
    r[records::ColFax] = Fax1->text();
    r[records::ColCompany] = Shamei->text();
    r[records::ColTitle] = Yakushoku->text();
    r[records::ColRelation] = relationChoice->currentText();
    return r;
}

void EntryPage::registerRecord() {
    const QStringList record = fieldRecord();
    const bool all = book_->showingAll();
    platform::CellGrid& main = book_->wholeBook();
    if (registrationRow_ < 1 || registrationRow_ >= main.rowCount()) {
        // The relation filter shows no record to write to: adding is done
        // with the whole book shown.
        setStatus(QStringLiteral("　　登録できません。「全部」を表示して追加して下さい。"), kRed);
        return;
    }
    if (!all) {
        platform::CellGrid& filtered = book_->filteredBook();
        const int row = book_->currentRecord();
        if (row >= 1 && row < filtered.rowCount()) filtered.setRowCells(row, record);
        book_->setFilteredCurrentRow(row);
    }
    // The record goes back to the row it was loaded from, whatever number
    // that row shows: rows dragged out of numbering never receive another
    // record's text.
    main.setRowCells(registrationRow_, record);
    if (all) book_->setCurrentRecord(registrationRow_);
    setStatus(QStringLiteral("　　このデータを登録しました。"), kCyan);
    if (all) {
        NewDataButton->setEnabled(true);
        NewDataButton->setFocus();
    } else {
        NewDataButton->setEnabled(false);
        Kana1->setFocus();
    }
    book_->setModified(true);
}

void EntryPage::addRecord() {
    emit newRowsWanted();
    clearFields();
    Label6->hide();
}

void EntryPage::navigate(int row) {
    book_->setCurrentRecord(row);
    showCurrentRecord();
    Label6->hide();
}

void EntryPage::goFirst() {
    book_->setFilteredCurrentRow(1);
    navigate(1);
}

void EntryPage::goPrevious() {
    const int row = book_->currentRecord() - 1;
    book_->setFilteredCurrentRow(row);
    navigate(row);
}

void EntryPage::goNext() {
    const int row = book_->currentRecord() + 1;
    book_->setFilteredCurrentRow(row);
    navigate(row);
}

void EntryPage::goLast() {
    const platform::CellGrid& g = book_->showingAll() ? book_->wholeBook() : book_->filteredBook();
    const int row = g.rowCount() - 1;
    book_->setFilteredCurrentRow(row);
    navigate(row);
}

void EntryPage::markUnregistered() {
    if (loading_) return;
    Label11->hide();
    EditOKButton->setEnabled(true);
    NewDataButton->setEnabled(false);
    setStatus(kUnregistered, kRed);
    showHelp(EntryHelpPanel, kChangeHelp, kGreen);
}

void EntryPage::onReadingEdited() {
    if (loading_) return;
    markUnregistered();
    Label6->show();
}

void EntryPage::postalChange(QLineEdit* field, int complete) {
    if (loading_ || !EntryPageActive || field->text().size() < complete) return;
    focusNextChild();
    markUnregistered();
}

bool EntryPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return QWidget::eventFilter(watched, event);
    if (watched == Kana1) {
        // The reading goes to the name, to be converted there.
        Nam1->setText(Kana1->text());
        Label11->show();
    } else if (watched == Nam2) {
        Label80->show();
        Label81->show();
    } else if (watched == relationChoice) {
        Label80->hide();
        Label81->hide();
    }
    focusNextChild();
    return true;  // Enter never presses a button here
}

}  // namespace book
