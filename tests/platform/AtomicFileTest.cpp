#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>

#include "platform/files/AtomicFile.h"

// A full disk first cuts a write short, without a reason, and fails the next
// one. A file-size limit does the same without needing a full disk.
TEST(AtomicFile, AWriteCutShortGivesTheSystemsReasonAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.csv"));
    ASSERT_EQ(platform::writeFileAtomically(path, "old"), QString());

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{1000, saved.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString why = platform::writeFileAtomically(path, QByteArray(4000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(why, qt_error_string(EFBIG));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("old"));
}
