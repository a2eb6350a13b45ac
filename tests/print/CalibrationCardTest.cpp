#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/page/PagePlayer.h"
#include "print/CalibrationCard.h"

// The crosshairs lie where the dialog says, on every kind, and the rulers
// reach over the paper's left and top edges.
TEST(CalibrationCard, CrosshairsAreDrawnWhereTheyAreAnnounced) {
    for (int kind = 0; kind < 6; ++kind) {
        const platform::PagePicture card = print::calibrationCard(kind);
        ASSERT_TRUE(card.isValid());
        QImage page(card.widthHundredths / 10, card.heightHundredths / 10, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        platform::PagePlayer::play(painter, card, QPointF(0, 0), 1, 1);  // 0.1 mm a pixel
        painter.end();
        if (kind == 0) page.save(QStringLiteral(PELCOR_TEST_OUTPUT "/calibration-card.png"));
        for (const QPointF& mark : print::calibrationMarks(kind)) {
            const int x = qRound(mark.x() * 10), y = qRound(mark.y() * 10);
            EXPECT_LT(qGray(page.pixel(x, y - 30)), 128) << kind;  // the upright stroke
            EXPECT_LT(qGray(page.pixel(x - 30, y)), 128) << kind;  // the level stroke
        }
        // The 0 tick of the left ruler meets the edge; its +5 tick lies 5 mm out.
        EXPECT_LT(qGray(page.pixel(0, card.heightHundredths / 20 + 120 + 20)), 128) << kind;
    }
    EXPECT_FALSE(print::calibrationCard(6).isValid());
}
