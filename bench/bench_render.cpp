// A full postcard (frame, ten vertical columns, seven upright recipient
// digits and two sender groups) recorded, replayed into the preview image and
// into one PDF page. Every replay shapes its text anew, as the program does
// on each refresh.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include "platform/page/PagePlayer.h"
#include "render/AddressSideOutput.h"
#include "render/DrawAddressSide.h"

using namespace render;

namespace {

// A full record: postal code, two address lines, company, title, name and
// joint name, and the whole sender block.
AddressSideInput fullRecord() {
    AddressSideInput in;
    in.mediaKind = 0;
    in.record[1] = QStringLiteral("山田太郎");
    in.record[2] = QStringLiteral("1000005");
    in.record[3] = QStringLiteral("東京都千代田区丸の内1-2-3");
    in.record[4] = QStringLiteral("ABCビル「本館」12F");
    in.record[5] = QStringLiteral("花子");
    in.record[10] = QStringLiteral("株式会社abc商事");
    in.record[11] = QStringLiteral("営業部長");
    in.sender.address1 = QStringLiteral("大阪府大阪市北区梅田3-1-1");
    in.sender.address2 = QStringLiteral("梅田ハイツ201");
    in.sender.name = QStringLiteral("鈴木一郎");
    in.sender.jointName = QStringLiteral("美咲");
    in.sender.postalCodeUpper = QStringLiteral("530");
    in.sender.postalCodeLower = QStringLiteral("0001");
    return in;
}

platform::PagePicture fullPostcard() { return DrawAddressSide(fullRecord()); }

void BM_RecordFrame(benchmark::State& state) {
    AddressSideInput input;
    for (auto _ : state) benchmark::DoNotOptimize(DrawAddressSide(input));
}

void BM_RecordFullPostcard(benchmark::State& state) {
    const AddressSideInput input = fullRecord();
    for (auto _ : state) benchmark::DoNotOptimize(DrawAddressSide(input));
}

// With every typesetting choice on: the aligned names are measured while
// recording, which shapes four more texts.
void BM_RecordFullPostcardTypeset(benchmark::State& state) {
    AddressSideInput input = fullRecord();
    input.record[1] = QStringLiteral("山田　太郎");
    input.sender.name = QStringLiteral("鈴木　一郎");
    input.typeset = {JointAlign::GivenName, BlockDash::Bar, HalfKana::FullWidth};
    for (auto _ : state) benchmark::DoNotOptimize(DrawAddressSide(input));
}

// With long columns fitted: the columns are measured from the faces'
// advances, and the long ones drawn a character at a time.
void BM_RecordFullPostcardFitted(benchmark::State& state) {
    AddressSideInput input = fullRecord();
    input.typeset.fitColumns = FitColumns::Fit;
    for (auto _ : state) benchmark::DoNotOptimize(DrawAddressSide(input));
}

void BM_RecordLongPostcardFitted(benchmark::State& state) {
    AddressSideInput input = fullRecord();
    input.record[3] = QStringLiteral("北海道札幌市中央区北一条西二丁目１番地");
    input.record[4] = QStringLiteral("札幌中央ビルディング北館１２階");
    input.record[10] = QStringLiteral("株式会社北海道ほっかいどう総合企画開発研究所");
    input.record[11] = QStringLiteral("代表取締役社長");
    input.sender.address1 = QStringLiteral("東京都千代田区丸の内一丁目一番一号丸の内ビル");
    input.typeset.fitColumns = FitColumns::Fit;
    for (auto _ : state) benchmark::DoNotOptimize(DrawAddressSide(input));
}

// What a preview refresh costs once the controls are read: record the page
// with every field placed, then shape and paint it into the 270-pixel box.
void BM_RecordAndPreview(benchmark::State& state) {
    const AddressSideInput input = fullRecord();
    QImage box(270, 400, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const platform::PagePicture page = DrawAddressSide(input);
        QPainter painter(&box);
        showAddressPreview(painter, box.size(), 0, page);
        painter.end();
        benchmark::ClobberMemory();
    }
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

BENCHMARK(BM_PdfFurtherPage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RecordFrame)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RecordFullPostcard)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RecordFullPostcardTypeset)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RecordFullPostcardFitted)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RecordLongPostcardFitted)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RecordAndPreview)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PreviewReplay)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PdfPage)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
