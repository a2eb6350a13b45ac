// Exporting a 1,000-record book to PDF: every card's address side, fonts
// embedded, text kept as text.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "bench/BookGenerator.h"
#include "bench/QtBenchMain.h"
#include "book/AddressFile.h"
#include "cli/PdfExport.h"
#include "platform/files/AtomicFile.h"

namespace {

void BM_ExportThousandCards(benchmark::State& state) {
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("book.csv"));
    platform::writeFileAtomically(book, book::buildAddressFile(benchdata::makeRecords(1000)));
    platform::writeFileAtomically(
        dir.filePath(QStringLiteral("mirel36.ini")),
        "[Edit]\r\ntext1=鈴木　一郎\r\ntext5=大阪府大阪市北区梅田三丁目１－１\r\n");
    app::PdfExportRequest request;
    request.output = dir.filePath(QStringLiteral("cards.pdf"));
    request.inputs = {book};
    request.settingsFile = dir.filePath(QStringLiteral("mirel36.ini"));
    for (auto _ : state) {
        const QString error = app::exportPdf(request);
        if (!error.isEmpty()) state.SkipWithError(qPrintable(error));
    }
}
BENCHMARK(BM_ExportThousandCards)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

PELCOR_QT_BENCHMARK_MAIN(QGuiApplication)
