// Sample sheets to judge the vertical writing by eye: every kind at four
// times the preview size with a sample record, and a sheet of vertical
// samples in each face. Set PELCOR_SAMPLE_DIR to keep the PNGs; the checks
// run either way.

#include "platform/PagePlayer.h"
#include "render/AddressSideOutput.h"
#include "render/ConvertForVertical.h"
#include "render/DrawAddressSide.h"
#include "render/DrawingSurface.h"
#include "render/MediaKind.h"
#include "render/VerticalFont.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>

using namespace render;

namespace {

constexpr int kPreviewWidth = 270 * 4;

void keep(const QImage& image, const QString& name) {
    const QString dir = qEnvironmentVariable("PELCOR_SAMPLE_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    ASSERT_TRUE(image.save(QDir(dir).filePath(name))) << name.toStdString();
}

// Stand-in for the field placement: a record drawn at the kind's base
// positions, enough to judge how a card reads.
void appendSampleRecord(platform::PagePicture& page, MediaKind kind, int face) {
    struct Base { int p, wd, ha, a1x, a2x, a2y, hn, nx, ny, jx; };
    static const Base bases[] = {
        {450, 38, 60, 910, 810, 400, 120, 650, 400, 530}, {450, 38, 60, 910, 810, 400, 120, 650, 400, 530},
        {658, 23, 80, 1100, 1000, 500, 135, 800, 500, 630}, {360, 23, 60, 800, 700, 500, 100, 550, 500, 430},
        {658, 23, 70, 1100, 1000, 500, 110, 800, 500, 680}, {598, 23, 60, 1040, 950, 500, 110, 750, 500, 630},
    };
    const Base& b = bases[int(kind)];
    auto text = [&](int x, int y, const QString& s, const VerticalFont& f) {
        page.ops.push_back(platform::op::Text{x, y, s, f});
    };
    const QString postal = QStringLiteral("1000005");
    for (int i = 0; i < postal.size(); ++i)
        text(b.p + 70 * i, -138, postal.mid(i, 1), verticalFontRecord(face, 69, b.wd));
    const VerticalFont address = verticalFontRecord(face, b.ha);
    text(b.a1x, -300, ConvertForVertical(QStringLiteral("東京都千代田区丸の内1-2-3")), address);
    text(b.a2x, -b.a2y, ConvertForVertical(QStringLiteral("ＡＢＣビル「本館」１２Ｆ")), address);
    const VerticalFont name = verticalFontRecord(face, b.hn);
    text(b.nx, -b.ny, ConvertForVertical(QStringLiteral("山田太郎 様")), name);
    text(b.jx, -b.ny, ConvertForVertical(QStringLiteral("花子 様")), name);
    if (kind == MediaKind::NewYearPostcard || kind == MediaKind::PlainPostcard) {
        const int s1y = kind == MediaKind::NewYearPostcard ? 600 : 800;
        const int sny = kind == MediaKind::NewYearPostcard ? 900 : 1050;
        const int spy = kind == MediaKind::NewYearPostcard ? 1253 : 1403;
        text(300, -s1y, ConvertForVertical(QStringLiteral("大阪府大阪市北区梅田3-1-1")), verticalFontRecord(face, 40));
        text(180, -sny, QStringLiteral("鈴木一郎"), verticalFontRecord(face, 60));
        text(61, -spy, QStringLiteral("530"), verticalFontRecord(face, 35, 36));
        text(196, -spy, QStringLiteral("0001"), verticalFontRecord(face, 35, 36));
    }
}

// Dark pixels inside a rectangle of the image.
int inkIn(const QImage& image, const QRect& r) {
    int n = 0;
    const QRect clipped = r.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++n;
    return n;
}

}  // namespace

TEST(SampleSheet, EveryKindAtFourTimesThePreview) {
    for (int k = 0; k < kMediaKindCount; ++k) {
        AddressSideInput input;
        input.mediaKind = k;
        platform::PagePicture page = DrawAddressSide(input);
        appendSampleRecord(page, MediaKind(k), 0);
        QImage image(kPreviewWidth, 1600, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        showAddressPreview(painter, image.size(), k, page);
        painter.end();
        const QRect sheet = previewRect(k, kPreviewWidth);
        // The name column (the largest text) must carry ink where it stands.
        const MediaKindInfo& info = mediaKindInfo(MediaKind(k));
        const double scale = double(sheet.width()) / (info.widthHundredths / 10.0);
        EXPECT_GT(inkIn(image, QRect(int(400 * scale), int(400 * scale), int(400 * scale), int(700 * scale))), 500)
            << "kind " << k;
        keep(image, QStringLiteral("kind%1.png").arg(k));
    }
}

TEST(SampleSheet, VerticalSamplesInEveryFace) {
    const QStringList columns = {
        QStringLiteral("「東京都」（千代田区）、丸の内。"),
        QStringLiteral("ラーメン－カレー～ケーキ…"),
        QStringLiteral("ＡＢＣ商事 abc-123 ｶﾀｶﾅ"),
        QStringLiteral("山田太郎 様"),
        ConvertForVertical(QStringLiteral("2024年1-2-3号")),
        QStringLiteral("ぁぃぅぇぉっゃゅょ、。"),
        QStringLiteral("髙橋①㈱№〒"),
    };
    for (int face = 0; face < int(VerticalFaceList.size()); ++face) {
        DrawingSurface surface(10000, 14800, ReferenceDevice::Screen);
        surface.rectangle(0, 0, 1000, -1480);
        for (int i = 0; i < columns.size(); ++i) {
            MakeVerticalFont(surface, face, 110);
            surface.textOut(960 - 130 * i, -60, columns[i]);
        }
        MakeVerticalFont(surface, face, 69, 38);
        surface.textOut(60, -1300, QStringLiteral("1000005"));
        const platform::PagePicture page = surface.finish();
        QImage image(kPreviewWidth, int(kPreviewWidth * 1.48), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        platform::PagePlayer::playStretched(painter, page, QRectF(image.rect()));
        painter.end();
        const double scale = kPreviewWidth / 1000.0;
        for (int i = 0; i < columns.size(); ++i) {
            const QRect band(int((960 - 130 * i - 110) * scale), int(60 * scale), int(110 * scale), int(1300 * scale));
            EXPECT_GT(inkIn(image, band), 200) << "face " << face << " column " << i;
        }
        keep(image, QStringLiteral("face%1.png").arg(face));
    }
}
