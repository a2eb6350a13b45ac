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
    PaintBox2 = new MessagePreviewBox(this);
    PaintBox2->setGeometry(0, 0, 270, 400);
    buildToolStrip();

    RichEdit2 = new QPlainTextEdit(this);
    RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
    RichEdit2->setGeometry(273, 56, 403, 136);
    // One paragraph is one column on the card, so the editor shows it as one
    // line too and scrolls sideways instead of wrapping.
    RichEdit2->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit2->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit2->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit2->setContextMenuPolicy(Qt::NoContextMenu);
    RichEdit2->viewport()->installEventFilter(this);

    PageControl3 = new MessageFieldsPanel(this);
    PageControl3->setGeometry(273, 196, 403, 232);
    buildPictureFitChoice();
    // The print offsets move the whole card on the paper, so a larger
    // right margin here moves it right, unlike the text's margins.
    platform::applyHint(PageControl3->field("PIndL"),
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

    messageKindChoice = new QComboBox(strip);
    messageKindChoice->setObjectName(QStringLiteral("ComboBox5"));
    messageKindChoice->addItems({QStringLiteral("年賀ハガキ"), QStringLiteral("普通ハガキ")});
    platform::applyHint(messageKindChoice, QStringLiteral("種類|ハガキの種類を選択します"));

    SpeedButton1 = new QToolButton(strip);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("新規作成"));
    SpeedButton1->setAutoRaise(true);
    SpeedButton2 = new QToolButton(strip);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QStringLiteral("保存"));
    SpeedButton2->setAutoRaise(true);

    // The status line has a row of its own: it names files and what does not
    // fit the card.
    Mode2 = new QLineEdit(this);
    Mode2->setGeometry(273, 32, 403, 22);
    Mode2->setObjectName(QStringLiteral("Mode2"));
    Mode2->setReadOnly(true);
    Mode2->setFocusPolicy(Qt::NoFocus);
    Mode2->setContextMenuPolicy(Qt::NoContextMenu);
    QFont bold = Mode2->font();
    bold.setPixelSize(13);
    bold.setBold(true);
    Mode2->setFont(bold);

    messageFaceChoice = new QComboBox(strip);
    messageFaceChoice->setObjectName(QStringLiteral("ComboBox4"));
    messageFaceChoice->addItems({QStringLiteral("ＭＳ　明朝"), QStringLiteral("ＭＳ　ゴシック"),
                                 QStringLiteral("ＨＧ正楷書体-PRO"), QStringLiteral("HG行書体")});
    platform::applyHint(messageFaceChoice, QStringLiteral("フォント|フォントを選択できます"));

    messageKindChoice->setFixedWidth(84);
    messageFaceChoice->setFixedWidth(96);
    row->addWidget(messageKindChoice);
    row->addWidget(SpeedButton1);
    row->addWidget(SpeedButton2);
    row->addStretch(1);
    row->addWidget(messageFaceChoice);
}

// Beside the picture's print fields; it acts on the preview too.
void BodyPage::buildPictureFitChoice() {
    QWidget* page = PageControl3->page(PrintPage);
    auto* box = new QGroupBox(QStringLiteral("画像の合わせ方"), page);
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(6, 2, 6, 2);
    pictureFitChoice = new QComboBox(box);
    pictureFitChoice->setObjectName(QStringLiteral("PictureFit"));
    // In the order of PictureFit.
    pictureFitChoice->addItems({QStringLiteral("はがきの形に伸ばす"),
                                QStringLiteral("はがき全体を埋める（端を切る）"),
                                QStringLiteral("画像全体を収める")});
    platform::applyHint(
        pictureFitChoice,
        QStringLiteral("画像の合わせ方|画像の縦横の比がはがきと違うときの扱いです"));
    rows->addWidget(pictureFitChoice);
    rows->addStretch(1);
    auto* grid = static_cast<QGridLayout*>(page->layout());
    grid->addWidget(box, 0, 1);
}

void BodyPage::connectHandlers() {
    connect(RichEdit2, &QPlainTextEdit::textChanged, this, [this] {
        takeEditorText();
        RichEdit2Change();
    });
    // Undo back to the saved text makes it unmodified again.
    connect(RichEdit2->document(), &QTextDocument::modificationChanged, &document_,
            &MessageDocument::setModified);
    // The selection rule also follows caret moves, as the commands depend on
    // whether anything is selected.
    connect(RichEdit2, &QPlainTextEdit::selectionChanged, this,
            &BodyPage::RichEdit2SelectionChange);
    connect(RichEdit2, &QPlainTextEdit::cursorPositionChanged, this,
            &BodyPage::RichEdit2SelectionChange);
    connect(messageFaceChoice, &QComboBox::activated, this, &BodyPage::ComboBox4Click);
    connect(messageKindChoice, &QComboBox::activated, this, &BodyPage::ComboBox5Click);
    connect(pictureFitChoice, &QComboBox::activated, this, [this] { renderPreview(); });
    connect(SpeedButton1, &QToolButton::clicked, this, &BodyPage::ActHNewExecute);
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { ActHSaveExecute(); });
    connect(PageControl3, &MessageFieldsPanel::fieldChanged, this,
            [this](MessageFieldPage page, platform::SpinField* changed) {
                if (page == NewYearPage) NES0Change(changed);
                if (page == OrdinaryPage) FHS0Change(changed);
                if (page == PrintPage) PGsize1Change();
            });
    connect(PageControl3, &MessageFieldsPanel::resetClicked, this, [this](MessageFieldPage page) {
        if (page == NewYearPage) NEDefaultClick();
        if (page == OrdinaryPage) FuDefaultClick();
        if (page == PrintPage) SPrintDefaultClick();
    });
}

bool BodyPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == RichEdit2->viewport() && event->type() == QEvent::MouseButtonPress)
        RichEdit2MouseDown();
    return QWidget::eventFilter(watched, event);
}

void BodyPage::setBackPicture(const QImage& picture, const QString& path) {
    document_.setPicture(picture, path);
}

BodyPage::ChoiceIndexes BodyPage::choiceIndexes() const {
    return {messageFaceChoice->currentIndex(), messageKindChoice->currentIndex(),
            pictureFitChoice->currentIndex()};
}

void BodyPage::setChoiceIndexes(const ChoiceIndexes& indexes) {
    const auto choose = [](QComboBox* box, int index) {
        box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
    };
    choose(messageFaceChoice, indexes.face);
    choose(messageKindChoice, indexes.kind);
    choose(pictureFitChoice, indexes.fit);
}

MessageLayout BodyPage::messageLayout() const { return PageControl3->layout(); }
void BodyPage::setMessageLayout(const MessageLayout& layout) {
    PageControl3->setFieldValues(layout);
}

bool BodyPage::isModified() const { return document_.isModified(); }

BodyStatus BodyPage::status() const { return status_; }

platform::SpinField* BodyPage::field(const char* name) const { return PageControl3->field(name); }

QPushButton* BodyPage::resetButton(MessageFieldPage page) const {
    return PageControl3->resetButton(page);
}

MessageSideInput BodyPage::messageSideInput(platform::OutputTarget target) const {
    MessageSideInput in;
    in.cardKind = messageKindChoice->currentIndex();
    in.faceIndex = messageFaceChoice->currentIndex();
    const QString& text = document_.text();
    if (!text.isEmpty()) in.lines = text.split(QLatin1Char('\n'));
    in.picture = document_.picture();
    in.showPicture = !document_.pictureFileName().isEmpty();
    const int fit = pictureFitChoice->currentIndex();
    in.pictureFit =
        fit >= 0 && fit <= int(PictureFit::Inside) ? PictureFit(fit) : PictureFit::Stretch;
    in.layout = PageControl3->layout();
    in.target = target;
    return in;
}

void BodyPage::renderPreview() {
    const MessageSideInput in = messageSideInput(platform::OutputTarget::Screen);
    PaintBox2->showPicture(RenderMessageSide(in).picture);
    fitWarning_ = messageFitWarning(checkMessageFit(in));
    showStatusLine();
}

void BodyPage::setCommand(const char* name, bool on) {
    if (commands_) commands_->setEnabled({name}, on);
    // The save button stands for the save command.
    if (qstrcmp(name, "ActHSave") == 0) SpeedButton2->setEnabled(on);
}

void BodyPage::showStatus(const BodyStatus& status) {
    status_ = status;
    showStatusLine();
}

void BodyPage::showStatusLine() {
    QPalette p = Mode2->palette();
    p.setColor(QPalette::Base, Qt::black);
    p.setColor(QPalette::Text, status_.colour);
    Mode2->setPalette(p);
    const QString text =
        fitWarning_.isEmpty() ? status_.text : status_.text + QStringLiteral("　※") + fitWarning_;
    Mode2->setText(text);
    Mode2->setToolTip(text);  // long file names do not fit the line
    Mode2->setCursorPosition(0);
}

void BodyPage::showKindPage() {
    if (messageKindChoice->currentIndex() == int(CardKind::NewYear))
        PageControl3->setCurrentWidget(PageControl3->page(NewYearPage));
    if (messageKindChoice->currentIndex() == int(CardKind::Ordinary))
        PageControl3->setCurrentWidget(PageControl3->page(OrdinaryPage));
}

void BodyPage::focusEditor() { RichEdit2->setFocus(Qt::OtherFocusReason); }

void BodyPage::showReplacedText(const QString& text) {
    {
        const QSignalBlocker block(RichEdit2);
        RichEdit2->setPlainText(text);
    }
    RichEdit2->document()->setModified(false);
    // The document keeps the text as the editor gives it back, as every
    // later edit does.
    document_.setText(RichEdit2->toPlainText(), false);
}

void BodyPage::takeEditorText() {
    document_.setText(RichEdit2->toPlainText(), RichEdit2->document()->isModified());
}

void BodyPage::followModified(bool modified) { RichEdit2->document()->setModified(modified); }

}  // namespace message
