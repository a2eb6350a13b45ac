#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "app/ui/CommandTable.h"
#include "platform/ui/StringGrid.h"
#include "print/ListText.h"
#include "print/ui/ListPage.h"
#include "records/AddressRecord.h"
#include "render/ui/PreviewPage.h"
#include "tests/app/MainWindowFixture.h"

namespace {

// `n` records named 名前1.., every second one a friend.
void fillBook(app::MainWindow& f, int n) {
    platform::StringGrid& g = *wholeGrid(f);
    g.setRowCount(n + 1);
    for (int r = 1; r <= n; ++r) {
        g.setCell(records::ColName, r, QStringLiteral("名前%1").arg(r));
        g.setCell(records::ColPostal, r, QStringLiteral("1234567 "));
        g.setCell(records::ColAddress1, r, QStringLiteral("東京都"));
        g.setCell(records::ColPhone, r,
                  QStringLiteral("03-0000-%1").arg(r, 4, 10, QLatin1Char('0')));
        g.setCell(records::ColRelation, r, r % 2 ? QStringLiteral("友人") : QStringLiteral("親戚"));
    }
    f.RenumberRows();
}

QString listed(const platform::CellGrid& grid, print::ListKind kind) {
    return print::buildListText(grid, kind).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

bool on(app::MainWindow& f, const char* action) { return f.isCommandEnabled(action); }

}  // namespace

TEST_F(MainWindowTest, ListPageIsBuiltFromTheGridEachTimeItIsShown) {
    app::MainWindow& f = make();
    fillBook(f, 3);
    f.showPage(app::Page::List);
    QPlainTextEdit* box = f.findChild<QPlainTextEdit*>("RichEdit1");
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColPostal, 2), QStringLiteral("123-4567"));
    EXPECT_EQ(box->toPlainText(), listed(*wholeGrid(f), print::ListKind::Address));
    EXPECT_TRUE(box->toPlainText().contains(QStringLiteral("名前3")));
    EXPECT_TRUE(on(f, "ActPrintIchiran"));
    EXPECT_TRUE(on(f, "ActPrinter"));
    EXPECT_FALSE(on(f, "ActPrint"));
    EXPECT_FALSE(on(f, "ActIns"));
    EXPECT_FALSE(on(f, "ActSave"));

    // Changed on another page, the book shows changed here on return, and
    // the preview page takes the hyphens out again.
    f.showPage(app::Page::Preview);
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColPostal, 2), QStringLiteral("1234567 "));
    EXPECT_FALSE(on(f, "ActPrintIchiran"));
    f.addressBook().wholeBook().setCell(records::ColName, 2, QStringLiteral("新しい名前"));
    f.showPage(app::Page::List);
    EXPECT_TRUE(box->toPlainText().contains(QStringLiteral("新しい名前")));
    EXPECT_FALSE(box->toPlainText().contains(QStringLiteral("名前2")));
}

TEST_F(MainWindowTest, SwitchingTheKindRebuildsAndLosesTypedText) {
    app::MainWindow& f = make();
    fillBook(f, 2);
    f.show();
    f.showPage(app::Page::List);
    QPlainTextEdit* box = f.findChild<QPlainTextEdit*>("RichEdit1");
    box->appendPlainText(QStringLiteral("メモ書き"));
    QTest::mouseClick(f.findChild<QRadioButton*>("Phone"), Qt::LeftButton);
    EXPECT_EQ(box->toPlainText(), listed(*wholeGrid(f), print::ListKind::Phone));
    EXPECT_TRUE(box->toPlainText().contains(QStringLiteral("03-0000-0002")));
    EXPECT_FALSE(box->toPlainText().contains(QStringLiteral("メモ書き")));
}

TEST_F(MainWindowTest, FilteredListShowsOnlyTheFilteredRows) {
    app::MainWindow& f = make();
    fillBook(f, 5);
    f.selectRelation(QStringLiteral("友人"));  // rows 1, 3, 5
    ASSERT_FALSE(f.addressBook().showingAll());
    f.showPage(app::Page::List);
    const QString text = f.findChild<QPlainTextEdit*>("RichEdit1")->toPlainText();
    EXPECT_EQ(text, listed(*filteredGrid(f), print::ListKind::Address));
    EXPECT_TRUE(text.contains(QStringLiteral("名前5")));
    EXPECT_FALSE(text.contains(QStringLiteral("名前4")));
    // The whole book keeps its codes unhyphenated; only the shown grid changed.
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColPostal, 4), QStringLiteral("1234567 "));
}

TEST_F(MainWindowTest, ListPrintingGoesThroughThePrinterUnderOneTitle) {
    app::MainWindow& f = make();
    fillBook(f, 150);  // three lines a record: several pages
    f.showPage(app::Page::List);
    QTest::mouseClick(f.findChild<QRadioButton*>("Phone"), Qt::LeftButton);

    printer.acceptDialog = false;
    f.runCommand("ActPrintIchiran");
    EXPECT_EQ(printer.calls, QStringList{QStringLiteral("dialog")});
    EXPECT_TRUE(printer.pages.isEmpty());

    printer.acceptDialog = true;
    printer.calls.clear();
    f.runCommand("ActPrintIchiran");
    ASSERT_GE(printer.calls.size(), 3);
    EXPECT_EQ(printer.calls[1], QStringLiteral("begin 住所録"));
    EXPECT_EQ(printer.calls.last(), QStringLiteral("end"));
    // 452 lines at about 12 pixels on a 3508-pixel page.
    EXPECT_GE(printer.pages.size(), 2);
    EXPECT_EQ(printer.calls.count(QStringLiteral("page")), printer.pages.size() - 1);
    EXPECT_EQ(dialogs.count(QStringLiteral("error")), 0);
}

TEST_F(MainWindowTest, CtrlIPrintsTheListOnlyOnTheListPage) {
    app::MainWindow& f = make();
    fillBook(f, 3);
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    printer.acceptDialog = false;
    QTest::keyClick(&f, Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(printer.calls.isEmpty());
    EXPECT_EQ(f.addressBook().wholeBook().rowCount(), 4);  // no row inserted either

    f.showPage(app::Page::List);
    QTest::keyClick(&f, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(printer.calls, QStringList{QStringLiteral("dialog")});
}

TEST_F(MainWindowTest, ListPageScreenshotAndPrintedPage) {
    app::MainWindow& f = make();
    platform::StringGrid& g = *wholeGrid(f);
    const QStringList names = {QStringLiteral("山田太郎"), QStringLiteral("佐藤花"),
                               QStringLiteral("鈴木"), QStringLiteral("長谷川美穂子")};
    g.setRowCount(names.size() + 1);
    for (int r = 1; r <= names.size(); ++r) {
        g.setCell(records::ColName, r, names[r - 1]);
        g.setCell(records::ColPostal, r, r == 3 ? QString() : QStringLiteral("100000%1").arg(r));
        g.setCell(records::ColAddress1, r, QStringLiteral("東京都千代田区丸の内"));
        g.setCell(records::ColAddress2, r, QStringLiteral("%1-2-3").arg(r));
        g.setCell(records::ColPhone, r, QStringLiteral("03-1234-567%1").arg(r));
        g.setCell(records::ColFax, r,
                  r % 2 ? QStringLiteral("03-1234-9999") : QStringLiteral("123"));
    }
    f.RenumberRows();
    f.show();
    f.showPage(app::Page::List);
    QCoreApplication::processEvents();
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(PELCOR_TEST_OUTPUT)));
    EXPECT_TRUE(f.grab().save(QStringLiteral(PELCOR_TEST_OUTPUT "/list-page-address.png")));
    QTest::mouseClick(f.findChild<QRadioButton*>("Phone"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.grab().save(QStringLiteral(PELCOR_TEST_OUTPUT "/list-page-phone.png")));

    f.runCommand("ActPrintIchiran");
    ASSERT_EQ(printer.pages.size(), 1);
    EXPECT_TRUE(printer.pages[0]
                    .copy(0, 0, 900, 300)
                    .save(QStringLiteral(PELCOR_TEST_OUTPUT "/list-printed.png")));
}
