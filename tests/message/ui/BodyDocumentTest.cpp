// The body document's states on the page: new, typed, saved, cancelled,
// reopened, and what the status line and the save command say in each.

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QToolButton>

#include "message/BodyFile.h"
#include "platform/ui/SpinField.h"
#include "tests/message/BodyPageControls.h"
#include "tests/message/BodyPageFixture.h"

using message::BodyStatus;
using platform::Answer;
using platform::FileDialogResult;

namespace {

const QColor kCyan(0, 255, 255), kRed(255, 0, 0), kGreen(0, 255, 0);
const QString kUnsaved = QStringLiteral("この文書は保存されていません");

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST_F(BodyPageTest, NewBodyIsEmptyUnnamedAndCannotBeSaved) {
    EXPECT_EQ(page->status(), (BodyStatus{QStringLiteral("新規作成"), kCyan}));
    EXPECT_EQ(bodyStatusLine(*page)->text(), QStringLiteral("新規作成"));
    EXPECT_EQ(bodyStatusLine(*page)->palette().color(QPalette::Text), kCyan);
    EXPECT_EQ(bodyStatusLine(*page)->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_TRUE(bodyStatusLine(*page)->isReadOnly());
    EXPECT_FALSE(on("ActHSave"));
    EXPECT_FALSE(bodySaveButton(*page)->isEnabled());
    EXPECT_TRUE(on("ActOpen2"));
    EXPECT_FALSE(page->isModified());
    EXPECT_TRUE(page->bodyFileName().isEmpty());
}

TEST_F(BodyPageTest, TypingMarksTheBodyUnsavedAndRedrawsThePreview) {
    type(QStringLiteral("謹"));
    EXPECT_EQ(page->status(), (BodyStatus{kUnsaved, kRed}));
    EXPECT_EQ(bodyStatusLine(*page)->palette().color(QPalette::Text), kRed);
    EXPECT_TRUE(on("ActHSave"));
    EXPECT_TRUE(bodySaveButton(*page)->isEnabled());
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].text, QStringLiteral("謹"));
}

TEST_F(BodyPageTest, SavingANewBodyAsksForANameAndCancellingKeepsItUnsaved) {
    type(QStringLiteral("x"));
    EXPECT_FALSE(page->save());
    ASSERT_EQ(dialogs.count("save"), 1);
    EXPECT_EQ(dialogs.fileRequests[0].defaultExtension, QStringLiteral("txt"));
    EXPECT_EQ(dialogs.fileRequests[0].filters,
              QStringList({QStringLiteral("テキストファイル(*.txt)"),
                           QStringLiteral("全てのファイル(*.*)")}));
    EXPECT_EQ(page->status(), (BodyStatus{kUnsaved, kRed}));
    EXPECT_TRUE(page->isModified());
    EXPECT_TRUE(page->bodyFileName().isEmpty());
}

TEST_F(BodyPageTest, SavedUnderANameShowsItInGreenUntilTheNextKey) {
    type(QStringLiteral("謹賀新年\n元旦"));
    dialogs.files = {FileDialogResult{path(QStringLiteral("賀状.txt")), 0}};
    ASSERT_TRUE(page->save());
    EXPECT_EQ(readAll(path(QStringLiteral("賀状.txt"))),
              QByteArray("\x8b\xde\x89\xea\x90\x56\x94\x4e\r\n\x8c\xb3\x92\x55"));
    EXPECT_EQ(page->status(), (BodyStatus{QStringLiteral("賀状.txt"), kGreen}));
    EXPECT_EQ(page->bodyFileName(), path(QStringLiteral("賀状.txt")));
    EXPECT_FALSE(page->isModified());
    EXPECT_GE(activations, 1) << "saving shows the body page";

    // A named body saves without asking.
    type(QStringLiteral("!"));
    EXPECT_EQ(page->status().colour, kRed);
    ASSERT_TRUE(page->save());
    EXPECT_EQ(dialogs.count("save"), 1);
    EXPECT_TRUE(readAll(page->bodyFileName()).endsWith("!"));
}

TEST_F(BodyPageTest, ANameWithoutExtensionMakesSaveAskForOne) {
    page->setBodyFileName(path(QStringLiteral("noext")));
    type(QStringLiteral("x"));
    page->save();
    EXPECT_EQ(dialogs.count("save"), 1);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("noext"))));
}

TEST_F(BodyPageTest, ReopeningATextShowsItsNameAndKeepsThePicture) {
    ASSERT_TRUE(
        message::writeBodyFile(path(QStringLiteral("card.txt")), QStringLiteral("一\n二")).ok);
    page->setBackPicture(page->backPicture(), path(QStringLiteral("photo.jpg")));
    type(QStringLiteral("typed"));
    dialogs.answers = {Answer::No};  // let the typed text go
    page->openDocument(path(QStringLiteral("card.txt")));
    EXPECT_EQ(bodyEditor(*page)->toPlainText(), QStringLiteral("一\n二"));
    EXPECT_EQ(page->bodyFileName(), path(QStringLiteral("card.txt")));
    EXPECT_EQ(page->pictureFileName(), path(QStringLiteral("photo.jpg")));
    EXPECT_FALSE(page->isModified());
    EXPECT_FALSE(on("ActHSave"));
    EXPECT_EQ(page->status(), (BodyStatus{QStringLiteral("card.txt * photo.jpg"), kGreen}));
    EXPECT_EQ(shown().size(), 2u);

    // Redrawing for a field or a choice does not make the text unsaved.
    page->field("NES0")->setValue(10);
    page->onKindChosen();
    EXPECT_EQ(page->status().colour, kGreen);
    EXPECT_FALSE(on("ActHSave"));
}

TEST_F(BodyPageTest, ATextThatCannotBeReadChangesNothing) {
    dialogs.expect("error");
    type(QStringLiteral("keep"));
    page->openDocument(path(QStringLiteral("missing.txt")));
    EXPECT_EQ(dialogs.count("error"), 1);
    EXPECT_TRUE(dialogs.texts("error")[0].startsWith(path(QStringLiteral("missing.txt"))));
    EXPECT_EQ(bodyEditor(*page)->toPlainText(), QStringLiteral("keep"));
    EXPECT_TRUE(page->bodyFileName().isEmpty());
    EXPECT_EQ(page->status().colour, kRed);
    EXPECT_TRUE(page->isModified());
}

TEST_F(BodyPageTest, AFailedWriteIsReportedAndTheBodyStaysUnsaved) {
    dialogs.expect("error");
    type(QStringLiteral("x"));
    const QString target = path(QStringLiteral("no/such/folder/a.txt"));
    dialogs.files = {FileDialogResult{target, 0}};
    EXPECT_FALSE(page->saveAs());
    EXPECT_EQ(dialogs.count("error"), 1);
    EXPECT_EQ(page->status(), (BodyStatus{kUnsaved, kRed}));
    EXPECT_TRUE(page->isModified());
    // Save-as has already taken the chosen name.
    EXPECT_EQ(page->bodyFileName(), target);
}

TEST_F(BodyPageTest, ModifiedTextIsAskedAboutBeforeAnOpenReplacesIt) {
    ASSERT_TRUE(message::writeBodyFile(path(QStringLiteral("b.txt")), QStringLiteral("別")).ok);
    type(QStringLiteral("書きかけ"));
    dialogs.answers = {Answer::Cancel};
    page->openDocument(path(QStringLiteral("b.txt")));
    ASSERT_EQ(dialogs.count("question"), 1);
    EXPECT_TRUE(dialogs.texts("question")[0].contains(QStringLiteral("保存しますか")));
    EXPECT_EQ(bodyEditor(*page)->toPlainText(), QStringLiteral("書きかけ"));
    EXPECT_TRUE(page->isModified());
    EXPECT_TRUE(bodyEditor(*page)->document()->isUndoAvailable());

    // Yes saves first (here under a new name), then opens.
    dialogs.answers = {Answer::Yes};
    dialogs.files = {FileDialogResult{path(QStringLiteral("a.txt")), 0}};
    page->openDocument(path(QStringLiteral("b.txt")));
    EXPECT_EQ(message::readBodyFile(path(QStringLiteral("a.txt"))).text,
              QStringLiteral("書きかけ"));
    EXPECT_EQ(bodyEditor(*page)->toPlainText(), QStringLiteral("別"));
    EXPECT_EQ(page->bodyFileName(), path(QStringLiteral("b.txt")));
}

TEST_F(BodyPageTest, APictureOpenedOverUnsavedTextLeavesItUnsaved) {
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::blue);
    ASSERT_TRUE(img.save(path(QStringLiteral("p.bmp"))));
    type(QStringLiteral("書きかけ"));
    page->openDocument(path(QStringLiteral("p.bmp")));
    EXPECT_EQ(dialogs.count("question"), 0) << "a picture replaces no text";
    EXPECT_EQ(page->pictureFileName(), path(QStringLiteral("p.bmp")));
    EXPECT_EQ(page->status(), (BodyStatus{kUnsaved, kRed}));
    EXPECT_TRUE(on("ActHSave"));
}

TEST_F(BodyPageTest, AUtf8TextOpensAsWrittenAndSavingAsksForAName) {
    QFile f(path(QStringLiteral("挨拶.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("謹賀新年\r\n令和八年　元旦\r\n").toUtf8());
    f.close();
    page->openDocument(path(QStringLiteral("挨拶.txt")));
    EXPECT_EQ(bodyEditor(*page)->toPlainText(), QStringLiteral("謹賀新年\n令和八年　元旦\n"));
    EXPECT_EQ(shown().front().text, QStringLiteral("謹賀新年"));
    EXPECT_TRUE(page->bodyFileName().isEmpty()) << "a save must not rewrite it unasked";
    EXPECT_TRUE(page->status().text.contains(QStringLiteral("UTF-8")));
    type(QStringLiteral("。"));
    dialogs.answers = {};
    dialogs.files = {FileDialogResult{}};  // the save dialog comes up, and is cancelled
    EXPECT_FALSE(page->save());
    EXPECT_EQ(dialogs.count("save"), 1);
}

TEST_F(BodyPageTest, NewDiscardsTextAndPictureNameWithoutAsking) {
    type(QStringLiteral("x"));
    page->setBodyFileName(path(QStringLiteral("a.txt")));
    page->setBackPicture(QImage(4, 4, QImage::Format_RGB32), path(QStringLiteral("b.bmp")));
    activations = 0;
    page->newBody();
    EXPECT_EQ(activations, 1);
    EXPECT_EQ(dialogs.calls.size(), 0);
    EXPECT_TRUE(bodyEditor(*page)->toPlainText().isEmpty());
    EXPECT_TRUE(page->bodyFileName().isEmpty());
    EXPECT_TRUE(page->pictureFileName().isEmpty());
    EXPECT_FALSE(page->backPicture().isNull()) << "the bitmap stays, unshown";
    EXPECT_EQ(page->status().text, QStringLiteral("新規作成"));
    EXPECT_FALSE(on("ActHSave"));
}

TEST_F(BodyPageTest, SampleTextIsAShortNewYearGreetingThatFitsTheCard) {
    const QString sample = message::BodyPage::sampleTextPath();
    ASSERT_TRUE(QFile::exists(sample)) << sample.toStdString();
    const QByteArray bytes = readAll(sample);
    EXPECT_TRUE(bytes.contains("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    page->openDocument(sample);
    EXPECT_TRUE(bodyEditor(*page)->toPlainText().startsWith(QStringLiteral("謹んで")));
    // A new text to write into: saving never overwrites the shipped file.
    EXPECT_TRUE(page->bodyFileName().isEmpty());
    EXPECT_FALSE(page->isModified());
    // Every column stays on the card: inside its width and above its bottom.
    const auto cols = shown();
    ASSERT_GE(cols.size(), 4u);
    for (const message_ops::Column& c : cols) {
        EXPECT_GE(c.x - c.height, 0) << c;
        EXPECT_GE(c.y - c.text.size() * c.height, -1480) << c;
    }
}

TEST_F(BodyPageTest, LinesTheCardCannotHoldAreNamedInTheStatusLine) {
    QStringList lines;
    for (int i = 1; i <= 19; ++i) lines.append(QString::number(i));
    type(lines.join(QLatin1Char('\n')));
    EXPECT_TRUE(
        bodyStatusLine(*page)->text().contains(QStringLiteral("18 行目から後は印刷されません")))
        << bodyStatusLine(*page)->text().toStdString();
    EXPECT_EQ(page->status(), (BodyStatus{kUnsaved, kRed}));
}
