// The import and export commands, driven as a user would: the file dialog
// scripted, the import dialog adjusted and confirmed.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <functional>

#include "app/ui/CommandTable.h"
#include "book/BookModel.h"
#include "book/ui/ImportDialog.h"
#include "platform/text/Sjis.h"
#include "platform/ui/StringGrid.h"
#include "records/AddressRecord.h"
#include "tests/app/MainWindowFixture.h"

using platform::Answer;
using platform::FileDialogResult;

namespace {

// Runs `adjust` on the import dialog once it is open, then confirms it.
void whenImportDialogOpens(std::function<void(book::ImportDialog&)> adjust = {}) {
    QTimer::singleShot(0, [adjust] {
        auto* dialog = qobject_cast<book::ImportDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (adjust) adjust(*dialog);
        dialog->accept();
    });
}

const QByteArray kOwnBook =
    platform::Sjis::bytes(QStringLiteral("やまだ,山田　太郎,123-4567,東京都,,,,,,,,,友人\r\n"));
const QByteArray kSheet = QStringLiteral(
                              "氏名,フリガナ,〒,住所,携帯\r\n鈴木 花子,スズキ "
                              "ハナコ,530-0001,大阪府 北区,090\r\n佐藤,サトウ,,札幌,\r\n")
                              .toUtf8();

}  // namespace

TEST_F(MainWindowTest, ImportedRowsAreAppendedNumberedAndShown) {
    app::MainWindow& f = make();
    f.OpenDocument(writeFile(home.filePath("family.csv"), kOwnBook));
    dialogs.files = {FileDialogResult{writeFile(home.filePath("sheet.csv"), kSheet), 0}};
    whenImportDialogOpens();
    f.runCommand("ActImport");
    ASSERT_EQ(f.addressBook().wholeBook().rowCount(), 4);
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColName, 1), QStringLiteral("山田　太郎"));
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColName, 2), QStringLiteral("鈴木 花子"));
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColKana, 2),
              QStringLiteral("すずき はなこ"));
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColAddress1, 2),
              QStringLiteral("大阪府 北区"));
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColNumber, 3), QStringLiteral("3"));
    EXPECT_EQ(wholeGrid(f)->row(), 2);
    EXPECT_TRUE(f.addressBook().isModified());
    EXPECT_EQ(f.addressBook().fileName(), home.filePath("family.csv"));

    // The choices made are offered again for the next file of this layout.
    dialogs.files = {FileDialogResult{home.filePath("sheet.csv"), 0}};
    whenImportDialogOpens([](book::ImportDialog& d) {
        ASSERT_NE(d.columnBox(4), nullptr);
        EXPECT_EQ(d.columnBox(4)->currentData().toInt(), int(book::ImportField::Mobile));
        d.setColumnField(3, book::ImportField::Relation);
        d.replaceButton()->setChecked(true);
    });
    dialogs.answers = {Answer::No};  // 置き換え: replace the unsaved book
    f.runCommand("ActImport");
    ASSERT_EQ(f.addressBook().wholeBook().rowCount(), 3);
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColRelation, 1),
              QStringLiteral("大阪府 北区"));
    EXPECT_TRUE(f.addressBook().fileName().isEmpty());
    dialogs.files = {FileDialogResult{home.filePath("sheet.csv"), 0}};
    whenImportDialogOpens([](book::ImportDialog& d) {
        ASSERT_NE(d.columnBox(3), nullptr);
        EXPECT_EQ(d.columnBox(3)->currentData().toInt(), int(book::ImportField::Relation));
        d.reject();
    });
    f.runCommand("ActImport");
}

TEST_F(MainWindowTest, BrokenFilesAndRefusedQuestionsLeaveTheBookAsItWas) {
    dialogs.expect("error");
    app::MainWindow& f = make();
    f.OpenDocument(writeFile(home.filePath("family.csv"), kOwnBook));
    const book::AddressRows before = f.addressBook().wholeBook().records();
    auto unchanged = [&] {
        EXPECT_EQ(f.addressBook().wholeBook().records(), before);
        EXPECT_FALSE(f.addressBook().isModified());
    };

    dialogs.files = {
        FileDialogResult{writeFile(home.filePath("cut.vcf"), "BEGIN:VCARD\nFN:A\n"), 0}};
    whenImportDialogOpens([](book::ImportDialog& d) {
        EXPECT_TRUE(d.messageLabel()->text().contains(QStringLiteral("END:VCARD")));
        d.resize(640, 240);
        d.grab().save(QStringLiteral(PELCOR_TEST_OUTPUT "/import-dialog-refused.png"));
    });
    f.runCommand("ActImport");
    unchanged();

    // 𠮷 has no CP932 form: the user is told before anything changes.
    dialogs.files = {
        FileDialogResult{writeFile(home.filePath("one.vcf"),
                                   QStringLiteral("BEGIN:VCARD\nFN:𠮷田\nEND:VCARD\n").toUtf8()),
                         0}};
    dialogs.answers = {Answer::No};
    whenImportDialogOpens();
    f.runCommand("ActImport");
    EXPECT_TRUE(dialogs.texts("question").last().contains(QStringLiteral("𠮷")));
    unchanged();

    QFile big(home.filePath("big.csv"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(100LL * 1024 * 1024));
    big.close();
    dialogs.files = {FileDialogResult{big.fileName(), 0}};
    f.runCommand("ActImport");
    EXPECT_TRUE(dialogs.texts("error").last().contains(QStringLiteral("大きすぎます")));
    unchanged();
}

TEST_F(MainWindowTest, ExportedFilesImportAsTheSameRecords) {
    app::MainWindow& f = make();
    f.OpenDocument(writeFile(home.filePath("family.csv"),
                             kOwnBook + platform::Sjis::bytes(QStringLiteral(
                                            "すずき,\"鈴木, 花子\",,大阪府 北区,\"ビル "
                                            "3F\",一郎,,03,090,06,ABC,課長,親戚\r\n"))));
    const book::AddressRows book = f.addressBook().wholeBook().records();
    for (const char* name : {"out.csv", "out.vcf"}) {
        dialogs.files = {FileDialogResult{home.filePath(name), 0}};
        f.runCommand("ActExport");
        dialogs.files = {FileDialogResult{home.filePath(name), 0}};
        whenImportDialogOpens([](book::ImportDialog& d) { d.replaceButton()->setChecked(true); });
        f.runCommand("ActImport");
        EXPECT_EQ(f.addressBook().wholeBook().records(), book) << name;
        f.addressBook().setModified(false);
    }
}

TEST_F(MainWindowTest, ImportDialogRereadsTheFileWhenTheEncodingChanges) {
    const QByteArray sjisSheet = platform::Sjis::bytes(QString::fromUtf8(kSheet));
    book::ImportDialog d(home.filePath("sheet.csv"), sjisSheet, {});
    EXPECT_EQ(d.encodingBox()->currentText(), QStringLiteral("CP932 (Shift_JIS)"));
    EXPECT_TRUE(d.headerCheck()->isChecked());
    EXPECT_EQ(d.result().rows.size(), 2);
    d.resize(760, 360);
    d.grab().save(QStringLiteral(PELCOR_TEST_OUTPUT "/import-dialog.png"));
    // Read as UTF-8 the header is no longer recognised.
    d.encodingBox()->setCurrentIndex(0);
    EXPECT_FALSE(d.headerCheck()->isChecked());
    EXPECT_EQ(d.columnBox(0)->currentData().toInt(), int(book::ImportField::Kana));
    d.encodingBox()->setCurrentIndex(2);
    EXPECT_TRUE(d.headerCheck()->isChecked());
    EXPECT_EQ(d.columnBox(0)->currentData().toInt(), int(book::ImportField::Name));
}

// Saving writes the program's own layout; a spreadsheet's file or a phone's
// contacts must not be replaced by it, so such a book opens without a name.
TEST_F(MainWindowTest, AForeignFileOpensUnnamedSoSavingAsksForAName) {
    app::MainWindow& f = make();
    const QString sheet = writeFile(home.filePath("sheet.csv"), kSheet);
    f.OpenDocument(sheet);
    ASSERT_EQ(f.addressBook().wholeBook().rowCount(), 3);
    EXPECT_TRUE(f.addressBook().fileName().isEmpty());
    EXPECT_TRUE(f.windowTitle().contains(QStringLiteral("sheet.csv（別の形式から読み込み）")))
        << f.windowTitle().toStdString();
    EXPECT_FALSE(f.statusText().isEmpty());
    f.grab().save(QStringLiteral(PELCOR_TEST_OUTPUT "/foreign-book-opened.png"));
    EXPECT_FALSE(f.ActSaveExecute());  // the save dialog, cancelled
    EXPECT_EQ(dialogs.count("save"), 1);
    EXPECT_EQ(dialogs.fileRequests.last().folder, home.path());
    QFile kept(sheet);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), kSheet);

    // A dropped vCard file opens the same way.
    f.openDroppedFiles({writeFile(home.filePath("phone.vcf"),
                                  "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Yamada;Taro;;;\r\n"
                                  "TEL;TYPE=CELL:090\r\nEND:VCARD\r\n")});
    EXPECT_EQ(dialogs.count("notice"), 0);
    ASSERT_EQ(f.addressBook().wholeBook().rowCount(), 2);
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColMobile, 1), QStringLiteral("090"));
    EXPECT_TRUE(f.addressBook().fileName().isEmpty());
    EXPECT_TRUE(f.windowTitle().contains(QStringLiteral("phone.vcf")))
        << f.windowTitle().toStdString();
}

TEST_F(MainWindowTest, FileDialogsStartInTheBookFolderAndNameEachPatternOnce) {
    app::MainWindow& f = make();
    const QString books = QDir(home.path()).filePath(QStringLiteral("住所録"));
    for (const char* command : {"ActOpen", "ActImport", "ActExport"}) {
        f.runCommand(command);
        ASSERT_FALSE(dialogs.fileRequests.isEmpty()) << command;
        const platform::FileDialogRequest asked = dialogs.fileRequests.takeLast();
        EXPECT_EQ(QDir(asked.folder).canonicalPath(), QDir(books).canonicalPath()) << command;
        for (const QString& filter : asked.filters)
            EXPECT_EQ(filter.count(QLatin1Char('*')),
                      filter.mid(filter.lastIndexOf(QLatin1Char('('))).count(QLatin1Char('*')))
                << filter.toStdString();
    }
    // Both commands can be reached from the keyboard, each with a letter of its own.
    QMenu* file = f.menuBar()->findChild<QMenu*>(QStringLiteral("File1"));
    ASSERT_NE(file, nullptr);
    auto mnemonic = [](const QString& text) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        return at < 0 ? QChar() : text.at(at + 1).toUpper();
    };
    for (const char* command : {"ActImport", "ActExport"}) {
        const QChar key = mnemonic(f.findChild<QAction*>(command)->text());
        EXPECT_FALSE(key.isNull()) << command;
        for (QAction* other : file->actions()) {
            if (other->objectName() != QLatin1String(command)) {
                EXPECT_NE(mnemonic(other->text()), key) << command;
            }
        }
    }
}

TEST_F(MainWindowTest, AnUnsavedBookCanTakeTheImportedRowsAsWellAsBeReplaced) {
    app::MainWindow& f = make();
    f.OpenDocument(writeFile(home.filePath("family.csv"), kOwnBook));
    f.addressBook().setModified(true);
    const QString sheet = writeFile(home.filePath("sheet.csv"), kSheet);
    auto importReplacing = [&](Answer answer) {
        dialogs.files = {FileDialogResult{sheet, 0}};
        dialogs.answers = {answer};
        whenImportDialogOpens([](book::ImportDialog& d) { d.replaceButton()->setChecked(true); });
        f.runCommand("ActImport");
    };
    importReplacing(Answer::Cancel);
    EXPECT_EQ(f.addressBook().wholeBook().rowCount(), 2);
    importReplacing(Answer::Yes);  // 追加
    EXPECT_EQ(f.addressBook().wholeBook().rowCount(), 4);
    EXPECT_EQ(f.addressBook().wholeBook().cell(records::ColName, 1), QStringLiteral("山田　太郎"));
    EXPECT_EQ(f.addressBook().fileName(), home.filePath("family.csv"));
    EXPECT_TRUE(dialogs.texts("question").last().contains(QStringLiteral("追加")));
}

// Before anything is imported the dialog says in red what a file lacks, and
// a table of a hundred thousand columns is refused without a box for each.
TEST_F(MainWindowTest, ImportDialogWarnsOfMissingAddressesAndRefusesHugeTables) {
    book::ImportDialog names(home.filePath("names.csv"),
                             QStringLiteral("氏名,電話\n山田,03\n").toUtf8(), {});
    EXPECT_TRUE(names.messageLabel()->text().contains(QStringLiteral("住所の列")))
        << names.messageLabel()->text().toStdString();
    EXPECT_TRUE(names.messageLabel()->styleSheet().contains(QStringLiteral("color")));
    names.resize(640, 240);
    names.grab().save(QStringLiteral(PELCOR_TEST_OUTPUT "/import-dialog-no-address.png"));
    book::ImportDialog full(home.filePath("sheet.csv"), kSheet, {});
    EXPECT_FALSE(full.messageLabel()->text().contains(QStringLiteral("住所の列")));

    QByteArray wide = "a";
    for (int c = 1; c < 120000; ++c) wide += ",a";
    wide += "\n" + wide + "\n";
    book::ImportDialog d(home.filePath("wide.csv"), wide, {});
    EXPECT_EQ(d.columnBox(0), nullptr);
    EXPECT_FALSE(d.result().ok());
    EXPECT_TRUE(d.messageLabel()->text().contains(QStringLiteral("120000")))
        << d.messageLabel()->text().toStdString();
}

// A mapping chosen for one layout does not displace the one of another.
TEST_F(MainWindowTest, EachLayoutOfFileIsOfferedItsOwnMapping) {
    app::MainWindow& f = make();
    const QString sheet = writeFile(home.filePath("sheet.csv"), kSheet);
    const QString other =
        writeFile(home.filePath("other.csv"), QStringLiteral("名前,メモ\n山田,友人\n").toUtf8());
    dialogs.files = {FileDialogResult{sheet, 0}};
    whenImportDialogOpens(
        [](book::ImportDialog& d) { d.setColumnField(4, book::ImportField::Fax); });
    f.runCommand("ActImport");
    dialogs.files = {FileDialogResult{other, 0}};
    whenImportDialogOpens(
        [](book::ImportDialog& d) { d.setColumnField(1, book::ImportField::Relation); });
    f.runCommand("ActImport");
    dialogs.files = {FileDialogResult{sheet, 0}};
    whenImportDialogOpens([](book::ImportDialog& d) {
        EXPECT_EQ(d.columnBox(4)->currentData().toInt(), int(book::ImportField::Fax));
    });
    f.runCommand("ActImport");
}
