// The postal-code dictionary with the shipped list: reading the file the
// first time, the memory it takes, a code to its towns, and an address to
// its codes. Targets: load < 30 ms, memory added < 20 MB, lookup < 2 µs,
// find < 50 µs (medians). The file holds the towns' readings and the codes
// offices have of their own, and the benchmarks ask for both.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <memory>

#include "bench/QtBenchMain.h"
#include "postal/PostalDictionary.h"

namespace {

const QString kPath = QStringLiteral(PELCOR_SOURCE_RESOURCES "/postal-codes.bin");

// Resident memory in bytes, from /proc.
double residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096.0 : 0;
}

const book::PostalDictionary& dictionary() {
    static book::PostalDictionary d;
    if (!d.isLoaded()) d.load(kPath);
    return d;
}

// Runs first, so that the heap has not yet grown for anything else.
void BM_ResidentMemoryAdded(benchmark::State& state) {
    for (auto _ : state) {
        const double before = residentBytes();
        auto d = std::make_unique<book::PostalDictionary>();
        d->load(kPath);
        benchmark::DoNotOptimize(d->find(QStringLiteral("東京都千代田区丸の内1-1")));
        state.counters["added_MB"] = (residentBytes() - before) / (1024.0 * 1024.0);
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_ResidentMemoryAdded)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_FirstLoad(benchmark::State& state) {
    for (auto _ : state) {
        book::PostalDictionary d;
        if (!d.load(kPath)) state.SkipWithError("the shipped file does not load");
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_FirstLoad)->Unit(benchmark::kMillisecond)->Repetitions(5);

// Codes from all over the country, some with several towns, three of
// offices (a public office, a company, a university).
const int kCodes[] = {1000005, 600042,  9000001, 5300001, 4100867, 1000000, 9896711,
                      8120011, 9800811, 7300011, 1008102, 1006150, 1138654};

void BM_LookupCode(benchmark::State& state) {
    const book::PostalDictionary& d = dictionary();
    for (int code : kCodes)
        if (d.lookup(code).empty()) state.SkipWithError("a code of the benchmark is not found");
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(d.lookup(kCodes[i++ % std::size(kCodes)]));
}
BENCHMARK(BM_LookupCode)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void BM_FindAddress(benchmark::State& state) {
    const book::PostalDictionary& d = dictionary();
    const QString addresses[] = {
        QStringLiteral("東京都千代田区丸の内１－１－１"),
        QStringLiteral("北海道札幌市中央区北1条西2丁目1番地"),
        QStringLiteral("沖縄県那覇市港町２丁目"),
        QStringLiteral("大阪市北区梅田3-1-3 ビル5階"),
        QStringLiteral("府中市宮西町1-1"),
        QStringLiteral("静岡県沼津市千本港町"),
        QStringLiteral("東京都千代田区大手町１丁目３－３"),
    };
    for (const QString& a : addresses)
        if (d.find(a).empty()) state.SkipWithError("an address of the benchmark is not found");
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(d.find(addresses[i++ % std::size(addresses)]));
}
BENCHMARK(BM_FindAddress)->Unit(benchmark::kMicrosecond)->Repetitions(5);

}  // namespace

PELCOR_QT_BENCHMARK_MAIN(QCoreApplication)
