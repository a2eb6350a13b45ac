// The player checked on pixels: placement, pens, brushes and text.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/page/PagePlayer.h"

using namespace platform;

namespace {

PagePicture postcard() {
    PagePicture p;
    p.widthHundredths = 10000;
    p.heightHundredths = 14800;
    return p;
}

FontRecord verticalFont(int height) {
    FontRecord f;
    f.height = height;
    f.escapement = f.orientation = 900;
    f.setFaceName(QStringLiteral("@ＭＳ 明朝"));
    return f;
}

QImage canvas(int w, int h, QColor fill = Qt::white) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

bool isRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }
bool isDark(QRgb c) { return qGray(c) < 128; }

// The bounding box of the dark pixels.
QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isDark(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

TEST(PagePlayer, StretchedPreviewPutsTheStampBoxWhereTheScaleDoes) {
    PagePicture page = postcard();
    page.ops.push_back(op::PenColour{QColor(255, 0, 0)});
    page.ops.push_back(op::Rectangle{{70, -70, 270, -340}});
    QImage image = canvas(270, 400);
    QPainter painter(&image);
    PagePlayer::playStretched(painter, page, QRectF(0, 0, 270, 399));
    painter.end();
    // 270 px for 1000 units across, 399 px for 1480 units down.
    const double sx = 0.27, sy = 399.0 / 1480;
    const int left = qRound(70 * sx), right = qRound(270 * sx);
    const int top = qRound(70 * sy), bottom = qRound(340 * sy);
    const int midY = (top + bottom) / 2, midX = (left + right) / 2;
    auto redNear = [&](int x, int y, bool vertical) {
        for (int d = -1; d <= 1; ++d)
            if (isRed(image.pixel(vertical ? x + d : x, vertical ? y : y + d))) return true;
        return false;
    };
    EXPECT_TRUE(redNear(left, midY, true));
    EXPECT_TRUE(redNear(right, midY, true));
    EXPECT_TRUE(redNear(midX, top, false));
    EXPECT_TRUE(redNear(midX, bottom, false));
    // Inside, the white brush; outside, the untouched canvas.
    EXPECT_EQ(image.pixel(midX, midY), qRgb(255, 255, 255));
    EXPECT_FALSE(isRed(image.pixel(left - 3, midY)));
    EXPECT_FALSE(isRed(image.pixel(midX, bottom + 3)));
}

TEST(PagePlayer, ThinPensStillDrawOnePixel) {
    PagePicture page = postcard();
    page.ops.push_back(op::PenWidth{1});  // 0.1 mm: a quarter of a preview pixel
    page.ops.push_back(op::Rectangle{{100, -100, 500, -500}});
    QImage image = canvas(270, 400, Qt::gray);
    QPainter painter(&image);
    PagePlayer::playStretched(painter, page, QRectF(0, 0, 270, 399));
    painter.end();
    const int x = qRound(100 * 0.27);
    int dark = 0;
    for (int dx = -1; dx <= 1; ++dx) dark += image.pixel(x + dx, 70) == qRgb(0, 0, 0);
    EXPECT_EQ(dark, 1);  // exactly one pixel wide
}

TEST(PagePlayer, WidePensKeepTheirPhysicalWidth) {
    PagePicture page = postcard();
    page.ops.push_back(op::PenWidth{20});  // 2 mm = 20 px at 254 dpi
    page.ops.push_back(op::Rectangle{{100, -100, 500, -500}});
    QImage image = canvas(1000, 1480);
    QPainter painter(&image);
    PagePlayer::play(painter, page, QPointF(0, 0), 1.0, 1.0);
    painter.end();
    int dark = 0;
    for (int x = 80; x < 120; ++x) dark += isDark(image.pixel(x, 300));
    EXPECT_NEAR(dark, 20, 1);
}

TEST(PagePlayer, PrinterPlacementUsesPhysicalSizeFromTheDevicePosition) {
    PagePicture page = postcard();
    page.ops.push_back(op::BrushColour{Qt::black});
    page.ops.push_back(op::FillRect{{100, -100, 200, -300}});
    // A 300 dpi page: 1 unit = 300 / 254 px.
    QImage image = canvas(1200, 1800);
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(11811);
    QPainter painter(&image);
    const double scale = painter.device()->logicalDpiX() / 254.0;
    PagePlayer::playAtNaturalSize(painter, page, QPointF(-20, -60));
    painter.end();
    const QRect ink = inkBox(image);
    EXPECT_NEAR(ink.left(), -20 + 100 * scale, 1);
    EXPECT_NEAR(ink.top(), -60 + 100 * scale, 1);
    EXPECT_NEAR(ink.right() + 1, -20 + 200 * scale, 1);
    EXPECT_NEAR(ink.bottom() + 1, -60 + 300 * scale, 1);
}

TEST(PagePlayer, ClearBrushLeavesTheInsideUntouched) {
    PagePicture page = postcard();
    page.ops.push_back(op::SetBrushStyle{BrushStyle::Clear});
    page.ops.push_back(op::Rectangle{{100, -100, 500, -500}});
    page.ops.push_back(op::FillRect{{600, -100, 900, -500}});
    QImage image = canvas(1000, 1480, Qt::gray);
    QPainter painter(&image);
    PagePlayer::play(painter, page, QPointF(0, 0), 1.0, 1.0);
    painter.end();
    EXPECT_EQ(image.pixel(300, 300), QColor(Qt::gray).rgb());
    EXPECT_EQ(image.pixel(750, 300), QColor(Qt::gray).rgb());
    EXPECT_TRUE(isDark(image.pixel(100, 300)));
}

TEST(PagePlayer, OpaqueTextFillsItsCellsAndClearTextDoesNot) {
    for (const bool opaque : {true, false}) {
        PagePicture page = postcard();
        page.ops.push_back(op::BrushColour{QColor(0, 0, 255)});
        if (!opaque) page.ops.push_back(op::SetBrushStyle{BrushStyle::Clear});
        page.ops.push_back(op::Text{500, -100, QStringLiteral("一"), verticalFont(100)});
        QImage image = canvas(1000, 1480);
        QPainter painter(&image);
        PagePlayer::play(painter, page, QPointF(0, 0), 1.0, 1.0);
        painter.end();
        // The cell is x 400..500, y 100..200 on the image; its corner has no ink.
        EXPECT_EQ(image.pixel(403, 103) == qRgb(0, 0, 255), opaque);
        EXPECT_EQ(image.pixel(503, 103), qRgb(255, 255, 255));
    }
}

TEST(PagePlayer, ColumnsRunDownFromTheirTopRightCorner) {
    PagePicture page = postcard();
    page.ops.push_back(op::SetBrushStyle{BrushStyle::Clear});
    // ASCII hyphens lie turned: their strokes line up down the column.
    page.ops.push_back(op::Text{500, -100, QStringLiteral("-----"), verticalFont(100)});
    page.ops.push_back(op::Text{800, -100, QStringLiteral("ーー"), verticalFont(100)});
    QImage image = canvas(1000, 1480);
    QPainter painter(&image);
    PagePlayer::play(painter, page, QPointF(0, 0), 1.0, 1.0);
    painter.end();
    const QRect hyphens = inkBox(image.copy(0, 0, 600, 1480));
    EXPECT_GT(hyphens.height(), 3 * hyphens.width());
    EXPECT_GE(hyphens.left(), 400);
    EXPECT_LE(hyphens.right(), 500);
    EXPECT_GE(hyphens.top(), 100);
    const QRect bars = inkBox(image.copy(600, 0, 400, 1480));
    EXPECT_GT(bars.height(), 3 * bars.width());  // the long vowel mark stands vertical
}

TEST(PagePlayer, PatternBrushPixelsAreDevicePixels) {
    QImage pattern(2, 1, QImage::Format_RGB32);
    pattern.setPixel(0, 0, qRgb(0, 0, 0));
    pattern.setPixel(1, 0, qRgb(255, 255, 255));
    PagePicture page = postcard();
    page.ops.push_back(op::BrushPattern{pattern});
    page.ops.push_back(op::FillRect{{0, 0, 1000, -1480}});
    QImage image = canvas(270, 400, Qt::gray);
    QPainter painter(&image);
    PagePlayer::playStretched(painter, page, QRectF(0, 0, 270, 399));
    painter.end();
    // Columns alternate black and white one pixel apart, from the page's corner.
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(image.pixel(x, 50), x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0)) << x;
}

TEST(PagePlayer, StretchedBitmapFillsItsRectangle) {
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    PagePicture page = postcard();
    page.ops.push_back(op::StretchBitmap{{100, -200, 300, -600}, red});
    QImage image = canvas(1000, 1480);
    QPainter painter(&image);
    PagePlayer::play(painter, page, QPointF(0, 0), 1.0, 1.0);
    painter.end();
    EXPECT_TRUE(isRed(image.pixel(105, 205)));
    EXPECT_TRUE(isRed(image.pixel(295, 595)));
    EXPECT_FALSE(isRed(image.pixel(305, 400)));
}

TEST(PagePlayer, InvalidPictureDrawsNothing) {
    PagePicture page;  // no page size
    page.ops.push_back(op::FillRect{{0, 0, 1000, -1480}});
    QImage image = canvas(100, 100, Qt::gray);
    QPainter painter(&image);
    PagePlayer::playStretched(painter, page, QRectF(0, 0, 100, 100));
    PagePlayer::playAtNaturalSize(painter, page, QPointF(0, 0));
    painter.end();
    EXPECT_EQ(inkBox(image), QRect());
    EXPECT_EQ(image.pixel(50, 50), QColor(Qt::gray).rgb());
}

TEST(PagePlayer, PdfPagesKeepTheTextSelectable) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QSizeF(100, 148), QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        PagePicture page = postcard();
        page.ops.push_back(op::Text{900, -100, QStringLiteral("東京都千代田区"), verticalFont(80)});
        QPainter painter(&writer);
        PagePlayer::playAtNaturalSize(painter, page, QPointF(0, 0));
    }
    QProcess proc;
    proc.start(pdftotext,
               {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(proc.waitForFinished(20000));
    QString text = QString::fromUtf8(proc.readAllStandardOutput());
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    EXPECT_TRUE(text.contains(QStringLiteral("東京都千代田区"))) << text.toStdString();
}
