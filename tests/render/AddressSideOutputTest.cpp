// Where the finished address side lands: the preview box and the printer page.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include "render/AddressSideOutput.h"
#include "render/DrawAddressSide.h"

using namespace render;

namespace {

platform::PagePicture screenPage(int kind) {
    AddressSideInput input;
    input.mediaKind = kind;
    return DrawAddressSide(input);
}

bool isRedAddressSideOutput(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }

}  // namespace

TEST(AddressSideOutput, PreviewRectFollowsTheKindFactors) {
    EXPECT_EQ(previewRect(0, 270), QRect(0, 0, 270, 399));
    EXPECT_EQ(previewRect(1, 270), QRect(0, 0, 270, 399));
    EXPECT_EQ(previewRect(2, 270), QRect(0, 0, 203, 399));  // 0.755 W
    EXPECT_EQ(previewRect(3, 270), QRect(0, 0, 175, 399));  // 0.65 W
    EXPECT_EQ(previewRect(4, 270), QRect(0, 0, 271, 399));  // 1.006 W
    EXPECT_EQ(previewRect(5, 270), QRect(0, 0, 264, 378));  // 0.98 W, 1.4 W: exactly 378
    EXPECT_EQ(previewRect(0, 500), QRect(0, 0, 500, 740));
    EXPECT_TRUE(previewRect(-1, 270).isEmpty());
    EXPECT_TRUE(previewRect(6, 270).isEmpty());
}

TEST(AddressSideOutput, PreviewFillsTheBoxThenShowsTheStampBox) {
    QImage box(270, 400, QImage::Format_RGB32);
    box.fill(Qt::magenta);
    QPainter painter(&box);
    showAddressPreview(painter, box.size(), 0, screenPage(0));
    painter.end();
    const QRgb buttonFace = QGuiApplication::palette().color(QPalette::Button).rgb();
    // Row 399 lies below the 399-pixel sheet: button face, nothing left of the old content.
    EXPECT_EQ(box.pixel(135, 399), buttonFace);
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x) ASSERT_NE(box.pixel(x, y), QColor(Qt::magenta).rgb());
    // The stamp box (70, -70)-(270, -340): left edge near x 19, red.
    const int midY = qRound(200 * 399.0 / 1480);
    bool red = false;
    for (int x = 17; x <= 21; ++x) red |= isRedAddressSideOutput(box.pixel(x, midY));
    EXPECT_TRUE(red);
    EXPECT_EQ(box.pixel(40, midY), qRgb(255, 255, 255));  // inside the white-filled box
}

TEST(AddressSideOutput, InvalidPageLeavesThePreviewBoxUntouched) {
    QImage box(270, 400, QImage::Format_RGB32);
    box.fill(Qt::magenta);
    QPainter painter(&box);
    showAddressPreview(painter, box.size(), -1, screenPage(-1));
    showAddressPreview(painter, box.size(), 0, platform::PagePicture{});
    painter.end();
    for (int y = 0; y < box.height(); y += 7)
        for (int x = 0; x < box.width(); x += 7)
            ASSERT_EQ(box.pixel(x, y), QColor(Qt::magenta).rgb());
}

TEST(AddressSideOutput, PrinterPlacementPutsTheSheetOnThePaperCorner) {
    QImage page(1200, 1800, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(11811);  // 300 dpi
    page.setDotsPerMeterY(11811);
    QPainter painter(&page);
    const double scale = painter.device()->logicalDpiX() / 254.0;
    // A screen page, so that the stamp box is there to find.
    printAddressSide(painter, screenPage(0));
    painter.end();
    const int left = qRound(70 * scale), top = qRound(70 * scale);
    const int midY = qRound(200 * scale);
    bool leftEdge = false, topEdge = false;
    for (int d = -1; d <= 1; ++d) {
        leftEdge |= isRedAddressSideOutput(page.pixel(left + d, midY));
        topEdge |= isRedAddressSideOutput(page.pixel(left + 50, top + d));
    }
    EXPECT_TRUE(leftEdge);
    EXPECT_TRUE(topEdge);
    EXPECT_FALSE(isRedAddressSideOutput(page.pixel(left + 5, midY)));
}
