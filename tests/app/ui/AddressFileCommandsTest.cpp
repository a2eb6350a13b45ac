#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QTabWidget>

#include "app/ui/CommandTable.h"
#include "book/ui/EntryPage.h"
#include "platform/text/Sjis.h"
#include "platform/ui/StringGrid.h"
#include "records/AddressRecord.h"
#include "render/ui/PreviewPage.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/FileSizeLimit.h"

using platform::Answer;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QByteArray kTwoRecords = platform::Sjis::bytes(
    QStringLiteral("やまだ,山田　太郎,123-4567,東京都,１－２,,,03-1234-5678,,,,,友人\r\n"
                   "すずき,鈴木　花子,9876543,大阪府,,,,,,,,,親戚\r\n"));

}  // namespace

TEST_F(MainWindowTest, OpeningABookFillsTheGridAndNamesIt) {
    app::MainWindow& f = make();
    const QString path = writeFile(home.filePath("Family.CSV"), kTwoRecords);
    f.OpenDocument(path);
    ASSERT_EQ(f.addressBook().wholeBook().rowCount(), 3);
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColName, 1), QStringLiteral("山田　太郎"));
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColPostal, 1), QStringLiteral("1234567 "));
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColPostal, 2), QStringLiteral("9876543 "));
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColKana, 2), QStringLiteral("すずき"));
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColNumber, 2), QStringLiteral("2"));
    EXPECT_EQ(f.windowTitle(),
              QStringLiteral("　Pelcor　　　『　Family.CSV 』     2件中  全部 2件 を表示中"));
    EXPECT_EQ(f.addressBook().fileName(), path);
    EXPECT_FALSE(f.addressBook().isModified());
    EXPECT_TRUE(f.isCommandEnabled("ActPrint"));
    EXPECT_EQ(f.currentPage(), app::Page::Preview);
    EXPECT_TRUE(dialogs.calls.isEmpty());
}

// A file that cannot be read must not empty the book it would replace: the
// book would then be saved empty over its own file.
TEST_F(MainWindowTest, AFailedOpenLeavesTheBookAsItWas) {
    dialogs.expect("error");
    app::MainWindow& f = make();
    f.OpenDocument(writeFile(home.filePath("family.csv"), kTwoRecords));
    f.OpenDocument(home.filePath("missing.csv"));
    EXPECT_EQ(dialogs.count("error"), 1);
    EXPECT_EQ(f.addressBook().wholeBook().rowCount(), 3);
    EXPECT_EQ(f.addressBook().fileName(), home.filePath("family.csv"));
}

TEST_F(MainWindowTest, SavingWritesTheFileLayoutAndKeepsTheGridLayout) {
    app::MainWindow& f = make();
    const QString path = writeFile(home.filePath("family.csv"), kTwoRecords);
    f.OpenDocument(path);
    f.addressBook().setModified(true);
    EXPECT_TRUE(f.ActSaveExecute());
    EXPECT_EQ(readFile(path), kTwoRecords.left(kTwoRecords.indexOf('\n') + 1) +
                                  platform::Sjis::bytes(QStringLiteral(
                                      "すずき,鈴木　花子,987-6543,大阪府,,,,,,,,,親戚\r\n")));
    EXPECT_FALSE(f.addressBook().isModified());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("　Pelcor　　　　『　family.csv　』"));
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColKana, 1), QStringLiteral("やまだ"));
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColNumber, 1), QStringLiteral("1"));
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColPostal, 1), QStringLiteral("1234567 "));
    EXPECT_EQ(f.addressBook().wholeBook().cell(1, 0), QStringLiteral("名　前"));
}

TEST_F(MainWindowTest, SaveOnAnUnnamedBookAsksForANameAndCancelKeepsItUnsaved) {
    app::MainWindow& f = make();
    f.ActInsExecute();
    EXPECT_FALSE(f.ActSaveExecute());
    EXPECT_EQ(dialogs.count("save"), 1);
    EXPECT_EQ(dialogs.fileRequests.last().defaultExtension, QStringLiteral("csv"));
    EXPECT_TRUE(f.addressBook().isModified());
    EXPECT_TRUE(f.addressBook().fileName().isEmpty());

    dialogs.files = {platform::FileDialogResult{home.filePath("new.csv"), 0}};
    EXPECT_TRUE(f.ActSaveExecute());
    EXPECT_EQ(readFile(home.filePath("new.csv")), QByteArray(",,,,,,,,,,,,\r\n,,,,,,,,,,,,\r\n"));
}

TEST_F(MainWindowTest, AFailedSaveKeepsTheOldFileAndReportsIt) {
    dialogs.expect("error");
    app::MainWindow& f = make();
    const QString path = writeFile(home.filePath("family.csv"), kTwoRecords);
    f.OpenDocument(path);
    f.addressBook().wholeBook().setCell(records::ColName, 1, QStringLiteral("変更"));
    f.addressBook().setModified(true);
    bool saved = true;
    {
        const testsupport::FileSizeLimit full;
        saved = f.SaveAddressFile(path);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(dialogs.count("error"), 1);
    EXPECT_EQ(readFile(path), kTwoRecords);
    EXPECT_TRUE(f.addressBook().isModified());
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColKana, 1), QStringLiteral("やまだ"));
}

TEST_F(MainWindowTest, TextTheFileCannotHoldIsAskedAboutBeforeWriting) {
    app::MainWindow& f = make();
    f.addressBook().wholeBook().setCell(records::ColName, 1, QStringLiteral("𠮷田"));
    const QString path = home.filePath("kichi.csv");
    dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(f.SaveAddressFile(path));
    ASSERT_EQ(dialogs.count("question"), 1);
    EXPECT_TRUE(dialogs.texts("question")[0].contains(QStringLiteral("1 行目（𠮷田）: 𠮷")));
    EXPECT_FALSE(QFile::exists(path));

    dialogs.answers = {Answer::Yes};
    EXPECT_TRUE(f.SaveAddressFile(path));
    EXPECT_TRUE(readFile(path).startsWith(",?\x93\x63"));
}

TEST_F(MainWindowTest, FilterShowsOneRelationAndDisablesRowCommands) {
    app::MainWindow& f = make();
    f.OpenDocument(writeFile(home.filePath("family.csv"), kTwoRecords));
    f.selectRelation(QStringLiteral("友人"));
    EXPECT_FALSE(f.addressBook().showingAll());
    EXPECT_TRUE(filteredGrid(f)->isVisibleTo(&f));
    EXPECT_FALSE(wholeGrid(f)->isVisibleTo(&f));
    ASSERT_EQ(f.addressBook().filteredBook().rowCount(), 2);
    EXPECT_EQ(f.addressBook().filteredBook().cell(records::ColName, 1),
              QStringLiteral("山田　太郎"));
    for (const char* name : {"ActIns", "ActDel", "ActReNum", "ActSort", "ActRSort", "ActNew"})
        EXPECT_FALSE(f.isCommandEnabled(name)) << name;
    EXPECT_TRUE(f.windowTitle().endsWith(QStringLiteral("2件中  友人 1件 を表示中")));

    f.selectRelation(QStringLiteral("仕事"));  // nothing matches
    EXPECT_EQ(f.addressBook().filteredBook().rowCount(), 2);
    EXPECT_TRUE(f.addressBook().filteredBook().cell(records::ColName, 1).isEmpty());
    EXPECT_TRUE(f.windowTitle().endsWith(QStringLiteral("仕事 1件 を表示中")));

    f.selectRelation(QStringLiteral("全部"));
    EXPECT_TRUE(f.addressBook().showingAll());
    EXPECT_TRUE(wholeGrid(f)->isVisibleTo(&f));
    for (const char* name : {"ActIns", "ActDel", "ActReNum", "ActSort", "ActRSort", "ActNew"})
        EXPECT_TRUE(f.isCommandEnabled(name)) << name;
}

TEST_F(MainWindowTest, OpeningWhileFilteredShowsTheWholeNewBook) {
    app::MainWindow& f = make();
    const QString path = writeFile(home.filePath("family.csv"), kTwoRecords);
    f.OpenDocument(path);
    f.selectRelation(QStringLiteral("親戚"));
    f.OpenDocument(path);
    EXPECT_TRUE(f.addressBook().showingAll());
    EXPECT_EQ(f.shownRelation(), QStringLiteral("全部"));
    EXPECT_TRUE(wholeGrid(f)->isVisibleTo(&f));
    EXPECT_FALSE(filteredGrid(f)->isVisibleTo(&f));
    EXPECT_TRUE(f.isCommandEnabled("ActIns"));
}

TEST_F(MainWindowTest, SortKeepsTheModifiedFlagAndNewEmptiesTheBook) {
    app::MainWindow& f = make();
    f.OpenDocument(writeFile(home.filePath("family.csv"), kTwoRecords));
    f.ActSortExecute();
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColKana, 1), QStringLiteral("すずき"));
    EXPECT_FALSE(f.addressBook().isModified());
    f.ActRSortExecute();
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColKana, 1), QStringLiteral("やまだ"));

    f.ActNewExecute();
    EXPECT_EQ(f.addressBook().wholeBook().rowCount(), 2);
    EXPECT_TRUE(f.addressBook().wholeBook().cell(records::ColName, 1).isEmpty());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("　Pelcor　　　　『　新規データ　』　"));
    EXPECT_TRUE(f.addressBook().fileName().isEmpty());
    EXPECT_EQ(f.currentPage(), app::Page::Entry);
}

TEST_F(MainWindowTest, OpenCommandUsesTheOpenDialog) {
    app::MainWindow& f = make();
    const QString path = writeFile(home.filePath("family.csv"), kTwoRecords);
    dialogs.files = {platform::FileDialogResult{path, 1}};
    f.runCommand("ActOpen");
    EXPECT_EQ(f.addressBook().wholeBook().rowCount(), 3);
    EXPECT_EQ(dialogs.fileRequests.last().filters.size(), 2);
}

TEST_F(MainWindowTest, ClosingAfterYesSavesTheBook) {
    app::MainWindow& f = make();
    const QString path = writeFile(home.filePath("family.csv"), kTwoRecords);
    f.OpenDocument(path);
    f.ActInsExecute();
    dialogs.answers = {Answer::Yes};
    bool canClose = false;
    f.askToClose(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_TRUE(readFile(path).startsWith(",,,,,,,,,,,,\r\n"));
}
