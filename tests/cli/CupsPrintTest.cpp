// Prints through a real CUPS server of the test's own (CupsFixture). What
// the queue writes must be on the card's paper, its ink within 0.2 mm of
// where the export puts it.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>

#include "platform/text/Sjis.h"
#include "tests/support/core/CupsFixture.h"

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Pages are rendered at 508 dpi: 0.05 mm a pixel.
constexpr double kMmPerPixel = 0.05;

// The page size in points and the ink's box in pixels.
struct Page {
    QSizeF points;
    QRect ink;
};

class CupsPrint : public CupsFixture {
  protected:
    void SetUp() override {
        CupsFixture::SetUp();
        if (HasFatalFailure()) return;
        book = dir.path() + QStringLiteral("/book.csv");
        ASSERT_TRUE(writeFile(
            book, platform::Sjis::bytes(QStringLiteral(
                      "やまだ,山田　太郎,1234567,東京都港区芝公園四丁目２－８,,,,,,,,,\r\n"))));
    }

    Page readPage(const QString& pdf, const QString& scratch) const {
        Page page;
        const Outcome info = run(QStringLiteral("pdfinfo"), {pdf});
        static const QRegularExpression size(
            QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"));
        const auto m = size.match(info.output);
        if (m.hasMatch()) page.points = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
        run(QStringLiteral("pdftoppm"),
            {"-r", "508", "-gray", "-singlefile", "-f", "1", "-l", "1", pdf, scratch});
        const QImage image =
            QImage(scratch + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
        for (int y = 0; y < image.height(); ++y) {
            const uchar* line = image.constScanLine(y);
            int first = -1, last = -1;
            for (int x = 0; x < image.width(); ++x)
                if (line[x] < 128) {
                    if (first < 0) first = x;
                    last = x;
                }
            if (first >= 0) page.ink |= QRect(first, y, last - first + 1, 1);
        }
        return page;
    }

    void expectSamePlace(const QStringList& printArgs, const QStringList& exportArgs,
                         const QString& name) {
        SCOPED_TRACE(name.toStdString());
        const Outcome printed = run(PELCOR_BINARY, QStringList{"--print"} + printArgs);
        ASSERT_EQ(printed.status, 0) << printed.output.toStdString();
        const QString queued = takeOutput(name + QStringLiteral("-printed.pdf"));
        ASSERT_FALSE(queued.isEmpty())
            << "the queue wrote nothing: " << readLog("/log/error_log").toStdString();
        const QString exported =
            dir.path() + QLatin1Char('/') + name + QStringLiteral("-export.pdf");
        const Outcome made = run(PELCOR_BINARY, QStringList{"--export-pdf", exported} + exportArgs);
        ASSERT_EQ(made.status, 0) << made.output.toStdString();

        const Page want = readPage(exported, exported);
        const Page got = readPage(queued, queued);
        EXPECT_NEAR(got.points.width(), want.points.width(), 1.0);
        EXPECT_NEAR(got.points.height(), want.points.height(), 1.0);
        ASSERT_FALSE(want.ink.isEmpty());
        // Where the ink's edges moved, printed for the record; 4 pixels are 0.2 mm.
        const int moved[] = {got.ink.left() - want.ink.left(), got.ink.top() - want.ink.top(),
                             got.ink.right() - want.ink.right(),
                             got.ink.bottom() - want.ink.bottom()};
        std::printf("%s: the ink's edges moved left %+.2f top %+.2f right %+.2f bottom %+.2f mm\n",
                    qPrintable(name), moved[0] * kMmPerPixel, moved[1] * kMmPerPixel,
                    moved[2] * kMmPerPixel, moved[3] * kMmPerPixel);
        for (const int pixels : moved) EXPECT_LE(std::abs(pixels), 4);
    }

    QString book;
};

}  // namespace

TEST_F(CupsPrint, EveryKindPrintsOnItsOwnPaperWhereTheExportPutsIt) {
    for (int kind = 0; kind < 6; ++kind) {
        const QString k = QString::number(kind);
        expectSamePlace({book, "--kind", k, "--printer", queue}, {book, "--kind", k},
                        QStringLiteral("kind") + k);
    }
    // The back carries no sender by default: its postal boxes give it ink.
    expectSamePlace({book, "--kind", "2", "--back", "--marks"},
                    {book, "--kind", "2", "--back", "--marks"}, QStringLiteral("back"));
}

TEST_F(CupsPrint, TheMessageSidesPictureCoversTheCardExactly) {
    QImage picture(400, 592, QImage::Format_RGB32);
    picture.fill(QColor(60, 60, 60));
    const QString jpeg = dir.path() + QStringLiteral("/photo.jpg");
    ASSERT_TRUE(picture.save(jpeg, "JPG"));
    const QString body = dir.path() + QStringLiteral("/body.txt");
    ASSERT_TRUE(writeFile(body, platform::Sjis::bytes(QStringLiteral("謹賀新年\r\n"))));
    expectSamePlace({body, jpeg}, {body, jpeg}, QStringLiteral("message"));
}

TEST_F(CupsPrint, AnUnknownPrinterOrARefusedJobIsSaidAndFails) {
    Outcome r = run(PELCOR_BINARY, {"--print", book, "--printer", "nowhere"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.output.contains(QStringLiteral("nowhere"))) << r.output.toStdString();
    ASSERT_EQ(run("cupsreject", {queue}).status, 0);
    r = run(PELCOR_BINARY, {"--print", book});
    EXPECT_EQ(r.status, 1) << r.output.toStdString();
}
