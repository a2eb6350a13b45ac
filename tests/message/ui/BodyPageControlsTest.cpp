// The body page's controls: the adjustment fields and their reset buttons,
// the kind chooser, and the selection and clipboard commands.

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

#include "message/ui/MessageFieldsPanel.h"
#include "platform/ui/SpinField.h"
#include "tests/message/BodyPageControls.h"
#include "tests/message/BodyPageFixture.h"

using namespace message;

TEST_F(BodyPageTest, NewYearResetButtonFollowsItsEightFields) {
    QPushButton* reset = page->resetButton(NewYearPage);
    page->field("NES0")->setValue(5);
    EXPECT_TRUE(reset->isEnabled());
    page->field("NEY1")->setValue(-3);
    page->field("NES0")->setValue(0);
    EXPECT_TRUE(reset->isEnabled()) << "NEY1 is still moved";
    page->field("NEY1")->setValue(0);
    EXPECT_FALSE(reset->isEnabled());
    // The ordinary card's fields have their own button.
    page->field("FHS0")->setValue(1);
    EXPECT_FALSE(reset->isEnabled());
    EXPECT_TRUE(page->resetButton(OrdinaryPage)->isEnabled());
}

TEST_F(BodyPageTest, AFieldChangeRedrawsThePreviewAtOnce) {
    type(QStringLiteral("謹賀新年"));
    page->field("NES0")->setValue(20);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].height, 120);
    page->field("NEX0")->lineEdit()->setText(QStringLiteral("10"));
    EXPECT_EQ(shown()[0].x, 940);
}

TEST_F(BodyPageTest, ResetButtonsPutTheirFieldsBackAndEndDisabled) {
    for (const char* name : {"NES0", "NEG0", "NEX0", "NEY0", "NES1", "NEG1", "NEX1", "NEY1"})
        page->field(name)->setValue(7);
    page->field("FHX0")->setValue(7);
    type(QStringLiteral("a"));
    page->resetButton(NewYearPage)->click();
    for (const char* name : {"NES0", "NEG0", "NEX0", "NEY0", "NES1", "NEG1", "NEX1", "NEY1"})
        EXPECT_EQ(page->field(name)->value(), 0) << name;
    EXPECT_FALSE(page->resetButton(NewYearPage)->isEnabled());
    EXPECT_EQ(shown()[0].x, 950);
    EXPECT_EQ(page->field("FHX0")->value(), 7) << "another page's fields stay";

    page->resetButton(OrdinaryPage)->click();
    EXPECT_EQ(page->field("FHX0")->value(), 0);
    EXPECT_FALSE(page->resetButton(OrdinaryPage)->isEnabled());
}

TEST_F(BodyPageTest, PrintFieldsEnableTheirResetWithoutRedrawing) {
    type(QStringLiteral("a"));
    {
        // Text put in without the change handlers: the preview still shows "a".
        const QSignalBlocker quiet(bodyEditor(*page));
        bodyEditor(*page)->setPlainText(QStringLiteral("b"));
    }
    page->field("PIndL")->setValue(100);
    EXPECT_TRUE(page->resetButton(PrintPage)->isEnabled());
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, QStringLiteral("Ａ"));

    page->field("PGsize1")->setValue(30);
    page->field("PIndT")->setValue(-4);
    page->resetButton(PrintPage)->click();
    EXPECT_EQ(page->messageSideInput(platform::OutputTarget::Printer).layout.PIndL, 0);
    EXPECT_EQ(page->field("PGsize1")->value(), 0);
    EXPECT_EQ(page->field("PIndT")->value(), 0);
    EXPECT_FALSE(page->resetButton(PrintPage)->isEnabled());
    EXPECT_EQ(shown()[0].text, QStringLiteral("Ａ"));
}

TEST_F(BodyPageTest, KindChooserRedrawsAndShowsItsAdjustmentPage) {
    type(QStringLiteral("a\nb"));
    messageKindChoice(*page)->setCurrentIndex(1);
    page->onKindChosen();
    EXPECT_EQ(messageFields(*page)->currentWidget()->objectName(), QStringLiteral("FMoji"));
    EXPECT_EQ(message_ops::xs(messagePreview(*page)->picture()), (std::vector<int>{970, 905}));
    messageKindChoice(*page)->setCurrentIndex(0);
    page->onKindChosen();
    EXPECT_EQ(messageFields(*page)->currentWidget()->objectName(), QStringLiteral("NMoji"));
}

TEST_F(BodyPageTest, TypingIntoAFieldKeepsItsPageEvenForTheOtherKind) {
    messageKindChoice(*page)->setCurrentIndex(1);
    messageFields(*page)->setCurrentWidget(messageFields(*page)->page(NewYearPage));
    type(QStringLiteral("a"));
    messageFields(*page)->setCurrentWidget(messageFields(*page)->page(NewYearPage));
    page->field("NES0")->lineEdit()->setText(QStringLiteral("1"));
    EXPECT_EQ(messageFields(*page)->currentWidget()->objectName(), QStringLiteral("NMoji"));
}

TEST_F(BodyPageTest, SelectionAndClipboardDecideTheEditCommands) {
    QGuiApplication::clipboard()->clear();
    type(QStringLiteral("あけまして"));
    EXPECT_TRUE(on("ActSelectAll"));
    EXPECT_FALSE(on("ActCopy"));
    EXPECT_FALSE(on("ActCut"));
    EXPECT_FALSE(on("ActPaste"));

    page->selectAll();
    EXPECT_TRUE(on("ActCopy"));
    EXPECT_TRUE(on("ActCut"));
    page->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("あけまして"));
    EXPECT_TRUE(on("ActPaste"));

    page->cut();
    EXPECT_TRUE(bodyEditor(*page)->toPlainText().isEmpty());
    EXPECT_FALSE(on("ActSelectAll"));
    EXPECT_FALSE(on("ActCopy"));
    EXPECT_TRUE(page->isModified());

    page->paste();
    page->paste();
    EXPECT_EQ(bodyEditor(*page)->toPlainText(), QStringLiteral("あけましてあけまして"));
}

TEST_F(BodyPageTest, AParagraphWiderThanTheEditorStaysOneColumn) {
    bodyEditor(*page)->resize(60, 100);
    type(QStringLiteral("旧年中はひとかたならぬご厚情を賜り"));
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text.size(), 17);
}
