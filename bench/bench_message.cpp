// The message side's preview as typing costs it: every key redraws the card
// from the controls, with a 1000 x 1480 picture under the sample greeting,
// and paints the 270-pixel box. Also the renderer alone, and a printed page.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "bench/QtBenchMain.h"
#include "message/BodyFile.h"
#include "message/MessageSideOutput.h"
#include "message/ui/BodyPage.h"
#include "message/ui/MessagePreviewBox.h"
#include "platform/files/AppPaths.h"
#include "platform/ui/QtDialogs.h"

namespace {

QImage photo() {
    QImage img(1000, 1480, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 1000, 1480);
    g.setColorAt(0, QColor(250, 220, 200));
    g.setColorAt(1, QColor(120, 160, 230));
    p.fillRect(img.rect(), g);
    return img;
}

QString sample() { return message::readBodyFile(message::BodyPage::sampleTextPath()).text; }

// One key typed into the editor: its change handler redraws, then the box paints.
void BM_TypingRedraw(benchmark::State& state) {
    QTemporaryDir home;
    platform::AppPaths::setOverrideFolder(home.path());
    platform::QtDialogs dialogs;
    message::BodyPage page(dialogs);
    page.resize(679, 430);
    page.setBackPicture(photo(), home.filePath(QStringLiteral("photo.jpg")));
    // The editor typed into and the preview redrawn, found as a user's tools would.
    auto* editor = page.findChild<QPlainTextEdit*>("RichEdit2");
    auto* preview = page.findChild<message::MessagePreviewBox*>("PaintBox2");
    editor->setPlainText(sample());
    page.show();
    QApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        editor->insertPlainText((++i % 2) ? QStringLiteral("春") : QStringLiteral("\n"));
        preview->repaint();
    }
}
BENCHMARK(BM_TypingRedraw)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_RenderPreviewOnly(benchmark::State& state) {
    message::MessageSideInput in;
    in.lines = sample().split(QLatin1Char('\n'));
    in.picture = photo();
    in.showPicture = true;
    for (auto _ : state) benchmark::DoNotOptimize(message::RenderMessageSide(in));
}
BENCHMARK(BM_RenderPreviewOnly)->Unit(benchmark::kMillisecond);

// A printed card at 360 dpi into a page-sized image.
void BM_PrintedCard(benchmark::State& state) {
    message::MessageSideInput in;
    in.lines = sample().split(QLatin1Char('\n'));
    in.picture = photo();
    in.showPicture = true;
    in.target = platform::OutputTarget::Printer;
    QImage paper(1417, 2098, QImage::Format_RGB32);
    paper.setDotsPerMeterX(qRound(360 / 0.0254));
    paper.setDotsPerMeterY(qRound(360 / 0.0254));
    for (auto _ : state) {
        paper.fill(Qt::white);
        QPainter p(&paper);
        message::printMessageSide(p, message::RenderMessageSide(in));
    }
}
BENCHMARK(BM_PrintedCard)->Unit(benchmark::kMillisecond);

}  // namespace

PELCOR_QT_BENCHMARK_MAIN(QApplication)
