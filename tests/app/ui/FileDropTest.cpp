// Files dragged from a file manager onto any part of the main window open
// as documents, also over the text fields that would paste their address;
// plain text dragged onto a field still lands in it. The drags are real
// drag events sent to the widgets under the pointer.

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>

#include "platform/text/Sjis.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/message/BodyPageControls.h"

namespace {

// Enter, move and drop on the middle of `target`, as the window system
// sends them. True when the drop was taken.
bool drag(QWidget* target, QMimeData& data) {
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// What a file manager offers for a file: its URL, and the URL as text.
bool dropFile(QWidget* target, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    data.setText(QUrl::fromLocalFile(path).toString());
    return drag(target, data);
}

}  // namespace

TEST_F(MainWindowTest, AFileDroppedOnATextFieldOpensInsteadOfPastingItsAddress) {
    const QString greeting =
        writeFile(home.filePath("挨拶.txt"), platform::Sjis::bytes(QStringLiteral("謹賀新年")));
    app::MainWindow& f = make();
    f.show();
    QPlainTextEdit* body = bodyEditor(*bodyPage(f));
    EntryControls entry(f);
    auto* list = f.findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"));
    const std::pair<app::Page, QWidget*> targets[] = {{app::Page::Body, body->viewport()},
                                                      {app::Page::List, list->viewport()},
                                                      {app::Page::Entry, entry.Ju1}};
    for (const auto& [page, target] : targets) {
        SCOPED_TRACE(target->objectName().toStdString() + " " +
                     target->parentWidget()->objectName().toStdString());
        bodyPage(f)->clearBody();
        f.showPage(page);
        EXPECT_TRUE(dropFile(target, greeting));
        EXPECT_EQ(body->toPlainText(), QStringLiteral("謹賀新年"));
        EXPECT_EQ(bodyPage(f)->bodyFileName(), greeting);
        EXPECT_EQ(f.currentPage(), app::Page::Body);
        EXPECT_FALSE(list->toPlainText().contains(QStringLiteral("file:")));
        EXPECT_TRUE(entry.Ju1->text().isEmpty());
    }
}

TEST_F(MainWindowTest, PlainTextDroppedOnAFieldStillLandsInIt) {
    app::MainWindow& f = make();
    f.show();
    f.showPage(app::Page::Entry);
    EntryControls entry(f);
    QMimeData data;
    data.setText(QStringLiteral("丸の内"));
    EXPECT_TRUE(drag(entry.Ju1, data));
    EXPECT_EQ(entry.Ju1->text(), QStringLiteral("丸の内"));
}
