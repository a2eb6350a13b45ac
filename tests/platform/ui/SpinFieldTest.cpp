#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include "platform/ui/SpinField.h"

using platform::SpinField;

TEST(SpinField, TextThatIsNotAnIntegerReadsAsTheMinimum) {
    SpinField f(-300, 70);
    EXPECT_EQ(f.value(), 0);
    f.lineEdit()->setText(QString());
    EXPECT_EQ(f.value(), -300);
    f.lineEdit()->setText(QStringLiteral("-"));
    EXPECT_EQ(f.value(), -300);
    f.lineEdit()->setText(QStringLiteral("+5"));
    EXPECT_EQ(f.value(), 5);
}

TEST(SpinField, TypedValuesStayUntilTheFocusLeaves) {
    QWidget window;
    auto* f = new SpinField(-200, 200, &window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    f->setFocus();
    f->lineEdit()->selectAll();
    QTest::keyClicks(f->lineEdit(), QStringLiteral("500"));
    EXPECT_EQ(f->value(), 500);  // used as typed for now
    other->setFocus();
    EXPECT_EQ(f->text(), QStringLiteral("200"));
    QTest::keyClicks(f->lineEdit(), QStringLiteral("abc"));  // letters cannot be typed
    EXPECT_EQ(f->text(), QStringLiteral("200"));
}

TEST(SpinField, ArrowsNeverLeaveTheRangeAndEqualEndsMeanNoLimit) {
    SpinField f(-2, 2);
    QSignalSpy changed(&f, &SpinField::changed);
    f.stepBy(1);
    f.stepBy(1);
    f.stepBy(1);
    EXPECT_EQ(f.value(), 2);
    EXPECT_EQ(changed.count(), 2);
    f.lineEdit()->setText(QStringLiteral("9"));
    f.stepBy(-1);
    EXPECT_EQ(f.value(), 1);  // steps from the value brought into range
    f.setValue(-99);
    EXPECT_EQ(f.value(), -2);

    SpinField free(200, 200);
    free.setValue(500);
    EXPECT_EQ(free.value(), 500);
    free.stepBy(-1000);
    EXPECT_EQ(free.value(), -500);
    free.lineEdit()->setText(QString());
    EXPECT_EQ(free.value(), 200);
}

TEST(SpinField, AMousePressHidesTheCaretUntilTheFocusReturns) {
    QWidget window;
    auto* f = new SpinField(0, 10, &window);
    window.show();
    QTest::mouseClick(f->lineEdit(), Qt::LeftButton);
    EXPECT_TRUE(f->caretHidden());
    EXPECT_EQ(
        f->lineEdit()->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, f->lineEdit()), 0);
}
