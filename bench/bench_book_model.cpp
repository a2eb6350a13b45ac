// The address book with 10,000 records on the book model alone, no window:
// what the core costs under the main window's figures of bench_book.

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "bench/BookGenerator.h"
#include "bench/QtBenchMain.h"
#include "book/AddressFile.h"
#include "book/BookModel.h"

namespace {

constexpr int kRecords = 10000;

const QByteArray& bookFile() {
    static const QByteArray bytes = book::buildAddressFile(benchdata::makeRecords(kRecords));
    return bytes;
}

void BM_ModelOpen(benchmark::State& state) {
    book::BookModel b;
    for (auto _ : state) {
        b.load(book::parseAddressFile(bookFile()));
        b.removeHyphens();
    }
}
BENCHMARK(BM_ModelOpen)->Unit(benchmark::kMillisecond);

void BM_ModelSave(benchmark::State& state) {
    book::BookModel b;
    b.load(book::parseAddressFile(bookFile()));
    for (auto _ : state) benchmark::DoNotOptimize(book::buildAddressFile(b.records()));
}
BENCHMARK(BM_ModelSave)->Unit(benchmark::kMillisecond);

void BM_ModelSort(benchmark::State& state) {
    book::BookModel b;
    b.load(book::parseAddressFile(bookFile()));
    bool forward = true;
    for (auto _ : state) {
        b.sort(forward ? book::SortOrder::Forward : book::SortOrder::Backward);
        forward = !forward;
    }
}
BENCHMARK(BM_ModelSort)->Unit(benchmark::kMillisecond);

void BM_ModelFilter(benchmark::State& state) {
    book::BookModel all, friends;
    all.load(book::parseAddressFile(bookFile()));
    for (auto _ : state)
        benchmark::DoNotOptimize(friends.selectRelation(all, QStringLiteral("友人")));
}
BENCHMARK(BM_ModelFilter)->Unit(benchmark::kMillisecond);

}  // namespace

PELCOR_QT_BENCHMARK_MAIN(QCoreApplication)
