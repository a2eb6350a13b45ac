// Pictures for the back opened on the body page: shown under the text,
// independent of it, dropped by a new body, and refused cleanly when broken.

#include <QFile>
#include <QPainter>

#include "platform/pictures/PictureFiles.h"
#include "tests/message/BodyPageControls.h"
#include "tests/message/BodyPageFixture.h"

namespace op = platform::op;

namespace {

QImage photo() {
    QImage img(300, 444, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient sky(0, 0, 0, 444);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(1, QColor(250, 200, 120));
    p.fillRect(img.rect(), sky);
    return img;
}

bool showsPicture(const platform::PagePicture& page) {
    for (const platform::PageOp& o : page.ops)
        if (std::holds_alternative<op::BrushPattern>(o)) return true;
    return false;
}

}  // namespace

TEST_F(BodyPageTest, APictureGoesUnderTheTextAndKeepsIt) {
    const QString file = path(QStringLiteral("PHOTO.JPG"));
    ASSERT_TRUE(platform::writeJpeg(file, photo()).isEmpty());
    type(QStringLiteral("賀正"));
    page->setBodyFileName(path(QStringLiteral("賀状.txt")));
    page->openDocument(file);
    EXPECT_EQ(dialogs.calls.size(), 0);
    EXPECT_EQ(page->backPicture().size(), QSize(300, 444));
    EXPECT_EQ(page->pictureFileName(), file);
    EXPECT_EQ(bodyEditor(*page)->toPlainText(), QStringLiteral("賀正"));
    // The typed text is still unsaved, and the status line says so.
    EXPECT_EQ(page->status().text, QStringLiteral("この文書は保存されていません"));
    EXPECT_TRUE(on("ActHSave"));
    EXPECT_TRUE(showsPicture(messagePreview(*page)->picture()));
    EXPECT_EQ(shown().size(), 1u);
}

TEST_F(BodyPageTest, BitmapsAndMetafilesTakeTheirOwnSize) {
    const QString bmp = path(QStringLiteral("card.bmp"));
    ASSERT_TRUE(platform::writeBmp(bmp, photo().scaled(50, 74)).isEmpty());
    page->openDocument(bmp);
    EXPECT_EQ(page->backPicture().size(), QSize(50, 74));
    EXPECT_EQ(page->status().text, QStringLiteral(" * card.bmp"));
}

TEST_F(BodyPageTest, ABrokenPictureIsRefusedAndTheOldOneStays) {
    dialogs.expect("error", 4);
    const QString good = path(QStringLiteral("good.jpg"));
    ASSERT_TRUE(platform::writeJpeg(good, photo()).isEmpty());
    page->openDocument(good);
    const QString before = page->status().text;

    QFile all(good);
    ASSERT_TRUE(all.open(QIODevice::ReadOnly));
    const QByteArray bytes = all.readAll();
    for (const char* name : {"cut.jpg", "cut.bmp", "cut.wmf", "cut.emf"}) {
        QFile cut(path(QLatin1String(name)));
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
        cut.write(bytes.left(40));
        cut.close();
        page->openDocument(cut.fileName());
    }
    EXPECT_EQ(dialogs.count("error"), 4);
    EXPECT_EQ(page->pictureFileName(), good);
    EXPECT_EQ(page->backPicture().size(), QSize(300, 444));
    EXPECT_EQ(page->status().text, before);
}

TEST_F(BodyPageTest, APictureThenNewShowsAndPrintsAWhiteCard) {
    const QString file = path(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(platform::writeJpeg(file, photo()).isEmpty());
    page->openDocument(file);
    ASSERT_TRUE(showsPicture(messagePreview(*page)->picture()));
    page->newBody();
    EXPECT_FALSE(showsPicture(messagePreview(*page)->picture()));
    const message::MessageSideInput print = page->messageSideInput(platform::OutputTarget::Printer);
    EXPECT_FALSE(print.showPicture);
    EXPECT_FALSE(showsPicture(message::RenderMessageSide(print).picture));
}

TEST_F(BodyPageTest, OpeningATextAfterAPictureKeepsThePicture) {
    const QString file = path(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(platform::writeJpeg(file, photo()).isEmpty());
    page->openDocument(file);
    page->openDocument(message::BodyPage::sampleTextPath());
    EXPECT_EQ(page->pictureFileName(), file);
    EXPECT_EQ(page->status().text, QStringLiteral("サンプル（新規文書） * photo.jpg"));
    EXPECT_TRUE(showsPicture(messagePreview(*page)->picture()));
}
