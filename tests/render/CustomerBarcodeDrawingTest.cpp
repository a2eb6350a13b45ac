// The customer barcode on the recorded page: 67 bars at exact sizes, on the
// front only, and from the settings file's [Barcode] keys.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "book/CustomerBarcode.h"
#include "render/DrawAddressSide.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingsInput.h"

namespace {

namespace op = platform::op;

std::vector<op::FillExactRect> bars(const render::AddressSideInput& in) {
    std::vector<op::FillExactRect> out;
    for (const platform::PageOp& o : render::DrawAddressSide(in).ops)
        if (const auto* r = std::get_if<op::FillExactRect>(&o)) out.push_back(*r);
    return out;
}

render::AddressSideInput naga3() {
    render::AddressSideInput in;
    in.mediaKind = int(render::MediaKind::Naga3Envelope);
    in.target = platform::OutputTarget::Printer;
    in.barcode.print = true;
    in.barcode.symbols = book::barcodeSymbols(1000013, QStringLiteral("1-3-2-503"));
    return in;
}

}  // namespace

TEST(CustomerBarcodeDrawing, SixtySevenBarsAtTheChosenSizeOnTheFrontOnly) {
    render::AddressSideInput in = naga3();
    in.barcode.points = 8;  // one module 0.48 mm: no whole number of 0.1 mm
    const std::vector<op::FillExactRect> b = bars(in);
    ASSERT_EQ(b.size(), 67u);
    double top = b[0].y1;
    for (const op::FillExactRect& r : b) top = std::max(top, std::max(r.y1, r.y2));
    for (size_t i = 0; i < b.size(); ++i) {
        EXPECT_NEAR(b[i].x2 - b[i].x1, 4.8, 1e-9);
        EXPECT_NEAR(b[i].x1 - b[0].x1, 9.6 * double(i), 1e-9);
        const double h = std::abs(b[i].y1 - b[i].y2);
        EXPECT_TRUE(std::abs(h - 28.8) < 1e-9 || std::abs(h - 19.2) < 1e-9 ||
                    std::abs(h - 9.6) < 1e-9)
            << h;
    }
    // Inside the sheet, 10 mm from its sides and 15 mm above its bottom.
    EXPECT_GE(b.front().x1, 100);
    EXPECT_LE(b.back().x2, 1200 - 100);
    for (const op::FillExactRect& r : b) EXPECT_GE(std::min(r.y1, r.y2), -2350 + 150 - 1e-6);

    // The adjustment moves it; the back and a switched-off barcode have none.
    in.barcode.xPos = 25;
    in.barcode.yPos = -40;
    const std::vector<op::FillExactRect> moved = bars(in);
    EXPECT_NEAR(moved[0].x1 - b[0].x1, 25, 1e-9);
    EXPECT_NEAR(moved[0].y1 - b[0].y1, -40, 1e-9);
    in.envelopeBack = true;
    EXPECT_TRUE(bars(in).empty());
    in.envelopeBack = false;
    in.barcode.print = false;
    EXPECT_TRUE(bars(in).empty());
}

TEST(CustomerBarcodeDrawing, TheSettingsFileSwitchesAndSizesIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mirel36.ini"));
    const auto input = [&](const QByteArray& section) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(section);
        f.close();
        return app::addressSideInputFromSettings(path).barcode;
    };
    const render::CustomerBarcodeInput off = input("");
    EXPECT_FALSE(off.print);
    EXPECT_EQ(off.points, 10.0);
    const render::CustomerBarcodeInput on =
        input("[Barcode]\r\nPrint=1\r\nSize=11.5\r\nXPos=-20\r\nYPos=9999\r\n");
    EXPECT_TRUE(on.print);
    EXPECT_EQ(on.points, 11.5);
    EXPECT_EQ(on.xPos, -20);
    EXPECT_EQ(on.yPos, render::kBarcodeAdjustMaximum);
    EXPECT_EQ(input("[Barcode]\r\nPrint=1\r\nSize=20\r\n").points, 11.5);
    EXPECT_EQ(input("[Barcode]\r\nPrint=1\r\nSize=ten\r\n").points, 10.0);
    EXPECT_FALSE(input("[Barcode]\r\nPrint=2\r\n").print);

    // Written back as read.
    app::ProgramSettings s;
    s.barcodePrint = 1;
    s.barcodeSize = QStringLiteral("8.5");
    ASSERT_TRUE(app::writeSettingsFile(path, s));
    const app::ProgramSettings back = app::readSettingsFile(path, app::ProgramSettings());
    EXPECT_EQ(back.barcodePrint, 1);
    EXPECT_EQ(back.barcodeSize, QStringLiteral("8.5"));
}
