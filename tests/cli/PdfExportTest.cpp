#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "cli/PdfExport.h"
#include "platform/pictures/PictureFiles.h"
#include "platform/text/Sjis.h"

namespace {

struct PdfInfo {
    int pages = 0;
    QVector<QSizeF> sizes;  // points
};

// Qt writes page objects in plain text: enough to count them and read sizes.
PdfInfo readPdf(const QString& path) {
    QFile f(path);
    PdfInfo info;
    if (!f.open(QIODevice::ReadOnly)) return info;
    const QString text = QString::fromLatin1(f.readAll());
    static const QRegularExpression page(QStringLiteral("/Type /Page\\b"));
    static const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    info.pages = int(text.count(page));
    for (auto it = box.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        info.sizes.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()));
    }
    return info;
}

class PdfExport : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile book(dir.filePath("book.csv"));
        ASSERT_TRUE(book.open(QIODevice::WriteOnly));
        book.write(platform::Sjis::bytes(
            QStringLiteral("やまだ,山田　太郎,123-4567,東京都港区芝公園四丁目２－８,,,,,,,,,\r\n"
                           "すずき,鈴木　一郎,5300001,大阪府大阪市北区梅田３－１－１,,,,,,,,,\r\n"
                           "さとう,佐藤　花子,,北海道札幌市,,,,,,,,,\r\n")));
        QFile ini(dir.filePath("mirel36.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Kind]\r\nintCB2=1\r\n");
    }
    app::PdfExportRequest request(const QStringList& args) {
        app::PdfExportRequest r;
        QString error;
        EXPECT_TRUE(app::parsePdfExport(args, r, error)) << error.toStdString();
        r.settingsFile = dir.filePath("mirel36.ini");
        return r;
    }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(PdfExport, OnePagePerRecordAtTheCardsSize) {
    const QString out = dir.filePath("cards.pdf");
    EXPECT_EQ(app::exportPdf(request({"--export-pdf", out, dir.filePath("book.csv")})), QString());
    const PdfInfo info = readPdf(out);
    EXPECT_EQ(info.pages, 3);
    ASSERT_FALSE(info.sizes.isEmpty());
    // A postcard, 100 x 148 mm, in points.
    EXPECT_NEAR(info.sizes[0].width(), 283.5, 1.0);
    EXPECT_NEAR(info.sizes[0].height(), 419.5, 1.0);
}

TEST_F(PdfExport, ForeignBooksAndContactsAreAccepted) {
    QFile csv(dir.filePath("sheet.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(
        QStringLiteral("\uFEFF氏名,郵便番号,住所\n山田 太郎,105-0011,東京都 港区\n鈴木,,大阪\n")
            .toUtf8());
    csv.close();
    QFile vcf(dir.filePath("contacts.vcf"));
    ASSERT_TRUE(vcf.open(QIODevice::WriteOnly));
    vcf.write(QStringLiteral("BEGIN:VCARD\nVERSION:3.0\nN:山田;太郎;;;\nADR:;;芝公園;港区;東京都;"
                             "105-0011;\nEND:VCARD\n")
                  .toUtf8());
    vcf.close();
    const QString out = dir.filePath("foreign.pdf");
    EXPECT_EQ(app::exportPdf(request({"--export-pdf", out, csv.fileName()})), QString());
    EXPECT_EQ(readPdf(out).pages, 2);
    EXPECT_EQ(app::exportPdf(request({"--export-pdf", out, vcf.fileName()})), QString());
    EXPECT_EQ(readPdf(out).pages, 1);
}

TEST_F(PdfExport, KindAndRowsChooseWhatIsWritten) {
    const QString out = dir.filePath("envelopes.pdf");
    EXPECT_EQ(app::exportPdf(request(
                  {"--export-pdf", out, dir.filePath("book.csv"), "--kind", "3", "--rows", "2-3"})),
              QString());
    const PdfInfo info = readPdf(out);
    EXPECT_EQ(info.pages, 2);
    ASSERT_FALSE(info.sizes.isEmpty());
    EXPECT_NEAR(info.sizes[0].width(), 90 / 25.4 * 72, 1.0);  // 長4: 90 x 205 mm
    EXPECT_NEAR(info.sizes[0].height(), 205 / 25.4 * 72, 1.0);
}

TEST_F(PdfExport, MistakesAreRefusedWithAReason) {
    app::PdfExportRequest r;
    QString error;
    EXPECT_FALSE(
        app::parsePdfExport({"--export-pdf", "x.pdf", "book.csv", "--kind", "9"}, r, error));
    EXPECT_FALSE(
        app::parsePdfExport({"--export-pdf", "x.pdf", "book.csv", "--rows", "3-1"}, r, error));
    for (const char* rows : {"1-2-3", "1--2", "-2", "1-x"})
        EXPECT_FALSE(
            app::parsePdfExport({"--export-pdf", "x.pdf", "book.csv", "--rows", rows}, r, error))
            << rows;
    EXPECT_FALSE(app::parsePdfExport({"--export-pdf", "x.pdf"}, r, error));
    EXPECT_FALSE(app::parsePdfExport({"--export-pdf", "x.pdf", "a.csv", "--colour"}, r, error));
    const QString missing =
        app::exportPdf(request({"--export-pdf", dir.filePath("x.pdf"), dir.filePath("none.csv")}));
    EXPECT_FALSE(missing.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("x.pdf")));
    EXPECT_FALSE(app::exportPdf(request({"--export-pdf", dir.filePath("x.pdf"),
                                         dir.filePath("book.csv"), "--rows", "7-9"}))
                     .isEmpty());
}

// The export runs where there is no display at all.
TEST_F(PdfExport, TheProgramExportsWithoutADisplay) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.remove("XDG_RUNTIME_DIR");
    env.insert("PELCOR_HOME", dir.path());
    p.setProcessEnvironment(env);
    const QString out = dir.filePath("cli.pdf");
    p.start(QStringLiteral(PELCOR_BINARY),
            {"--export-pdf", out, dir.filePath("book.csv"), "--rows", "1-2"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(p.readAllStandardError(), QByteArray());  // a command that succeeds says nothing
    EXPECT_EQ(readPdf(out).pages, 2);

    p.start(QStringLiteral(PELCOR_BINARY), {"--export-pdf", out, dir.filePath("none.csv")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_NE(p.exitCode(), 0);
    EXPECT_FALSE(p.readAllStandardError().isEmpty());

    p.start(QStringLiteral(PELCOR_BINARY), {"--help"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_TRUE(p.readAllStandardOutput().contains("--export-pdf"));
}

// Characters the cards cannot carry are named, record by record, and a
// family name's variation selector is no such character.
TEST_F(PdfExport, RecordsThatPrintQuestionMarksAreNamed) {
    QFile book(dir.filePath("marks.csv"));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    book.write(QString::fromUcs4(U"\uFEFF氏名,郵便番号,住所\n"
                                 U"葛\U000E0100西 太郎,1000005,東京都千代田区丸の内\n"
                                 U"𠮷田 花子,1000005,東京都千代田区丸の内\n")
                   .toUtf8());
    book.close();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PELCOR_HOME", dir.path());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(PELCOR_BINARY),
            {"--export-pdf", dir.filePath("marks.pdf"), book.fileName()});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_TRUE(err.contains(QString::fromUcs4(U"2行目（𠮷田"))) << err.toStdString();
    EXPECT_FALSE(err.contains(QStringLiteral("1行目"))) << err.toStdString();
}

// Without a Japanese face every card would come out blank.
TEST_F(PdfExport, NoJapaneseFontIsRefused) {
    QFile conf(dir.filePath("fonts.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write(QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig><dir>/usr/share/fonts/"
                              "truetype/dejavu</dir><cachedir>%1</cachedir></fontconfig>\n")
                   .arg(dir.filePath("fc-cache"))
                   .toUtf8());
    conf.close();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PELCOR_HOME", dir.path());
    env.insert("FONTCONFIG_FILE", conf.fileName());
    p.setProcessEnvironment(env);
    const QString out = dir.filePath("blank.pdf");
    p.start(QStringLiteral(PELCOR_BINARY), {"--export-pdf", out, dir.filePath("book.csv")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_NE(p.exitCode(), 0);
    EXPECT_TRUE(
        QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("日本語のフォント")));
    EXPECT_FALSE(QFileInfo::exists(out));
}

// OUT is replaced only when it is new or an earlier PDF.
TEST_F(PdfExport, AnOutputThatIsAnInputOrNoPdfIsLeftAlone) {
    const QString book = dir.filePath("book.csv");
    QFile f(book);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    const QString link = dir.filePath("link.csv");
    ASSERT_TRUE(QFile::link(book, link));
    ASSERT_TRUE(QFile::copy(book, dir.filePath("other.csv")));
    const QString fifo = dir.filePath("fifo.pdf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    for (const QString& out : {book, link, dir.filePath("other.csv"), fifo})
        EXPECT_FALSE(app::exportPdf(request({"--export-pdf", out, book})).isEmpty())
            << out.toStdString();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    EXPECT_FALSE(QFileInfo(fifo).isFile());

    const QString pdf = dir.filePath("cards.pdf");
    EXPECT_EQ(app::exportPdf(request({"--export-pdf", pdf, book, "--rows", "1"})), QString());
    EXPECT_EQ(app::exportPdf(request({"--export-pdf", pdf, book})), QString());
    EXPECT_EQ(readPdf(pdf).pages, 3);
}

// The back of an envelope carries the sender and no recipient; a postcard
// has no back on its address side.
TEST_F(PdfExport, BackWritesTheSenderSideOfAnEnvelope) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    QFile ini(dir.filePath("mirel36.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(platform::Sjis::bytes(
        QStringLiteral("[Kind]\r\nintCB2=2\r\n[Edit]\r\ntext1=差出太郎\r\n")));
    ini.close();
    const QString out = dir.filePath("back.pdf");
    ASSERT_EQ(app::exportPdf(request(
                  {"--export-pdf", out, dir.filePath("book.csv"), "--rows", "1", "--back"})),
              QString());
    QProcess text;
    text.start(pdftotext,
               {QStringLiteral("-enc"), QStringLiteral("UTF-8"), out, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString written =
        QString::fromUtf8(text.readAllStandardOutput()).remove(QRegularExpression("\\s"));
    EXPECT_TRUE(written.contains(QStringLiteral("差出太郎"))) << written.toStdString();
    EXPECT_FALSE(written.contains(QStringLiteral("山田"))) << written.toStdString();

    EXPECT_FALSE(app::exportPdf(request({"--export-pdf", out, dir.filePath("book.csv"), "--kind",
                                         "1", "--back"}))
                     .isEmpty());
}

// A book whose name is CP932 bytes, as unpacked from a Windows archive.
TEST_F(PdfExport, ABookNamedInCp932OpensFromTheCommandLine) {
    const QByteArray raw = QFile::encodeName(dir.path()) + "/\x83\x65\x83\x58\x83\x67.csv";
    ASSERT_EQ(::rename(QFile::encodeName(dir.filePath("book.csv")).constData(), raw.constData()),
              0);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PELCOR_HOME", dir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    const QString out = dir.filePath("cp932.pdf");
    p.start("sh", {"-c",
                   "exec \"$0\" --export-pdf \"$1\" \"$(printf "
                   "'%s/\\203\\145\\203\\130\\203\\147.csv' \"$2\")\"",
                   QStringLiteral(PELCOR_BINARY), out, dir.path()});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_EQ(readPdf(out).pages, 3);
    ::unlink(raw.constData());  // the temporary folder cannot name it
}

TEST_F(PdfExport, TheMessageSideIsOneCardWithItsPicture) {
    QFile body(dir.filePath("body.txt"));
    ASSERT_TRUE(body.open(QIODevice::WriteOnly));
    body.write(platform::Sjis::bytes(QStringLiteral("謹賀新年\r\n旧年中はお世話になりました")));
    body.close();
    QImage photo(200, 296, QImage::Format_RGB32);
    photo.fill(QColor(200, 120, 40));
    ASSERT_EQ(platform::writeBmp(dir.filePath("photo.bmp"), photo), QString());

    const QString out = dir.filePath("back.pdf");
    const QString error = app::exportPdf(
        request({"--export-pdf", out, dir.filePath("body.txt"), dir.filePath("photo.bmp")}));
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    const PdfInfo info = readPdf(out);
    EXPECT_EQ(info.pages, 1);
    ASSERT_FALSE(info.sizes.isEmpty());
    EXPECT_NEAR(info.sizes[0].width(), 283.5, 1.0);
    EXPECT_FALSE(app::exportPdf(request({"--export-pdf", out, dir.filePath("body.txt"),
                                         dir.filePath("none.jpg")}))
                     .isEmpty());
}

// Read back from the file as a print shop would: with the joint name aligned,
// both honorifics stand on one line on the postcard and every envelope.
TEST_F(PdfExport, AlignedJointNamesPutBothHonorificsOnOneLine) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    QFile book(dir.filePath("joint.csv"));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    book.write(platform::Sjis::bytes(
        QStringLiteral("やまだ,山田　太郎,1234567,東京都港区芝公園4-2-8,,花子,,,,,,,\r\n")));
    book.close();
    QFile ini(dir.filePath("mirel36.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Append));
    ini.write("[Typeset]\r\nJointAlign=1\r\n");
    ini.close();

    for (const char* kind : {"0", "2", "3", "4", "5"}) {
        SCOPED_TRACE(kind);
        const QString out = dir.filePath(QStringLiteral("joint%1.pdf").arg(QLatin1String(kind)));
        ASSERT_EQ(app::exportPdf(request({"--export-pdf", out, book.fileName(), "--kind", kind})),
                  QString());
        QProcess p;
        p.start(pdftotext, {QStringLiteral("-bbox"), out, QStringLiteral("-")});
        ASSERT_TRUE(p.waitForFinished(20000));
        const QString html = QString::fromUtf8(p.readAllStandardOutput());
        static const QRegularExpression word(QStringLiteral("yMin=\"([0-9.]+)\"[^>]*>様<"));
        QVector<double> tops;
        for (auto it = word.globalMatch(html); it.hasNext();)
            tops.append(it.next().captured(1).toDouble());
        ASSERT_EQ(tops.size(), 2) << html.toStdString();
        EXPECT_NEAR(tops[0], tops[1], 0.5 / 25.4 * 72);  // 0.5 mm in points
    }
}

TEST_F(PdfExport, RecordsThatRunOffAreNamedAndTheCardsWrittenAllTheSame) {
    QFile book(dir.filePath("long.csv"));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    book.write(platform::Sjis::bytes(QStringLiteral(
        "やまだ,山田　太郎,0600002,北海道札幌市中央区北一条西二丁目１番地札幌中央ビル北館,,,,,,,,,"
        "\r\nすずき,鈴木　一郎,5300001,大阪府大阪市北区梅田３－１－１,,,,,,,,,\r\n")));
    book.close();
    const QString out = dir.filePath("long.pdf");
    QStringList lines;
    EXPECT_EQ(app::exportPdf(request({"--export-pdf", out, book.fileName()}), &lines), QString());
    EXPECT_EQ(readPdf(out).pages, 2);
    EXPECT_EQ(lines, QStringList({QStringLiteral("1 枚の宛名がはみ出します。"),
                                  QStringLiteral("宛名 1（山田　太郎）: "
                                                 "住所１がはがきの下端からはみ出します。")}));

    QFile ini(dir.filePath("mirel36.ini"));
    ASSERT_TRUE(ini.open(QIODevice::Append));
    ini.write("[Typeset]\r\nFitColumns=1\r\n");
    ini.close();
    lines.clear();
    EXPECT_EQ(app::exportPdf(request({"--export-pdf", out, book.fileName()}), &lines), QString());
    EXPECT_EQ(lines, QStringList());

    // With the barcode on, a record whose address is not in its code's town is named too.
    ASSERT_TRUE(ini.open(QIODevice::Append));
    ini.write("[Barcode]\r\nPrint=1\r\n");
    ini.close();
    EXPECT_EQ(app::exportPdf(request({"--export-pdf", out, book.fileName()}), &lines), QString());
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("宛名 1（山田　太郎）: ")) &&
                lines[0].endsWith(QStringLiteral("バーコードは付きません。")))
        << lines[0].toStdString();
}

// Contacts as the web address book exports them print with their addresses;
// records that still have none are counted on standard error.
TEST_F(PdfExport, ContactsOfElsewhereKeepTheirAddressAndMissingOnesAreSaid) {
    QFile csv(dir.filePath("web.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(QStringLiteral("First Name,Last Name,Address 1 - Street,Address 1 - City,"
                             "Address 1 - Region,Address 1 - Postal Code\n"
                             "太郎,山田,芝公園2-3,港区,東京都,105-0011\n花子,鈴木,,,,\n")
                  .toUtf8());
    csv.close();
    QFile vcard(dir.filePath("phone.VCARD"));
    ASSERT_TRUE(vcard.open(QIODevice::WriteOnly));
    for (const char* name : {"A", "B", "C"})
        vcard.write(QByteArray("BEGIN:VCARD\r\nFN:") + name +
                    "\r\nADR:;;1-1;港区;東京都;;\r\nEND:VCARD\r\n");
    vcard.close();

    const QString out = dir.filePath("web.pdf");
    QStringList notes;
    ASSERT_EQ(app::exportPdf(request({"--export-pdf", out, csv.fileName()}), &notes), QString());
    EXPECT_EQ(readPdf(out).pages, 2);
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].contains(QStringLiteral("1 件")) &&
                notes[0].contains(QStringLiteral("2 行目")))
        << notes[0].toStdString();

    // Rows of a contacts file are its cards in order, whatever is kept.
    notes.clear();
    ASSERT_EQ(
        app::exportPdf(request({"--export-pdf", out, vcard.fileName(), "--rows", "2-"}), &notes),
        QString());
    EXPECT_EQ(readPdf(out).pages, 2);
    EXPECT_TRUE(notes.isEmpty());
    EXPECT_TRUE(app::exportPdf(request({"--export-pdf", out, vcard.fileName(), "--rows", "4"}))
                    .contains(QStringLiteral("3 件")));
}

// An output named in CP932 bytes is written under those bytes, and an
// earlier PDF of that name is the one checked and replaced.
TEST_F(PdfExport, AnOutputNamedInCp932IsWrittenUnderItsOwnName) {
    const QByteArray raw = QFile::encodeName(dir.path()) + "/\x83\x65\x83\x58\x83\x67.pdf";
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PELCOR_HOME", dir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    const QString script = QStringLiteral(
        "exec \"$0\" --export-pdf \"$(printf '%s/\\203\\145\\203\\130\\203\\147.pdf' \"$1\")\" "
        "\"$1/book.csv\"");
    for (int run = 0; run < 2; ++run) {  // the second replaces the first
        p.start("sh", {"-c", script, QStringLiteral(PELCOR_BINARY), dir.path()});
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }
    struct stat written {};
    EXPECT_EQ(::stat(raw.constData(), &written), 0);
    EXPECT_FALSE(
        QFile::exists(dir.filePath(QStringLiteral("テスト.pdf"))));  // its UTF-8 look-alike
    ::unlink(raw.constData());  // the temporary folder cannot name it
}
