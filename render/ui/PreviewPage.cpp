#include "render/ui/PreviewPage.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

#include "platform/ui/Hint.h"
#include "render/Honorifics.h"
#include "render/ui/BarcodeTab.h"
#include "render/ui/LayoutPanel.h"
#include "render/ui/PreviewBox.h"

namespace render {
namespace {

// The boxes are editable, but what is typed never becomes an item, and text
// that names no item means no choice (index -1), not the last one chosen.
void chooseOnlyListedItems(QComboBox* box) {
    box->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(box, &QComboBox::editTextChanged, box, [box](const QString& text) {
        const int index = box->currentIndex();
        if (index < 0 || box->itemText(index) == text || box->findText(text, Qt::MatchExactly) >= 0)
            return;
        QLineEdit* edit = box->lineEdit();
        const int caret = edit->cursorPosition();
        box->setCurrentIndex(-1);  // empties the text
        box->setEditText(text);
        edit->setCursorPosition(caret);
    });
}

}  // namespace

PreviewSplitter::PreviewSplitter(QWidget* box, QWidget* parent) : QWidget(parent), box_(box) {
    setObjectName(QStringLiteral("Splitter1"));
    setCursor(Qt::SplitHCursor);
    setFixedWidth(3);
}

void PreviewSplitter::mousePressEvent(QMouseEvent* event) { grabX_ = int(event->position().x()); }

void PreviewSplitter::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const int x = parentWidget()->mapFromGlobal(event->globalPosition().toPoint()).x() - grabX_;
    const int width = std::clamp(x, 30, parentWidget()->width() - 30);
    box_->resize(width, box_->height());
    move(width, y());
}

PreviewPage::PreviewPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Preview"));
    PaintBox1 = new PreviewBox(this);
    PaintBox1->setGeometry(0, 0, 270, 400);
    platform::applyHint(
        PaintBox1,
        QStringLiteral("プレビュー画面|現在選択されているデータをプレビュー表示しています。"),
        /*showToolTip=*/false);
    Splitter1 = new PreviewSplitter(PaintBox1, this);
    Splitter1->setGeometry(270, 0, 3, 400);

    kindChoice = new QComboBox(this);
    kindChoice->setObjectName(QStringLiteral("ComboBox2"));
    kindChoice->setEditable(true);
    kindChoice->addItems(
        {QStringLiteral("年賀ハガキ"), QStringLiteral("普通ハガキ"),
         QStringLiteral("長３封筒（235 x 120）"), QStringLiteral("長４封筒（205 x 90）一般封書用"),
         QStringLiteral("洋封筒１（176 x 120）"), QStringLiteral("洋封筒２（162 x 114）")});
    faceChoice = new QComboBox(this);
    faceChoice->setObjectName(QStringLiteral("ComboBox1"));
    faceChoice->setEditable(true);
    faceChoice->addItems({QStringLiteral("ＭＳ　明朝"), QStringLiteral("ＭＳ　ゴシック"),
                          QStringLiteral("ＨＧ正楷書体-PRO"), QStringLiteral("HG行書体")});
    honorificChoice = new QComboBox(this);
    honorificChoice->setObjectName(QStringLiteral("ComboBox3"));
    honorificChoice->setEditable(true);
    honorificChoice->addItems(honorificItems());
    FuutouF = new QRadioButton(QStringLiteral("封筒（表）"), this);
    FuutouF->setObjectName(QStringLiteral("FuutouF"));
    FuutouF->setChecked(true);
    FuutouR = new QRadioButton(QStringLiteral("封筒（裏）"), this);
    FuutouR->setObjectName(QStringLiteral("FuutouR"));
    platform::applyHint(kindChoice, QStringLiteral("種類|印刷物の種類を選択できます"));
    platform::applyHint(faceChoice, QStringLiteral("フォント|フォントを選択できます"));
    platform::applyHint(honorificChoice, QStringLiteral("敬称|敬称を選択できます"));

    // The choice bar runs above the grids.
    ChoiceBar = new QWidget(this);
    ChoiceBar->setObjectName(QStringLiteral("ChoiceBar"));
    ChoiceBar->setGeometry(273, 0, 406, 32);
    ChoiceBarLayout = new QHBoxLayout(ChoiceBar);
    ChoiceBarLayout->setContentsMargins(0, 4, 2, 4);
    ChoiceBarLayout->setSpacing(2);
    for (QWidget* w : {static_cast<QWidget*>(kindChoice), static_cast<QWidget*>(FuutouF),
                       static_cast<QWidget*>(FuutouR), static_cast<QWidget*>(honorificChoice),
                       static_cast<QWidget*>(faceChoice)})
        ChoiceBarLayout->addWidget(w);
    // Six choices share 406 pixels: the boxes are narrow and show the
    // beginning of their item; their lists open at full width.
    for (QComboBox* box : {kindChoice, faceChoice, honorificChoice}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->view()->setMinimumWidth(200);
    }
    kindChoice->setFixedWidth(84);
    honorificChoice->setFixedWidth(46);
    faceChoice->setFixedWidth(64);

    // Long items show their beginning, not wherever the text box scrolled to.
    for (QComboBox* box : {kindChoice, faceChoice, honorificChoice}) {
        chooseOnlyListedItems(box);
        connect(box, &QComboBox::currentIndexChanged, box, [box] {
            if (box->lineEdit()) box->lineEdit()->setCursorPosition(0);
        });
        box->lineEdit()->setCursorPosition(0);
    }

    // The adjustment panel sits below the grids.
    PageControl2 = new LayoutPanel(this);
    PageControl2->setGeometry(270, 196, 406, 232);

    PaintBox1->setContextMenuPolicy(Qt::NoContextMenu);
    connect(PageControl2, &LayoutPanel::refreshRequested, this, &PreviewPage::choicesChanged);
    for (QComboBox* box : {faceChoice, kindChoice, honorificChoice})
        connect(box, &QComboBox::activated, this, &PreviewPage::choicesChanged);
    for (QRadioButton* side : {FuutouF, FuutouR})
        connect(side, &QRadioButton::clicked, this, &PreviewPage::choicesChanged);
}

int PreviewPage::mediaKind() const { return kindChoice->currentIndex(); }
bool PreviewPage::envelopeBack() const { return FuutouR->isChecked(); }
int PreviewPage::faceIndex() const { return faceChoice->currentIndex(); }
QString PreviewPage::honorific() const { return honorificChoice->currentText(); }

PreviewPage::ChoiceIndexes PreviewPage::choiceIndexes() const {
    return {faceChoice->currentIndex(), kindChoice->currentIndex(),
            honorificChoice->currentIndex()};
}

void PreviewPage::setChoiceIndexes(const ChoiceIndexes& indexes) {
    const auto choose = [](QComboBox* box, int index) {
        box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
    };
    choose(faceChoice, indexes.face);
    choose(kindChoice, indexes.kind);
    choose(honorificChoice, indexes.honorific);
}

LayoutSettings PreviewPage::layoutSettings() const { return PageControl2->settings(); }
void PreviewPage::setLayoutSettings(const LayoutSettings& settings) {
    PageControl2->setSettings(settings);
}
TypesetChoices PreviewPage::typesetChoices() const { return PageControl2->typesetChoices(); }
TypesetTab::ChoiceIndexes PreviewPage::typesetIndexes() const {
    return PageControl2->typesetTab()->choiceIndexes();
}
void PreviewPage::setTypesetIndexes(const TypesetTab::ChoiceIndexes& indexes) {
    PageControl2->typesetTab()->setChoiceIndexes(indexes);
}

CustomerBarcodeInput PreviewPage::barcodeInput() const {
    return PageControl2->barcodeTab()->input();
}
void PreviewPage::setBarcodeInput(const CustomerBarcodeInput& input) {
    PageControl2->barcodeTab()->setInput(input);
}

void PreviewPage::showAddressSide(int mediaKind, const platform::PagePicture& picture) {
    PaintBox1->showPicture(mediaKind, picture);
}

void PreviewPage::setEnvelopeSidesEnabled(bool enabled) {
    FuutouF->setEnabled(enabled);
    FuutouR->setEnabled(enabled);
}

void PreviewPage::insertIntoChoiceBar(int position, QWidget* widget) {
    ChoiceBarLayout->insertWidget(position, widget);
}

}  // namespace render
