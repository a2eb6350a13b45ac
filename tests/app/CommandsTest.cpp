#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QToolBar>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "app/CommandTable.h"
#include "render/PreviewPage.h"
#include "platform/StringGrid.h"
#include "tests/app/MainWindowFixture.h"

TEST_F(MainWindowTest, InsertAndDeleteGoThroughTheActions) {
    app::TMirelForm& f = make();
    f.StringGrid1->setCell(1, 1, QStringLiteral("山田"));
    f.commands->action("ActIns")->trigger();
    EXPECT_TRUE(f.AddressModified);
    ASSERT_EQ(f.StringGrid1->rowCount(), 3);
    EXPECT_EQ(f.StringGrid1->cell(1, 1), QString());
    EXPECT_EQ(f.StringGrid1->cell(1, 2), QStringLiteral("山田"));
    EXPECT_EQ(f.StringGrid1->cell(0, 2), QStringLiteral("2"));

    f.AddressModified = false;
    platform::GridRect both;
    both.top = 1;
    both.bottom = 2;
    f.StringGrid1->setGridSelection(both);
    f.commands->action("ActDel")->trigger();
    EXPECT_TRUE(f.AddressModified);
    ASSERT_EQ(f.StringGrid1->rowCount(), 2);
    EXPECT_EQ(f.StringGrid1->cell(0, 1), QStringLiteral("1"));
}

TEST_F(MainWindowTest, SelectAllSelectsOnlyTheActiveGrid) {
    app::TMirelForm& f = make();
    f.StringGrid1->setRowCount(6);
    f.StringGrid2->setRowCount(3);
    f.ShowingAll = false;
    f.ActSelectAllDataExecute();
    EXPECT_EQ(f.StringGrid2->selection().top, 1);
    EXPECT_EQ(f.StringGrid2->selection().bottom, 2);
    f.ShowingAll = true;
    f.ActSelectAllDataExecute();
    EXPECT_EQ(f.StringGrid1->selection().bottom, 5);
}

TEST_F(MainWindowTest, CommandTableHoldsEveryActionWithItsHint) {
    app::TMirelForm& f = make();
    EXPECT_EQ(f.commands->actions().size(), 33);
    QAction* open = f.commands->action("ActOpen");
    EXPECT_EQ(open->text(), QStringLiteral("開く(&O)"));
    EXPECT_EQ(open->toolTip(), QStringLiteral("開く"));
    EXPECT_EQ(open->statusTip(), QStringLiteral("ファイルを開きます。"));
    EXPECT_EQ(open->property("category").toString(), QStringLiteral("ファイル"));
    EXPECT_EQ(open->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(f.commands->action("ActSort")->statusTip(), QStringLiteral("データを　『あいうえお順』　に並べ替えます"));
}

TEST_F(MainWindowTest, SharedShortcutsBelongToTheFirstMenuItem) {
    app::TMirelForm& f = make();
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QSignalSpy newBook(f.commands->action("ActNew"), &QAction::triggered);
    QSignalSpy renumber(f.commands->action("ActReNum"), &QAction::triggered);
    QSignalSpy list(f.commands->action("ActPrintIchiran"), &QAction::triggered);
    QSignalSpy insert(f.commands->action("ActIns"), &QAction::triggered);
    f.StringGrid1->setFocus();

    QTest::keyClick(f.StringGrid1, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(newBook.count(), 1);
    EXPECT_EQ(renumber.count(), 0);

    // A disabled owner swallows its key.
    f.commands->action("ActNew")->setEnabled(false);
    f.commands->action("ActPrintIchiran")->setEnabled(false);
    const int rows = f.StringGrid1->rowCount();
    QTest::keyClick(f.StringGrid1, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(f.StringGrid1, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(newBook.count(), 1);
    EXPECT_EQ(renumber.count(), 0);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(insert.count(), 0);
    EXPECT_EQ(f.StringGrid1->rowCount(), rows);

    f.commands->action("ActPrintIchiran")->setEnabled(true);
    QTest::keyClick(f.StringGrid1, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(insert.count(), 0);
}

TEST_F(MainWindowTest, FileMenuEndsWithExit) {
    app::TMirelForm& f = make();
    QMenu* file = f.menuBar()->findChild<QMenu*>(QStringLiteral("File1"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(file->actions().last(), f.commands->action("ActExit"));
    EXPECT_EQ(f.commands->action("ActExit")->text(), QStringLiteral("終了(&X)"));
}

TEST_F(MainWindowTest, UnsupportedFilesAreRefusedWithANotice) {
    dialogs.expect("notice");
    app::TMirelForm& f = make();
    f.OpenDocument(home.filePath(QStringLiteral("picture.gif")));
    EXPECT_EQ(dialogs.texts("notice"), QStringList({QStringLiteral("このファイル形式は開けません")}));
}

TEST_F(MainWindowTest, OnlyTheFirstDroppedFileIsOpened) {
    dialogs.expect("notice");
    app::TMirelForm& f = make();
    f.WMDropFiles({home.filePath("a.gif"), home.filePath("b.gif"), home.filePath("c.gif")});
    EXPECT_EQ(dialogs.count("notice"), 1);
}

TEST_F(MainWindowTest, CommandLineFilesAreOpenedWhenFirstShown) {
    dialogs.expect("notice", 2);
    app::TMirelForm& f = make({home.filePath("one.gif"), home.filePath("two.doc")});
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
    app::TMirelForm& f = make();
    f.show();
    for (QWidget* w : {static_cast<QWidget*>(f.menuBar()), static_cast<QWidget*>(f.ToolBar1),
                       static_cast<QWidget*>(f.relationFilter->lineEdit()),
                       static_cast<QWidget*>(f.previewPage->kindChoice->lineEdit())}) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 3), w->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(w, &click);
        QWidget* popup = QApplication::activePopupWidget();
        EXPECT_EQ(popup, nullptr) << w->metaObject()->className();
        if (popup) popup->close();
    }
}
