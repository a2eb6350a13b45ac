// Sample sheets to judge the vertical writing by eye: every kind (and each
// envelope side) at four times the preview size with a full sample record, and a sheet of vertical
// samples in each face. Set PELCOR_SAMPLE_DIR to keep the PNGs; the checks
// run either way.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>

#include "platform/page/PagePlayer.h"
#include "render/AddressSideOutput.h"
#include "render/ConvertForVertical.h"
#include "render/DrawAddressSide.h"
#include "render/DrawingSurface.h"
#include "render/MediaKind.h"
#include "render/VerticalFont.h"

using namespace render;

namespace {

constexpr int kPreviewWidth = 270 * 4;

void keep(const QImage& image, const QString& name) {
    const QString dir = qEnvironmentVariable("PELCOR_SAMPLE_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    ASSERT_TRUE(image.save(QDir(dir).filePath(name))) << name.toStdString();
}

// A record as a user would keep it: company, title, joint name and an
// address long enough to need both lines.
AddressSideInput sampleRecord(int kind, bool back) {
    AddressSideInput in;
    in.mediaKind = kind;
    in.envelopeBack = back;
    in.record[1] = QStringLiteral("山田太郎");
    in.record[2] = QStringLiteral("1000005");
    in.record[3] = QStringLiteral("東京都千代田区丸の内一丁目2-3");
    in.record[4] = QStringLiteral("丸の内パークビルディング12F");
    in.record[5] = QStringLiteral("花子");
    in.record[10] = QStringLiteral("株式会社abc商事");
    in.record[11] = QStringLiteral("営業部長");
    in.sender.name = QStringLiteral("鈴木一郎");
    in.sender.jointName = QStringLiteral("美咲");
    in.sender.postalCodeUpper = QStringLiteral("530");
    in.sender.postalCodeLower = QStringLiteral("0001");
    in.sender.address1 = QStringLiteral("大阪府大阪市北区梅田3-1-1");
    in.sender.address2 = QStringLiteral("梅田ハイツ201号");
    return in;
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
        const bool envelope = mediaKindInfo(MediaKind(k)).isEnvelope();
        for (bool back : envelope ? std::vector<bool>{false, true} : std::vector<bool>{false}) {
            const platform::PagePicture page = DrawAddressSide(sampleRecord(k, back));
            QImage image(kPreviewWidth, 1600, QImage::Format_RGB32);
            image.fill(Qt::magenta);
            QPainter painter(&image);
            showAddressPreview(painter, image.size(), k, page);
            painter.end();
            const QRect sheet = previewRect(k, kPreviewWidth);
            const double scale = double(sheet.width()) / page.widthTenths();
            // Every column carries ink along its first characters, where the
            // recording says it stands.
            int columns = 0;
            for (const platform::PageOp& o : page.ops) {
                const auto* t = std::get_if<platform::op::Text>(&o);
                if (!t || !t->font.isVertical()) continue;
                ++columns;
                const int h = t->font.height;
                const QRect band(int((t->x - h) * scale), int(-t->y * scale), int(h * scale),
                                 int(2 * h * scale));
                EXPECT_GT(inkIn(image, band), band.width() * band.height() / 20)
                    << "kind " << k << " \"" << t->text.toStdString() << "\"";
            }
            EXPECT_EQ(columns, !envelope ? 10 : back ? 4 : 6) << "kind " << k;
            keep(image, QStringLiteral("kind%1%2.png").arg(k).arg(back ? "back" : ""));
        }
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
        DrawingSurface surface(10000, 14800, platform::OutputTarget::Screen);
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
            const QRect band(int((960 - 130 * i - 110) * scale), int(60 * scale), int(110 * scale),
                             int(1300 * scale));
            EXPECT_GT(inkIn(image, band), 200) << "face " << face << " column " << i;
        }
        keep(image, QStringLiteral("face%1.png").arg(face));
    }
}
