// Decoding a postcard-sized picture (1000 × 1480, the message side's full
// size) from memory: JPEG at the editor's quality and 24-bit BMP. The files
// are made once from a picture with smooth areas and fine detail, so the
// JPEG has a realistic amount of entropy data.

#include <benchmark/benchmark.h>

#include <QImage>

#include "platform/metafile/Metafile.h"
#include "platform/pictures/BmpFile.h"
#include "platform/pictures/JpegCodec.h"

namespace {

const QImage& postcard() {
    static const QImage image = [] {
        QImage im(1000, 1480, QImage::Format_RGB32);
        for (int y = 0; y < im.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(im.scanLine(y));
            for (int x = 0; x < im.width(); ++x) {
                const int noise = ((x * 7919 + y * 104729) >> 3) & 31;
                row[x] = qRgb((x * 255 / 1000 + noise) & 255, (y * 255 / 1480) & 255,
                              ((x ^ y) & 63) * 4);
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
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::encodeJpeg(postcard(), 90, nullptr).size());
}
BENCHMARK(BM_EncodeJpeg1000x1480)->Unit(benchmark::kMillisecond);

void BM_EncodeBmp1000x1480(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(platform::encodeBmp(postcard()).size());
}
BENCHMARK(BM_EncodeBmp1000x1480)->Unit(benchmark::kMillisecond);

// A 2.5 KB metafile of the largest size allowed (10950 x 10950 pixels) whose
// hundred records each fill the whole picture: the drawing budget must stop
// it well within the few seconds any picture may take (target: under 10 s).
const QByteArray& wholePictureFills() {
    static const QByteArray file = [] {
        QByteArray b;
        auto put = [&b](std::initializer_list<qint64> values) {
            for (qint64 v : values)
                for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xff));
        };
        const qint64 side = 10950, frame = side * 2540 / 96;  // 0.01 mm at 96 dpi
        put({1,
             88,
             0,
             0,
             side,
             side,
             0,
             0,
             frame,
             frame,
             0x464D4520,
             0x10000,
             88 + 12 + 100 * 24 + 20,
             0,
             8,
             0,
             0,
             0,
             960,
             480,
             254,
             127});
        put({37, 12, 0x80000004});  // the black stock brush
        for (int i = 0; i < 100; ++i) put({43, 24, 0, 0, side, side});
        put({14, 20, 0, 16, 20});
        return b;
    }();
    return file;
}

void BM_MetafileOfWholePictureFills(benchmark::State& state) {
    for (auto _ : state) {
        platform::DecodedPicture p = platform::decodeEmf(wholePictureFills());
        benchmark::DoNotOptimize(p.image.constBits());
    }
    state.counters["file_kB"] = double(wholePictureFills().size()) / 1024;
}
BENCHMARK(BM_MetafileOfWholePictureFills)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
