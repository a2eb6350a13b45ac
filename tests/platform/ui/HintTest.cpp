#include <gtest/gtest.h>

#include <QAction>
#include <QWidget>

#include "platform/ui/Hint.h"

TEST(Hint, SplitsAtTheFirstBar) {
    EXPECT_EQ(platform::shortHint(QStringLiteral("開く|ファイルを開きます。")),
              QStringLiteral("開く"));
    EXPECT_EQ(platform::longHint(QStringLiteral("開く|ファイルを開きます。")),
              QStringLiteral("ファイルを開きます。"));
    // Without a bar the whole hint serves as both parts.
    EXPECT_EQ(platform::longHint(QStringLiteral("プレビュー")), QStringLiteral("プレビュー"));
    EXPECT_EQ(platform::shortHint(QStringLiteral("プレビュー")), QStringLiteral("プレビュー"));
    EXPECT_EQ(platform::longHint(QStringLiteral("a|")), QString());
}

TEST(Hint, WidgetsGetToolTipAndStatusTip) {
    QWidget w;
    platform::applyHint(
        &w, QStringLiteral("宛名データ|クリックされたデータをプレビュー表示します。"), false);
    EXPECT_TRUE(w.toolTip().isEmpty());
    EXPECT_EQ(w.statusTip(), QStringLiteral("クリックされたデータをプレビュー表示します。"));
    QAction a(QStringLiteral("x"));
    platform::applyHint(&a, QStringLiteral("印刷|印刷します。"));
    EXPECT_EQ(a.toolTip(), QStringLiteral("印刷"));
    EXPECT_EQ(a.statusTip(), QStringLiteral("印刷します。"));
}
