// The message side's document without a window: what new, edit, save, open
// and a picture do to its text, names and modified state.

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "message/MessageDocument.h"
#include "platform/pictures/PictureFiles.h"

using message::MessageDocument;

namespace {

class MessageDocumentTest : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
    MessageDocument doc;
};

QImage plain(QSize size, Qt::GlobalColor colour) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

}  // namespace

TEST_F(MessageDocumentTest, AnEditIsUnsavedUntilSavedAndTheSaveTakesTheName) {
    QSignalSpy modified(&doc, &MessageDocument::modifiedChanged);
    doc.setText(QStringLiteral("謹賀新年\n元旦"));
    EXPECT_TRUE(doc.isModified());
    EXPECT_FALSE(doc.hasSaveName());
    EXPECT_EQ(doc.questionName(), QStringLiteral("新規文書"));

    const QString target = path(QStringLiteral("賀状.txt"));
    ASSERT_EQ(doc.save(target), QString());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.fileName(), target);
    EXPECT_EQ(doc.questionName(), QStringLiteral("賀状.txt"));
    EXPECT_EQ(modified.count(), 2);
    EXPECT_EQ(MessageDocument::readText(target).text, QStringLiteral("謹賀新年\n元旦"));
}

TEST_F(MessageDocumentTest, AFailedSaveKeepsTheTextUnsavedAndTheOldName) {
    doc.setFileName(path(QStringLiteral("a.txt")));
    doc.setText(QStringLiteral("x"));
    EXPECT_FALSE(doc.save(path(QStringLiteral("no/such/folder/b.txt"))).isEmpty());
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.fileName(), path(QStringLiteral("a.txt")));
}

TEST_F(MessageDocumentTest, CharactersWithoutCp932FormAreSavedWithoutLoss) {
    doc.setText(QStringLiteral("よいお年を🎍"));
    ASSERT_EQ(doc.save(path(QStringLiteral("emoji.txt"))), QString());
    EXPECT_EQ(MessageDocument::readText(path(QStringLiteral("emoji.txt"))).text,
              QStringLiteral("よいお年を🎍"));
}

TEST_F(MessageDocumentTest, OnlyACp932TextOpensUnderItsOwnNameForSaving) {
    QSignalSpy replaced(&doc, &MessageDocument::textReplaced);
    const QString cp932 = path(QStringLiteral("card.txt"));
    ASSERT_TRUE(message::writeBodyFile(cp932, QStringLiteral("一\n二")).ok);
    doc.setText(QStringLiteral("typed"));
    doc.adoptText(cp932, MessageDocument::readText(cp932));
    EXPECT_EQ(doc.text(), QStringLiteral("一\n二"));
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.fileName(), cp932);
    EXPECT_EQ(doc.shownName(), cp932);
    ASSERT_EQ(replaced.count(), 1);

    // A plain save would rewrite a UTF-8 file in CP932: it opens unnamed.
    QFile utf8(path(QStringLiteral("挨拶.txt")));
    ASSERT_TRUE(utf8.open(QIODevice::WriteOnly));
    utf8.write(QStringLiteral("謹賀新年\r\n").toUtf8());
    utf8.close();
    doc.adoptText(utf8.fileName(), MessageDocument::readText(utf8.fileName()));
    EXPECT_TRUE(doc.fileName().isEmpty());
    EXPECT_EQ(doc.shownName(), QStringLiteral("挨拶.txt（UTF-8 から読み込み）"));

    // The shipped sample is never written over.
    const QString sample = MessageDocument::sampleTextPath();
    doc.adoptText(sample, MessageDocument::readText(sample));
    EXPECT_TRUE(doc.fileName().isEmpty());
    EXPECT_EQ(doc.shownName(), QStringLiteral("サンプル（新規文書）"));
    EXPECT_TRUE(doc.text().startsWith(QStringLiteral("謹んで")));
}

TEST_F(MessageDocumentTest, APictureThatCannotBeReadLeavesTheOldOne) {
    const QString good = path(QStringLiteral("good.bmp"));
    ASSERT_TRUE(platform::writeBmp(good, plain(QSize(5, 7), Qt::blue)).isEmpty());
    ASSERT_EQ(doc.openPicture(good), QString());
    QFile cut(path(QStringLiteral("cut.jpg")));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write("\xFF\xD8\xFF");
    cut.close();
    EXPECT_FALSE(doc.openPicture(cut.fileName()).isEmpty());
    EXPECT_EQ(doc.pictureFileName(), good);
    EXPECT_EQ(doc.picture().size(), QSize(5, 7));
}

TEST_F(MessageDocumentTest, NewForgetsTextAndNamesButKeepsTheBitmapUnshown) {
    doc.setPicture(plain(QSize(4, 4), Qt::red), path(QStringLiteral("b.bmp")));
    doc.setFileName(path(QStringLiteral("a.txt")));
    doc.setText(QStringLiteral("x"));
    doc.clear();
    EXPECT_TRUE(doc.text().isEmpty());
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.fileName().isEmpty());
    EXPECT_TRUE(doc.pictureFileName().isEmpty());
    EXPECT_FALSE(doc.picture().isNull());
}

TEST(MessageDocument, OpensThePictureKindsItKnowsWhateverTheCase) {
    for (const char* ext :
         {".txt", ".jpg", ".JPG", ".jpeg", ".bmp", ".Bmp", ".wmf", ".emf", ".EMF"})
        EXPECT_TRUE(MessageDocument::opensExtension(QLatin1String(ext))) << ext;
    for (const char* ext : {".gif", ".png", ".csv", "", ".jpgx"})
        EXPECT_FALSE(MessageDocument::opensExtension(QLatin1String(ext))) << ext;
}
