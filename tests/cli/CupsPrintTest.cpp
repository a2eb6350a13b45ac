// Prints through a real CUPS server of the test's own: a cupsd in a
// temporary folder with a cups-pdf queue whose PPD (tests/print/cups/)
// offers the Japanese card sizes with 3 mm hardware margins. What the queue
// writes must be on the card's paper, its ink within 0.3 mm of the export.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include "platform/text/Sjis.h"

namespace {

const QString kQueue = QStringLiteral("pelcor-test-%1").arg(::getpid());

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

struct Outcome {
    int status = -1;
    QString output;
};

Outcome run(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {-1, program + QStringLiteral(" hung")};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAll())};
}

// The page size in points and the ink's box in 0.1 mm (rendered at 254 dpi).
struct Page {
    QSizeF points;
    QRect ink;
};

Page readPage(const QString& pdf, const QString& scratch, const QProcessEnvironment& env) {
    Page page;
    const Outcome info = run(QStringLiteral("pdfinfo"), {pdf}, env);
    static const QRegularExpression size(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"));
    const auto m = size.match(info.output);
    if (m.hasMatch()) page.points = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    run(QStringLiteral("pdftoppm"),
        {"-r", "254", "-gray", "-singlefile", "-f", "1", "-l", "1", pdf, scratch}, env);
    const QImage image(scratch + QStringLiteral(".pgm"));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) page.ink |= QRect(x, y, 1, 1);
    return page;
}

class CupsPrint : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // The daemon's filters run as lp and must reach the spool.
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                              QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                              QFileDevice::ExeGroup);
        for (const char* sub :
             {"root/ppd", "spool", "cache", "state", "tmp", "log", "out", "pdf-spool", "home"})
            ASSERT_TRUE(QDir(dir.path()).mkpath(QLatin1String(sub)));
        // The filters, running as lp, write their temporary files here.
        ASSERT_EQ(::chmod(qPrintable(dir.path() + QStringLiteral("/tmp")), 01777), 0);
        ASSERT_EQ(::geteuid(), 0u)
            << "this test starts its own cupsd and the cups-pdf backend, which need root";
        const QString d = dir.path();
        ASSERT_TRUE(writeFile(d + "/root/cupsd.conf",
                              QStringLiteral("Listen %1/cups.sock\nLogLevel info\nWebInterface No\n"
                                             "Browsing No\nDefaultAuthType None\n"
                                             "<Location />\n  Order allow,deny\n  Allow all\n"
                                             "</Location>\n<Policy default>\n  <Limit All>\n"
                                             "    Order deny,allow\n  </Limit>\n</Policy>\n")
                                  .arg(d)
                                  .toUtf8()));
        ASSERT_TRUE(writeFile(
            d + "/root/cups-files.conf",
            QStringLiteral("ServerRoot %1/root\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                           "StateDir %1/state\nTempDir %1/tmp\nAccessLog %1/log/access_log\n"
                           "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
                           "Printcap %1/printcap\nDataDir /usr/share/cups\n"
                           "ServerBin /usr/lib/cups\n")
                .arg(d)
                .toUtf8()));
        env.insert(QStringLiteral("CUPS_SERVER"), d + QStringLiteral("/cups.sock"));
        env.insert(QStringLiteral("PELCOR_HOME"), d + QStringLiteral("/home"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

        daemon.setProcessChannelMode(QProcess::MergedChannels);
        daemon.start(QStringLiteral("/usr/sbin/cupsd"),
                     {"-f", "-c", d + "/root/cupsd.conf", "-s", d + "/root/cups-files.conf"});
        ASSERT_TRUE(daemon.waitForStarted(10000))
            << "cupsd could not start (Debian's cups installed?): "
            << daemon.errorString().toStdString();
        QElapsedTimer clock;
        clock.start();
        while (run("lpstat", {"-r"}, env).status != 0 && clock.elapsed() < 15000) {
            if (daemon.state() != QProcess::Running) break;
            QThread::msleep(100);
        }
        ASSERT_EQ(run("lpstat", {"-r"}, env).status, 0)
            << "cupsd did not answer: " << daemon.readAll().toStdString()
            << readLog("/log/error_log").toStdString();

        // cups-pdf reads the settings named by its device URI's path.
        pdfConfig = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(kQueue);
        ASSERT_TRUE(
            writeFile(pdfConfig, QStringLiteral("Out %1/out\nSpool %1/pdf-spool\nLog %1/log\n"
                                                "AnonDirName %1/out\nGrp root\n")
                                     .arg(d)
                                     .toUtf8()))
            << "cannot write " << pdfConfig.toStdString();
        const Outcome added =
            run("lpadmin",
                {"-p", kQueue, "-E", "-v", "cups-pdf:/" + kQueue, "-P",
                 QStringLiteral(PELCOR_SOURCE_DIR "/tests/cli/cups/card-printer.ppd")},
                env);
        ASSERT_EQ(added.status, 0) << added.output.toStdString();
        ASSERT_EQ(run("lpadmin", {"-d", kQueue}, env).status, 0);

        book = d + QStringLiteral("/book.csv");
        ASSERT_TRUE(writeFile(
            book, platform::Sjis::bytes(QStringLiteral(
                      "やまだ,山田　太郎,1234567,東京都港区芝公園四丁目２－８,,,,,,,,,\r\n"))));
    }

    void TearDown() override {
        if (daemon.state() == QProcess::Running) {
            ::kill(pid_t(daemon.processId()), SIGTERM);
            if (!daemon.waitForFinished(10000)) daemon.kill();
            daemon.waitForFinished();
        }
        if (!pdfConfig.isEmpty()) QFile::remove(pdfConfig);
    }

    QString readLog(const char* name) {
        QFile f(dir.path() + QLatin1String(name));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    // Waits for the queue to finish and takes the PDF it wrote.
    QString takeOutput(const QString& name) {
        QDir out(dir.path() + QStringLiteral("/out"));
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000) {
            const bool idle = run("lpstat", {"-o", kQueue}, env).output.trimmed().isEmpty();
            const QStringList pdfs = out.entryList({QStringLiteral("*.pdf")}, QDir::Files);
            if (idle && !pdfs.isEmpty()) {
                const QString taken = dir.path() + QLatin1Char('/') + name;
                QFile::rename(out.filePath(pdfs.first()), taken);
                return taken;
            }
            QThread::msleep(200);
        }
        return QString();
    }

    void expectSamePlace(const QStringList& printArgs, const QStringList& exportArgs,
                         const QString& name) {
        SCOPED_TRACE(name.toStdString());
        const Outcome printed = run(PELCOR_BINARY, QStringList{"--print"} + printArgs, env);
        ASSERT_EQ(printed.status, 0) << printed.output.toStdString();
        const QString queued = takeOutput(name + QStringLiteral("-printed.pdf"));
        ASSERT_FALSE(queued.isEmpty())
            << "the queue wrote nothing: " << readLog("/log/error_log").toStdString();
        const QString exported =
            dir.path() + QLatin1Char('/') + name + QStringLiteral("-export.pdf");
        const Outcome made =
            run(PELCOR_BINARY, QStringList{"--export-pdf", exported} + exportArgs, env);
        ASSERT_EQ(made.status, 0) << made.output.toStdString();

        const Page want = readPage(exported, exported, env);
        const Page got = readPage(queued, queued, env);
        EXPECT_NEAR(got.points.width(), want.points.width(), 1.0);
        EXPECT_NEAR(got.points.height(), want.points.height(), 1.0);
        ASSERT_FALSE(want.ink.isEmpty());
        // 3 pixels of 0.1 mm.
        EXPECT_NEAR(got.ink.left(), want.ink.left(), 3);
        EXPECT_NEAR(got.ink.top(), want.ink.top(), 3);
        EXPECT_NEAR(got.ink.right(), want.ink.right(), 3);
        EXPECT_NEAR(got.ink.bottom(), want.ink.bottom(), 3);
    }

    QTemporaryDir dir;
    QProcess daemon;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QString pdfConfig;
    QString book;
};

}  // namespace

TEST_F(CupsPrint, EveryKindPrintsOnItsOwnPaperWhereTheExportPutsIt) {
    for (int kind = 0; kind < 6; ++kind) {
        const QString k = QString::number(kind);
        expectSamePlace({book, "--kind", k, "--printer", kQueue}, {book, "--kind", k},
                        QStringLiteral("kind") + k);
    }
    // The back carries no sender by default: its postal boxes give it ink.
    expectSamePlace({book, "--kind", "2", "--back", "--marks"},
                    {book, "--kind", "2", "--back", "--marks"}, QStringLiteral("back"));
}

TEST_F(CupsPrint, TheMessageSidesPictureCoversTheCardExactly) {
    QImage picture(400, 592, QImage::Format_RGB32);
    picture.fill(QColor(60, 60, 60));
    const QString jpeg = dir.path() + QStringLiteral("/photo.jpg");
    ASSERT_TRUE(picture.save(jpeg, "JPG"));
    const QString body = dir.path() + QStringLiteral("/body.txt");
    ASSERT_TRUE(writeFile(body, platform::Sjis::bytes(QStringLiteral("謹賀新年\r\n"))));
    expectSamePlace({body, jpeg}, {body, jpeg}, QStringLiteral("message"));
}

TEST_F(CupsPrint, AnUnknownPrinterOrARefusedJobIsSaidAndFails) {
    Outcome r = run(PELCOR_BINARY, {"--print", book, "--printer", "nowhere"}, env);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.output.contains(QStringLiteral("nowhere"))) << r.output.toStdString();
    ASSERT_EQ(run("cupsreject", {kQueue}, env).status, 0);
    r = run(PELCOR_BINARY, {"--print", book}, env);
    EXPECT_EQ(r.status, 1) << r.output.toStdString();
}
