// The settings file read into and written from plain values, with no window.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/text/Sjis.h"
#include "settings/ProgramSettings.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(ProgramSettings, ReadsEachKeyIntoItsFieldAndKeepsDefaultsForTheRest) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mirel36.ini"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        platform::Sjis::bytes(QStringLiteral("[Edit]\r\ntext2=花子\r\n[SE]\r\nint001=-7\r\nint031="
                                             "0x10\r\nint058=3\r\n[Kind]\r\nintCB5=1\r\n"
                                             "[Typeset]\r\nHalfKana=1\r\n")));
    f.close();

    app::ProgramSettings defaults;
    defaults.sender.name = QStringLiteral("山田");
    defaults.addressLayout.recipientPostalCode.y = 5;
    defaults.honorific = 2;
    const app::ProgramSettings s = app::readSettingsFile(path, defaults);
    EXPECT_EQ(s.sender.name, QStringLiteral("山田"));
    EXPECT_EQ(s.sender.jointName, QStringLiteral("花子"));
    EXPECT_EQ(s.addressLayout.recipientPostalCode.x, -7);  // ranges are the controls' business
    EXPECT_EQ(s.addressLayout.recipientPostalCode.y, 5);
    EXPECT_EQ(s.messageLayout.NES0, 16);
    EXPECT_EQ(s.messageLayout.PIndT, 3);
    EXPECT_EQ(s.messageKind, 1);
    EXPECT_EQ(s.honorific, 2);
    EXPECT_EQ(s.halfKana, 1);
}

TEST(ProgramSettings, WritesEveryKeyOnceAndReadsItBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mirel36.ini"));
    app::ProgramSettings s;
    s.sender.address2 = QStringLiteral("１－２");
    s.addressLayout.title.height = 12;
    s.messageLayout.FHY0 = -3;
    s.mediaKind = -1;
    s.blockDash = 2;
    s.fitColumns = 1;
    ASSERT_TRUE(app::writeSettingsFile(path, s));
    const QString text = platform::Sjis::decode(readAll(path));
    EXPECT_EQ(text.count(QLatin1Char('=')), 70);
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Edit]\r\ntext1=\r\n")));

    const app::ProgramSettings back = app::readSettingsFile(path, app::ProgramSettings());
    EXPECT_EQ(back.sender.address2, s.sender.address2);
    EXPECT_EQ(back.addressLayout.title.height, 12);
    EXPECT_EQ(back.messageLayout.FHY0, -3);
    EXPECT_EQ(back.mediaKind, -1);
    EXPECT_EQ(back.blockDash, 2);
    EXPECT_EQ(back.fitColumns, 1);

    // A folder in the file's place cannot be replaced.
    const QString folder = dir.filePath(QStringLiteral("taken"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_FALSE(app::writeSettingsFile(folder, s));
}
