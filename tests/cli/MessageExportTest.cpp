// The message side exported by the program itself: a UTF-8 greeting prints
// as written, a phone photo stands upright, and lines that do not fit are
// named on standard error.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "tests/platform/ExifJpeg.h"

namespace {

class MessageExport : public ::testing::Test {
  protected:
    QString write(const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    // Runs the export without a display; standard error is kept.
    int run(const QStringList& inputs) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PELCOR_HOME", dir.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(PELCOR_BINARY), QStringList{"--export-pdf", out} + inputs);
        EXPECT_TRUE(p.waitForFinished(30000));
        errors = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    }
    QString tool(const char* name) { return QStandardPaths::findExecutable(name); }

    QTemporaryDir dir;
    QString out = dir.filePath("back.pdf");
    QString errors;
};

}  // namespace

TEST_F(MessageExport, AUtf8GreetingPrintsAsWritten) {
    if (tool("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    const QString body = write("body.txt", QStringLiteral("謹賀新年\r\n本年もよろしく").toUtf8());
    ASSERT_EQ(run({body}), 0) << errors.toStdString();
    QProcess text;
    text.start(tool("pdftotext"), {out, "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput()).remove(QChar('\n'));
    EXPECT_TRUE(printed.contains(QStringLiteral("謹賀新年"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("本年もよろしく"))) << printed.toStdString();
}

TEST_F(MessageExport, LinesThatDoNotFitAreNamedOnStandardError) {
    QStringList lines;
    for (int i = 1; i <= 18; ++i) lines.append(QStringLiteral("行"));
    const QString body = write("body.txt", lines.join("\r\n").toUtf8());
    EXPECT_EQ(run({body}), 0);
    EXPECT_TRUE(errors.contains(QStringLiteral("18 行目から後は印刷されません")))
        << errors.toStdString();
}

// Stored upside down with orientation 3 (same size as seen): the page shows
// the blue half on top, as the photo was taken.
TEST_F(MessageExport, APhotoTaggedUpsideDownPrintsUpright) {
    if (tool("pdftoppm").isEmpty()) GTEST_SKIP() << "pdftoppm (poppler-utils) not installed";
    QImage stored(200, 296, QImage::Format_RGB32);
    stored.fill(Qt::red);
    for (int y = 148; y < 296; ++y)
        for (int x = 0; x < 200; ++x) stored.setPixel(x, y, qRgb(0, 0, 255));
    const QString photo = write("photo.jpg", exiftest::exifJpeg(stored, 3));
    const QString body = write("body.txt", QByteArray());
    ASSERT_EQ(run({body, photo}), 0) << errors.toStdString();
    QProcess render;
    render.start(tool("pdftoppm"), {"-r", "20", "-png", "-singlefile", out, dir.filePath("page")});
    ASSERT_TRUE(render.waitForFinished(30000));
    const QImage page(dir.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    const QColor top = page.pixelColor(page.width() / 2, page.height() / 8);
    const QColor bottom = page.pixelColor(page.width() / 2, page.height() * 7 / 8);
    EXPECT_GT(top.blue(), 150);
    EXPECT_LT(top.red(), 100);
    EXPECT_GT(bottom.red(), 150);
}
