#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "app/ui/CommandTable.h"
#include "book/ui/EntryPage.h"
#include "platform/ui/StringGrid.h"
#include "records/AddressRecord.h"
#include "tests/app/MainWindowFixture.h"

namespace {

// A book of `n` rows named r1..rn with a postal code and a relation.
void fillBookEntryPage(app::MainWindow& f, int n) {
    platform::StringGrid& g = *wholeGrid(f);
    g.setRowCount(n + 1);
    for (int r = 1; r <= n; ++r) {
        g.setCell(records::ColName, r, QStringLiteral("r%1").arg(r));
        g.setCell(records::ColKana, r, QStringLiteral("かな%1").arg(r));
        g.setCell(records::ColPostal, r, QStringLiteral("1234567 "));
        g.setCell(records::ColRelation, r, r % 2 ? QStringLiteral("友人") : QStringLiteral("親戚"));
    }
    f.RenumberRows();
}

struct Shown {
    app::MainWindow& f;
    EntryControls p;
    explicit Shown(app::MainWindow& form) : f(form), p(form) {
        f.show();
        f.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
    }
    void showPage() { f.showPage(app::Page::Entry); }
    QString status() const { return p.EntryStatusLine->text(); }
    QColor statusColour() const { return p.EntryStatusLine->palette().color(QPalette::Text); }
};

}  // namespace

TEST_F(MainWindowTest, EntryPageLoadsAndClampsTheCurrentRecord) {
    app::MainWindow& f = make();
    fillBookEntryPage(f, 3);
    Shown s(f);
    f.showPage(app::Page::Sender);
    f.addressBook().setCurrentRecord(0);
    s.showPage();
    EXPECT_EQ(s.p.Nam1->text(), QStringLiteral("r1"));
    EXPECT_EQ(s.p.Ub1->text(), QStringLiteral("123"));
    EXPECT_EQ(s.p.Ub2->text(), QStringLiteral("4567"));
    EXPECT_EQ(s.p.Kana1->text(), QStringLiteral("かな1"));
    EXPECT_EQ(s.p.relationChoice->currentText(), QStringLiteral("友人"));
    EXPECT_TRUE(s.p.Kana1->hasFocus());
    // Loading is not an edit.
    EXPECT_FALSE(s.p.EditOKButton->isEnabled());
    EXPECT_TRUE(s.p.NewDataButton->isEnabled());
    EXPECT_TRUE(s.status().isEmpty());
    EXPECT_FALSE(f.isCommandEnabled("ActPrint"));
    EXPECT_TRUE(f.isCommandEnabled("ActSave"));

    s.p.NextButton->click();
    s.p.NextButton->click();
    s.p.NextButton->click();
    EXPECT_EQ(s.p.Nam1->text(), QStringLiteral("r3"));  // stays on the last row
    EXPECT_EQ(f.addressBook().currentRecord(), 3);
    s.p.ToStaButton->click();
    s.p.BeforButton->click();
    EXPECT_EQ(s.p.Nam1->text(), QStringLiteral("r1"));
    s.p.ToEndButton->click();
    EXPECT_EQ(s.p.Num1->text(), QStringLiteral("3"));
}

// A malformed code is shown whole and kept; a full-width one keeps every digit.
TEST_F(MainWindowTest, PostalCodesAreShownWithoutLosingACharacter) {
    app::MainWindow& f = make();
    fillBookEntryPage(f, 3);
    f.addressBook().wholeBook().setCell(records::ColPostal, 2, QStringLiteral("123-45"));
    f.addressBook().wholeBook().setCell(records::ColPostal, 3, QStringLiteral("１２３－４５６７"));
    Shown s(f);
    f.showPage(app::Page::Sender);
    f.addressBook().setCurrentRecord(2);
    s.showPage();
    EXPECT_EQ(s.p.Ub1->text(), QStringLiteral("123-45"));
    EXPECT_TRUE(s.p.Ub2->text().isEmpty());
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColPostal, 2), QStringLiteral("123-45"));
    EXPECT_FALSE(f.addressBook().isModified());

    s.p.NextButton->click();
    EXPECT_EQ(s.p.Ub1->text(), QStringLiteral("123"));
    EXPECT_EQ(s.p.Ub2->text(), QStringLiteral("4567"));
    s.p.Nam1->setText(QStringLiteral("三郎"));
    s.p.EditOKButton->click();
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColPostal, 3), QStringLiteral("1234567"));
}

// A line break in a cell would split its record in the saved file.
TEST_F(MainWindowTest, ALineBreakPastedIntoAFieldBecomesABlank) {
    app::MainWindow& f = make();
    fillBookEntryPage(f, 1);
    Shown s(f);
    s.showPage();
    s.p.Ju1->clear();
    s.p.Ju1->insert(QStringLiteral("東京都\r\n港区\n芝"));
    EXPECT_EQ(s.p.Ju1->text(), QStringLiteral("東京都 港区 芝"));
    s.p.EditOKButton->click();
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColAddress1, 1),
              QStringLiteral("東京都 港区 芝"));
}

// With a relation that no record has, there is no row to write to.
TEST_F(MainWindowTest, RegisteringWhileTheFilterShowsNoRecordIsRefused) {
    app::MainWindow& f = make();
    fillBookEntryPage(f, 2);
    Shown s(f);
    f.selectRelation(QStringLiteral("仕事"));
    f.showPage(app::Page::Sender);
    f.addressBook().setCurrentRecord(1);
    s.showPage();
    s.p.Nam1->setText(QStringLiteral("新人"));
    s.p.EditOKButton->click();
    EXPECT_NE(s.status(), QStringLiteral("　　このデータを登録しました。"));
    EXPECT_EQ(s.statusColour(), QColor(255, 0, 0));
    EXPECT_FALSE(f.addressBook().isModified());
    EXPECT_EQ(f.addressBook().wholeBook().rowCount(), 3);
    EXPECT_EQ(f.addressBook().filteredBook().cell(records::ColName, 1), QString());
}

TEST_F(MainWindowTest, TypingMovesThroughTheStates) {
    app::MainWindow& f = make();
    fillBookEntryPage(f, 2);
    Shown s(f);
    s.showPage();
    s.p.Ub1->clear();  // a postal field with fewer characters changes nothing
    s.p.EditOKButton->setEnabled(false);
    s.p.Ub1->setFocus();
    QTest::keyClicks(s.p.Ub1, QStringLiteral("98"));
    EXPECT_FALSE(s.p.EditOKButton->isEnabled());
    QTest::keyClicks(s.p.Ub1, QStringLiteral("7"));
    EXPECT_TRUE(s.p.Ub2->hasFocus());
    EXPECT_TRUE(s.p.EditOKButton->isEnabled());
    EXPECT_FALSE(s.p.NewDataButton->isEnabled());
    EXPECT_EQ(s.status(), QStringLiteral("　　このデータは未登録です。"));
    EXPECT_EQ(s.statusColour(), QColor(255, 0, 0));
    EXPECT_EQ(s.p.EntryHelpPanel->toPlainText(), QString::fromUtf16(book::EntryPage::kChangeHelp));

    s.p.Ub2->setText(QStringLiteral("6543"));
    s.p.EditOKButton->click();
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColPostal, 1),
              QStringLiteral("9876543"));  // no hyphen
    EXPECT_EQ(s.status(), QStringLiteral("　　このデータを登録しました。"));
    EXPECT_EQ(s.statusColour(), QColor(0, 255, 255));
    EXPECT_TRUE(s.p.EditOKButton->isEnabled());
    EXPECT_TRUE(s.p.NewDataButton->isEnabled());
    EXPECT_TRUE(s.p.NewDataButton->hasFocus());
    EXPECT_TRUE(f.addressBook().isModified());
}

TEST_F(MainWindowTest, EnterWalksTheFieldsAndKanaGoesToTheName) {
    app::MainWindow& f = make();
    Shown s(f);
    s.showPage();
    s.p.Nam1->setText(QStringLiteral("old"));
    s.p.Kana1->setFocus();
    s.p.Kana1->insert(QStringLiteral("やまだ"));  // as the input method commits it
    EXPECT_TRUE(s.p.Label6->isVisible());
    QTest::keyClick(s.p.Kana1, Qt::Key_Return);
    EXPECT_EQ(s.p.Nam1->text(), QStringLiteral("やまだ"));
    EXPECT_TRUE(s.p.Nam1->hasFocus());
    EXPECT_TRUE(s.p.Label11->isVisible());
    QTest::keyClick(s.p.Nam1, Qt::Key_Return);
    ASSERT_TRUE(s.p.Nam2->hasFocus());
    QTest::keyClick(s.p.Nam2, Qt::Key_Return);
    EXPECT_TRUE(s.p.relationChoice->hasFocus());
    EXPECT_TRUE(s.p.Label80->isVisible());
    QTest::keyClick(s.p.relationChoice, Qt::Key_Return);
    EXPECT_FALSE(s.p.Label80->isVisible());
    QWidget* expected[] = {s.p.Shamei, s.p.Yakushoku, s.p.Ub1,     s.p.Ub2,  s.p.Ju1,
                           s.p.Ju2,    s.p.Phone1,    s.p.Keitai1, s.p.Fax1, s.p.EditOKButton};
    for (QWidget* w : expected) {
        ASSERT_TRUE(w->hasFocus()) << w->objectName().toStdString();
        QTest::keyClick(w, Qt::Key_Return);
    }
    // Enter on the button moves on; it does not register.
    EXPECT_FALSE(s.p.EditOKButton->hasFocus());
    EXPECT_NE(s.status(), QStringLiteral("　　このデータを登録しました。"));
}

TEST_F(MainWindowTest, RegisteringInTheFilteredGridWritesBothGrids) {
    app::MainWindow& f = make();
    fillBookEntryPage(f, 6);  // 友人 on rows 1, 3, 5
    Shown s(f);
    f.selectRelation(QStringLiteral("友人"));
    f.showPage(app::Page::Sender);
    f.addressBook().setCurrentRecord(2);
    s.showPage();
    EXPECT_FALSE(s.p.NewDataButton->isEnabled());
    EXPECT_EQ(s.p.Nam1->text(), QStringLiteral("r3"));
    s.p.Nam1->setText(QStringLiteral("三郎"));
    s.p.EditOKButton->click();
    EXPECT_EQ(f.addressBook().filteredBook().cell(records::ColName, 2), QStringLiteral("三郎"));
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColName, 3), QStringLiteral("三郎"));
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColName, 2), QStringLiteral("r2"));
    EXPECT_EQ(f.addressBook().filteredCurrentRow(), 2);
    EXPECT_FALSE(s.p.NewDataButton->isEnabled());
    s.p.NextButton->click();
    EXPECT_EQ(s.p.Nam1->text(), QStringLiteral("r5"));
    EXPECT_FALSE(s.p.NewDataButton->isEnabled());
}

TEST_F(MainWindowTest, AddingWithTwoSelectedRowsInsertsTwoAndFillsTheFirst) {
    app::MainWindow& f = make();
    fillBookEntryPage(f, 6);
    Shown s(f);
    platform::GridRect sel;
    sel.top = 4;
    sel.bottom = 5;
    wholeGrid(f)->setGridSelection(sel);
    s.showPage();
    s.p.NewDataButton->click();
    EXPECT_EQ(f.addressBook().wholeBook().rowCount(), 9);
    EXPECT_EQ(s.p.Num1->text(), QStringLiteral("4"));
    EXPECT_EQ(s.status(), QStringLiteral("　　データ を入力 して下さい。"));
    EXPECT_EQ(s.statusColour(), QColor(255, 255, 0));
    EXPECT_FALSE(s.p.NewDataButton->isEnabled());
    EXPECT_FALSE(f.isCommandEnabled("ActSort"));
    s.p.Nam1->setText(QStringLiteral("新人"));
    s.p.EditOKButton->click();
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColName, 4), QStringLiteral("新人"));
    EXPECT_TRUE(f.addressBook().wholeBook().cell(records::ColName, 5).isEmpty());
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColName, 6), QStringLiteral("r4"));
}

// Rows dragged out of numbering keep their numbers; a registration must go
// back to the row it was loaded from, not to the row its number names.
TEST_F(MainWindowTest, RegistrationAfterRowsWereDraggedWritesTheLoadedRecord) {
    app::MainWindow& f = make();
    fillBookEntryPage(f, 5);
    wholeGrid(f)->moveRow(4, 2);  // numbers now read 1, 4, 2, 3, 5
    ASSERT_EQ(f.addressBook().wholeBook().cell(records::ColNumber, 2), QStringLiteral("4"));
    Shown s(f);
    f.showPage(app::Page::Sender);
    f.addressBook().setCurrentRecord(2);
    s.showPage();
    EXPECT_EQ(s.p.Nam1->text(), QStringLiteral("r4"));
    s.p.Nam1->setText(QStringLiteral("四郎"));
    s.p.EditOKButton->click();
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColName, 2), QStringLiteral("四郎"));
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColName, 4),
              QStringLiteral("r3"));  // untouched
}

TEST_F(MainWindowTest, EntryPageScreenshot) {
    app::MainWindow& f = make();
    fillBookEntryPage(f, 2);
    Shown s(f);
    s.showPage();
    s.p.Kana1->insert(QStringLiteral("たなか"));
    QCoreApplication::processEvents();
    QDir().mkpath(QStringLiteral(PELCOR_TEST_OUTPUT));
    EXPECT_TRUE(f.grab().save(QStringLiteral(PELCOR_TEST_OUTPUT "/entry-page.png")));
}

// A row dragged within the filtered grid keeps its link to the whole book:
// registering it must not overwrite the record that now sits in its old place.
TEST_F(MainWindowTest, RegistrationAfterAFilteredRowWasDraggedWritesItsOwnRecord) {
    app::MainWindow& f = make();
    fillBookEntryPage(f, 6);  // 友人 on rows 1, 3, 5
    Shown s(f);
    f.selectRelation(QStringLiteral("友人"));
    filteredGrid(f)->moveRow(3, 1);  // the filtered rows now show r5, r1, r3
    f.showPage(app::Page::Sender);
    f.addressBook().setCurrentRecord(1);
    s.showPage();
    EXPECT_EQ(s.p.Nam1->text(), QStringLiteral("r5"));
    s.p.Nam1->setText(QStringLiteral("五郎"));
    s.p.EditOKButton->click();
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColName, 5), QStringLiteral("五郎"));
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColName, 1), QStringLiteral("r1"));
}
