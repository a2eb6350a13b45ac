#include <QAction>
#include <QComboBox>
#include <QTabWidget>

#include "app/ui/CommandTable.h"
#include "platform/ui/StringGrid.h"
#include "records/AddressRecord.h"
#include "render/ui/PreviewBox.h"
#include "render/ui/PreviewPage.h"
#include "tests/app/MainWindowFixture.h"

namespace {

void fillNames(app::MainWindow& f, const QStringList& names) {
    f.addressBook().wholeBook().setRowCount(int(names.size()) + 1);
    for (int r = 1; r <= names.size(); ++r) {
        f.addressBook().wholeBook().setCell(records::ColName, r, names[r - 1]);
        f.addressBook().wholeBook().setCell(records::ColAddress1, r,
                                            QStringLiteral("東京都港区芝公園%1丁目").arg(r));
        f.addressBook().wholeBook().setCell(
            records::ColRelation, r, r % 2 ? QStringLiteral("友人") : QStringLiteral("仕事"));
    }
    f.RenumberRows();
}

void selectRows(platform::StringGrid& g, int top, int bottom) {
    platform::GridRect r;
    r.top = top;
    r.bottom = bottom;
    g.setGridSelection(r);
}

int darkPixels(const QImage& page) {
    int n = 0;
    for (int y = 0; y < page.height(); y += 2)
        for (int x = 0; x < page.width(); x += 2) n += qGray(page.pixel(x, y)) < 128;
    return n;
}

const QStringList kNames = {"青木", "井上一郎", "上田", "江口美咲子", "小川", "加藤"};

}  // namespace

TEST_F(MainWindowTest, OneSelectedRowPrintsOnePage) {
    app::MainWindow& f = make();
    fillNames(f, kNames);
    wholeGrid(f)->setRow(3);
    f.ActPrintExecute();
    EXPECT_EQ(printer.calls, QStringList({"dialog", "begin Pelcor", "end"}));
    ASSERT_EQ(printer.pages.size(), 1);
    EXPECT_GT(darkPixels(printer.pages[0]), 0);
}

TEST_F(MainWindowTest, SelectedRowsPrintInGridOrderOnePageEach) {
    app::MainWindow& f = make();
    fillNames(f, kNames);
    selectRows(*wholeGrid(f), 2, 5);
    f.ActPrintExecute();
    ASSERT_EQ(printer.pages.size(), 4);
    EXPECT_EQ(printer.calls.count("page"), 3);
    const QVector<QImage> job = printer.pages;
    // Each page is the one that row alone prints.
    for (int r = 2; r <= 5; ++r) {
        printer.pages.clear();
        selectRows(*wholeGrid(f), r, r);
        f.ActPrintExecute();
        ASSERT_EQ(printer.pages.size(), 1);
        EXPECT_EQ(printer.pages[0], job[r - 2]) << r;
    }
}

TEST_F(MainWindowTest, PrintedCardsCarryNoPreprintedMarks) {
    app::MainWindow& f = make();
    wholeGrid(f)->setRow(1);  // an empty record: nothing at all to print
    f.ActPrintExecute();
    ASSERT_EQ(printer.pages.size(), 1);
    EXPECT_EQ(darkPixels(printer.pages[0]), 0);
    // The preview of the same record shows the marks.
    EXPECT_FALSE(previewBox(f)->picture().ops.empty());
}

TEST_F(MainWindowTest, TheFilteredGridsSelectionIsPrinted) {
    app::MainWindow& f = make();
    fillNames(f, kNames);  // 友人: rows 1, 3, 5
    f.selectRelation(QStringLiteral("友人"));
    selectRows(*filteredGrid(f), 1, 3);
    f.ActPrintExecute();
    EXPECT_EQ(printer.pages.size(), 3);
}

TEST_F(MainWindowTest, CancellingThePrintDialogPrintsNothing) {
    app::MainWindow& f = make();
    printer.acceptDialog = false;
    f.ActPrintExecute();
    EXPECT_EQ(printer.calls, QStringList({"dialog"}));
    EXPECT_TRUE(printer.pages.isEmpty());
}

TEST_F(MainWindowTest, APrinterFailureIsReportedAndTheNextJobRuns) {
    dialogs.expect("error");
    app::MainWindow& f = make();
    fillNames(f, kNames);
    selectRows(*wholeGrid(f), 1, 4);
    printer.failNewPage = true;
    f.ActPrintExecute();
    EXPECT_EQ(dialogs.texts("error"), QStringList({"paper jam"}));
    EXPECT_EQ(printer.calls.last(), QStringLiteral("end"));
    printer.failNewPage = false;
    printer.calls.clear();
    printer.pages.clear();
    f.ActPrintExecute();
    EXPECT_EQ(printer.pages.size(), 4);
    EXPECT_EQ(dialogs.count("error"), 1);
}

TEST_F(MainWindowTest, PrinterSetupRunsTheSetupDialog) {
    app::MainWindow& f = make();
    f.runCommand("ActPrinter");
    EXPECT_EQ(printer.calls, QStringList({"setup"}));
}

TEST_F(MainWindowTest, CardsThatRunOffAreAskedAboutOnceBeforePrinting) {
    app::MainWindow& f = make();
    fillNames(f, kNames);
    const QString longLine =
        QStringLiteral("北海道札幌市中央区北一条西二丁目１番地札幌中央ビル北館");
    f.addressBook().wholeBook().setCell(records::ColAddress1, 2, longLine);
    f.addressBook().wholeBook().setCell(records::ColAddress1, 4, longLine);
    selectRows(*wholeGrid(f), 1, 5);
    dialogs.answers = {platform::Answer::No};
    f.ActPrintExecute();
    ASSERT_EQ(dialogs.texts("question").size(), 1);
    EXPECT_TRUE(dialogs.texts("question")[0].startsWith(
        QStringLiteral("2 枚の宛名がはみ出します。印刷しますか？")));
    EXPECT_TRUE(dialogs.texts("question")[0].contains(QStringLiteral("2、4")));
    EXPECT_TRUE(printer.pages.isEmpty());

    dialogs.answers = {platform::Answer::Yes};
    f.ActPrintExecute();
    EXPECT_EQ(printer.pages.size(), 5);
    // Cards that fit print without a question.
    selectRows(*wholeGrid(f), 5, 6);
    f.ActPrintExecute();
    EXPECT_EQ(dialogs.texts("question").size(), 2);
}
