// The preview refresh end to end: read the controls and the record, record
// the address side, and paint the 270-pixel box — what every spin-arrow
// click costs.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include "app/ui/MainWindow.h"
#include "bench/QtBenchMain.h"
#include "book/BookModel.h"
#include "book/ui/SenderPage.h"
#include "platform/files/AppPaths.h"
#include "platform/printer/QtPrintTarget.h"
#include "platform/ui/QtDialogs.h"
#include "records/AddressRecord.h"
#include "render/ui/PreviewBox.h"
#include "render/ui/PreviewPage.h"

namespace {

void BM_RefreshPreview(benchmark::State& state) {
    QTemporaryDir home;
    platform::AppPaths::setOverrideFolder(home.path());
    platform::QtDialogs dialogs;
    platform::QtPrintTarget printer;
    app::MainWindow form(dialogs, printer, {});
    book::BookModel& g = form.addressBook().wholeBook();
    g.setCell(records::ColName, 1, QStringLiteral("山田太郎"));
    g.setCell(records::ColPostal, 1, QStringLiteral("1000005 "));
    g.setCell(records::ColAddress1, 1, QStringLiteral("東京都千代田区丸の内一丁目２番３号"));
    g.setCell(records::ColAddress2, 1, QStringLiteral("丸の内ビル１２階"));
    g.setCell(records::ColJointName, 1, QStringLiteral("花子"));
    g.setCell(records::ColCompany, 1, QStringLiteral("株式会社ABC商事"));
    g.setCell(records::ColTitle, 1, QStringLiteral("営業部長"));
    form.findChild<QLineEdit*>("SSimei")->setText(QStringLiteral("鈴木一郎"));
    form.findChild<QLineEdit*>("SJuusho1")
        ->setText(QStringLiteral("大阪府大阪市北区梅田三丁目１－１"));
    form.findChild<QLineEdit*>("SYuubinBangou1")->setText(QStringLiteral("530"));
    form.findChild<QLineEdit*>("SYuubinBangou2")->setText(QStringLiteral("0001"));
    form.show();
    QApplication::processEvents();
    for (auto _ : state) {
        form.RefreshPreview();
        form.findChild<render::PreviewBox*>("PaintBox1")->repaint();
    }
}
BENCHMARK(BM_RefreshPreview)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

PELCOR_QT_BENCHMARK_MAIN(QApplication)
