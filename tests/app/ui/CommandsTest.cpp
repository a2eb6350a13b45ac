#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QUrl>

#include "app/ui/CommandTable.h"
#include "book/RelationFilter.h"
#include "platform/ui/StringGrid.h"
#include "records/AddressRecord.h"
#include "render/ui/PreviewPage.h"
#include "tests/app/MainWindowFixture.h"

TEST_F(MainWindowTest, InsertAndDeleteGoThroughTheActions) {
    app::MainWindow& f = make();
    f.addressBook().wholeBook().setCell(1, 1, QStringLiteral("山田"));
    f.runCommand("ActIns");
    EXPECT_TRUE(f.addressBook().isModified());
    ASSERT_EQ(f.addressBook().wholeBook().rowCount(), 3);
    EXPECT_EQ(f.addressBook().wholeBook().cell(1, 1), QString());
    EXPECT_EQ(f.addressBook().wholeBook().cell(1, 2), QStringLiteral("山田"));
    EXPECT_EQ(f.addressBook().wholeBook().cell(0, 2), QStringLiteral("2"));

    f.addressBook().setModified(false);
    platform::GridRect both;
    both.top = 1;
    both.bottom = 2;
    wholeGrid(f)->setGridSelection(both);
    f.runCommand("ActDel");
    EXPECT_TRUE(f.addressBook().isModified());
    ASSERT_EQ(f.addressBook().wholeBook().rowCount(), 2);
    EXPECT_EQ(f.addressBook().wholeBook().cell(0, 1), QStringLiteral("1"));
}

TEST_F(MainWindowTest, SelectAllSelectsOnlyTheActiveGrid) {
    app::MainWindow& f = make();
    f.addressBook().wholeBook().setRowCount(6);
    for (int r = 1; r <= 5; ++r)
        f.addressBook().wholeBook().setCell(
            records::ColRelation, r, r % 2 ? QStringLiteral("友人") : QStringLiteral("親戚"));
    f.selectRelation(QStringLiteral("親戚"));  // rows 2 and 4
    f.ActSelectAllDataExecute();
    EXPECT_EQ(filteredGrid(f)->selection().top, 1);
    EXPECT_EQ(filteredGrid(f)->selection().bottom, 2);
    f.selectRelation(QString::fromUtf16(book::kFilterAll));
    f.ActSelectAllDataExecute();
    EXPECT_EQ(wholeGrid(f)->selection().bottom, 5);
}

TEST_F(MainWindowTest, CommandTableHoldsEveryActionWithItsHint) {
    app::MainWindow& f = make();
    EXPECT_EQ(f.findChild<app::CommandTable*>()->actions().size(), 34);  // with 印刷位置の調整
    QAction* open = f.findChild<QAction*>("ActOpen");
    EXPECT_EQ(open->text(), QStringLiteral("開く(&O)"));
    EXPECT_EQ(open->toolTip(), QStringLiteral("開く"));
    EXPECT_EQ(open->statusTip(), QStringLiteral("ファイルを開きます。"));
    EXPECT_EQ(open->property("category").toString(), QStringLiteral("ファイル"));
    EXPECT_EQ(open->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(f.findChild<QAction*>("ActSort")->statusTip(),
              QStringLiteral("データを　『あいうえお順』　に並べ替えます"));
}

TEST_F(MainWindowTest, SharedShortcutsBelongToTheFirstMenuItem) {
    app::MainWindow& f = make();
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QSignalSpy newBook(f.findChild<QAction*>("ActNew"), &QAction::triggered);
    QSignalSpy renumber(f.findChild<QAction*>("ActReNum"), &QAction::triggered);
    QSignalSpy list(f.findChild<QAction*>("ActPrintIchiran"), &QAction::triggered);
    QSignalSpy insert(f.findChild<QAction*>("ActIns"), &QAction::triggered);
    wholeGrid(f)->setFocus();

    QTest::keyClick(wholeGrid(f), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(newBook.count(), 1);
    EXPECT_EQ(renumber.count(), 0);

    // A disabled owner swallows its key.
    f.findChild<QAction*>(QLatin1String("ActNew"))->setEnabled(false);
    f.findChild<QAction*>(QLatin1String("ActPrintIchiran"))->setEnabled(false);
    const int rows = f.addressBook().wholeBook().rowCount();
    QTest::keyClick(wholeGrid(f), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(wholeGrid(f), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(newBook.count(), 1);
    EXPECT_EQ(renumber.count(), 0);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(insert.count(), 0);
    EXPECT_EQ(f.addressBook().wholeBook().rowCount(), rows);

    f.findChild<QAction*>(QLatin1String("ActPrintIchiran"))->setEnabled(true);
    QTest::keyClick(wholeGrid(f), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(insert.count(), 0);
}

TEST_F(MainWindowTest, FileMenuEndsWithExit) {
    app::MainWindow& f = make();
    QMenu* file = f.menuBar()->findChild<QMenu*>(QStringLiteral("File1"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(file->actions().last(), f.findChild<QAction*>("ActExit"));
    EXPECT_EQ(f.findChild<QAction*>("ActExit")->text(), QStringLiteral("終了(&X)"));
}

TEST_F(MainWindowTest, UnsupportedFilesAreRefusedWithANotice) {
    dialogs.expect("notice");
    app::MainWindow& f = make();
    f.OpenDocument(home.filePath(QStringLiteral("picture.gif")));
    EXPECT_EQ(dialogs.texts("notice"),
              QStringList({QStringLiteral("このファイル形式は開けません")}));
}

TEST_F(MainWindowTest, OnlyTheFirstDroppedFileIsOpened) {
    dialogs.expect("notice");
    app::MainWindow& f = make();
    f.openDroppedFiles({home.filePath("a.gif"), home.filePath("b.gif"), home.filePath("c.gif")});
    EXPECT_EQ(dialogs.count("notice"), 1);
}

TEST_F(MainWindowTest, CommandLineFilesAreOpenedWhenFirstShown) {
    dialogs.expect("notice", 2);
    app::MainWindow& f = make({home.filePath("one.gif"), home.filePath("two.doc")});
    f.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.count("notice"), 2);
    f.hide();
    f.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.count("notice"), 2);  // only on the first show
}

// Qt's own menus would offer to hide the tool bar for good, or English
// editing commands: right clicks there show nothing.
TEST_F(MainWindowTest, NoContextMenuOnTheBarsOrTheChoiceLists) {
    app::MainWindow& f = make();
    f.show();
    for (QWidget* w : {static_cast<QWidget*>(f.menuBar()),
                       static_cast<QWidget*>(f.findChild<QToolBar*>("ToolBar1")),
                       static_cast<QWidget*>(f.findChild<QComboBox*>("ComboBox6")->lineEdit()),
                       static_cast<QWidget*>(kindChoice(f)->lineEdit())}) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 3),
                                w->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(w, &click);
        QWidget* popup = QApplication::activePopupWidget();
        EXPECT_EQ(popup, nullptr) << w->metaObject()->className();
        if (popup) popup->close();
    }
}

// A page that switches a command by a misspelt name must not go unnoticed:
// the switch would silently do nothing and the command stay in the wrong state.
TEST(CommandTableDeathTest, AMisspeltCommandNameStopsTheProgramNamingIt) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QMainWindow window;
    app::CommandTable table(&window);
    table.setEnabled({"ActPrint"}, true);
    EXPECT_TRUE(table.action("ActPrint")->isEnabled());
    EXPECT_DEATH(table.setEnabled({"ActPrnt"}, true), "ActPrnt");
}
