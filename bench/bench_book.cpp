// The address book with 10,000 records: open into the grid, save, sort,
// filter — end to end through the main window.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>

#include "app/ui/MainWindow.h"
#include "bench/BookGenerator.h"
#include "bench/QtBenchMain.h"
#include "book/AddressFile.h"
#include "platform/files/AppPaths.h"
#include "platform/files/AtomicFile.h"
#include "platform/printer/QtPrintTarget.h"
#include "platform/ui/QtDialogs.h"

namespace {

constexpr int kRecords = 10000;

struct Fixture {
    QTemporaryDir home;
    platform::QtDialogs dialogs;
    platform::QtPrintTarget printer;
    QString bookPath;
    std::unique_ptr<app::MainWindow> form;

    Fixture() {
        platform::AppPaths::setOverrideFolder(home.path());
        bookPath = home.filePath(QStringLiteral("book.csv"));
        platform::writeFileAtomically(bookPath,
                                      book::buildAddressFile(benchdata::makeRecords(kRecords)));
        form = std::make_unique<app::MainWindow>(dialogs, printer, QStringList());
        form->show();
        QApplication::processEvents();
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_OpenBook(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        f.form->OpenDocument(f.bookPath);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenBook)->Unit(benchmark::kMillisecond);

void BM_SaveBook(benchmark::State& state) {
    Fixture& f = fixture();
    f.form->OpenDocument(f.bookPath);
    const QString out = f.home.filePath(QStringLiteral("saved.csv"));
    for (auto _ : state) benchmark::DoNotOptimize(f.form->SaveAddressFile(out));
}
BENCHMARK(BM_SaveBook)->Unit(benchmark::kMillisecond);

void BM_SortBook(benchmark::State& state) {
    Fixture& f = fixture();
    f.form->OpenDocument(f.bookPath);
    bool forward = true;
    for (auto _ : state) {
        forward ? f.form->ActSortExecute() : f.form->ActRSortExecute();
        forward = !forward;
    }
}
BENCHMARK(BM_SortBook)->Unit(benchmark::kMillisecond);

void BM_FilterBook(benchmark::State& state) {
    Fixture& f = fixture();
    f.form->OpenDocument(f.bookPath);
    for (auto _ : state) {
        f.form->selectRelation(QStringLiteral("友人"));  // about a quarter of the book
        state.PauseTiming();
        f.form->selectRelation(QStringLiteral("全部"));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FilterBook)->Unit(benchmark::kMillisecond);

}  // namespace

PELCOR_QT_BENCHMARK_MAIN(QApplication)
