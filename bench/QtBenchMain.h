#pragma once
// main() for the benchmark programs that need Qt: an application object of
// the given class on the offscreen platform, then Google Benchmark.

#include <benchmark/benchmark.h>

#include <QtGlobal>

#define PELCOR_QT_BENCHMARK_MAIN(ApplicationClass)          \
    int main(int argc, char** argv) {                       \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) \
            qputenv("QT_QPA_PLATFORM", "offscreen");        \
        ApplicationClass application(argc, argv);           \
        benchmark::Initialize(&argc, argv);                 \
        benchmark::RunSpecifiedBenchmarks();                \
        benchmark::Shutdown();                              \
        return 0;                                           \
    }
