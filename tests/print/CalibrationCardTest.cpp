#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/page/PagePlayer.h"
#include "print/CalibrationCard.h"

// The crosshairs lie where the dialog says, on every kind; each ruler has
// its zero tick at the reading distance from its edge and reaches 10 mm
// either way, and nothing comes within the 3 mm a printer leaves blank.
TEST(CalibrationCard, MarksAndRulersLieWhereTheyAreReadAndClearOfTheEdges) {
    for (int kind = 0; kind < 6; ++kind) {
        SCOPED_TRACE(kind);
        const platform::PagePicture card = print::calibrationCard(kind);
        ASSERT_TRUE(card.isValid());
        QImage page(card.widthHundredths / 10, card.heightHundredths / 10, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        platform::PagePlayer::play(painter, card, QPointF(0, 0), 1, 1);  // 0.1 mm a pixel
        painter.end();
        if (kind == 0) page.save(QStringLiteral(PELCOR_TEST_OUTPUT "/calibration-card.png"));
        // Black: the card's own marks, not the outlines of the preprinted boxes.
        const auto inked = [&](int x, int y) {
            const QRgb p = page.pixel(x, y);
            return qRed(p) < 128 && qGreen(p) < 128 && qBlue(p) < 128;
        };
        for (const QPointF& mark : print::calibrationMarks(kind)) {
            const int x = qRound(mark.x() * 10), y = qRound(mark.y() * 10);
            EXPECT_TRUE(inked(x, y - 30));  // the upright stroke
            EXPECT_TRUE(inked(x - 30, y));  // the level stroke
        }
        // Only the zero tick is long enough to reach 4.5 mm from the ruler's line.
        const int zero = qRound(print::kRulerZeroMm * 10);
        const int across = card.heightHundredths / 20 + 120 + 45;
        EXPECT_TRUE(inked(zero, across));
        EXPECT_FALSE(inked(zero - 10, across));
        EXPECT_FALSE(inked(zero + 10, across));
        EXPECT_TRUE(inked(zero - 100, across - 20));  // the +10 tick
        EXPECT_TRUE(inked(zero + 100, across - 20));  // the -10 tick
        EXPECT_TRUE(inked(80 + 45, zero));
        EXPECT_FALSE(inked(80 + 45, zero - 10));
        EXPECT_TRUE(inked(80 + 15, zero - 100));
        EXPECT_TRUE(inked(80 + 15, zero + 100));

        int nearEdge = 0;
        for (int y = 2; y < page.height() - 2; ++y)
            for (int x = 2; x < page.width() - 2; ++x) {
                const bool inBand =
                    x < 30 || y < 30 || x >= page.width() - 30 || y >= page.height() - 30;
                nearEdge += inBand && inked(x, y);
            }
        EXPECT_EQ(nearEdge, 0);
    }
    EXPECT_FALSE(print::calibrationCard(6).isValid());
}
