#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

#include "app/ui/CommandTable.h"
#include "book/ui/EntryPage.h"
#include "book/ui/SenderPage.h"
#include "platform/ui/StringGrid.h"
#include "render/ui/PreviewPage.h"
#include "tests/app/MainWindowFixture.h"

TEST_F(MainWindowTest, StartsWithOneEmptyNumberedRowOnThePreviewPage) {
    app::MainWindow& f = make();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("　Pelcor　　　"));
    ASSERT_EQ(f.addressBook().wholeBook().rowCount(), 2);
    EXPECT_EQ(f.addressBook().wholeBook().cell(0, 1), QStringLiteral("1"));
    for (int c = 1; c < 13; ++c) EXPECT_TRUE(f.addressBook().wholeBook().cell(c, 1).isEmpty());
    EXPECT_EQ(f.addressBook().wholeBook().rowCells(0).join(QLatin1Char(',')),
              QStringLiteral("No.,名　前,〒,住所１,住所２,連　名,ふりがな,電話番号,携帯番号,"
                             "FAX番号,会社名,役　職,関　係"));
    EXPECT_EQ(f.currentPage(), app::Page::Preview);
    EXPECT_FALSE(f.isCommandEnabled("ActPrint"));
    EXPECT_TRUE(f.addressBook().showingAll());
    EXPECT_FALSE(f.addressBook().isModified());
    EXPECT_EQ(f.addressBook().currentRecord(), 1);
    EXPECT_EQ(EntryControls(f).Num1->text(), QStringLiteral("1"));
    EXPECT_FALSE(EntryControls(f).EditOKButton->isEnabled());
    EXPECT_TRUE(QDir(home.filePath(QStringLiteral("住所録"))).exists());
    EXPECT_TRUE(QDir(home.filePath(QStringLiteral("本文"))).exists());
}

TEST_F(MainWindowTest, ExistingFoldersAreLeftAsTheyAre) {
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("住所録")));
    QFile keep(home.filePath(QStringLiteral("住所録/keep.csv")));
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.write("x");
    keep.close();
    make();
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("住所録/keep.csv"))));
}

TEST_F(MainWindowTest, WindowPagesAndGridsAreLaidOutAsDesigned) {
    app::MainWindow& f = make();
    EXPECT_EQ(f.width(), 679);
    EXPECT_EQ(f.height() - f.menuBar()->sizeHint().height(), 505);
    EXPECT_EQ(f.findChild<QToolBar*>("ToolBar1")->height(), 29);
    EXPECT_EQ(f.findChild<QStatusBar*>("StatusBar1")->height(), 19);
    EXPECT_EQ(QFontInfo(f.font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(f.font().pixelSize(), 12);

    const QStringList captions = {"印刷プレビュー", "差出人の編集", "宛名の編集", "一覧表",
                                  "はがき裏面"};
    const QStringList names = {"Preview", "Sasidasininn", "MirelEdit", "Ichiran", "HRimen"};
    const auto* tabs = f.findChild<QTabWidget*>("PageControl1");
    ASSERT_EQ(tabs->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tabs->tabText(i), captions[i]);
        EXPECT_EQ(tabs->widget(i)->objectName(), names[i]);
    }

    for (platform::StringGrid* g : {wholeGrid(f), filteredGrid(f)}) {
        EXPECT_EQ(g->geometry(), QRect(270, 32, 390, 161));
        EXPECT_EQ(g->colCount(), 13);
        const int widths[13] = {24, 100, 60, 190, 190, 100, 120, 120, 120, 120, 100, 100, 60};
        for (int c = 0; c < 13; ++c) EXPECT_EQ(g->colWidth(c), widths[c]) << c;
        EXPECT_TRUE(g->toolTip().isEmpty());
    }
    EXPECT_EQ(QFontInfo(wholeGrid(f)->font()).family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(QFontInfo(filteredGrid(f)->font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_FALSE(filteredGrid(f)->isVisibleTo(&f));
    EXPECT_EQ(wholeGrid(f)->selectedColour(), QColor(0, 255, 0));
    EXPECT_EQ(filteredGrid(f)->selectedColour(), QColor(0, 255, 255));
    EXPECT_EQ(wholeGrid(f)->statusTip(),
              QStringLiteral("クリックされたデータをプレビュー表示します。"));
    EXPECT_EQ(filteredGrid(f)->statusTip(), QStringLiteral("関係で注出されたデータを表示します"));
}

TEST_F(MainWindowTest, ChoiceListsStartOnTheirFirstItem) {
    app::MainWindow& f = make();
    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5",
                             "ComboBox6", "ComboBox7"}) {
        auto* box = f.findChild<QComboBox*>(QLatin1String(name));
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(box->currentIndex(), 0) << name;
    }
    for (const char* name :
         {"SSimei", "SRenmei", "SYuubinBangou1", "SYuubinBangou2", "SJuusho1", "SJuusho2", "Kana1",
          "Nam1", "Nam2", "Shamei", "Yakushoku", "Ub1", "Ub2", "Ju1", "Ju2"}) {
        auto* edit = f.findChild<QLineEdit*>(QLatin1String(name));
        ASSERT_NE(edit, nullptr) << name;
        EXPECT_TRUE(edit->text().isEmpty()) << name;
    }
}

TEST_F(MainWindowTest, StatusBarShowsTheLongPartOfTheHint) {
    app::MainWindow& f = make();
    f.show();
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(wholeGrid(f), &enter);
    EXPECT_EQ(f.statusText(), QStringLiteral("クリックされたデータをプレビュー表示します。"));
    f.showHint(QStringLiteral("バーのないヒント"));
    EXPECT_EQ(f.statusText(), QStringLiteral("バーのないヒント"));
    f.showHint(QStringLiteral("開く|ファイルを開きます。"));
    EXPECT_EQ(f.statusText(), QStringLiteral("ファイルを開きます。"));
}

TEST_F(MainWindowTest, ScreenshotShowsJapaneseText) {
    app::MainWindow& f = make();
    f.show();
    const QImage shot = f.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    const QString out =
        QDir(QStringLiteral(PELCOR_TEST_OUTPUT)).filePath(QStringLiteral("main-window.png"));
    QDir().mkpath(QFileInfo(out).path());
    EXPECT_TRUE(shot.save(out));
    // The tab captions are drawn with a Japanese face, not the box glyph.
    QFontMetrics metrics(f.findChild<QTabWidget*>("PageControl1")->tabBar()->font());
    EXPECT_TRUE(metrics.inFont(QChar(u'印')));
    EXPECT_TRUE(QFontMetrics(wholeGrid(f)->font()).inFont(QChar(u'〒')));
}

// The preview is painted inside the window's backing store at the box's
// offset; the box must look the same there as on its own.
TEST_F(MainWindowTest, PreviewBoxPaintsInPlaceInsideTheWindow) {
    app::MainWindow& f = make();
    f.show();
    QCoreApplication::processEvents();
    auto* box = f.findChild<QWidget*>(QStringLiteral("PaintBox1"));
    ASSERT_NE(box, nullptr);
    const QImage alone = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage window = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage inPlace = window.copy(QRect(box->mapTo(&f, QPoint(0, 0)), box->size()));
    EXPECT_EQ(alone, inPlace);
}
