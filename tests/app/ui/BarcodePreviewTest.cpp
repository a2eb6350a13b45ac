// The barcode tab of the adjustment panel: the preview shows the bars, and
// says in the status bar why a record gets none.

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>

#include "app/ui/Settings.h"
#include "records/AddressRecord.h"
#include "tests/app/MainWindowFixture.h"

namespace {

size_t barCount(app::MainWindow& f) {
    size_t n = 0;
    for (const platform::PageOp& op : previewBox(f)->picture().ops)
        n += std::holds_alternative<platform::op::FillExactRect>(op);
    return n;
}

}  // namespace

TEST_F(MainWindowTest, ThePreviewShowsTheBarcodeOrWhyThereIsNone) {
    app::MainWindow& f = make();
    f.addressBook().wholeBook().setRowCount(3);
    f.addressBook().wholeBook().setCell(records::ColName, 1, QStringLiteral("山田太郎"));
    f.addressBook().wholeBook().setCell(records::ColPostal, 1, QStringLiteral("1000013"));
    f.addressBook().wholeBook().setCell(records::ColAddress1, 1,
                                        QStringLiteral("東京都千代田区霞が関1丁目3番2号"));
    f.addressBook().wholeBook().setCell(records::ColPostal, 2, QStringLiteral("9999999"));
    f.addressBook().wholeBook().setCell(records::ColAddress1, 2,
                                        QStringLiteral("東京都千代田区霞が関1丁目3番2号"));
    f.show();
    f.showPage(app::Page::Preview);
    wholeGrid(f)->setRow(1);
    auto* remark = f.findChild<QLabel*>(QStringLiteral("BarcodeRemark"));
    ASSERT_NE(remark, nullptr);
    EXPECT_EQ(barCount(f), 0u);  // off by default

    f.findChild<QCheckBox*>(QStringLiteral("BarcodePrint"))->setChecked(true);
    EXPECT_EQ(barCount(f), 67u);
    EXPECT_TRUE(remark->isHidden());
    const QString dir = QStringLiteral(PELCOR_TEST_OUTPUT);
    QDir().mkpath(dir);
    f.findChild<QTabWidget*>(QStringLiteral("PageControl2"))->setCurrentIndex(9);
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.grab().save(QDir(dir).filePath(QStringLiteral("preview-barcode.png"))));

    wholeGrid(f)->setRow(2);
    EXPECT_EQ(barCount(f), 0u);
    EXPECT_FALSE(remark->isHidden());
    EXPECT_TRUE(remark->text().contains(QStringLiteral("郵便番号辞書にない")))
        << remark->text().toStdString();
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.grab().save(QDir(dir).filePath(QStringLiteral("preview-barcode-none.png"))));

    // The window's values are what the settings file keeps.
    f.findChild<QDoubleSpinBox*>(QStringLiteral("BarcodeSize"))->setValue(11.5);
    const app::ProgramSettings s = f.currentSettings();
    EXPECT_EQ(s.barcodePrint, 1);
    EXPECT_EQ(s.barcodeSize, QStringLiteral("11.5"));
    f.showPage(app::Page::Sender);
    EXPECT_TRUE(remark->isHidden());
}
