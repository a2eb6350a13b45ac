#include "message/ui/BodyPage.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include "message/MessageFit.h"
#include "message/RenderMessageSide.h"
#include "message/ui/MessageFieldsPanel.h"
#include "message/ui/MessagePreviewBox.h"
#include "platform/ui/Commands.h"
#include "platform/ui/Hint.h"
#include "platform/ui/SpinField.h"

namespace message {

BodyPage::BodyPage(platform::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("HRimen"));
    // Children stand at fixed places, as the window has a fixed size.
    preview_ = new MessagePreviewBox(this);
    preview_->setGeometry(0, 0, 270, 400);
    buildToolStrip();

    textEdit_ = new QPlainTextEdit(this);
    textEdit_->setObjectName(QStringLiteral("RichEdit2"));
    textEdit_->setGeometry(273, 56, 403, 136);
    // One paragraph is one column on the card, so the editor shows it as one
    // line too and scrolls sideways instead of wrapping.
    textEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    textEdit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    textEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    textEdit_->setContextMenuPolicy(Qt::NoContextMenu);
    textEdit_->viewport()->installEventFilter(this);

    fieldsPanel_ = new MessageFieldsPanel(this);
    fieldsPanel_->setGeometry(273, 196, 403, 232);
    buildPictureFitChoice();
    // The print offsets move the whole card on the paper, so a larger
    // right margin here moves it right, unlike the text's margins.
    platform::applyHint(fieldsPanel_->field("PIndL"),
                        QStringLiteral("右余白|大きくすると画像と文字が右へ動きます"
                                       "（文字調整の右余白とは逆向きです）"));
    connectHandlers();
    connect(&document_, &MessageDocument::textReplaced, this, &BodyPage::showReplacedText);
    connect(&document_, &MessageDocument::modifiedChanged, this, &BodyPage::followModified);
}

void BodyPage::buildToolStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("BodyToolStrip"));
    strip->setGeometry(273, 0, 406, 30);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 3, 2, 3);
    row->setSpacing(3);

    kindChoice_ = new QComboBox(strip);
    kindChoice_->setObjectName(QStringLiteral("ComboBox5"));
    kindChoice_->addItems({QStringLiteral("年賀ハガキ"), QStringLiteral("普通ハガキ")});
    platform::applyHint(kindChoice_, QStringLiteral("種類|ハガキの種類を選択します"));

    newButton_ = new QToolButton(strip);
    newButton_->setObjectName(QStringLiteral("SpeedButton1"));
    newButton_->setText(QStringLiteral("新規作成"));
    newButton_->setAutoRaise(true);
    saveButton_ = new QToolButton(strip);
    saveButton_->setObjectName(QStringLiteral("SpeedButton2"));
    saveButton_->setText(QStringLiteral("保存"));
    saveButton_->setAutoRaise(true);

    // The status line has a row of its own: it names files and what does not
    // fit the card.
    statusLine_ = new QLineEdit(this);
    statusLine_->setGeometry(273, 32, 403, 22);
    statusLine_->setObjectName(QStringLiteral("Mode2"));
    statusLine_->setReadOnly(true);
    statusLine_->setFocusPolicy(Qt::NoFocus);
    statusLine_->setContextMenuPolicy(Qt::NoContextMenu);
    QFont bold = statusLine_->font();
    bold.setPixelSize(13);
    bold.setBold(true);
    statusLine_->setFont(bold);

    faceChoice_ = new QComboBox(strip);
    faceChoice_->setObjectName(QStringLiteral("ComboBox4"));
    faceChoice_->addItems({QStringLiteral("ＭＳ　明朝"), QStringLiteral("ＭＳ　ゴシック"),
                           QStringLiteral("ＨＧ正楷書体-PRO"), QStringLiteral("HG行書体")});
    platform::applyHint(faceChoice_, QStringLiteral("フォント|フォントを選択できます"));

    kindChoice_->setFixedWidth(84);
    faceChoice_->setFixedWidth(96);
    row->addWidget(kindChoice_);
    row->addWidget(newButton_);
    row->addWidget(saveButton_);
    row->addStretch(1);
    row->addWidget(faceChoice_);
}

// Beside the picture's print fields; it acts on the preview too.
void BodyPage::buildPictureFitChoice() {
    QWidget* page = fieldsPanel_->page(PrintPage);
    auto* box = new QGroupBox(QStringLiteral("画像の合わせ方"), page);
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(6, 2, 6, 2);
    pictureFitChoice_ = new QComboBox(box);
    pictureFitChoice_->setObjectName(QStringLiteral("PictureFit"));
    // In the order of PictureFit.
    pictureFitChoice_->addItems({QStringLiteral("はがきの形に伸ばす"),
                                 QStringLiteral("はがき全体を埋める（端を切る）"),
                                 QStringLiteral("画像全体を収める")});
    platform::applyHint(
        pictureFitChoice_,
        QStringLiteral("画像の合わせ方|画像の縦横の比がはがきと違うときの扱いです"));
    rows->addWidget(pictureFitChoice_);
    rows->addStretch(1);
    auto* grid = static_cast<QGridLayout*>(page->layout());
    grid->addWidget(box, 0, 1);
}

void BodyPage::connectHandlers() {
    connect(textEdit_, &QPlainTextEdit::textChanged, this, [this] {
        takeEditorText();
        onTextChanged();
    });
    // Undo back to the saved text makes it unmodified again.
    connect(textEdit_->document(), &QTextDocument::modificationChanged, &document_,
            &MessageDocument::setModified);
    // The selection rule also follows caret moves, as the commands depend on
    // whether anything is selected.
    connect(textEdit_, &QPlainTextEdit::selectionChanged, this, &BodyPage::onSelectionChanged);
    connect(textEdit_, &QPlainTextEdit::cursorPositionChanged, this, &BodyPage::onSelectionChanged);
    connect(faceChoice_, &QComboBox::activated, this, &BodyPage::onFaceChosen);
    connect(kindChoice_, &QComboBox::activated, this, &BodyPage::onKindChosen);
    connect(pictureFitChoice_, &QComboBox::activated, this, [this] { renderPreview(); });
    connect(newButton_, &QToolButton::clicked, this, &BodyPage::newBody);
    connect(saveButton_, &QToolButton::clicked, this, [this] { save(); });
    connect(fieldsPanel_, &MessageFieldsPanel::fieldChanged, this,
            [this](MessageFieldPage page, platform::SpinField* changed) {
                if (page == NewYearPage) onNewYearFieldChanged(changed);
                if (page == OrdinaryPage) onOrdinaryFieldChanged(changed);
                if (page == PrintPage) onPrintFieldChanged();
            });
    connect(fieldsPanel_, &MessageFieldsPanel::resetClicked, this, [this](MessageFieldPage page) {
        if (page == NewYearPage) resetNewYearFields();
        if (page == OrdinaryPage) resetOrdinaryFields();
        if (page == PrintPage) resetPrintFields();
    });
}

bool BodyPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == textEdit_->viewport() && event->type() == QEvent::MouseButtonPress)
        onEditorPressed();
    return QWidget::eventFilter(watched, event);
}

void BodyPage::setBackPicture(const QImage& picture, const QString& path) {
    document_.setPicture(picture, path);
}

BodyPage::ChoiceIndexes BodyPage::choiceIndexes() const {
    return {faceChoice_->currentIndex(), kindChoice_->currentIndex(),
            pictureFitChoice_->currentIndex()};
}

void BodyPage::setChoiceIndexes(const ChoiceIndexes& indexes) {
    const auto choose = [](QComboBox* box, int index) {
        box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
    };
    choose(faceChoice_, indexes.face);
    choose(kindChoice_, indexes.kind);
    choose(pictureFitChoice_, indexes.fit);
}

MessageLayout BodyPage::messageLayout() const { return fieldsPanel_->layout(); }
void BodyPage::setMessageLayout(const MessageLayout& layout) {
    fieldsPanel_->setFieldValues(layout);
}

bool BodyPage::isModified() const { return document_.isModified(); }

BodyStatus BodyPage::status() const { return status_; }

platform::SpinField* BodyPage::field(const char* name) const { return fieldsPanel_->field(name); }

QPushButton* BodyPage::resetButton(MessageFieldPage page) const {
    return fieldsPanel_->resetButton(page);
}

MessageSideInput BodyPage::messageSideInput(platform::OutputTarget target) const {
    MessageSideInput in;
    in.cardKind = kindChoice_->currentIndex();
    in.faceIndex = faceChoice_->currentIndex();
    const QString& text = document_.text();
    if (!text.isEmpty()) in.lines = text.split(QLatin1Char('\n'));
    in.picture = document_.picture();
    in.showPicture = !document_.pictureFileName().isEmpty();
    const int fit = pictureFitChoice_->currentIndex();
    in.pictureFit =
        fit >= 0 && fit <= int(PictureFit::Inside) ? PictureFit(fit) : PictureFit::Stretch;
    in.layout = fieldsPanel_->layout();
    in.target = target;
    return in;
}

void BodyPage::renderPreview() {
    const MessageSideInput in = messageSideInput(platform::OutputTarget::Screen);
    preview_->showPicture(RenderMessageSide(in).picture);
    fitWarning_ = messageFitWarning(checkMessageFit(in));
    showStatusLine();
}

void BodyPage::setCommand(const char* name, bool on) {
    if (commands_) commands_->setEnabled({name}, on);
    // The save button stands for the save command.
    if (qstrcmp(name, "ActHSave") == 0) saveButton_->setEnabled(on);
}

void BodyPage::showStatus(const BodyStatus& status) {
    status_ = status;
    showStatusLine();
}

void BodyPage::showStatusLine() {
    QPalette p = statusLine_->palette();
    p.setColor(QPalette::Base, Qt::black);
    p.setColor(QPalette::Text, status_.colour);
    statusLine_->setPalette(p);
    const QString text =
        fitWarning_.isEmpty() ? status_.text : status_.text + QStringLiteral("　※") + fitWarning_;
    statusLine_->setText(text);
    statusLine_->setToolTip(text);  // long file names do not fit the line
    statusLine_->setCursorPosition(0);
}

void BodyPage::showKindPage() {
    if (kindChoice_->currentIndex() == int(CardKind::NewYear))
        fieldsPanel_->setCurrentWidget(fieldsPanel_->page(NewYearPage));
    if (kindChoice_->currentIndex() == int(CardKind::Ordinary))
        fieldsPanel_->setCurrentWidget(fieldsPanel_->page(OrdinaryPage));
}

void BodyPage::focusEditor() { textEdit_->setFocus(Qt::OtherFocusReason); }

void BodyPage::showReplacedText(const QString& text) {
    {
        const QSignalBlocker block(textEdit_);
        textEdit_->setPlainText(text);
    }
    textEdit_->document()->setModified(false);
    // The document keeps the text as the editor gives it back, as every
    // later edit does.
    document_.setText(textEdit_->toPlainText(), false);
}

void BodyPage::takeEditorText() {
    document_.setText(textEdit_->toPlainText(), textEdit_->document()->isModified());
}

void BodyPage::followModified(bool modified) { textEdit_->document()->setModified(modified); }

}  // namespace message
