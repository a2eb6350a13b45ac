// The finished message side on the screen and on a printer page: where it
// lands, what the print offset moves and what it cuts off.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include "message/MessageSideOutput.h"
#include "tests/message/MessageOps.h"

using namespace message;
using namespace message_ops;

namespace {

// A page of the given resolution, white.
QImage paper(QSize size, int dpi) {
    QImage img(size, QImage::Format_RGB32);
    img.setDotsPerMeterX(qRound(dpi / 0.0254));
    img.setDotsPerMeterY(qRound(dpi / 0.0254));
    img.fill(Qt::white);
    return img;
}

QImage solidMessageSideOutput(QColor colour) {
    QImage img(64, 64, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

QImage printed(const MessageSideInput& in, QSize size = QSize(1700, 2300), int dpi = 360) {
    QImage page = paper(size, dpi);
    QPainter p(&page);
    printMessageSide(p, RenderMessageSide(in));
    return page;
}

// The bounding box of pixels darker than mid grey.
QRect inkBoxMessageSideOutput(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qGray(line[x]) < 128) box |= QRect(x, y, 1, 1);
    }
    return box;
}

MessageSideInput printedPicture(QColor colour) {
    MessageSideInput in = body(int(CardKind::Ordinary), {});
    in.picture = solidMessageSideOutput(colour);
    in.showPicture = true;
    in.target = platform::OutputTarget::Printer;
    return in;
}

}  // namespace

TEST(MessageSideOutput, PreviewRectangleIsTheBoxWidthByOnePointFortyEight) {
    EXPECT_EQ(messagePreviewRect(270), QRect(0, 0, 270, 399));
    EXPECT_EQ(messagePreviewRect(300), QRect(0, 0, 300, 444));
    EXPECT_EQ(messagePreviewRect(25), QRect(0, 0, 25, 37));
    EXPECT_TRUE(messagePreviewRect(0).isEmpty());
}

TEST(MessageSideOutput, PreviewFillsTheBoxThenStretchesTheCardFromTheTop) {
    QImage box = paper(QSize(300, 500), 96);
    box.fill(Qt::magenta);
    {
        QPainter p(&box);
        showMessagePreview(p, box.size(), RenderMessageSide(body(0, {})).picture);
    }
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    EXPECT_EQ(box.pixelColor(150, 470), face);
    EXPECT_EQ(box.pixelColor(150, 200), QColor(Qt::white));
    EXPECT_EQ(box.pixelColor(0, 200), QColor(Qt::black)) << "card outline";
    EXPECT_EQ(box.pixelColor(150, 0), QColor(Qt::black));
}

TEST(MessageSideOutput, PreviewShowsThePictureThirtyPixelsDownRepeatedFromTheCorner) {
    MessageSideInput in = body(0, {});
    in.picture = solidMessageSideOutput(Qt::red);
    in.showPicture = true;
    QImage box = paper(QSize(300, 500), 96);
    {
        QPainter p(&box);
        showMessagePreview(p, box.size(), RenderMessageSide(in).picture);
    }
    EXPECT_EQ(box.pixelColor(100, 15), QColor(Qt::white));
    EXPECT_EQ(box.pixelColor(100, 35), QColor(Qt::red));
    // The 270-pixel tile repeats across a wider box.
    EXPECT_EQ(box.pixelColor(285, 15), QColor(Qt::white));
    EXPECT_EQ(box.pixelColor(285, 35), QColor(Qt::red));
}

TEST(MessageSideOutput, PrintCoversTheCardAtPrinterResolution) {
    const QImage page = printed(printedPicture(Qt::red));
    // 100 x 148 mm at 360 dpi is 1417 x 2098 pixels.
    EXPECT_EQ(page.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(1416, 2097), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(1418, 100), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(100, 2099), QColor(Qt::white));
}

TEST(MessageSideOutput, PrintOffsetMovesEverythingAndCutsWhatLeavesTheCard) {
    MessageSideInput in = printedPicture(Qt::red);
    in.layout.PIndL = 100;
    in.layout.PIndT = 50;
    const QImage page = printed(in);
    EXPECT_EQ(page.pixelColor(50, 500), QColor(Qt::white)) << "left of the moved card stays paper";
    EXPECT_EQ(page.pixelColor(500, 20), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(101, 51), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(1416, 2097), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(1430, 500), QColor(Qt::white)) << "cut at the card's edge";
    EXPECT_EQ(page.pixelColor(500, 2110), QColor(Qt::white));
}

TEST(MessageSideOutput, PrintOffsetMovesTheTextByWholePrinterPixels) {
    MessageSideInput in = body(int(CardKind::Ordinary), {u"年賀状"_qs, u"元旦"_qs});
    in.target = platform::OutputTarget::Printer;
    const QRect still = inkBoxMessageSideOutput(printed(in));
    // Left and down: the columns stand near the right edge, where moving
    // right would cut them.
    in.layout.PIndL = -100;
    in.layout.PIndT = 20;
    const QRect moved = inkBoxMessageSideOutput(printed(in));
    ASSERT_FALSE(still.isEmpty());
    EXPECT_EQ(moved.topLeft() - still.topLeft(), QPoint(-100, 20));
    EXPECT_EQ(moved.size(), still.size());
}

// Printer pixels of the design are 1/360 inch on any printer: at 1200 dpi the
// picture still spans the card once, and the offset moves it as far as at
// 360 dpi.
TEST(MessageSideOutput, AtTwelveHundredDpiThePictureLiesOnceAndMovesInPhysicalUnits) {
    MessageSideInput in = printedPicture(Qt::red);
    QImage halves(64, 64, QImage::Format_RGB32);
    halves.fill(Qt::blue);
    QPainter(&halves).fillRect(0, 0, 32, 64, Qt::red);
    in.picture = halves;
    // The card's width at 1200 dpi is 4724 pixels, its middle 2362.
    const QImage still = printed(in, QSize(3000, 100), 1200);
    EXPECT_EQ(still.pixelColor(1181, 50), QColor(Qt::red));
    EXPECT_EQ(still.pixelColor(2250, 50), QColor(Qt::red));
    EXPECT_EQ(still.pixelColor(2480, 50), QColor(Qt::blue));
    EXPECT_EQ(still.pixelColor(2950, 50), QColor(Qt::blue));

    in.layout.PIndL = 100;  // 100/360 inch: 333 pixels at 1200 dpi
    const QImage moved = printed(in, QSize(3000, 100), 1200);
    EXPECT_EQ(moved.pixelColor(320, 50), QColor(Qt::white));
    EXPECT_EQ(moved.pixelColor(345, 50), QColor(Qt::red));
    EXPECT_EQ(moved.pixelColor(2600, 50), QColor(Qt::red));
    EXPECT_EQ(moved.pixelColor(2800, 50), QColor(Qt::blue));
}

TEST(MessageSideOutput, PreviewIgnoresThePrintOffsets) {
    MessageSideInput in = body(int(CardKind::Ordinary), {u"年賀状"_qs});
    in.picture = solidMessageSideOutput(Qt::blue);
    in.showPicture = true;
    auto preview = [](const MessageSideInput& input) {
        QImage box = paper(QSize(270, 400), 96);
        QPainter p(&box);
        const MessageSidePage page = RenderMessageSide(input);
        EXPECT_EQ(page.printOffset, QPoint(0, 0));
        showMessagePreview(p, box.size(), page.picture);
        return box;
    };
    const QImage before = preview(in);
    in.layout.PIndL = 100;
    in.layout.PIndT = 100;
    in.layout.PGsize1 = 200;
    EXPECT_EQ(preview(in), before);
}
