// The body page inside the main window: files reach it through the one open
// entry, its commands run through the window's actions, and showing it sets
// the window's commands.

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/ui/CommandTable.h"
#include "message/BodyFile.h"
#include "message/ui/BodyPage.h"
#include "platform/pictures/PictureFiles.h"
#include "platform/text/Sjis.h"
#include "platform/ui/SpinField.h"
#include "platform/ui/StringGrid.h"
#include "render/ui/PreviewPage.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/message/BodyPageControls.h"

namespace {

bool enabled(app::MainWindow& f, const char* name) { return f.isCommandEnabled(name); }

}  // namespace

TEST_F(MainWindowTest, TextsAndPicturesOpenOnTheBodyPageWhateverTheCase) {
    app::MainWindow& f = make();
    const QString text = home.filePath(QStringLiteral("年賀.TXT"));
    ASSERT_TRUE(message::writeBodyFile(text, QStringLiteral("謹賀新年")).ok);
    f.OpenDocument(text);
    EXPECT_EQ(f.currentPage(), app::Page::Body);
    EXPECT_EQ(bodyEditor(*bodyPage(f))->toPlainText(), QStringLiteral("謹賀新年"));
    EXPECT_EQ(bodyStatusLine(*bodyPage(f))->text(), QStringLiteral("年賀.TXT * "));
    EXPECT_EQ(dialogs.calls.size(), 0);

    QImage img(20, 30, QImage::Format_RGB32);
    img.fill(Qt::darkGreen);
    const QString bmp = home.filePath(QStringLiteral("松.bmp"));
    ASSERT_TRUE(platform::writeBmp(bmp, img).isEmpty());
    f.showPage(app::Page::Preview);
    f.OpenDocument(bmp);
    EXPECT_EQ(f.currentPage(), app::Page::Body);
    EXPECT_EQ(bodyPage(f)->pictureFileName(), bmp);
    EXPECT_EQ(bodyStatusLine(*bodyPage(f))->text(), QStringLiteral("年賀.TXT * 松.bmp"));
    EXPECT_FALSE(enabled(f, "ActHSave"));
}

TEST_F(MainWindowTest, AnUnknownKindShowsTheBodyPageAndChangesNothing) {
    dialogs.expect("notice");
    app::MainWindow& f = make();
    bodyEditor(*bodyPage(f))->insertPlainText(QStringLiteral("keep"));
    f.OpenDocument(home.filePath(QStringLiteral("card.gif")));
    EXPECT_EQ(dialogs.texts("notice"),
              QStringList({QStringLiteral("このファイル形式は開けません")}));
    EXPECT_EQ(f.currentPage(), app::Page::Body);
    EXPECT_EQ(bodyEditor(*bodyPage(f))->toPlainText(), QStringLiteral("keep"));
}

TEST_F(MainWindowTest, ShowingTheBodyPageSetsItsCommands) {
    app::MainWindow& f = make();
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    f.showPage(app::Page::Body);
    for (const char* on : {"ActOpen2", "ActPrint", "ActSaveAs", "ActPaste"})
        EXPECT_TRUE(enabled(f, on)) << on;
    for (const char* off :
         {"ActHiphn", "ActNonHiphn", "ActSort", "ActRSort", "ActPrintIchiran", "ActSelectAllData",
          "ActIns", "ActDel", "ActSave", "ActEditData", "ActReNum", "ActHSave", "ActCopy"})
        EXPECT_FALSE(enabled(f, off)) << off;
    // Leaving for the preview takes the body's edit commands away again.
    f.showPage(app::Page::Preview);
    EXPECT_FALSE(enabled(f, "ActPaste"));
    EXPECT_FALSE(enabled(f, "ActOpen2"));
}

TEST_F(MainWindowTest, BodyCommandsRunThroughTheWindowsActions) {
    app::MainWindow& f = make();
    f.runCommand("ActHNew");
    EXPECT_EQ(f.currentPage(), app::Page::Body);
    bodyEditor(*bodyPage(f))->insertPlainText(QStringLiteral("賀正"));
    EXPECT_TRUE(enabled(f, "ActHSave"));
    EXPECT_TRUE(enabled(f, "ActSelectAll"));
    f.runCommand("ActSelectAll");
    EXPECT_TRUE(enabled(f, "ActCopy"));
    f.runCommand("ActCopy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("賀正"));
    f.runCommand("ActCut");
    f.runCommand("ActPaste");
    f.runCommand("ActPaste");
    EXPECT_EQ(bodyEditor(*bodyPage(f))->toPlainText(), QStringLiteral("賀正賀正"));

    const QString target = home.filePath(QStringLiteral("本文/賀正.txt"));
    dialogs.files = {platform::FileDialogResult{target, 0}};
    f.runCommand("ActHSave");
    EXPECT_EQ(dialogs.count("save"), 1);
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_EQ(bodyStatusLine(*bodyPage(f))->text(), QStringLiteral("賀正.txt"));
}

TEST_F(MainWindowTest, SampleCommandOpensTheShippedGreeting) {
    app::MainWindow& f = make();
    f.runCommand("ActSample");
    EXPECT_EQ(dialogs.calls.size(), 0);
    EXPECT_EQ(f.currentPage(), app::Page::Body);
    EXPECT_TRUE(bodyEditor(*bodyPage(f))->toPlainText().startsWith(QStringLiteral("謹んで")));
    EXPECT_TRUE(bodyPage(f)->bodyFileName().isEmpty());
    EXPECT_FALSE(bodyPage(f)->isModified());
}

TEST_F(MainWindowTest, MessageFieldsTravelThroughTheSettingsFile) {
    QFile ini(home.filePath(QStringLiteral("mirel36.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(platform::Sjis::bytes(
        QStringLiteral("[SE]\r\nint031=15\r\nint057=-40\r\n[Kind]\r\nintCB5=1\r\n")));
    ini.close();
    app::MainWindow& f = make();
    EXPECT_EQ(f.findChild<platform::SpinField*>(QStringLiteral("NES0"))->value(), 15);
    EXPECT_EQ(f.findChild<platform::SpinField*>(QStringLiteral("PIndL"))->value(), -40);
    EXPECT_EQ(messageKindChoice(*bodyPage(f))->currentIndex(), 1);
    EXPECT_TRUE(f.findChild<QPushButton*>(QStringLiteral("NEDefault"))->isEnabled());
    EXPECT_TRUE(f.findChild<QPushButton*>(QStringLiteral("SPrintDefault"))->isEnabled());

    f.findChild<platform::SpinField*>(QStringLiteral("FHY0"))->setValue(-250);
    form.reset();
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString written = platform::Sjis::decode(ini.readAll());
    EXPECT_TRUE(written.contains(QStringLiteral("int048=-250")));
    EXPECT_TRUE(written.contains(QStringLiteral("int031=15")));
}

TEST_F(MainWindowTest, ThePictureFitIsKeptInTheSettingsFile) {
    QFile ini(home.filePath(QStringLiteral("mirel36.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Picture]\r\nFit=2\r\n");
    ini.close();
    app::MainWindow& f = make();
    auto* fit = f.findChild<QComboBox*>(QStringLiteral("PictureFit"));
    ASSERT_NE(fit, nullptr);
    EXPECT_EQ(fit->currentIndex(), 2);
    EXPECT_EQ(bodyPage(f)->messageSideInput(platform::OutputTarget::Printer).pictureFit,
              message::PictureFit::Inside);
    fit->setCurrentIndex(1);
    form.reset();
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("Fit=1"));
}

TEST_F(MainWindowTest, TheFileMenuOpensAPictureForTheBack) {
    QImage img(20, 30, QImage::Format_RGB32);
    img.fill(Qt::darkGreen);
    const QString photo = home.filePath(QStringLiteral("写真.jpg"));
    ASSERT_TRUE(platform::writeJpeg(photo, img).isEmpty());
    app::MainWindow& f = make();
    f.showPage(app::Page::Body);
    ASSERT_TRUE(enabled(f, "ActOpen2"));
    dialogs.files = {platform::FileDialogResult{photo, 0}};
    f.runCommand("ActOpen2");
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_TRUE(dialogs.fileRequests[0].filters.first().contains(QStringLiteral("*.jpg")));
    EXPECT_EQ(bodyPage(f)->pictureFileName(), photo);
    EXPECT_EQ(bodyPage(f)->backPicture().size(), QSize(20, 30));
}

TEST_F(MainWindowTest, OnTheBodyPagePrintingMakesOneCardBack) {
    printer.dotsPerInch = 300;
    app::MainWindow& f = make();
    f.addressBook().wholeBook().setRowCount(4);
    platform::GridRect rows;
    rows.top = 1;
    rows.bottom = 3;
    wholeGrid(f)->setGridSelection(rows);
    f.OpenDocument(message::BodyPage::sampleTextPath());
    f.findChild<platform::SpinField*>(QStringLiteral("PIndL"))->setValue(-30);
    f.ActPrintExecute();
    EXPECT_EQ(printer.calls, QStringList({"dialog", "begin Pelcor", "end"}));
    ASSERT_EQ(printer.pages.size(), 1);
    // The greeting's first column at 95 mm from the left, moved 30 printer pixels left.
    const QImage& page = printer.pages[0];
    const int x = qRound(950 * printer.dotsPerInch / 254.0) - 30;
    int ink = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int dx = -qRound(100 * printer.dotsPerInch / 254.0); dx < 0; ++dx)
            ink += qGray(page.pixel(x + dx, y)) < 128;
    EXPECT_GT(ink, 100);
    int beyond = 0;  // nothing right of the first column
    for (int y = 0; y < page.height(); ++y)
        for (int px = x + 2; px < page.width(); ++px) beyond += qGray(page.pixel(px, y)) < 128;
    EXPECT_EQ(beyond, 0);
}
