#include <QAction>
#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>

#include "app/ui/CommandTable.h"
#include "app/ui/HelpWindow.h"
#include "platform/files/AppPaths.h"
#include "tests/app/MainWindowFixture.h"

namespace {

// Sets the application's help file for one test.
struct HelpFile {
    explicit HelpFile(const QString& path) { qApp->setProperty("helpFile", path); }
    ~HelpFile() { qApp->setProperty("helpFile", QVariant()); }
};

QString shippedHelp() {
    return platform::AppPaths::resourcePath(QStringLiteral("help/index.html"));
}

}  // namespace

TEST_F(MainWindowTest, HelpCommandShowsTheShippedDocumentAtItsContents) {
    HelpFile file(shippedHelp());
    app::MainWindow& f = make();
    f.runCommand("ActHelp");
    app::HelpWindow* help = f.helpWindow();
    ASSERT_NE(help, nullptr);
    auto* browser = help->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(dialogs.count(QStringLiteral("error")), 0);
    const QString text = browser->document()->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Pelcor の使い方")));
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);

    // Read further, then asked again: back at the contents.
    browser->scrollToAnchor(QStringLiteral("trouble"));
    ASSERT_GT(browser->verticalScrollBar()->value(), 0);
    f.runCommand("ActHelp");
    EXPECT_EQ(f.helpWindow(), help);
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
}

TEST_F(MainWindowTest, MissingHelpFileIsReportedWithItsPath) {
    dialogs.expect("error");
    const QString path = home.filePath(QStringLiteral("nowhere/index.html"));
    HelpFile file(path);
    app::MainWindow& f = make();
    f.runCommand("ActHelp");
    ASSERT_EQ(dialogs.count(QStringLiteral("error")), 1);
    EXPECT_TRUE(dialogs.texts(QStringLiteral("error")).first().contains(path));
    EXPECT_TRUE(f.helpWindow() == nullptr || !f.helpWindow()->isVisible());
}

TEST(HelpDocument, ExplainsEveryPageAndEveryContentsLinkLeadsSomewhere) {
    QFile file(shippedHelp());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << shippedHelp().toStdString();
    const QString html = QString::fromUtf8(file.readAll());
    for (const char16_t* page : {u"印刷プレビュー", u"差出人の編集", u"宛名の編集", u"一覧表",
                                 u"はがき裏面", u"Pictan", u"プリンタ設定", u"宛名データの保存"})
        EXPECT_TRUE(html.contains(QString::fromUtf16(page)))
            << QString::fromUtf16(page).toStdString();

    QSet<QString> anchors;
    const QRegularExpression name(QStringLiteral("<a name=\"([^\"]+)\""));
    for (auto m = name.globalMatch(html); m.hasNext();) anchors.insert(m.next().captured(1));
    const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    int links = 0;
    for (auto m = link.globalMatch(html); m.hasNext(); ++links) {
        const QString target = m.next().captured(1);
        EXPECT_TRUE(anchors.contains(target)) << target.toStdString();
    }
    EXPECT_GE(links, 12);
    EXPECT_TRUE(anchors.contains(QStringLiteral("contents")));
}

TEST(HelpDocument, GivesTheNewerFeaturesASectionOfTheirOwn) {
    QFile file(shippedHelp());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QStringList headings;
    const QRegularExpression heading(QStringLiteral("<h[23]>(.*?)</h[23]>"));
    for (auto m = heading.globalMatch(html); m.hasNext();) headings << m.next().captured(1);
    for (const char16_t* topic : {u"文字の整形", u"インポート", u"エクスポート", u"郵便番号辞書",
                                  u"印刷位置の調整", u"--print", u"--export-pdf"})
        EXPECT_FALSE(headings.filter(QString::fromUtf16(topic)).isEmpty())
            << QString::fromUtf16(topic).toStdString();
}

TEST_F(MainWindowTest, HelpWindowScreenshot) {
    HelpFile file(shippedHelp());
    app::MainWindow& f = make();
    f.runCommand("ActHelp");
    ASSERT_NE(f.helpWindow(), nullptr);
    QCoreApplication::processEvents();
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(PELCOR_TEST_OUTPUT)));
    EXPECT_TRUE(f.helpWindow()->grab().save(QStringLiteral(PELCOR_TEST_OUTPUT "/help-window.png")));
    f.helpWindow()
        ->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"))
        ->scrollToAnchor(QStringLiteral("list"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(
        f.helpWindow()->grab().save(QStringLiteral(PELCOR_TEST_OUTPUT "/help-window-list.png")));
}
