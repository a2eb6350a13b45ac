#include "tests/support/core/CupsFixture.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace

CupsFixture::CupsFixture() : queue(QStringLiteral("pelcor-test-%1").arg(::getpid())) {}

CupsFixture::Outcome CupsFixture::run(const QString& program, const QStringList& args) const {
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

void CupsFixture::SetUp() {
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
    ASSERT_TRUE(
        writeFile(d + "/root/cups-files.conf",
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
    while (run("lpstat", {"-r"}).status != 0 && clock.elapsed() < 15000) {
        if (daemon.state() != QProcess::Running) break;
        QThread::msleep(100);
    }
    ASSERT_EQ(run("lpstat", {"-r"}).status, 0)
        << "cupsd did not answer: " << daemon.readAll().toStdString()
        << readLog("/log/error_log").toStdString();

    // cups-pdf reads the settings named by its device URI's path.
    pdfConfig_ = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(queue);
    ASSERT_TRUE(writeFile(pdfConfig_, QStringLiteral("Out %1/out\nSpool %1/pdf-spool\nLog %1/log\n"
                                                     "AnonDirName %1/out\nGrp root\n")
                                          .arg(d)
                                          .toUtf8()))
        << "cannot write " << pdfConfig_.toStdString();
    // A daemon that just answered may still refuse its first connections
    // on a loaded machine.
    Outcome added;
    clock.restart();
    do {
        added =
            run("lpadmin", {"-p", queue, "-E", "-v", "cups-pdf:/" + queue, "-P",
                            QStringLiteral(PELCOR_SOURCE_DIR "/tests/cli/cups/card-printer.ppd")});
        if (added.status == 0) break;
        QThread::msleep(200);
    } while (clock.elapsed() < 10000);
    ASSERT_EQ(added.status, 0) << added.output.toStdString();
    ASSERT_EQ(run("lpadmin", {"-d", queue}).status, 0);
}

void CupsFixture::TearDown() {
    if (daemon.state() == QProcess::Running) {
        ::kill(pid_t(daemon.processId()), SIGTERM);
        if (!daemon.waitForFinished(10000)) daemon.kill();
        daemon.waitForFinished();
    }
    if (!pdfConfig_.isEmpty()) QFile::remove(pdfConfig_);
}

QString CupsFixture::readLog(const char* name) const {
    QFile f(dir.path() + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString CupsFixture::takeOutput(const QString& name) {
    QDir out(dir.path() + QStringLiteral("/out"));
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        const bool idle = run("lpstat", {"-o", queue}).output.trimmed().isEmpty();
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
