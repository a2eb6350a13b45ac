// The postal-code dictionary on the entry page, in the preview and on the
// command line, with the list the program ships.

#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "app/ui/PreviewPostalCheck.h"
#include "book/ui/EntryPage.h"
#include "platform/ui/StringGrid.h"
#include "postal/ui/PostalAssist.h"
#include "postal/ui/PostalChoiceList.h"
#include "records/AddressRecord.h"
#include "render/ui/PreviewPage.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ZeroBomb.h"

namespace {

// Typing, one key a character, also where QTest knows no key for it.
void type(QLineEdit* field, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The entry page on a new, empty record.
struct NewRecord {
    app::MainWindow& f;
    EntryControls p;
    explicit NewRecord(app::MainWindow& form) : f(form), p(form) {
        f.addressBook().wholeBook().setRowCount(2);
        f.show();
        f.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        f.showPage(app::Page::Entry);
        entryPage(f)->addRecord();
    }
    // Types a code the way a user does; the page moves the focus on.
    void typeCode(const char* code) {
        p.Ub1->setFocus();
        QTest::keyClicks(p.Ub1, QString::fromLatin1(code, 3));
        QTest::keyClicks(p.Ub2, QString::fromLatin1(code + 3));
        QCoreApplication::processEvents();
    }
    QString status() const { return p.EntryStatusLine->text(); }
};

}  // namespace

TEST_F(MainWindowTest, ACompleteCodeFillsAnEmptyAddressReadyForTheBlockNumber) {
    NewRecord r(make());
    r.typeCode("1000005");
    EXPECT_EQ(r.p.Ju1->text(), QStringLiteral("東京都千代田区丸の内"));
    EXPECT_TRUE(r.p.Ju1->hasFocus());
    type(r.p.Ju1, QStringLiteral("1-1"));
    EXPECT_EQ(r.p.Ju1->text(), QStringLiteral("東京都千代田区丸の内1-1"));
    EXPECT_TRUE(r.p.EditOKButton->isEnabled());
}

TEST_F(MainWindowTest, AnAddressAlreadyTypedIsOnlyOfferedOverAndF2TakesIt) {
    NewRecord r(make());
    r.p.Ju1->setFocus();
    type(r.p.Ju1, QStringLiteral("港区芝公園"));
    r.typeCode("1000005");
    EXPECT_EQ(r.p.Ju1->text(), QStringLiteral("港区芝公園"));
    EXPECT_TRUE(r.status().contains(QStringLiteral("東京都千代田区丸の内")))
        << r.status().toStdString();
    QTest::keyClick(r.p.Ju1, Qt::Key_F2);
    EXPECT_EQ(r.p.Ju1->text(), QStringLiteral("東京都千代田区丸の内"));
    QTest::keyClick(r.p.Ju1, Qt::Key_Z, Qt::ControlModifier);  // and undo gives it back
    EXPECT_EQ(r.p.Ju1->text(), QStringLiteral("港区芝公園"));
}

TEST_F(MainWindowTest, AnOfficeCodeFillsTheAddressAndOffersTheNameForTheCompany) {
    NewRecord r(make());
    r.typeCode("1008102");
    EXPECT_EQ(r.p.Ju1->text(), QStringLiteral("東京都千代田区大手町１丁目３－３"));
    EXPECT_EQ(r.p.Shamei->text(), QStringLiteral("東京国税局"));
    EXPECT_TRUE(r.p.EditOKButton->isEnabled());
    QDir().mkpath(QStringLiteral(PELCOR_TEST_OUTPUT));
    EXPECT_TRUE(r.f.grab().save(QStringLiteral(PELCOR_TEST_OUTPUT "/entry-office-code.png")));

    // A company already typed stays; the name is only said.
    entryPage(r.f)->addRecord();
    r.p.Shamei->setFocus();
    type(r.p.Shamei, QStringLiteral("国税庁"));
    r.typeCode("1008102");
    EXPECT_EQ(r.p.Shamei->text(), QStringLiteral("国税庁"));
    EXPECT_TRUE(r.status().contains(QStringLiteral("東京国税局"))) << r.status().toStdString();
}

TEST_F(MainWindowTest, SeveralTownsOpenAListForKeysMouseAndSearch) {
    NewRecord r(make());
    r.typeCode("4100867");
    book::PostalChoiceList* list = entryPage(r.f)->postalChoices();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->list()->count(), 7);
    QTest::keyClick(list->searchLine(), Qt::Key_Down);
    QTest::keyClick(list->searchLine(), Qt::Key_Return);
    EXPECT_EQ(r.p.Ju1->text(), QStringLiteral("静岡県沼津市千本"));

    entryPage(r.f)->addRecord();
    r.typeCode("4100867");
    list = entryPage(r.f)->postalChoices();
    ASSERT_NE(list, nullptr);
    const QPoint third = list->list()->visualItemRect(list->list()->item(2)).center();
    QTest::mouseClick(list->list()->viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(r.p.Ju1->text(), QStringLiteral("静岡県沼津市出口町"));

    // A code of many towns scrolls within the window; typing narrows it.
    entryPage(r.f)->addRecord();
    r.typeCode("4520961");
    list = entryPage(r.f)->postalChoices();
    ASSERT_NE(list, nullptr);
    EXPECT_LT(list->height(), r.f.height() / 2);
    type(list->searchLine(), QStringLiteral("夢の森"));
    QTest::keyClick(list->searchLine(), Qt::Key_Return);
    EXPECT_EQ(r.p.Ju1->text(), QStringLiteral("愛知県清須市春日夢の森"));
}

// A user selects the first box of a stored code and types a new one over it.
TEST_F(MainWindowTest, RetypingACodeLooksUpOnlyOnceAllSevenDigitsAreNew) {
    app::MainWindow& f = make();
    f.addressBook().wholeBook().setRowCount(2);
    f.addressBook().wholeBook().setCell(records::ColPostal, 1, QStringLiteral("0600001"));
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.addressBook().setCurrentRecord(1);
    f.showPage(app::Page::Entry);
    EntryControls p(f);
    ASSERT_EQ(p.Ub2->text(), QStringLiteral("0001"));
    QTest::mouseClick(p.Ub1, Qt::LeftButton);
    p.Ub1->selectAll();
    for (QChar digit : QStringLiteral("4520961")) {
        QTest::keyClick(QApplication::focusWidget(), digit.toLatin1());
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(p.Ub1->text() + p.Ub2->text(), QStringLiteral("4520961"));
    // 452-0961 is a code of many towns: its list, nothing written yet.
    EXPECT_TRUE(p.Ju1->text().isEmpty()) << p.Ju1->text().toStdString();
    ASSERT_NE(entryPage(f)->postalChoices(), nullptr);
    EXPECT_EQ(entryPage(f)->postalChoices()->list()->count(), 66);
    entryPage(f)->postalChoices()->close();

    // A single digit changed is no new code: the address stays as it is.
    p.Ju1->clear();
    p.Ub2->setFocus();
    p.Ub2->end(false);
    QTest::keyClick(p.Ub2, Qt::Key_Backspace);
    QTest::keyClick(p.Ub2, '2');
    QCoreApplication::processEvents();
    EXPECT_TRUE(p.Ju1->text().isEmpty());
}

// An address already there is not left selected; Esc on the list, then F2
// brings it back; a found address ends the code's hint in the status bar.
TEST_F(MainWindowTest, TheHelperLeavesTheAddressReadyToType) {
    NewRecord r(make());
    r.p.Ju1->setText(QStringLiteral("港区芝公園"));
    r.typeCode("1000005");
    EXPECT_TRUE(r.p.Ju1->hasFocus());
    EXPECT_FALSE(r.p.Ju1->hasSelectedText());
    EXPECT_EQ(r.p.Ju1->cursorPosition(), r.p.Ju1->text().size());

    for (QLineEdit* e : {r.p.Ju1, r.p.Ub1, r.p.Ub2}) e->clear();
    r.p.Ub1->setFocus();
    QStatusTipEvent hover(r.p.Ub1->statusTip());
    QCoreApplication::sendEvent(r.p.Ub1, &hover);
    r.typeCode("4100867");
    ASSERT_NE(entryPage(r.f)->postalChoices(), nullptr);
    entryPage(r.f)->postalChoices()->close();
    QCoreApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    ASSERT_NE(entryPage(r.f)->postalChoices(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(r.p.Ju1->text(), QStringLiteral("静岡県沼津市下中溝"));
    EXPECT_NE(r.f.statusText(), r.p.Ub1->statusTip());
}

TEST_F(MainWindowTest, AnUnknownCodeIsSaidInTheErrorColour) {
    NewRecord r(make());
    r.typeCode("9999999");
    EXPECT_TRUE(r.status().contains(QStringLiteral("999-9999")));
    EXPECT_EQ(r.p.EntryStatusLine->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_TRUE(r.p.Ju1->text().isEmpty());
}

TEST_F(MainWindowTest, LeavingTheAddressWithoutACodeOffersTheCode) {
    NewRecord r(make());
    r.p.Ju1->setFocus();
    type(r.p.Ju1, QStringLiteral("東京都千代田区丸の内１－１"));
    QTest::keyClick(r.p.Ju1, Qt::Key_Return);  // the page's walk to 住所２
    ASSERT_TRUE(r.p.Ju2->hasFocus());
    EXPECT_TRUE(r.status().contains(QStringLiteral("100-0005"))) << r.status().toStdString();
    EXPECT_TRUE(r.p.Ub1->text().isEmpty());
    QTest::keyClick(r.p.Ju2, Qt::Key_F2);
    EXPECT_EQ(r.p.Ub1->text() + r.p.Ub2->text(), QStringLiteral("1000005"));
    EXPECT_TRUE(r.p.Ju2->hasFocus());  // the filled code does not move the focus
}

TEST_F(MainWindowTest, ThePreviewSaysWhenTheCodeDoesNotFitTheAddress) {
    app::MainWindow& f = make();
    platform::StringGrid& g = *wholeGrid(f);
    g.setRowCount(4);
    const QString rows[3][2] = {{"1000005 ", "東京都千代田区丸の内1-1"},
                                {"1000005 ", "東京都港区芝公園4-2-8"},
                                {"9999999 ", "東京都港区芝公園4-2-8"}};
    for (int r = 1; r <= 3; ++r) {
        g.setCell(records::ColPostal, r, rows[r - 1][0]);
        g.setCell(records::ColAddress1, r, rows[r - 1][1]);
    }
    f.show();
    QLabel* note = f.postalCheck()->note();
    auto noteFor = [&](int row) {
        g.setRow(row);
        emit g.gridClick();
        QCoreApplication::processEvents();
        return note->isVisible() ? note->text() : QString();
    };
    EXPECT_TRUE(noteFor(1).isEmpty());
    EXPECT_TRUE(noteFor(2).contains(QStringLiteral("千代田区")));
    EXPECT_TRUE(noteFor(3).contains(QStringLiteral("ありません")));
    EXPECT_EQ(g.cell(records::ColPostal, 3), QStringLiteral("9999999 "));  // the book is left alone
    f.showPage(app::Page::Entry);
    EXPECT_FALSE(note->isVisible());
}

TEST(PostalCommandLine, LooksUpBothWaysWithoutADisplay) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(v));
    p.setProcessEnvironment(env);
    auto run = [&p](const QString& arg) {
        p.start(QStringLiteral(PELCOR_BINARY), {QStringLiteral("--postal"), arg});
        EXPECT_TRUE(p.waitForFinished(30000));
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    EXPECT_EQ(run(QStringLiteral("1000005")), QStringLiteral("東京都千代田区丸の内\n"));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(
        run(QStringLiteral("東京都千代田区丸の内１－１")).startsWith(QStringLiteral("100-0005\n")));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(run(QStringLiteral("1008102")),
              QStringLiteral("東京都千代田区大手町１丁目３－３　東京国税局\n"));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(run(QStringLiteral("9999999")).isEmpty());
    EXPECT_EQ(p.exitCode(), 1);
    run(QStringLiteral("12345"));
    EXPECT_EQ(p.exitCode(), 2);

    p.start(QStringLiteral(PELCOR_BINARY),
            {QStringLiteral("--postal"), QStringLiteral("--reading"), QStringLiteral("1000005")});
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()),
              QStringLiteral("とうきょうと ちよだく まるのうち\n"));
}

// A dictionary that cannot be read is its own failure, told apart from a
// code that is not found, and never a hang: a FIFO, a device, a file that
// inflates without end, a cut file.
TEST(PostalCommandLine, AnUnreadableDictionaryHasItsOwnStatus) {
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("mirel36"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PELCOR_BINARY), program));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("resources")));
    const QString data = dir.filePath(QStringLiteral("resources/postal-codes.bin"));
    QFile shipped(QStringLiteral(PELCOR_SOURCE_RESOURCES "/postal-codes.bin"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray good = shipped.readAll();
    const QByteArray bomb = tests::postalZeroBomb(16, 4'000'000);  // a gigabyte of zeros

    auto run = [&](const std::function<void()>& place) {
        QFile::remove(data);
        place();
        QProcess p;
        p.start(program, {QStringLiteral("--postal"), QStringLiteral("1000005")});
        const bool finished = p.waitForFinished(20000);
        if (!finished) p.kill(), p.waitForFinished();
        EXPECT_TRUE(finished);
        EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
        EXPECT_TRUE(
            QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("郵便番号辞書")));
        return finished ? p.exitCode() : -1;
    };
    auto write = [&](const QByteArray& bytes) {
        QFile f(data);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    EXPECT_EQ(run([&] { ASSERT_EQ(::mkfifo(QFile::encodeName(data).constData(), 0600), 0); }), 3);
    EXPECT_EQ(run([&] { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), data)); }), 3);
    EXPECT_EQ(run([&] { write(bomb); }), 3);
    EXPECT_EQ(run([&] { write(good.left(good.size() / 2)); }), 3);
    EXPECT_EQ(run([&] {}), 3);  // missing
}
