// Decoding a postcard-sized picture (1000 × 1480, the message side's full
// size) from memory: JPEG at the editor's quality and 24-bit BMP. The files
// are made once from a picture with smooth areas and fine detail, so the
// JPEG has a realistic amount of entropy data.

#include <benchmark/benchmark.h>

#include <QImage>

#include "platform/BmpFile.h"
#include "platform/JpegCodec.h"

namespace {

const QImage& postcard() {
    static const QImage image = [] {
        QImage im(1000, 1480, QImage::Format_RGB32);
        for (int y = 0; y < im.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(im.scanLine(y));
            for (int x = 0; x < im.width(); ++x) {
                const int noise = ((x * 7919 + y * 104729) >> 3) & 31;
                row[x] = qRgb((x * 255 / 1000 + noise) & 255, (y * 255 / 1480) & 255, ((x ^ y) & 63) * 4);
            }
        }
        return im;
    }();
    return image;
}

const QByteArray& jpegFile() {
    static const QByteArray file = platform::encodeJpeg(postcard(), 90, nullptr);
    return file;
}

const QByteArray& bmpFile() {
    static const QByteArray file = platform::encodeBmp(postcard());
    return file;
}

void BM_DecodeJpeg1000x1480(benchmark::State& state) {
    for (auto _ : state) {
        platform::DecodedPicture p = platform::decodeJpeg(jpegFile());
        benchmark::DoNotOptimize(p.image.constBits());
    }
    state.counters["file_kB"] = double(jpegFile().size()) / 1024;
}
BENCHMARK(BM_DecodeJpeg1000x1480)->Unit(benchmark::kMillisecond);

void BM_DecodeBmp1000x1480(benchmark::State& state) {
    for (auto _ : state) {
        platform::DecodedPicture p = platform::decodeBmp(bmpFile());
        benchmark::DoNotOptimize(p.image.constBits());
    }
}
BENCHMARK(BM_DecodeBmp1000x1480)->Unit(benchmark::kMillisecond);

void BM_EncodeJpeg1000x1480(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(platform::encodeJpeg(postcard(), 90, nullptr).size());
}
BENCHMARK(BM_EncodeJpeg1000x1480)->Unit(benchmark::kMillisecond);

void BM_EncodeBmp1000x1480(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(platform::encodeBmp(postcard()).size());
}
BENCHMARK(BM_EncodeBmp1000x1480)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
