#include "render/ui/TypesetTab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "platform/ui/Hint.h"

namespace render {
namespace {

QComboBox* choiceBox(QWidget* page, const char* name, const QStringList& items,
                     const QString& hint) {
    auto* box = new QComboBox(page);
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    platform::applyHint(box, hint);
    return box;
}

}  // namespace

TypesetTab::TypesetTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TypesetPage"));
    setContextMenuPolicy(Qt::NoContextMenu);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(4);
    auto* heading = new QLabel(QStringLiteral("連名・番地・半角カナ・長い行の書き方"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 0, 0, 1, 2);

    JointAlign = choiceBox(
        this, "JointAlign", {QStringLiteral("名前の先頭"), QStringLiteral("名に揃える")},
        QStringLiteral(
            "連名の揃え|"
            "連名を氏名の先頭に並べるか、名の高さに揃えて敬称を一列に並べるかを選びます"));
    BlockDash = choiceBox(
        this, "BlockDash", {QStringLiteral("そのまま"), QStringLiteral("―"), QStringLiteral("ノ")},
        QStringLiteral(
            "番地の区切り|"
            "住所の数字の間のハイフンを、そのまま・縦棒（―）・「ノ」のどれで書くかを選びます"));
    HalfKana =
        choiceBox(this, "HalfKana", {QStringLiteral("そのまま"), QStringLiteral("全角にする")},
                  QStringLiteral("半角カナ|半角カタカナを全角にして縦に立てます（ｶﾞ→ガ）"));
    FitColumns = choiceBox(
        this, "FitColumns", {QStringLiteral("そのまま"), QStringLiteral("詰める")},
        QStringLiteral("長い行を詰める|"
                       "はがきに収まらない行を、字間・長体・文字の大きさの順に詰めて収めます"));
    int row = 1;
    for (auto [label, box] : {std::pair{QStringLiteral("連名の揃え"), JointAlign},
                              std::pair{QStringLiteral("番地の区切り"), BlockDash},
                              std::pair{QStringLiteral("半角カナ"), HalfKana},
                              std::pair{QStringLiteral("長い行を詰める"), FitColumns}}) {
        grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(box, row++, 1, Qt::AlignLeft);
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            updateReset();
            emit changed();
        });
    }

    TypesetDefault = new QPushButton(QStringLiteral("初期値に戻す"), this);
    TypesetDefault->setObjectName(QStringLiteral("TypesetDefault"));
    TypesetDefault->setEnabled(false);
    connect(TypesetDefault, &QPushButton::clicked, this, [this] {
        for (QComboBox* box : {JointAlign, BlockDash, HalfKana, FitColumns})
            box->setCurrentIndex(0);
    });
    grid->addWidget(TypesetDefault, row, 1, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row + 1, 1);
}

TypesetChoices TypesetTab::choices() const {
    return typesetChoicesFromNumbers(JointAlign->currentIndex(), BlockDash->currentIndex(),
                                     HalfKana->currentIndex(), FitColumns->currentIndex());
}

void TypesetTab::updateReset() {
    bool any = false;
    for (QComboBox* box : {JointAlign, BlockDash, HalfKana, FitColumns})
        any = any || box->currentIndex() > 0;
    TypesetDefault->setEnabled(any);
}

TypesetTab::ChoiceIndexes TypesetTab::choiceIndexes() const {
    return {JointAlign->currentIndex(), BlockDash->currentIndex(), HalfKana->currentIndex(),
            FitColumns->currentIndex()};
}

void TypesetTab::setChoiceIndexes(const ChoiceIndexes& indexes) {
    const auto choose = [](QComboBox* box, int index) {
        box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
    };
    choose(JointAlign, indexes.jointAlign);
    choose(BlockDash, indexes.blockDash);
    choose(HalfKana, indexes.halfKana);
    choose(FitColumns, indexes.fitColumns);
}

}  // namespace render
