// The PDF the export writes, checked with the tools a user would open it
// with: qpdf's structure check, poppler's page sizes, text extraction, font
// list and rasteriser, against the same pages played through QPainter.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <thread>

#include "cli/PdfExport.h"
#include "message/RenderMessageSide.h"
#include "platform/page/PagePlayer.h"
#include "platform/pdf/PdfDocument.h"
#include "platform/pictures/PictureFiles.h"
#include "platform/text/Sjis.h"
#include "records/AddressRecord.h"
#include "render/ConvertForVertical.h"
#include "render/DrawAddressSide.h"
#include "settings/SettingsInput.h"

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out, err;
};

ToolRun run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    ToolRun r;
    if (!p.waitForFinished(60000)) return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QString withoutBlanks(QString s) {
    s.remove(QRegularExpression(QStringLiteral("[\\s\\x{3000}]")));
    return s;
}

constexpr int kKinds = 6;
constexpr int kFaces = 4;

class PdfWriter : public ::testing::Test {
  protected:
    render::AddressSideInput card(int kind, int face) {
        render::AddressSideInput in = app::addressSideInputFromSettings(dir.filePath("none.ini"));
        in.mediaKind = kind;
        in.faceIndex = face;
        in.target = platform::OutputTarget::Printer;
        in.record[records::ColName] = QStringLiteral("山田　太郎");
        in.record[records::ColPostal] = QStringLiteral("1234567");
        in.record[records::ColAddress1] = QStringLiteral("東京都港区芝公園四丁目");
        in.record[records::ColAddress2] = QStringLiteral("コーポ・ハーモニー五〇九");
        in.record[records::ColCompany] = QStringLiteral("山田商店");
        in.record[records::ColTitle] = QStringLiteral("店主");
        in.sender.name = QStringLiteral("鈴木　一郎");
        in.sender.address1 = QStringLiteral("大阪府大阪市北区梅田");
        in.sender.postalCodeUpper = QStringLiteral("530");
        in.sender.postalCodeLower = QStringLiteral("0001");
        return in;
    }

    // Every kind in every face, every kind with its preprinted marks, then
    // the message side with a picture.
    std::vector<platform::PagePicture> allPages() {
        std::vector<platform::PagePicture> pages;
        for (int face = 0; face < kFaces; ++face)
            for (int kind = 0; kind < kKinds; ++kind)
                pages.push_back(render::DrawAddressSide(card(kind, face)));
        for (int kind = 0; kind < kKinds; ++kind) {
            render::AddressSideInput marked = card(kind, 0);
            marked.target = platform::OutputTarget::Screen;
            pages.push_back(render::DrawAddressSide(marked));
        }
        message::MessageSideInput m = app::messageSideInputFromSettings(dir.filePath("none.ini"));
        m.target = platform::OutputTarget::Printer;
        m.lines =
            QStringList{QStringLiteral("謹賀新年"), QStringLiteral("旧年中はお世話になりました")};
        QImage photo(120, 160, QImage::Format_RGB32);
        photo.fill(QColor(40, 120, 200));
        QPainter(&photo).fillRect(0, 80, 120, 80, QColor(220, 160, 40));
        m.picture = photo;
        m.showPicture = true;
        pages.push_back(message::RenderMessageSide(m).picture);
        return pages;
    }

    QString write(const QString& name, const std::vector<platform::PagePicture>& pages) {
        const QString path = dir.filePath(name);
        const QString error =
            platform::pdf::writePdf(path, int(pages.size()),
                                    [&](int i, platform::pdf::PdfPage& page) {
                                        page.picture = pages[size_t(i)];
                                        return QString();
                                    },
                                    {QStringLiteral("test"), QStringLiteral("Pelcor")});
        EXPECT_EQ(error, QString());
        return path;
    }

    QTemporaryDir dir;
};

// The same page through the QPainter player at 300 dpi on white. A page
// with a patterned brush is drawn for a 1200 dpi device, as a PDF page is,
// and brought down to 300 dpi, so that its pattern pixels have their size.
QImage paint(const platform::PagePicture& picture, QSize size) {
    bool pattern = false;
    for (const platform::PageOp& op : picture.ops)
        pattern = pattern || std::holds_alternative<platform::op::BrushPattern>(op);
    const int factor = pattern ? 4 : 1;
    QImage image(size * factor, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(300 * factor / 0.0254));
    image.setDotsPerMeterY(qRound(300 * factor / 0.0254));
    {
        QPainter p(&image);
        platform::PagePlayer::playAtNaturalSize(p, picture, QPointF(0, 0));
    }
    return factor == 1 ? image
                       : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

int channelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// Share of the pixels of `a` with no pixel of `b` close in colour (within a
// quarter of the range) at most one pixel away. The two rasterisers smooth
// edges differently and place glyphs up to a pixel apart; a missing,
// wrong or misplaced mark still counts.
double differingShare(const QImage& a, const QImage& b) {
    const int w = std::min(a.width(), b.width()), h = std::min(a.height(), b.height());
    long long differing = 0;
    for (int y = 0; y < h; ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy) {
                if (y + dy < 0 || y + dy >= h) continue;
                const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y + dy));
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = x + dx >= 0 && x + dx < w && channelDistance(la[x], lb[x + dx]) <= 64;
            }
            if (!near) ++differing;
        }
    }
    return double(differing) / (double(w) * h);
}

}  // namespace

TEST_F(PdfWriter, EveryKindPassesTheCheckAtItsExactSize) {
    const std::vector<platform::PagePicture> pages = allPages();
    const QString path = write(QStringLiteral("all.pdf"), pages);
    const ToolRun check = run(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString() << check.err.toStdString();

    const ToolRun info =
        run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                        QStringLiteral("-l"), QString::number(pages.size()), path});
    static const QRegularExpression size(
        QStringLiteral("Page +(\\d+) size: +([0-9.]+) x ([0-9.]+) pts"));
    int seen = 0;
    for (auto it = size.globalMatch(info.out); it.hasNext(); ++seen) {
        const auto m = it.next();
        const platform::PagePicture& page = pages[size_t(m.captured(1).toInt() - 1)];
        // Points to two decimals, from the page's 0.01 mm, nothing rounded to whole points.
        EXPECT_EQ(qRound(m.captured(2).toDouble() * 100),
                  qRound(page.widthHundredths / 2540.0 * 7200));
        EXPECT_EQ(qRound(m.captured(3).toDouble() * 100),
                  qRound(page.heightHundredths / 2540.0 * 7200));
    }
    EXPECT_EQ(seen, int(pages.size()));
    EXPECT_TRUE(info.out.contains(QStringLiteral("Page    1 size:  283.46 x 419.53 pts")))
        << info.out.toStdString();
}

TEST_F(PdfWriter, TextExtractionGivesBackEveryField) {
    const render::AddressSideInput in = card(0, 0);
    const QString path = write(QStringLiteral("card.pdf"), {render::DrawAddressSide(in)});
    const QString text =
        withoutBlanks(run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).out);
    QStringList columns = {in.record[records::ColAddress1], in.record[records::ColAddress2],
                           in.record[records::ColCompany], in.record[records::ColTitle],
                           in.sender.address1};
    // Names are drawn as family and given name apart.
    columns += in.record[records::ColName].split(QChar(u'\u3000'));
    columns += in.sender.name.split(QChar(u'\u3000'));
    for (const QString& field : columns)
        EXPECT_TRUE(text.contains(render::ConvertForVertical(field)))
            << field.toStdString() << " in\n"
            << text.toStdString();
    // Postal codes are drawn digit by digit in their boxes, as digits.
    EXPECT_TRUE(text.contains(in.record[records::ColPostal])) << text.toStdString();
    EXPECT_TRUE(text.contains(in.sender.postalCodeUpper + in.sender.postalCodeLower))
        << text.toStdString();
    // The long-vowel mark in its vertical form still reads as itself.
    EXPECT_TRUE(text.contains(QStringLiteral("コーポ・ハーモニー")));
}

// Text repeated on every page is written once and placed by name; the
// pages that place it must look and read as the first, which draws it.
TEST_F(PdfWriter, RepeatedTextDrawsAsOnTheFirstPage) {
    const platform::PagePicture page = render::DrawAddressSide(card(0, 0));
    const QString path = write(QStringLiteral("same.pdf"), {page, page, page});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("/Subtype /Form"));
    const auto text = [&](int n) {
        const QString at = QString::number(n);
        return run(QStringLiteral("pdftotext"),
                   {QStringLiteral("-f"), at, QStringLiteral("-l"), at, path, QStringLiteral("-")})
            .out;
    };
    EXPECT_EQ(text(3), text(1));
    ASSERT_EQ(run(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"), path,
                   dir.filePath(QStringLiteral("same"))})
                  .exitCode,
              0);
    const QImage first(dir.filePath(QStringLiteral("same-1.png"))),
        third(dir.filePath(QStringLiteral("same-3.png")));
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first, third);
}

TEST_F(PdfWriter, PagesMatchThePainterAt300Dpi) {
    const std::vector<platform::PagePicture> pages = allPages();
    const QString path = write(QStringLiteral("all.pdf"), pages);
    const ToolRun raster = run(QStringLiteral("pdftoppm"),
                               {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                                path, dir.filePath(QStringLiteral("page"))});
    ASSERT_EQ(raster.exitCode, 0) << raster.err.toStdString();
    const QStringList files =
        QDir(dir.path()).entryList({QStringLiteral("page-*.png")}, QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), int(pages.size()));
    for (int i = 0; i < files.size(); ++i) {
        const QImage ours = QImage(dir.filePath(files[i])).convertToFormat(QImage::Format_RGB32);
        const QImage painted = paint(pages[size_t(i)], ours.size());
        const double share = std::max(differingShare(ours, painted), differingShare(painted, ours));
        EXPECT_LE(share, 0.005) << "page " << i + 1 << " (kind " << i % kKinds << ", face or marks "
                                << i / kKinds << ")";
        if (i == 0 || share > 0.005) {
            ours.save(QStringLiteral(PELCOR_TEST_OUTPUT "/pdf-writer-%1.png").arg(i + 1));
            painted.save(QStringLiteral(PELCOR_TEST_OUTPUT "/pdf-painter-%1.png").arg(i + 1));
        }
    }
}

TEST_F(PdfWriter, FacesAreEmbeddedOnceAndSubset) {
    std::vector<platform::PagePicture> pages;
    for (int i = 0; i < 3; ++i) pages.push_back(render::DrawAddressSide(card(0, 0)));
    const QString path = write(QStringLiteral("three.pdf"), pages);
    const ToolRun fonts = run(QStringLiteral("pdffonts"), {path});
    const QStringList lines = fonts.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(lines.isEmpty()) << fonts.out.toStdString();
    QStringList programs;
    for (const QString& line : lines) {
        const QStringList cols = line.simplified().split(QLatin1Char(' '));
        // name, type (2 words), encoding, emb, sub, uni, object id
        ASSERT_GE(cols.size(), 8) << line.toStdString();
        EXPECT_TRUE(cols[0].contains(QRegularExpression(QStringLiteral("^[A-Z]{6}\\+"))))
            << line.toStdString();
        EXPECT_EQ(cols.mid(4, 3), QStringList({"yes", "yes", "yes"})) << line.toStdString();
        // The horizontal and vertical fonts share one program.
        programs << QString(cols[0]).remove(QRegularExpression(QStringLiteral("-Identity-[HV]$")));
    }
    programs.removeDuplicates();
    EXPECT_EQ(programs.size(), 1);
    // A subset of a face of several megabytes.
    EXPECT_LT(QFileInfo(path).size(), 200 * 1024);
}

TEST_F(PdfWriter, AFailedWriteLeavesNothingBehind) {
    QFile book(dir.filePath("book.csv"));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    for (int i = 0; i < 200; ++i)
        book.write(platform::Sjis::bytes(
            QStringLiteral("やまだ,山田　太郎%1,123-4567,東京都港区芝公園,,,,,,,,,\r\n").arg(i)));
    book.close();
    QDir(dir.path()).mkdir(QStringLiteral("out"));
    const QString target = dir.filePath(QStringLiteral("out/cards.pdf"));
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("%PDF- the previous export");
    old.close();

    // The file system refuses to let the file grow past 16 KB.
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PELCOR_HOME"), dir.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("/bin/bash"),
            {QStringLiteral("-c"), QStringLiteral("trap '' XFSZ; ulimit -f 16; exec \"$@\""),
             QStringLiteral("bash"), QStringLiteral(PELCOR_BINARY), QStringLiteral("--export-pdf"),
             target, book.fileName(), QStringLiteral("--kind"), QStringLiteral("0")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_NE(p.exitCode(), 0);
    // The system's reason, not Qt's "Unknown error" for a short write.
    const QString said = QString::fromUtf8(p.readAllStandardError());
    EXPECT_TRUE(said.contains(target));
    EXPECT_TRUE(said.contains(qt_error_string(EFBIG))) << said.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("%PDF- the previous export"));
    EXPECT_EQ(QDir(dir.filePath("out")).entryList(QDir::Files | QDir::Hidden),
              QStringList({"cards.pdf"}));

    // A folder that does not exist.
    app::PdfExportRequest r;
    QString error;
    ASSERT_TRUE(app::parsePdfExport(
        {"--export-pdf", dir.filePath("missing/cards.pdf"), book.fileName()}, r, error));
    r.settingsFile = dir.filePath("none.ini");
    r.kind = 0;
    EXPECT_FALSE(app::exportPdf(r).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing")));

    // A page with no size is refused, not written as a zero-sized page.
    const QString empty = dir.filePath("empty.pdf");
    EXPECT_FALSE(platform::pdf::writePdf(empty, 1,
                                         [](int, platform::pdf::PdfPage&) { return QString(); }, {})
                     .isEmpty());
    EXPECT_FALSE(QFileInfo::exists(empty));
}

TEST_F(PdfWriter, AJpegPictureIsEmbeddedAsItsOwnBytes) {
    QFile body(dir.filePath("body.txt"));
    ASSERT_TRUE(body.open(QIODevice::WriteOnly));
    body.write(platform::Sjis::bytes(QStringLiteral("謹賀新年")));
    body.close();
    QImage photo(160, 240, QImage::Format_RGB32);
    photo.fill(QColor(200, 120, 40));
    ASSERT_EQ(platform::writeJpeg(dir.filePath("photo.jpg"), photo), QString());
    QFile jpeg(dir.filePath("photo.jpg"));
    ASSERT_TRUE(jpeg.open(QIODevice::ReadOnly));

    app::PdfExportRequest r;
    QString error;
    ASSERT_TRUE(app::parsePdfExport(
        {"--export-pdf", dir.filePath("back.pdf"), body.fileName(), jpeg.fileName()}, r, error));
    r.settingsFile = dir.filePath("none.ini");
    ASSERT_EQ(app::exportPdf(r), QString());
    QFile pdf(dir.filePath("back.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_EQ(bytes.count("/DCTDecode"), 1);
    // A print shop's RIP scales the picture as it was taken.
    EXPECT_FALSE(bytes.contains("/Interpolate"));
    EXPECT_TRUE(bytes.contains(jpeg.readAll()));
    EXPECT_EQ(run(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf.fileName()}).exitCode, 0);
}

// The marks of half-width kana and a family name's variation selector come
// back from the file as they were written.
TEST_F(PdfWriter, SoundMarksAndVariantNamesReadBack) {
    render::AddressSideInput in = card(0, 0);
    in.record[records::ColAddress2] = QStringLiteral("ｶﾞｽﾋﾞﾙ");
    in.record[records::ColName] = QString::fromUcs4(U"葛\U000E0100西　太郎");
    const QString path = write(QStringLiteral("marks.pdf"), {render::DrawAddressSide(in)});
    const QString text =
        withoutBlanks(run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).out);
    EXPECT_TRUE(text.contains(render::ConvertForVertical(QStringLiteral("ｶﾞｽﾋﾞﾙ"))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("葛西"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QLatin1Char('?'))) << text.toStdString();
}

// A Type0 font is named after its CIDFont, and after the CMap too when the
// program is CFF; the CIDFont's name carries the subset tag.
TEST_F(PdfWriter, FontNamesFollowTheirDescendants) {
    const QString path = write(QStringLiteral("names.pdf"), allPages());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(file.readAll());
    static const QRegularExpression cid(QStringLiteral(
        "(\\d+) 0 obj\n<</Type /Font /Subtype /CIDFontType([02]) /BaseFont /(\\S+) "));
    static const QRegularExpression type0(
        QStringLiteral("/Subtype /Type0 /BaseFont /(\\S+) /Encoding /(Identity-[HV]) "
                       "/DescendantFonts \\[(\\d+) 0 R"));
    QHash<QString, QString> cidName, cidType;
    for (auto it = cid.globalMatch(bytes); it.hasNext();) {
        const auto m = it.next();
        EXPECT_TRUE(m.captured(3).contains(QRegularExpression(QStringLiteral("^[A-Z]{6}\\+"))));
        cidName[m.captured(1)] = m.captured(3);
        cidType[m.captured(1)] = m.captured(2);
    }
    int seen = 0;
    for (auto it = type0.globalMatch(bytes); it.hasNext(); ++seen) {
        const auto m = it.next();
        const QString d = m.captured(3);
        ASSERT_TRUE(cidName.contains(d));
        EXPECT_EQ(m.captured(1), cidType[d] == QLatin1String("0")
                                     ? cidName[d] + QLatin1Char('-') + m.captured(2)
                                     : cidName[d]);
    }
    EXPECT_EQ(seen, 2 * cidName.size());
    EXPECT_GE(seen, 2);
}

// Pages are built on every core; the file must not depend on which thread
// got to a page first. Several exports run at once, as a busy machine would.
TEST_F(PdfWriter, TheSameBookGivesTheSameBytes) {
    QFile book(dir.filePath("book.csv"));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    for (int i = 0; i < 300; ++i)
        book.write(platform::Sjis::bytes(
            QStringLiteral("やまだ,山田　太郎%1,123-45%2,東京都港区芝公園%3,,,,,,,,,\r\n")
                .arg(i % 7)
                .arg(i % 100, 2, 10, QLatin1Char('0'))
                .arg(i % 3)));
    book.close();
    QFile ini(dir.filePath("mirel36.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(platform::Sjis::bytes(
        QStringLiteral("[Edit]\r\ntext1=鈴木　一郎\r\ntext3=530\r\ntext4=0001\r\n"
                       "text5=大阪府大阪市北区梅田\r\n")));
    ini.close();
    const auto exportTo = [&](const QString& folder, const QString& input) {
        QDir(dir.path()).mkpath(folder);
        app::PdfExportRequest r;
        QString error;
        const QString out = dir.filePath(folder + QStringLiteral("/cards.pdf"));
        EXPECT_TRUE(app::parsePdfExport({"--export-pdf", out, input, "--kind", "0"}, r, error));
        r.settingsFile = ini.fileName();
        EXPECT_EQ(app::exportPdf(r), QString());
        QFile f(out);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    constexpr int kThreads = 3, kRounds = 2;
    std::vector<QByteArray> files(kThreads * kRounds);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int k = 0; k < kRounds; ++k)
                files[size_t(t * kRounds + k)] =
                    exportTo(QStringLiteral("run%1-%2").arg(t).arg(k), book.fileName());
        });
    for (std::thread& t : threads) t.join();
    ASSERT_FALSE(files[0].isEmpty());
    EXPECT_TRUE(files[0].contains("/Subtype /Form"));
    for (size_t i = 1; i < files.size(); ++i) EXPECT_TRUE(files[i] == files[0]) << "export " << i;

    // The trailer's ID is a digest of the content: another book, another ID.
    static const QRegularExpression id(QStringLiteral("/ID \\[<([0-9A-F]{32})> <\\1>\\]"));
    const auto idOf = [](const QByteArray& pdf) {
        return id.match(QString::fromLatin1(pdf.right(400))).captured(1);
    };
    ASSERT_FALSE(idOf(files[0]).isEmpty()) << files[0].right(400).toStdString();
    ASSERT_TRUE(book.open(QIODevice::Append));
    book.write(
        platform::Sjis::bytes(QStringLiteral("さとう,佐藤　花子,,北海道札幌市,,,,,,,,,\r\n")));
    book.close();
    const QByteArray other = exportTo(QStringLiteral("other"), book.fileName());
    EXPECT_NE(idOf(other), idOf(files[0]));
    EXPECT_FALSE(idOf(other).isEmpty());
}
