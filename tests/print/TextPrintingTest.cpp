#include <gtest/gtest.h>

#include <QImage>
#include <QVector>

#include "platform/page/WindowFonts.h"
#include "print/TextPrinting.h"
#include "tests/support/core/RecordingPrintTarget.h"

namespace {

// Solid full-width squares print as one solid band of ink per line.
QString squareLines(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i) lines.append(QStringLiteral("■■■■"));
    return lines.join(QLatin1Char('\n'));
}

print::PrintedText ninePoint(const QString& text) {
    QFont font = platform::windowFont(QStringLiteral("ＭＳ ゴシック"), 12);
    font.setPointSizeF(9);
    return {text, font, 0.5};
}

bool inkInRow(const QImage& page, int y) {
    const auto* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    for (int x = 0; x < page.width(); ++x)
        if (qGray(line[x]) < 128) return true;
    return false;
}

// Heights of the runs of inked pixel rows, top to bottom.
QVector<int> inkBands(const QImage& page) {
    QVector<int> bands;
    int run = 0;
    for (int y = 0; y < page.height(); ++y) {
        if (inkInRow(page, y)) {
            ++run;
        } else if (run > 0) {
            bands.append(run);
            run = 0;
        }
    }
    if (run > 0) bands.append(run);
    return bands;
}

int firstInkColumn(const QImage& page) {
    for (int x = 0; x < page.width(); ++x)
        for (int y = 0; y < page.height(); ++y)
            if (qGray(page.pixel(x, y)) < 128) return x;
    return -1;
}

}  // namespace

TEST(TextPrinting, LongTextRunsOverPagesWithoutLosingOrSplittingALine) {
    testsupport::RecordingPrintTarget target;
    target.dotsPerInch = 300;
    const int lines = 200;
    EXPECT_EQ(print::printText(target, QStringLiteral("住所録"), ninePoint(squareLines(lines))),
              QString());

    ASSERT_GE(target.pages.size(), 2);
    EXPECT_EQ(target.calls.first(), QStringLiteral("begin 住所録"));
    EXPECT_EQ(target.calls.last(), QStringLiteral("end"));
    EXPECT_EQ(target.calls.count(QStringLiteral("page")), target.pages.size() - 1);
    int total = 0;
    for (const QImage& page : target.pages) {
        const QVector<int> bands = inkBands(page);
        EXPECT_FALSE(bands.isEmpty()) << "a blank page was printed";
        // A line cut by a page break would leave a thin band on both pages.
        for (int h : bands) EXPECT_GT(h, 20);
        total += int(bands.size());
    }
    EXPECT_EQ(total, lines);
    // Nine points at 300 dpi is 37.5 dots a line: about 90 lines fit on A4.
    EXPECT_EQ(target.pages.size(), 3);
}

TEST(TextPrinting, FontKeepsItsPointSizeAndTabsStopEveryHalfInch) {
    testsupport::RecordingPrintTarget target;
    target.dotsPerInch = 300;
    EXPECT_EQ(print::printText(target, QStringLiteral("t"), ninePoint(QStringLiteral("\t■"))),
              QString());
    ASSERT_EQ(target.pages.size(), 1);
    const QVector<int> bands = inkBands(target.pages[0]);
    ASSERT_EQ(bands.size(), 1);
    // A 9 pt square is a little under 37.5 dots high; 12 dots would mean the
    // screen's pixel size reached the paper.
    EXPECT_GT(bands[0], 25);
    EXPECT_LT(bands[0], 40);
    // The tab moves the square to half an inch: 150 dots.
    EXPECT_NEAR(firstInkColumn(target.pages[0]), 150, 8);
}

TEST(TextPrinting, ShortTextIsOnePageAndEmptyTextStillEndsTheJob) {
    testsupport::RecordingPrintTarget target;
    EXPECT_EQ(print::printText(target, QStringLiteral("t"), ninePoint(squareLines(3))), QString());
    EXPECT_EQ(target.pages.size(), 1);
    EXPECT_EQ(inkBands(target.pages[0]).size(), 3);

    testsupport::RecordingPrintTarget empty;
    EXPECT_EQ(print::printText(empty, QStringLiteral("t"), ninePoint(QString())), QString());
    EXPECT_EQ(empty.calls, (QStringList{QStringLiteral("begin t"), QStringLiteral("end")}));
}

TEST(TextPrinting, PrinterFailuresAreReportedAndNeverBlockTheNextJob) {
    testsupport::RecordingPrintTarget target;
    target.dotsPerInch = 300;
    target.failBegin = true;
    EXPECT_EQ(print::printText(target, QStringLiteral("t"), ninePoint(squareLines(5))),
              QStringLiteral("no printer"));
    EXPECT_TRUE(target.pages.isEmpty());

    // Failing in the middle still ends the job.
    target.failBegin = false;
    target.failNewPage = true;
    target.calls.clear();
    EXPECT_EQ(print::printText(target, QStringLiteral("t"), ninePoint(squareLines(200))),
              QStringLiteral("paper jam"));
    EXPECT_EQ(target.calls.last(), QStringLiteral("end"));

    target.failNewPage = false;
    target.pages.clear();
    target.calls.clear();
    EXPECT_EQ(print::printText(target, QStringLiteral("t"), ninePoint(squareLines(200))),
              QString());
    EXPECT_EQ(target.pages.size(), 3);
}

TEST(TextPrinting, ALongAddressWrapsInsideItsOwnColumn) {
    testsupport::RecordingPrintTarget target;
    target.dotsPerInch = 300;
    target.pageSize = QSize(1200, 600);  // 4 inches wide: the address cannot fit
    const QString address = QString(QStringLiteral("東京都千代田区丸の内")).repeated(4);
    ASSERT_TRUE(print::printText(target, QStringLiteral("住所録"),
                                 ninePoint(QStringLiteral("1\t■■\t") + address))
                    .isEmpty());
    // Every inked row below the first line starts where the address column
    // starts (the second tab stop), never back at the left margin.
    const QImage& page = target.pages.first();
    const QVector<int> bands = inkBands(page);
    ASSERT_GE(bands.size(), 2);
    const int column = 2 * 150;  // half-inch stops at 300 dpi
    int y = 0;
    while (!inkInRow(page, y)) ++y;
    y += bands[0];
    int wrappedLeft = page.width();
    for (; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128) wrappedLeft = std::min(wrappedLeft, x);
    EXPECT_GE(wrappedLeft, column - 5);
    EXPECT_LT(wrappedLeft, column + 40);
}
