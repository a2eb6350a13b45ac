// The work behind each page of an exported PDF, one thread, on the cards of a
// generated book: recording a card, laying out and writing its content, and
// compressing it. The whole export runs these on all cores.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <memory>

#include "bench/BookGenerator.h"
#include "bench/QtBenchMain.h"
#include "book/exchange/ImportSource.h"
#include "platform/page/VerticalText.h"
#include "platform/pdf/Deflate.h"
#include "platform/pdf/PageContent.h"
#include "platform/pdf/PdfResources.h"
#include "render/DrawAddressSide.h"

namespace {

constexpr int kCards = 1000;

render::AddressSideInput card(const QStringList& row) {
    render::AddressSideInput in;
    in.mediaKind = 0;
    for (int c = 0; c < row.size() && c < int(in.record.size()); ++c) in.record[size_t(c)] = row[c];
    in.sender.address1 = QStringLiteral("大阪府大阪市北区梅田3-1-1");
    in.sender.name = QStringLiteral("鈴木一郎");
    in.sender.postalCodeUpper = QStringLiteral("530");
    in.sender.postalCodeLower = QStringLiteral("0001");
    return in;
}

const std::vector<platform::PagePicture>& pictures() {
    static const std::vector<platform::PagePicture> all = [] {
        std::vector<platform::PagePicture> out;
        // A book of the program's own form (PELCOR_BENCH_BOOK) or a
        // generated one whose addresses are all different, as in a real book.
        QVector<QStringList> rows;
        if (const QString book = qEnvironmentVariable("PELCOR_BENCH_BOOK"); !book.isEmpty()) {
            for (const QStringList& r : book::importFile(book).rows) rows.append(r);
        } else {
            rows = benchdata::makeRecords(kCards);
            for (int i = 0; i < kCards; ++i)
                rows[i][4] = QStringLiteral("コーポ千代田%1号室").arg(i + 1);
        }
        for (const QStringList& row : rows) out.push_back(render::DrawAddressSide(card(row)));
        return out;
    }();
    return all;
}

void BM_RecordCard(benchmark::State& state) {
    const QVector<QStringList> rows = benchdata::makeRecords(kCards);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(render::DrawAddressSide(card(rows[i++ % kCards])));
    }
}

void BM_LayoutAddressColumn(benchmark::State& state) {
    platform::FontRecord font;
    font.height = 60;
    font.escapement = font.orientation = 900;
    font.setFaceName(QStringLiteral("@ＭＳ 明朝"));
    const QString text = QStringLiteral("東京都千代田区千代田3丁目12番地");
    for (auto _ : state) benchmark::DoNotOptimize(platform::VerticalText::layout(font, text));
}

// A document's first meeting with each card: a fresh set of resources every
// pass, or every text would come back as a form the second time round.
void BM_PageContent(benchmark::State& state) {
    const auto& pages = pictures();
    std::unique_ptr<platform::pdf::PdfResources> resources;
    std::vector<platform::pdf::FormChoices> forms(pages.size());
    std::string out;
    size_t i = 0;
    for (auto _ : state) {
        if (i % pages.size() == 0) {
            state.PauseTiming();
            resources = std::make_unique<platform::pdf::PdfResources>();
            for (size_t p = 0; p < pages.size(); ++p)
                platform::pdf::prepare(pages[p], *resources, forms[p]);
            state.ResumeTiming();
        }
        const size_t p = i++ % pages.size();
        platform::pdf::pageContent(pages[p], QPointF(), *resources, forms[p], out);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["bytes"] = double(out.size());
}

void BM_DeflatePage(benchmark::State& state) {
    const auto& pages = pictures();
    platform::pdf::PdfResources resources;
    std::vector<platform::pdf::FormChoices> forms(pages.size());
    for (size_t i = 0; i < pages.size(); ++i) platform::pdf::prepare(pages[i], resources, forms[i]);
    std::vector<std::string> contents(pages.size());
    for (size_t i = 0; i < pages.size(); ++i)
        platform::pdf::pageContent(pages[i], QPointF(), resources, forms[i], contents[i]);
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            platform::pdf::deflate(contents[i++ % contents.size()], platform::pdf::Packing::Fast));
}

}  // namespace

BENCHMARK(BM_RecordCard);
BENCHMARK(BM_LayoutAddressColumn);
BENCHMARK(BM_PageContent);
BENCHMARK(BM_DeflatePage);

PELCOR_QT_BENCHMARK_MAIN(QGuiApplication)
