#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "platform/ui/SpinField.h"
#include "render/LayoutFields.h"
#include "render/ui/LayoutPanel.h"

using render::LayoutPanel;

TEST(LayoutPanel, HasEveryFieldWithItsRangeAndStartsAtZero) {
    LayoutPanel p;
    EXPECT_EQ(p.count(), 10);
    EXPECT_EQ(p.tabText(0), QStringLiteral("郵便番号"));
    EXPECT_EQ(p.tabText(7), QStringLiteral("役職名"));
    EXPECT_EQ(p.tabText(8), QStringLiteral("文字の整形"));
    EXPECT_EQ(p.tabText(9), QStringLiteral("バーコード"));
    int fields = 0;
    for (const render::AdjustmentTab& tab : render::layoutTabs()) {
        for (const render::AdjustmentField& f : tab.fields) {
            platform::SpinField* spin = p.field(f.name);
            ASSERT_NE(spin, nullptr) << f.name;
            EXPECT_EQ(spin->value(), 0);
            ++fields;
        }
        ASSERT_NE(p.resetButton(tab.resetButton), nullptr);
        EXPECT_FALSE(p.resetButton(tab.resetButton)->isEnabled());
    }
    EXPECT_EQ(fields, 35);
    EXPECT_EQ(p.field("J1YPos")->minimum(), -300);
    EXPECT_EQ(p.field("J1YPos")->maximum(), 70);
    EXPECT_FALSE(p.field("YakushokuXPos")->limited());
    EXPECT_EQ(p.field("YakushokuYPos")->maximum(), 200);
}

TEST(LayoutPanel, ResetButtonFollowsItsTabsFields) {
    LayoutPanel p;
    QSignalSpy refresh(&p, &LayoutPanel::refreshRequested);
    QPushButton* reset = p.resetButton("UDefault");
    p.field("UXPos")->setValue(1);
    EXPECT_TRUE(reset->isEnabled());
    EXPECT_FALSE(p.resetButton("JDefault")->isEnabled());
    p.field("UXPos")->setValue(0);
    EXPECT_FALSE(reset->isEnabled());
    EXPECT_EQ(refresh.count(), 2);

    p.field("UYPos")->setValue(-3);
    p.field("UXPos")->setValue(4);
    reset->click();
    EXPECT_EQ(p.value("UXPos"), 0);
    EXPECT_EQ(p.value("UYPos"), 0);
    EXPECT_FALSE(reset->isEnabled());

    // An emptied field reads as its minimum, which is not 0.
    p.field("J1YPos")->setValue(0);
    p.field("J1YPos")->lineEdit()->setText(QString());
    EXPECT_EQ(p.value("J1YPos"), -300);
    EXPECT_TRUE(p.resetButton("JDefault")->isEnabled());
}

TEST(LayoutPanel, TypesettingChoicesRedrawAndReset) {
    LayoutPanel p;
    QSignalSpy refresh(&p, &LayoutPanel::refreshRequested);
    auto* joint = p.findChild<QComboBox*>("JointAlign");
    auto* dash = p.findChild<QComboBox*>("BlockDash");
    auto* kana = p.findChild<QComboBox*>("HalfKana");
    ASSERT_TRUE(joint && dash && kana);
    EXPECT_EQ(dash->count(), 3);
    EXPECT_FALSE(dash->toolTip().isEmpty());
    EXPECT_EQ(p.typesetChoices().jointAlign, render::JointAlign::NameTop);

    joint->setCurrentIndex(1);
    dash->setCurrentIndex(2);
    kana->setCurrentIndex(1);
    EXPECT_EQ(refresh.count(), 3);
    const render::TypesetChoices c = p.typesetChoices();
    EXPECT_EQ(c.jointAlign, render::JointAlign::GivenName);
    EXPECT_EQ(c.blockDash, render::BlockDash::No);
    EXPECT_EQ(c.halfKana, render::HalfKana::FullWidth);

    auto* reset = p.findChild<QPushButton*>("TypesetDefault");
    ASSERT_NE(reset, nullptr);
    ASSERT_TRUE(reset->isEnabled());
    reset->click();
    EXPECT_EQ(p.typesetChoices().blockDash, render::BlockDash::AsTyped);
    EXPECT_EQ(p.typesetChoices().halfKana, render::HalfKana::AsTyped);
    EXPECT_FALSE(reset->isEnabled());
}
