// Start-up of the main window: construction (every creation step), show,
// and the first paint, on the offscreen platform.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "app/ui/MainWindow.h"
#include "platform/files/AppPaths.h"
#include "platform/printer/QtPrintTarget.h"
#include "platform/ui/QtDialogs.h"

namespace {

void showMainWindow() {
    platform::QtDialogs dialogs;
    platform::QtPrintTarget printer;
    app::MainWindow form(dialogs, printer, {});
    form.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(form.grab());
}

void BM_MainWindowShown(benchmark::State& state) {
    for (auto _ : state) showMainWindow();
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer cold;
    cold.start();
    QApplication application(argc, argv);
    QTemporaryDir home;
    platform::AppPaths::setOverrideFolder(home.path());
    showMainWindow();
    // The first window pays for loading fonts and styles: what a user waits for.
    std::printf("cold start (application + first window shown and painted): %.1f ms\n",
                cold.nsecsElapsed() / 1e6);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
