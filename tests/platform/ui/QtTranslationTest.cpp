// Qt's own buttons speak Japanese when its translation is there, and the
// dialogs work in English when it is not.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include "platform/text/QtTranslation.h"
#include "platform/ui/QtDialogs.h"

namespace {

struct SeenBox {
    QString title;
    QStringList buttons;
};

// Answers the next message box with Cancel (Escape), noting what it showed.
SeenBox cancelNextBox(const std::function<platform::Answer()>& ask) {
    SeenBox seen;
    QTimer::singleShot(0, [&seen] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible()) continue;
            seen.title = box->windowTitle();
            for (QAbstractButton* b : box->buttons()) seen.buttons << b->text();
            box->reject();
        }
    });
    EXPECT_EQ(ask(), platform::Answer::Cancel);
    return seen;
}

void removeTranslators() {
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

}  // namespace

TEST(QtTranslation, JapaneseButtonsAndTheConfirmTitleWhenInstalled) {
    ASSERT_TRUE(platform::installQtTranslation(*qApp))
        << "qtbase_ja.qm missing: run scripts/install-deps.sh";
    platform::QtDialogs dialogs;
    const SeenBox seen =
        cancelNextBox([&] { return dialogs.confirm(nullptr, QStringLiteral("保存しますか？")); });
    removeTranslators();
    EXPECT_EQ(seen.title, QStringLiteral("確認"));
    EXPECT_TRUE(seen.buttons.contains(QStringLiteral("はい(&Y)")))
        << seen.buttons.join(u' ').toStdString();
    EXPECT_TRUE(seen.buttons.contains(QStringLiteral("いいえ(&N)")));
    EXPECT_TRUE(seen.buttons.contains(QStringLiteral("キャンセル")));
}

TEST(QtTranslation, WithoutTheFileQuestionsStillWorkInEnglish) {
    QTemporaryDir empty;
    EXPECT_FALSE(platform::installQtTranslation(*qApp, empty.path()));
    platform::QtDialogs dialogs;
    const SeenBox seen =
        cancelNextBox([&] { return dialogs.question(nullptr, QStringLiteral("保存しますか？")); });
    EXPECT_TRUE(seen.buttons.contains(QStringLiteral("&Yes")))
        << seen.buttons.join(u' ').toStdString();
}

TEST(QtTranslation, ThePrintDialogsDuplexChoicesAreJapanese) {
    platform::installQtTranslation(*qApp);
    QPrinter printer;
    QPrintDialog dialog(&printer);
    auto* longSide = dialog.findChild<QAbstractButton*>(QStringLiteral("duplexLong"));
    ASSERT_TRUE(longSide);
    EXPECT_EQ(longSide->text(), QStringLiteral("長辺綴じ"));
    EXPECT_EQ(QCoreApplication::translate("QPrintPropertiesWidget", "Advanced"),
              QStringLiteral("詳細設定"));
    removeTranslators();
}
