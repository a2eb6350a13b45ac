// A full postcard (frame, eight vertical columns, seven upright digits)
// replayed into the preview image and into one PDF page. Every replay shapes
// its text anew, as the program does on each refresh.

#include "platform/PagePlayer.h"
#include "render/AddressSideOutput.h"
#include "render/ConvertForVertical.h"
#include "render/DrawAddressSide.h"
#include "render/VerticalFont.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

using namespace render;

namespace {

platform::PagePicture fullPostcard() {
    AddressSideInput input;
    input.mediaKind = 0;
    platform::PagePicture page = DrawAddressSide(input);
    auto text = [&](int x, int y, const QString& s, const VerticalFont& f) {
        page.ops.push_back(platform::op::Text{x, y, s, f});
    };
    const QString postal = QStringLiteral("1000005");
    for (int i = 0; i < 7; ++i) text(450 + 70 * i, -138, postal.mid(i, 1), verticalFontRecord(0, 69, 38));
    const VerticalFont address = verticalFontRecord(0, 60);
    text(910, -300, ConvertForVertical(QStringLiteral("東京都千代田区丸の内1-2-3")), address);
    text(810, -400, ConvertForVertical(QStringLiteral("ABCビル「本館」12F")), address);
    const VerticalFont name = verticalFontRecord(0, 120);
    text(650, -400, ConvertForVertical(QStringLiteral("山田太郎 様")), name);
    text(530, -400, ConvertForVertical(QStringLiteral("花子 様")), name);
    const VerticalFont sender = verticalFontRecord(0, 40);
    text(300, -600, ConvertForVertical(QStringLiteral("大阪府大阪市北区梅田3-1-1")), sender);
    text(250, -800, ConvertForVertical(QStringLiteral("梅田ハイツ201")), sender);
    const VerticalFont senderName = verticalFontRecord(0, 60);
    text(180, -900, QStringLiteral("鈴木一郎"), senderName);
    text(100, -900, QStringLiteral("美咲"), senderName);
    return page;
}

void BM_RecordFrame(benchmark::State& state) {
    AddressSideInput input;
    for (auto _ : state) benchmark::DoNotOptimize(DrawAddressSide(input));
}

void BM_PreviewReplay(benchmark::State& state) {
    const platform::PagePicture page = fullPostcard();
    QImage box(270, 400, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&box);
        showAddressPreview(painter, box.size(), 0, page);
        painter.end();
        benchmark::ClobberMemory();
    }
}

void BM_PdfPage(benchmark::State& state) {
    const platform::PagePicture page = fullPostcard();
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&out);
            writer.setPageSize(QPageSize(QSizeF(100, 148), QPageSize::Millimeter));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            QPainter painter(&writer);
            printAddressSide(painter, page);
        }
        benchmark::DoNotOptimize(out.data().size());
    }
}

// One more page of a print run already under way: what each further
// selected row costs once the document and its fonts are set up.
void BM_PdfFurtherPage(benchmark::State& state) {
    const platform::PagePicture page = fullPostcard();
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QPdfWriter writer(&out);
    writer.setPageSize(QPageSize(QSizeF(100, 148), QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    printAddressSide(painter, page);
    for (auto _ : state) {
        writer.newPage();
        printAddressSide(painter, page);
    }
    painter.end();
    state.counters["bytes_per_page"] = double(out.data().size()) / double(state.iterations() + 1);
}

}  // namespace

BENCHMARK(BM_PdfFurtherPage)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RecordFrame)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PreviewReplay)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_PdfPage)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
