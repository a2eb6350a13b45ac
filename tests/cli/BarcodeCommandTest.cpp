// The customer barcode from the command line: --barcode prints its data,
// and an exported envelope carries its bars, read back from the PDF's
// content and decoded into symbols again.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <map>

#include "platform/text/Sjis.h"
#include "render/BarcodeSymbols.h"

namespace {

struct Outcome {
    int status;
    QString out, err;
};

Outcome mirel36(const QStringList& args, const QString& home) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("PELCOR_HOME", home);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(PELCOR_BINARY), args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

struct Rect {
    double x, y, w, h;
};

// Every filled rectangle of every content stream, in page units (0.1 mm).
std::vector<Rect> filledRects(const QString& pdfPath) {
    QFile f(pdfPath);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray pdf = f.readAll();
    QByteArray content;
    for (qsizetype at = pdf.indexOf("stream"); at >= 0; at = pdf.indexOf("stream", at + 1)) {
        if (at >= 3 && pdf.mid(at - 3, 3) == "end") continue;
        qsizetype start = at + 6;
        if (pdf.mid(start, 2) == "\r\n")
            start += 2;
        else if (pdf.mid(start, 1) == "\n")
            start += 1;
        const qsizetype end = pdf.indexOf("endstream", start);
        if (end < 0) break;
        QByteArray zlib("\x00\x40\x00\x00", 4);  // room for 4 MB, as qUncompress wants
        zlib += pdf.mid(start, end - start);
        content += qUncompress(zlib);
    }
    std::vector<Rect> rects;
    static const QRegularExpression fill(
        QStringLiteral("(-?[0-9.]+) (-?[0-9.]+) (-?[0-9.]+) (-?[0-9.]+) re f\\b"));
    for (auto it = fill.globalMatch(QString::fromLatin1(content)); it.hasNext();) {
        const auto m = it.next();
        rects.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return rects;
}

}  // namespace

TEST(BarcodeCommand, PrintsTheDataAndTheSymbols) {
    QTemporaryDir home;
    const Outcome ok =
        mirel36({"--barcode", "100-0013", "東京都千代田区霞が関1丁目3番2号", "郵便プラザ503室"},
                home.path());
    EXPECT_EQ(ok.status, 0) << ok.err.toStdString();
    EXPECT_EQ(ok.out, QStringLiteral("10000131-3-2-503\n"
                                     "1 0 0 0 0 1 3 1 - 3 - 2 - 5 0 3 CC4 CC4 CC4 CC4 9\n"));

    const Outcome elsewhere =
        mirel36({"--barcode", "1000013", "東京都千代田区丸の内1-1"}, home.path());
    EXPECT_EQ(elsewhere.status, 1);
    EXPECT_TRUE(elsewhere.out.isEmpty());
    EXPECT_TRUE(elsewhere.err.contains(QStringLiteral("バーコードは付きません")))
        << elsewhere.err.toStdString();

    EXPECT_EQ(mirel36({"--barcode", "1000013"}, home.path()).status, 2);
    EXPECT_EQ(mirel36({"--barcode", "100-13", "霞が関1-3-2"}, home.path()).status, 2);
}

TEST(BarcodeCommand, AnExportedEnvelopeCarriesTheBarsAtTheManualsSizes) {
    QTemporaryDir home;
    QFile book(home.filePath("book.csv"));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    book.write(platform::Sjis::bytes(QStringLiteral(
        "やまだ,山田　太郎,100-0013,東京都千代田区霞が関1丁目3番2号,郵便プラザ503室,,,,,,,,\r\n")));
    book.close();
    QFile ini(home.filePath("mirel36.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Barcode]\r\nPrint=1\r\n");
    ini.close();
    const QString pdf = home.filePath("naga3.pdf");
    const Outcome run =
        mirel36({"--export-pdf", pdf, home.filePath("book.csv"), "--kind", "2"}, home.path());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();

    // Bars are 0.6 mm wide; nothing else on the card is.
    std::vector<Rect> bars;
    for (const Rect& r : filledRects(pdf))
        if (std::abs(r.w - 6.0) < 1e-3) bars.push_back(r);
    ASSERT_EQ(bars.size(), 67u);
    std::sort(bars.begin(), bars.end(), [](const Rect& a, const Rect& b) { return a.x < b.x; });
    double bottom = bars[0].y, top = bars[0].y + bars[0].h;
    for (const Rect& r : bars) {
        bottom = std::min(bottom, r.y);
        top = std::max(top, r.y + r.h);
    }
    EXPECT_NEAR(top - bottom, 36.0, 1e-3);  // the long bar, 3.6 mm
    for (size_t i = 1; i < bars.size(); ++i)
        EXPECT_NEAR(bars[i].x - bars[i - 1].x, 12.0, 1e-3);  // the pitch, 1.2 mm

    // Each bar's shape from where it reaches, then three bars to a symbol.
    std::vector<render::Bar> shapes;
    for (const Rect& r : bars) {
        const bool up = std::abs(r.y + r.h - top) < 1e-3, down = std::abs(r.y - bottom) < 1e-3;
        EXPECT_TRUE(std::abs(r.h - (up && down ? 36 : up || down ? 24 : 12)) < 1e-3) << r.h;
        shapes.push_back(up && down ? render::Bar::Long
                         : up       ? render::Bar::Ascender
                         : down     ? render::Bar::Descender
                                    : render::Bar::Timing);
    }
    EXPECT_TRUE(std::equal(render::kStartBars.begin(), render::kStartBars.end(), shapes.begin()));
    EXPECT_TRUE(std::equal(render::kStopBars.begin(), render::kStopBars.end(), shapes.end() - 2));
    QStringList symbols;
    for (size_t i = 2; i + 3 <= shapes.size() - 2; i += 3) {
        QString name = QStringLiteral("?");
        for (render::BarcodeSymbol s = 0; s <= render::kBarcodeCC8; ++s) {
            const std::array<render::Bar, 3> b = render::barsOfSymbol(s);
            if (std::equal(b.begin(), b.end(), shapes.begin() + qsizetype(i)))
                name = render::barcodeSymbolName(s);
        }
        symbols += name;
    }
    EXPECT_EQ(symbols.join(u' '),
              QStringLiteral("1 0 0 0 0 1 3 1 - 3 - 2 - 5 0 3 CC4 CC4 CC4 CC4 9"));
}
