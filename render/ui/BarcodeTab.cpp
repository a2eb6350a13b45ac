#include "render/ui/BarcodeTab.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "platform/ui/Hint.h"
#include "platform/ui/SpinField.h"

namespace render {

BarcodeTab::BarcodeTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BarcodePage"));
    setContextMenuPolicy(Qt::NoContextMenu);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(4);
    auto* heading = new QLabel(QStringLiteral("カスタマバーコードの印字と位置調整"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    grid->addWidget(heading, 0, 0, 1, 4);

    BarcodePrint = new QCheckBox(QStringLiteral("バーコードを印字する"), this);
    BarcodePrint->setObjectName(QStringLiteral("BarcodePrint"));
    platform::applyHint(BarcodePrint,
                        QStringLiteral("バーコードの印字|郵便番号と住所から作るカスタマバーコードを"
                                       "宛名の下に印字します（料金割引を受ける大量差出し向け）"));
    grid->addWidget(BarcodePrint, 1, 0, 1, 4);

    BarcodeSize = new QDoubleSpinBox(this);
    BarcodeSize->setObjectName(QStringLiteral("BarcodeSize"));
    BarcodeSize->setRange(kBarcodeMinimumPoints, kBarcodeMaximumPoints);
    BarcodeSize->setSingleStep(0.5);
    BarcodeSize->setDecimals(1);
    BarcodeSize->setSuffix(QStringLiteral(" pt"));
    BarcodeSize->setValue(kBarcodeDefaultPoints);
    platform::applyHint(BarcodeSize,
                        QStringLiteral("バーコードの大きさ|8～11.5 ポイント。10 ポイントでバーの幅 "
                                       "0.6 mm、長いバーの高さ 3.6 mm です"));
    grid->addWidget(new QLabel(QStringLiteral("大きさ"), this), 2, 0);
    grid->addWidget(BarcodeSize, 2, 1);

    const auto spin = [this](const char* name, const QString& hint) {
        auto* s = new platform::SpinField(kBarcodeAdjustMinimum, kBarcodeAdjustMaximum, this);
        s->setObjectName(QLatin1String(name));
        s->setFixedWidth(64);
        platform::applyHint(s, hint);
        connect(s, &platform::SpinField::changed, this, [this, s] {
            s->hideCaret();
            updateReset();
            emit changed();
        });
        return s;
    };
    BarcodeXPos =
        spin("BarcodeXPos",
             QStringLiteral("横位置|バーコードを左右に動かします（0.1 mm 単位、右が正）"));
    BarcodeYPos =
        spin("BarcodeYPos",
             QStringLiteral("縦位置|バーコードを上下に動かします（0.1 mm 単位、上が正）"));
    grid->addWidget(new QLabel(QStringLiteral("横位置（X）"), this), 3, 0);
    grid->addWidget(BarcodeXPos, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("縦位置（Y）"), this), 3, 2);
    grid->addWidget(BarcodeYPos, 3, 3);

    connect(BarcodePrint, &QCheckBox::toggled, this, [this] {
        updateReset();
        emit changed();
    });
    connect(BarcodeSize, &QDoubleSpinBox::valueChanged, this, [this] {
        updateReset();
        emit changed();
    });

    BarcodeDefault = new QPushButton(QStringLiteral("初期値に戻す"), this);
    BarcodeDefault->setObjectName(QStringLiteral("BarcodeDefault"));
    BarcodeDefault->setEnabled(false);
    connect(BarcodeDefault, &QPushButton::clicked, this, [this] { setInput({}); });
    grid->addWidget(BarcodeDefault, 4, 2, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(5, 1);
}

CustomerBarcodeInput BarcodeTab::input() const {
    CustomerBarcodeInput in;
    in.print = BarcodePrint->isChecked();
    in.points = BarcodeSize->value();
    in.xPos = BarcodeXPos->value();
    in.yPos = BarcodeYPos->value();
    return in;
}

void BarcodeTab::setInput(const CustomerBarcodeInput& input) {
    BarcodePrint->setChecked(input.print);
    BarcodeSize->setValue(input.points);
    BarcodeXPos->setValue(input.xPos);
    BarcodeYPos->setValue(input.yPos);
    updateReset();
}

void BarcodeTab::updateReset() {
    const CustomerBarcodeInput in = input();
    BarcodeDefault->setEnabled(in.print || in.points != kBarcodeDefaultPoints || in.xPos != 0 ||
                               in.yPos != 0);
}

}  // namespace render
