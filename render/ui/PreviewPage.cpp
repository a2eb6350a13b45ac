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
    preview_ = new PreviewBox(this);
    preview_->setGeometry(0, 0, 270, 400);
    platform::applyHint(
        preview_,
        QStringLiteral("プレビュー画面|現在選択されているデータをプレビュー表示しています。"),
        /*showToolTip=*/false);
    splitter_ = new PreviewSplitter(preview_, this);
    splitter_->setGeometry(270, 0, 3, 400);

    kindChoice_ = new QComboBox(this);
    kindChoice_->setObjectName(QStringLiteral("ComboBox2"));
    kindChoice_->setEditable(true);
    kindChoice_->addItems(
        {QStringLiteral("年賀ハガキ"), QStringLiteral("普通ハガキ"),
         QStringLiteral("長３封筒（235 x 120）"), QStringLiteral("長４封筒（205 x 90）一般封書用"),
         QStringLiteral("洋封筒１（176 x 120）"), QStringLiteral("洋封筒２（162 x 114）")});
    faceChoice_ = new QComboBox(this);
    faceChoice_->setObjectName(QStringLiteral("ComboBox1"));
    faceChoice_->setEditable(true);
    faceChoice_->addItems({QStringLiteral("ＭＳ　明朝"), QStringLiteral("ＭＳ　ゴシック"),
                           QStringLiteral("ＨＧ正楷書体-PRO"), QStringLiteral("HG行書体")});
    honorificChoice_ = new QComboBox(this);
    honorificChoice_->setObjectName(QStringLiteral("ComboBox3"));
    honorificChoice_->setEditable(true);
    honorificChoice_->addItems(honorificItems());
    envelopeFrontButton_ = new QRadioButton(QStringLiteral("封筒（表）"), this);
    envelopeFrontButton_->setObjectName(QStringLiteral("FuutouF"));
    envelopeFrontButton_->setChecked(true);
    envelopeBackButton_ = new QRadioButton(QStringLiteral("封筒（裏）"), this);
    envelopeBackButton_->setObjectName(QStringLiteral("FuutouR"));
    platform::applyHint(kindChoice_, QStringLiteral("種類|印刷物の種類を選択できます"));
    platform::applyHint(faceChoice_, QStringLiteral("フォント|フォントを選択できます"));
    platform::applyHint(honorificChoice_, QStringLiteral("敬称|敬称を選択できます"));

    // The choice bar runs above the grids.
    choiceBar_ = new QWidget(this);
    choiceBar_->setObjectName(QStringLiteral("ChoiceBar"));
    choiceBar_->setGeometry(273, 0, 406, 32);
    choiceBarLayout_ = new QHBoxLayout(choiceBar_);
    choiceBarLayout_->setContentsMargins(0, 4, 2, 4);
    choiceBarLayout_->setSpacing(2);
    for (QWidget* w :
         {static_cast<QWidget*>(kindChoice_), static_cast<QWidget*>(envelopeFrontButton_),
          static_cast<QWidget*>(envelopeBackButton_), static_cast<QWidget*>(honorificChoice_),
          static_cast<QWidget*>(faceChoice_)})
        choiceBarLayout_->addWidget(w);
    // Six choices share 406 pixels: the boxes are narrow and show the
    // beginning of their item; their lists open at full width.
    for (QComboBox* box : {kindChoice_, faceChoice_, honorificChoice_}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->view()->setMinimumWidth(200);
    }
    kindChoice_->setFixedWidth(84);
    honorificChoice_->setFixedWidth(46);
    faceChoice_->setFixedWidth(64);

    // Long items show their beginning, not wherever the text box scrolled to.
    for (QComboBox* box : {kindChoice_, faceChoice_, honorificChoice_}) {
        chooseOnlyListedItems(box);
        connect(box, &QComboBox::currentIndexChanged, box, [box] {
            if (box->lineEdit()) box->lineEdit()->setCursorPosition(0);
        });
        box->lineEdit()->setCursorPosition(0);
    }

    // The adjustment panel sits below the grids.
    layoutPanel_ = new LayoutPanel(this);
    layoutPanel_->setGeometry(270, 196, 406, 232);

    preview_->setContextMenuPolicy(Qt::NoContextMenu);
    connect(layoutPanel_, &LayoutPanel::refreshRequested, this, &PreviewPage::choicesChanged);
    for (QComboBox* box : {faceChoice_, kindChoice_, honorificChoice_})
        connect(box, &QComboBox::activated, this, &PreviewPage::choicesChanged);
    for (QRadioButton* side : {envelopeFrontButton_, envelopeBackButton_})
        connect(side, &QRadioButton::clicked, this, &PreviewPage::choicesChanged);
}

int PreviewPage::mediaKind() const { return kindChoice_->currentIndex(); }
bool PreviewPage::envelopeBack() const { return envelopeBackButton_->isChecked(); }
int PreviewPage::faceIndex() const { return faceChoice_->currentIndex(); }
QString PreviewPage::honorific() const { return honorificChoice_->currentText(); }

PreviewPage::ChoiceIndexes PreviewPage::choiceIndexes() const {
    return {faceChoice_->currentIndex(), kindChoice_->currentIndex(),
            honorificChoice_->currentIndex()};
}

void PreviewPage::setChoiceIndexes(const ChoiceIndexes& indexes) {
    const auto choose = [](QComboBox* box, int index) {
        box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
    };
    choose(faceChoice_, indexes.face);
    choose(kindChoice_, indexes.kind);
    choose(honorificChoice_, indexes.honorific);
}

LayoutSettings PreviewPage::layoutSettings() const { return layoutPanel_->settings(); }
void PreviewPage::setLayoutSettings(const LayoutSettings& settings) {
    layoutPanel_->setSettings(settings);
}
TypesetChoices PreviewPage::typesetChoices() const { return layoutPanel_->typesetChoices(); }
TypesetTab::ChoiceIndexes PreviewPage::typesetIndexes() const {
    return layoutPanel_->typesetTab()->choiceIndexes();
}
void PreviewPage::setTypesetIndexes(const TypesetTab::ChoiceIndexes& indexes) {
    layoutPanel_->typesetTab()->setChoiceIndexes(indexes);
}

CustomerBarcodeInput PreviewPage::barcodeInput() const {
    return layoutPanel_->barcodeTab()->input();
}
void PreviewPage::setBarcodeInput(const CustomerBarcodeInput& input) {
    layoutPanel_->barcodeTab()->setInput(input);
}

void PreviewPage::showAddressSide(int mediaKind, const platform::PagePicture& picture) {
    preview_->showPicture(mediaKind, picture);
}

void PreviewPage::setEnvelopeSidesEnabled(bool enabled) {
    envelopeFrontButton_->setEnabled(enabled);
    envelopeBackButton_->setEnabled(enabled);
}

void PreviewPage::insertIntoChoiceBar(int position, QWidget* widget) {
    choiceBarLayout_->insertWidget(position, widget);
}

}  // namespace render
