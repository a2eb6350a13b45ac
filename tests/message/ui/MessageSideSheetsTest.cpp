// Sheets of the message side for a person to look at: the sample greeting
// on both card kinds over a photo, in the preview and at print size, and the
// whole page. Each also checks that the text and the photo both reached the
// paper.

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QPainterPath>

#include "message/BodyFile.h"
#include "message/MessageSideOutput.h"
#include "message/ui/BodyPage.h"
#include "tests/message/BodyPageControls.h"
#include "tests/message/BodyPageFixture.h"

using namespace message;

namespace {

// A winter morning: sky, sun and a snowy hill, 1000 x 1480 pixels.
QImage morningPhoto() {
    QImage img(1000, 1480, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 1480);
    sky.setColorAt(0, QColor(255, 236, 214));
    sky.setColorAt(0.6, QColor(214, 230, 250));
    sky.setColorAt(1, QColor(250, 250, 255));
    p.fillRect(img.rect(), sky);
    QRadialGradient sun(260, 1020, 170);
    sun.setColorAt(0, QColor(255, 120, 80));
    sun.setColorAt(1, QColor(255, 120, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(260, 1020), 170, 170);
    QPainterPath hill;
    hill.moveTo(0, 1300);
    hill.cubicTo(300, 1150, 700, 1250, 1000, 1180);
    hill.lineTo(1000, 1480);
    hill.lineTo(0, 1480);
    p.setBrush(QColor(235, 240, 248));
    p.drawPath(hill);
    return img;
}

QStringList sampleLines() {
    const BodyReadResult r = readBodyFile(BodyPage::sampleTextPath());
    EXPECT_TRUE(r.ok);
    return r.text.split(QLatin1Char('\n'));
}

MessageSideInput card(int kind, platform::OutputTarget target) {
    MessageSideInput in;
    in.cardKind = kind;
    in.lines = sampleLines();
    in.picture = morningPhoto();
    in.showPicture = true;
    in.target = target;
    return in;
}

QString outputPath(const QString& name) {
    QDir().mkpath(QStringLiteral(PELCOR_TEST_OUTPUT));
    return QDir(QStringLiteral(PELCOR_TEST_OUTPUT)).filePath(name);
}

int darkPixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += qGray(img.pixel(x, y)) < 80;
    return n;
}

}  // namespace

TEST(MessageSideSheets, PreviewsOfBothKinds) {
    for (int kind : {0, 1}) {
        QImage box(270, 400, QImage::Format_RGB32);
        {
            QPainter p(&box);
            showMessagePreview(
                p, box.size(),
                RenderMessageSide(card(kind, platform::OutputTarget::Screen)).picture);
        }
        EXPECT_GT(darkPixels(box), 500) << "the greeting is on the card";
        EXPECT_EQ(box.pixelColor(60, 15), QColor(Qt::white)) << "white band above the photo";
        EXPECT_NE(box.pixelColor(60, 300), QColor(Qt::white)) << "the photo";
        EXPECT_TRUE(box.save(outputPath(QStringLiteral("message-preview-%1.png").arg(kind))));
    }
}

TEST(MessageSideSheets, PrintedCardsOfBothKinds) {
    for (int kind : {0, 1}) {
        // 360 dpi, where the tile of an unscaled picture covers the card.
        QImage paper(1417, 2098, QImage::Format_RGB32);
        paper.setDotsPerMeterX(qRound(360 / 0.0254));
        paper.setDotsPerMeterY(qRound(360 / 0.0254));
        paper.fill(Qt::white);
        {
            QPainter p(&paper);
            printMessageSide(p, RenderMessageSide(card(kind, platform::OutputTarget::Printer)));
        }
        EXPECT_GT(darkPixels(paper), 20000);
        EXPECT_NE(paper.pixelColor(60, 15), QColor(Qt::white)) << "printed photo starts at the top";
        EXPECT_TRUE(paper.scaled(708, 1049, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                        .save(outputPath(QStringLiteral("message-print-%1.png").arg(kind))));
    }
}

TEST_F(BodyPageTest, WholePageWithTheSample) {
    page->openDocument(BodyPage::sampleTextPath());
    page->setBackPicture(morningPhoto(), path(QStringLiteral("morning.jpg")));
    page->renderPreview();
    page->show();
    EXPECT_TRUE(page->grab().save(outputPath(QStringLiteral("message-page.png"))));
    messageFields(*page)->setCurrentIndex(PrintPage);
    EXPECT_TRUE(page->grab().save(outputPath(QStringLiteral("message-page-print.png"))));
}
