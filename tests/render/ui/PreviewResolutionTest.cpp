// On a screen with two device pixels to the pixel the preview is drawn at the
// screen's resolution, not drawn small and blown up.

#include <gtest/gtest.h>

#include <QImage>

#include "render/DrawAddressSide.h"
#include "render/ui/PreviewBox.h"

using namespace render;

namespace {

QImage renderBox(PreviewBox& box, qreal ratio) {
    QImage image(box.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    box.render(&image);
    return image;
}

bool isRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }

int firstRed(const QImage& image, int y) {
    for (int x = 0; x < image.width(); ++x)
        if (isRed(image.pixel(x, y))) return x;
    return -1;
}

bool isInk(QRgb c) { return qGray(c) < 160; }

// Device pixels on one row that differ from the pixel to their left: edges
// of the drawing. Blown-up drawings change colour only at even columns.
struct RowEdges {
    int total = 0;
    int atOddColumns = 0;
};

RowEdges edgesOfRow(const QImage& image, int y) {
    RowEdges edges;
    for (int x = 1; x < image.width(); ++x) {
        if (isInk(image.pixel(x, y)) == isInk(image.pixel(x - 1, y))) continue;
        ++edges.total;
        if (x % 2) ++edges.atOddColumns;
    }
    return edges;
}

}  // namespace

TEST(PreviewResolution, AtRatioTwoTheCardIsDrawnWithTwiceThePixels) {
    AddressSideInput input;
    input.mediaKind = 0;
    input.record[1] = QStringLiteral("山田太郎");
    input.record[3] = QStringLiteral("東京都千代田区千代田一の一");
    PreviewBox box;
    box.resize(270, 400);
    box.showPicture(0, DrawAddressSide(input));

    const QImage single = renderBox(box, 1);
    const QImage twice = renderBox(box, 2);
    ASSERT_EQ(twice.size(), single.size() * 2);
    twice.save(QStringLiteral(PELCOR_TEST_OUTPUT "/preview-ratio2.png"));

    // The stamp box's left edge, in the middle of the box, lands on the same
    // place of the card: twice as far from the left in device pixels.
    const int midY = qRound(200 * 399.0 / 1480);
    const int left1 = firstRed(single, midY), left2 = firstRed(twice, 2 * midY);
    ASSERT_GE(left1, 0);
    EXPECT_NEAR(left2, 2 * left1, 2);

    int inkSingle = 0, inkTwice = 0, oddEdges = 0;
    for (int y = 0; y < single.height(); ++y)
        for (int x = 0; x < single.width(); ++x) inkSingle += isInk(single.pixel(x, y));
    for (int y = 0; y < twice.height(); ++y) {
        for (int x = 0; x < twice.width(); ++x) inkTwice += isInk(twice.pixel(x, y));
        oddEdges += edgesOfRow(twice, y).atOddColumns;
    }
    ASSERT_GT(inkSingle, 200);
    // The same drawing covers about four times the device pixels ...
    EXPECT_GT(inkTwice, 2 * inkSingle);
    EXPECT_LT(inkTwice, 6 * inkSingle);
    // ... with edges between the old pixels: one-pixel lines and glyph
    // outlines at the finer grid.
    EXPECT_GT(oddEdges, 500);
}
