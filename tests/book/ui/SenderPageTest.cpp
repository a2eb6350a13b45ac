#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "book/ui/SenderPage.h"
#include "postal/PostalDictionaryFile.h"

namespace {

struct ShownPage {
    QWidget window;
    book::SenderPage* page;
    QLineEdit* after;  // a control after the page in the window's tab order
    ShownPage() {
        page = new book::SenderPage(&window);
        after = new QLineEdit(&window);
        after->move(0, 500);
        window.resize(700, 600);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

}  // namespace

TEST(SenderPage, ShowingThePageExplainsItAndFocusesTheName) {
    ShownPage s;
    s.page->enter();
    EXPECT_TRUE(s.page->isActive());
    EXPECT_TRUE(s.page->findChild<QLineEdit*>("SSimei")->hasFocus());
    EXPECT_EQ(s.page->findChild<QPlainTextEdit*>("Memo2")->toPlainText(),
              QString::fromUtf16(book::SenderPage::kShowHelp));
    EXPECT_EQ(s.page->findChild<QPlainTextEdit*>("Memo2")->palette().color(QPalette::Base),
              QColor(Qt::black));
    EXPECT_EQ(s.page->findChild<QPlainTextEdit*>("Memo2")->palette().color(QPalette::Text),
              QColor(Qt::white));

    QTest::keyClicks(s.page->findChild<QLineEdit*>("SSimei"), QStringLiteral("x"));
    EXPECT_EQ(s.page->findChild<QPlainTextEdit*>("Memo2")->toPlainText(),
              QString::fromUtf16(book::SenderPage::kChangeHelp));
    EXPECT_EQ(s.page->findChild<QPlainTextEdit*>("Memo2")->palette().color(QPalette::Text),
              QColor(0, 255, 0));
    s.page->leave();
    EXPECT_FALSE(s.page->isActive());
}

TEST(SenderPage, PostalPartsMoveOnWhenFullButOnlyWhileShown) {
    ShownPage s;
    s.page->enter();
    s.page->findChild<QLineEdit*>("SYuubinBangou1")->setFocus();
    QTest::keyClicks(s.page->findChild<QLineEdit*>("SYuubinBangou1"), QStringLiteral("12"));
    EXPECT_TRUE(s.page->findChild<QLineEdit*>("SYuubinBangou1")->hasFocus());
    QTest::keyClicks(s.page->findChild<QLineEdit*>("SYuubinBangou1"), QStringLiteral("34"));
    EXPECT_EQ(s.page->findChild<QLineEdit*>("SYuubinBangou1")->text(),
              QStringLiteral("123"));  // a fourth character cannot go in
    EXPECT_TRUE(s.page->findChild<QLineEdit*>("SYuubinBangou2")->hasFocus());
    QTest::keyClicks(s.page->findChild<QLineEdit*>("SYuubinBangou2"), QStringLiteral("4567"));
    EXPECT_TRUE(s.page->findChild<QLineEdit*>("SJuusho1")->hasFocus());

    // Loading the settings fills the fields while the page is not shown.
    s.page->leave();
    s.page->findChild<QLineEdit*>("SSimei")->setFocus();
    s.page->findChild<QLineEdit*>("SYuubinBangou1")->setText(QStringLiteral("987"));
    EXPECT_TRUE(s.page->findChild<QLineEdit*>("SSimei")->hasFocus());
}

TEST(SenderPage, EnterWalksTheFieldsAndLeavesAfterTheLast) {
    ShownPage s;
    s.page->enter();
    QLineEdit* order[] = {s.page->findChild<QLineEdit*>("SSimei"),
                          s.page->findChild<QLineEdit*>("SRenmei"),
                          s.page->findChild<QLineEdit*>("SYuubinBangou1"),
                          s.page->findChild<QLineEdit*>("SYuubinBangou2"),
                          s.page->findChild<QLineEdit*>("SJuusho1"),
                          s.page->findChild<QLineEdit*>("SJuusho2")};
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(order[i]->hasFocus()) << i;
        QTest::keyClick(order[i], Qt::Key_Return);
    }
    ASSERT_TRUE(s.page->findChild<QLineEdit*>("SJuusho2")->hasFocus());
    QTest::keyClick(s.page->findChild<QLineEdit*>("SJuusho2"), Qt::Key_Return);
    EXPECT_FALSE(
        s.page->findChild<QLineEdit*>("SSimei")->hasFocus());  // no wrap back to the first field
    EXPECT_TRUE(s.page->findChild<QLineEdit*>("SJuusho2")
                    ->text()
                    .isEmpty());  // the key itself was swallowed
}

// The settings file is CP932: what it cannot hold is named on leaving the
// field, in red; 〜 and − have CP932 forms and are not named.
TEST(SenderPage, LeavingAFieldNamesTheCharactersTheSettingsFileCannotKeep) {
    ShownPage s;
    s.page->enter();
    s.page->findChild<QLineEdit*>("SJuusho1")->setFocus();
    s.page->findChild<QLineEdit*>("SJuusho1")->insert(QStringLiteral("𠮷野町1〜3−5 𠮷😀"));
    s.after->setFocus();
    const QString shown = s.page->findChild<QLineEdit*>("SenderStatusLine")->text();
    EXPECT_TRUE(shown.contains(QStringLiteral("𠮷 😀"))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QStringLiteral("〜")));
    EXPECT_EQ(s.page->findChild<QLineEdit*>("SenderStatusLine")->palette().color(QPalette::Text),
              QColor(255, 0, 0));
}

TEST(SenderPage, TheCodeFillsTheAddressAndAMissingDictionaryIsSaidOnce) {
    book::PostalDictionaryFile shipped(QStringLiteral(PELCOR_SOURCE_RESOURCES "/postal-codes.bin"));
    book::PostalDictionaryFile missing(QStringLiteral(PELCOR_SOURCE_RESOURCES "/no-such-file.bin"));
    ShownPage s;
    s.page->setPostalDictionary(&shipped);
    s.page->enter();
    auto typeCode = [&s](const char* code) {
        s.page->findChild<QLineEdit*>("SYuubinBangou1")->clear();
        s.page->findChild<QLineEdit*>("SYuubinBangou2")->clear();
        s.page->findChild<QLineEdit*>("SYuubinBangou1")->setFocus();
        QTest::keyClicks(s.page->findChild<QLineEdit*>("SYuubinBangou1"),
                         QString::fromLatin1(code, 3));
        QTest::keyClicks(s.page->findChild<QLineEdit*>("SYuubinBangou2"),
                         QString::fromLatin1(code + 3));
        QCoreApplication::processEvents();
    };
    typeCode("9000001");
    EXPECT_EQ(s.page->findChild<QLineEdit*>("SJuusho1")->text(),
              QStringLiteral("沖縄県那覇市港町"));
    EXPECT_TRUE(s.page->findChild<QLineEdit*>("SJuusho1")->hasFocus());

    s.page->findChild<QLineEdit*>("SJuusho1")->clear();
    s.page->setPostalDictionary(&missing);
    typeCode("1000005");
    EXPECT_TRUE(s.page->findChild<QLineEdit*>("SenderStatusLine")
                    ->text()
                    .contains(QStringLiteral("no-such-file.bin")));
    EXPECT_TRUE(s.page->findChild<QLineEdit*>("SJuusho1")->text().isEmpty());
    s.page->findChild<QLineEdit*>("SenderStatusLine")->clear();
    typeCode("1000005");
    EXPECT_TRUE(s.page->findChild<QLineEdit*>("SenderStatusLine")->text().isEmpty());
}

TEST(SenderPage, AnOfferGoesWhenTheCodeChangesAndRetypingLooksUpTheNewCode) {
    book::PostalDictionaryFile shipped(QStringLiteral(PELCOR_SOURCE_RESOURCES "/postal-codes.bin"));
    ShownPage s;
    s.page->setPostalDictionary(&shipped);
    auto field = [&s](const char* name) { return s.page->findChild<QLineEdit*>(name); };
    QLineEdit* status = field("SenderStatusLine");
    s.page->setTexts({QStringLiteral("山田"),
                      {},
                      QStringLiteral("060"),
                      QStringLiteral("0001"),
                      QStringLiteral("港区芝公園"),
                      {}});
    s.page->enter();

    // Typed over the first box: nothing is looked up before the seventh new digit.
    field("SYuubinBangou1")->setFocus();
    field("SYuubinBangou1")->selectAll();
    const QString code = QStringLiteral("6050035");
    for (int i = 0; i < code.size(); ++i) {
        EXPECT_TRUE(status->text().isEmpty()) << i;
        QTest::keyClick(QApplication::focusWidget(), code[i].toLatin1());
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(status->text(), QStringLiteral("F2: 京都府京都市東山区粟田口三条坊町"));

    field("SYuubinBangou2")->setFocus();
    QTest::keyClick(field("SYuubinBangou2"), Qt::Key_Backspace);
    EXPECT_TRUE(status->text().isEmpty());
    QTest::keyClick(field("SYuubinBangou2"), Qt::Key_F2);
    EXPECT_EQ(field("SJuusho1")->text(), QStringLiteral("港区芝公園"));

    // Read whole, not cut off at the help panel's width.
    field("SYuubinBangou1")->setFocus();
    field("SYuubinBangou1")->selectAll();
    for (int i = 0; i < 7; ++i) QTest::keyClick(QApplication::focusWidget(), '9');
    QCoreApplication::processEvents();
    ASSERT_TRUE(status->text().contains(QStringLiteral("ありません")));
    EXPECT_GT(status->width(), status->fontMetrics().horizontalAdvance(status->text()) + 8);
}
