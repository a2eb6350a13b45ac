// With fitting off, the address side is recorded exactly as it always was:
// long records on every kind, both sides, both joint-name choices, digested
// operation by operation and compared with the digest of the classic drawing.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>

#include "render/AddressSideInput.h"
#include "render/DrawAddressSide.h"
#include "render/MediaKind.h"

using namespace render;

namespace {

void digestOp(QDataStream& out, const platform::PageOp& op) {
    namespace o = platform::op;
    out << qint32(op.index());
    if (auto* t = std::get_if<o::Text>(&op))
        out << t->x << t->y << t->text
            << QByteArray(reinterpret_cast<const char*>(&t->font), sizeof t->font);
    else if (auto* r = std::get_if<o::Rectangle>(&op))
        out << r->rect.x1 << r->rect.y1 << r->rect.x2 << r->rect.y2;
    else if (auto* c = std::get_if<o::BrushColour>(&op))
        out << c->colour.rgba();
    else if (auto* p = std::get_if<o::PenColour>(&op))
        out << p->colour.rgba();
    else if (auto* w = std::get_if<o::PenWidth>(&op))
        out << w->width;
    else if (auto* b = std::get_if<o::SetBrushStyle>(&op))
        out << qint32(b->style);
}

// The household's long records, and the ordinary sender block.
AddressSideInput longRecord(int kind, int which) {
    AddressSideInput in;
    in.mediaKind = kind;
    in.record[1] = QStringLiteral("山田　太郎");
    in.record[2] = QStringLiteral("0600002");
    in.record[5] = which == 0 ? QStringLiteral("花子") : QStringLiteral("佐藤　花子");
    if (which == 0) {
        in.record[3] = QStringLiteral("北海道札幌市中央区北一条西二丁目１番地");
        in.record[4] = QStringLiteral("札幌中央ビルディング北館１２階");
        in.record[10] = QStringLiteral("株式会社北海道ほっかいどう総合企画開発研究所");
        in.record[11] = QStringLiteral("代表取締役社長");
    } else {
        in.record[3] = QStringLiteral("神奈川県横浜市西区みなとみらい二丁目二番一号");
        in.record[4] = QStringLiteral("横浜ランドマークタワー三十七階");
    }
    in.sender.address1 = QStringLiteral("東京都千代田区丸の内一丁目一番一号ビル");
    in.sender.address2 = QStringLiteral("丸の内パークビルディング十二階");
    in.sender.name = QStringLiteral("鈴木　一郎");
    in.sender.jointName = QStringLiteral("美咲");
    in.sender.postalCodeUpper = QStringLiteral("100");
    in.sender.postalCodeLower = QStringLiteral("0005");
    return in;
}

}  // namespace

TEST(LongRecordsClassic, RecordingIsTheClassicOne) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (int kind = 0; kind < kMediaKindCount; ++kind)
        for (int which = 0; which < 2; ++which)
            for (bool back : {false, true})
                for (JointAlign align : {JointAlign::NameTop, JointAlign::GivenName}) {
                    AddressSideInput in = longRecord(kind, which);
                    in.envelopeBack = back;
                    in.typeset.jointAlign = align;
                    const platform::PagePicture page = DrawAddressSide(in);
                    out << page.widthHundredths << page.heightHundredths;
                    for (const platform::PageOp& op : page.ops) digestOp(out, op);
                }
    EXPECT_EQ(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(32),
              QByteArray("026317a7b61ce69a64d979fa96c77a35"));
}
