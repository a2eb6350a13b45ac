#include <QFile>
#include <QPlainTextEdit>
#include <QSignalSpy>

#include "message/BodyPage.h"
#include "tests/app/MainWindowFixture.h"

using platform::Answer;

namespace {

void typeIntoBody(app::TMirelForm& f, const QString& text) {
    f.bodyPage->RichEdit2->insertPlainText(text);
    ASSERT_TRUE(f.bodyPage->isModified());
}

bool closes(app::TMirelForm& f) {
    bool canClose = true;
    f.FormCloseQuery(canClose);
    return canClose;
}

}  // namespace

TEST_F(MainWindowTest, NothingModifiedClosesWithoutAQuestion) {
    app::TMirelForm& f = make();
    EXPECT_TRUE(closes(f));
    EXPECT_EQ(dialogs.count("question"), 0);
}

TEST_F(MainWindowTest, BookAndBodyModifiedAskTwiceInOrder) {
    app::TMirelForm& f = make();
    f.AddressModified = true;
    typeIntoBody(f, QStringLiteral("謹賀新年"));
    dialogs.answers = {Answer::No, Answer::No};
    EXPECT_TRUE(closes(f));
    const QStringList asked = dialogs.texts("question");
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0], QStringLiteral(" 『 新規データ 』 が保存されていません。\n\n     保存しますか？"));
    EXPECT_EQ(asked[1], QStringLiteral(" 『 新規文書 』 が保存されていません。\n\n     保存しますか？"));
}

TEST_F(MainWindowTest, CancelOnTheFirstQuestionAsksNothingMore) {
    app::TMirelForm& f = make();
    f.AddressModified = true;
    typeIntoBody(f, QStringLiteral("x"));
    dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(closes(f));
    EXPECT_EQ(dialogs.count("question"), 1);
}

TEST_F(MainWindowTest, QuestionsNameTheFilesWhenTheyHaveAnExtension) {
    app::TMirelForm& f = make();
    f.AddressModified = true;
    f.AddressFileName = QStringLiteral("/home/u/住所録/family.csv");
    typeIntoBody(f, QStringLiteral("x"));
    f.bodyPage->BodyFileName = QStringLiteral("/home/u/本文/noext");
    dialogs.answers = {Answer::No, Answer::No};
    closes(f);
    const QStringList asked = dialogs.texts("question");
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].startsWith(QStringLiteral(" 『 family.csv 』")));
    EXPECT_TRUE(asked[1].startsWith(QStringLiteral(" 『 新規文書 』")));
}

TEST_F(MainWindowTest, OnlyTheBodyModifiedAsksOnceAndCancelKeepsTheWindow) {
    app::TMirelForm& f = make();
    typeIntoBody(f, QStringLiteral("x"));
    dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(closes(f));
    EXPECT_EQ(dialogs.count("question"), 1);
}

TEST_F(MainWindowTest, SavingTheBodyOnCloseWritesCp932WithCrLf) {
    app::TMirelForm& f = make();
    typeIntoBody(f, QStringLiteral("謹賀新年\n①本年も"));
    const QString path = home.filePath(QStringLiteral("本文/card.txt"));
    dialogs.answers = {Answer::Yes};
    dialogs.files = {platform::FileDialogResult{path, 0}};
    EXPECT_TRUE(closes(f));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\x8b\xde\x89\xea\x90\x56\x94\x4e\r\n\x87\x40\x96\x7b\x94\x4e\x82\xe0"));
    EXPECT_EQ(f.bodyPage->BodyFileName, path);
}

// Closing after "Yes" when nothing could be saved would lose the text.
TEST_F(MainWindowTest, YesWithTheSaveDialogCancelledKeepsTheWindowOpen) {
    app::TMirelForm& f = make();
    typeIntoBody(f, QStringLiteral("x"));
    dialogs.answers = {Answer::Yes};
    EXPECT_FALSE(closes(f));
    EXPECT_EQ(dialogs.count("save"), 1);
    EXPECT_TRUE(f.bodyPage->isModified());
}

TEST_F(MainWindowTest, ExitCommandClosesThroughTheCloseQuery) {
    app::TMirelForm& f = make();
    f.show();
    QSignalSpy closed(&f, &app::TMirelForm::formClosed);
    f.ActExitExecute();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(f.isVisible());
}
