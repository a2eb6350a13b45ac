// The list page's work on a large book: building the list text, and laying
// it out on printer pages (A4 at 600 dpi) as printing does.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTextDocument>

#include "bench/BookGenerator.h"
#include "platform/page/WindowFonts.h"
#include "platform/table/CellGrid.h"
#include "print/ListText.h"
#include "print/TextPrinting.h"
#include "records/AddressRecord.h"

namespace {

platform::MemoryGrid bookGrid(int records) {
    const QVector<QStringList> rows = benchdata::makeRecords(records);
    platform::MemoryGrid grid(records::kColumnCount, records + 1);
    grid.setRowCells(0, records::gridHeaderCells());
    for (int r = 0; r < records; ++r) {
        grid.setRowCells(r + 1, rows[r]);
        grid.setCell(records::ColNumber, r + 1, QString::number(r + 1));
    }
    return grid;
}

void BM_BuildAddressList(benchmark::State& state) {
    const auto grid = bookGrid(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(print::buildListText(grid, print::ListKind::Address));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BuildAddressList)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_LayOutListOnA4(benchmark::State& state) {
    const auto grid = bookGrid(int(state.range(0)));
    QFont font = platform::windowFont(QStringLiteral("ＭＳ ゴシック"), 12);
    font.setPointSizeF(9);
    const print::PrintedText text{print::buildListText(grid, print::ListKind::Address), font, 0.5};
    QImage page(4960, 7016, QImage::Format_Mono);  // A4 at 600 dpi
    page.setDotsPerMeterX(23622);
    page.setDotsPerMeterY(23622);
    int pages = 0;
    for (auto _ : state) {
        const auto doc = print::layoutOnDevice(text, &page);
        pages = doc->pageCount();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_LayOutListOnA4)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
