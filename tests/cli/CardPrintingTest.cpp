#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "cli/CardPrinting.h"
#include "cli/PdfExport.h"
#include "platform/text/Sjis.h"
#include "print/PrinterMemory.h"
#include "tests/support/core/RecordingPrintTarget.h"

namespace {

// Leftmost inked column of a page, or -1.
int firstInk(const QImage& page) {
    for (int x = 0; x < page.width(); ++x)
        for (int y = 0; y < page.height(); ++y)
            if (qGray(page.pixel(x, y)) < 160) return x;
    return -1;
}

class CardPrinting : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile file(dir.filePath("book.csv"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(platform::Sjis::bytes(
            QStringLiteral("やまだ,山田　太郎,1234567,東京都港区芝公園四丁目２－８,,,,,,,,,\r\n"
                           "すずき,鈴木　一郎,5300001,大阪府大阪市北区梅田３－１－１,,,,,,,,,\r\n"
                           "さとう,佐藤　花子,,北海道札幌市,,,,,,,,,\r\n")));
        target.dotsPerInch = 300;
        target.pageSize = QSize(1181, 1748);  // a postcard at 300 dpi
    }
    QString printWith(QStringList args) {
        app::PrintRequest r;
        QString error;
        args.prepend(QStringLiteral("--print"));
        if (!app::parsePrintRequest(args, r, error)) return QStringLiteral("usage: ") + error;
        r.settingsFile = settings;
        return app::printCards(target, r);
    }
    QTemporaryDir dir;
    QString settings = dir.filePath(QStringLiteral("mirel36.ini"));
    QString book = dir.filePath(QStringLiteral("book.csv"));
    testsupport::RecordingPrintTarget target;
};

}  // namespace

TEST_F(CardPrinting, PrintsTheRowsAskedForOnTheNamedPrinterOnTheCardsPaper) {
    target.printers = {QStringLiteral("inkjet"), QStringLiteral("laser")};
    EXPECT_EQ(printWith({book, QStringLiteral("--rows"), QStringLiteral("2-"),
                         QStringLiteral("--printer"), QStringLiteral("laser"),
                         QStringLiteral("--kind"), QStringLiteral("3")}),
              QString());
    EXPECT_EQ(target.chosen, QStringLiteral("laser"));
    EXPECT_EQ(target.pages.size(), 2);
    EXPECT_EQ(target.paper.size.id(), QPageSize::EnvelopeChou4);
    EXPECT_TRUE(target.paper.fromPaperCorner);
}

TEST_F(CardPrinting, AMistakeOrAnUnknownPrinterPrintsNothing) {
    const QList<QStringList> mistakes = {
        {book, QStringLiteral("--printer")},
        {book, QStringLiteral("--kind"), "6"},
        {book, QStringLiteral("--copies")},
        {QStringLiteral("x.bmp")},
        {dir.filePath("body.txt"), QStringLiteral("--rows"), QStringLiteral("1")},
        {book, QStringLiteral("--printer"), QStringLiteral("nowhere")},
        {book, QStringLiteral("--rows"), QStringLiteral("9")}};
    for (const QStringList& args : mistakes)
        EXPECT_FALSE(printWith(args).isEmpty()) << args.join(' ').toStdString();
    EXPECT_TRUE(target.pages.isEmpty());
}

TEST_F(CardPrinting, TheCalibrationMovesPrintingButNotTheExport) {
    ASSERT_EQ(printWith({book, QStringLiteral("--rows"), QStringLiteral("1")}), QString());
    const int plain = firstInk(target.pages.last());
    app::PdfExportRequest exportRequest;
    QString error;
    ASSERT_TRUE(
        app::parsePdfExport({"--export-pdf", dir.filePath("a.pdf"), book}, exportRequest, error));
    exportRequest.settingsFile = settings;
    ASSERT_EQ(app::exportPdf(exportRequest), QString());
    QFile exported(exportRequest.output);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    const QByteArray before = exported.readAll();
    exported.close();

    // The printer was measured to put cards 2 mm right of their place.
    ASSERT_TRUE(print::writeCalibration(settings, QStringLiteral("inkjet"), 0, QPointF(2, 0)));
    ASSERT_EQ(printWith({book, QStringLiteral("--rows"), QStringLiteral("1")}), QString());
    EXPECT_NEAR(firstInk(target.pages.last()), plain - 2 * 300 / 25.4, 1.5);
    ASSERT_EQ(app::exportPdf(exportRequest), QString());
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll(), before);
}
