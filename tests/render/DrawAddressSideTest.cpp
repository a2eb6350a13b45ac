// The frame of the address side read back from the recorded operations: the
// page size, and each preprinted mark with the pen and brush it is drawn with.

#include <gtest/gtest.h>

#include <variant>

#include "render/DrawAddressSide.h"
#include "render/MediaKind.h"

using namespace render;
using platform::PageRect;
namespace op = platform::op;

namespace {

struct Mark {
    PageRect rect;
    QColor pen;
    int penWidth;
    QColor brush;
    bool operator==(const Mark& o) const {
        return rect == o.rect && pen == o.pen && penWidth == o.penWidth && brush == o.brush;
    }
};

std::ostream& operator<<(std::ostream& os, const Mark& m) {
    return os << "(" << m.rect.x1 << "," << m.rect.y1 << ")-(" << m.rect.x2 << "," << m.rect.y2
              << ") pen " << m.pen.name().toStdString() << " w" << m.penWidth << " brush "
              << m.brush.name().toStdString();
}

// Every rectangle with the drawing state it was drawn with, in order.
std::vector<Mark> marksOf(const platform::PagePicture& page) {
    std::vector<Mark> marks;
    QColor pen = Qt::black, brush = Qt::white;
    int width = 1;
    for (const platform::PageOp& o : page.ops) {
        if (auto* p = std::get_if<op::PenColour>(&o)) pen = p->colour;
        if (auto* w = std::get_if<op::PenWidth>(&o)) width = w->width;
        if (auto* b = std::get_if<op::BrushColour>(&o)) brush = b->colour;
        EXPECT_FALSE(std::holds_alternative<op::SetBrushStyle>(o))
            << "the address side keeps a solid brush";
        if (auto* r = std::get_if<op::Rectangle>(&o)) marks.push_back({r->rect, pen, width, brush});
    }
    return marks;
}

const QColor kRedMark(255, 0, 0), kGreenMark(0, 255, 0), kBlueMark(0, 0, 255), kBlackMark(0, 0, 0),
    kWhiteMark(255, 255, 255);

struct KindFrame {
    int widthHundredths, heightHundredths;
    PageRect outline;
    PageRect stamp;
    QColor stampPen;
    int firstBoxLeft;
    int senderTop, senderBottom;
};

const KindFrame kFrames[kMediaKindCount] = {
    {10000, 14800, {0, 0, 1000, -1480}, {70, -70, 270, -340}, kRedMark, 437, -1240, -1305},
    {10000, 14800, {0, 0, 1000, -1480}, {70, -70, 270, -340}, kGreenMark, 437, -1390, -1455},
    {12000, 23500, {0, 0, 1200, -2350}, {70, -130, 270, -370}, kBlueMark, 637, -2140, -2205},
    {9000, 20500, {0, 0, 900, -2050}, {70, -130, 270, -370}, kBlueMark, 337, -1840, -1905},
    {12000, 17600, {0, 0, 1200, -1760}, {70, -130, 270, -370}, kBlueMark, 637, -1550, -1615},
    {11400, 16200, {0, 0, 1140, -1620}, {70, -130, 270, -370}, kBlueMark, 577, -1410, -1475},
};

std::vector<Mark> recipientBoxes(int L) {
    const PageRect rects[] = {
        {L, -122, L + 60, -212},
        {L + 70, -122, L + 130, -212},
        {L + 140, -122, L + 200, -212},
        {L + 199, -167, L + 210, -169},  // hyphen mark, between the third and fourth box
        {L + 210, -122, L + 270, -212},
        {L + 280, -122, L + 340, -212},
        {L + 350, -122, L + 410, -212},
        {L + 420, -122, L + 480, -212},
    };
    std::vector<Mark> out;
    for (const PageRect& r : rects) out.push_back({r, kRedMark, 1, kWhiteMark});
    return out;
}

std::vector<Mark> senderBoxes(int top, int bottom) {
    std::vector<Mark> out;
    for (int x : {54, 94, 134, 185, 225, 265, 305})
        out.push_back({{x, top, x + 40, bottom}, kRedMark, 1, kWhiteMark});
    return out;
}

std::vector<Mark> operator+(std::vector<Mark> a, const std::vector<Mark>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

platform::PagePicture draw(int kind, bool back,
                           platform::OutputTarget target = platform::OutputTarget::Screen) {
    AddressSideInput input;
    input.mediaKind = kind;
    input.envelopeBack = back;
    input.target = target;
    input.record[1] = QStringLiteral("山田太郎");
    input.sender.name = QStringLiteral("鈴木一郎");
    return DrawAddressSide(input);
}

}  // namespace

TEST(DrawAddressSide, PostcardsShowEveryMarkInOrder) {
    for (int kind : {0, 1}) {
        const KindFrame& f = kFrames[kind];
        // The envelope side does not matter for postcards.
        for (bool back : {false, true}) {
            const platform::PagePicture page = draw(kind, back);
            EXPECT_EQ(page.widthHundredths, f.widthHundredths);
            EXPECT_EQ(page.heightHundredths, f.heightHundredths);
            const std::vector<Mark> expected =
                std::vector<Mark>{{f.outline, kBlackMark, 1, kWhiteMark},
                                  {f.stamp, f.stampPen, 1, kWhiteMark}} +
                recipientBoxes(f.firstBoxLeft) + senderBoxes(f.senderTop, f.senderBottom);
            EXPECT_EQ(marksOf(page), expected) << "kind " << kind;
        }
    }
}

TEST(DrawAddressSide, EnvelopeFrontShowsStampAndRecipientBoxes) {
    for (int kind = 2; kind < kMediaKindCount; ++kind) {
        const KindFrame& f = kFrames[kind];
        const platform::PagePicture page = draw(kind, false);
        EXPECT_EQ(page.widthHundredths, f.widthHundredths);
        EXPECT_EQ(page.heightHundredths, f.heightHundredths);
        const std::vector<Mark> expected = std::vector<Mark>{{f.outline, kBlackMark, 1, kWhiteMark},
                                                             {f.stamp, kBlueMark, 1, kWhiteMark}} +
                                           recipientBoxes(f.firstBoxLeft);
        EXPECT_EQ(marksOf(page), expected) << "kind " << kind;
    }
}

TEST(DrawAddressSide, EnvelopeBackShowsSenderBoxesOnly) {
    for (int kind = 2; kind < kMediaKindCount; ++kind) {
        const KindFrame& f = kFrames[kind];
        const std::vector<Mark> expected =
            std::vector<Mark>{{f.outline, kBlackMark, 1, kWhiteMark}} +
            senderBoxes(f.senderTop, f.senderBottom);
        EXPECT_EQ(marksOf(draw(kind, true)), expected) << "kind " << kind;
    }
}

TEST(DrawAddressSide, RecipientBoxesHaveAUniformPitch) {
    // Seven boxes 60 wide at a pitch of 70: no wider gap after the third.
    const std::vector<Mark> marks = marksOf(draw(0, false));
    std::vector<int> lefts;
    for (const Mark& m : marks)
        if (m.rect.y1 == -122 && m.rect.y2 == -212) lefts.push_back(m.rect.x1);
    ASSERT_EQ(lefts.size(), 7u);
    for (size_t i = 1; i < lefts.size(); ++i) EXPECT_EQ(lefts[i] - lefts[i - 1], 70);
}

TEST(DrawAddressSide, PrinterNeverGetsTheMarks) {
    for (int kind = 0; kind < kMediaKindCount; ++kind) {
        for (bool back : {false, true}) {
            const platform::PagePicture page = draw(kind, back, platform::OutputTarget::Printer);
            EXPECT_TRUE(page.isValid());
            EXPECT_EQ(page.widthHundredths, kFrames[kind].widthHundredths);
            EXPECT_TRUE(marksOf(page).empty()) << "kind " << kind;
            for (const platform::PageOp& o : page.ops) {
                EXPECT_FALSE(std::holds_alternative<op::PenColour>(o));
                EXPECT_FALSE(std::holds_alternative<op::FillRect>(o));
            }
        }
    }
}

TEST(DrawAddressSide, KindOutsideTheListDrawsNothing) {
    for (int kind : {-1, 6, 100}) {
        for (platform::OutputTarget target :
             {platform::OutputTarget::Screen, platform::OutputTarget::Printer}) {
            const platform::PagePicture page = draw(kind, false, target);
            EXPECT_FALSE(page.isValid());
            EXPECT_TRUE(page.ops.empty());
        }
    }
}

TEST(MediaKind, ItemsAndIndexes) {
    EXPECT_FALSE(mediaKindFromIndex(-1));
    EXPECT_FALSE(mediaKindFromIndex(6));
    EXPECT_EQ(mediaKindFromIndex(5), MediaKind::You2Envelope);
    const QStringList items = {QStringLiteral("年賀ハガキ"),
                               QStringLiteral("普通ハガキ"),
                               QStringLiteral("長３封筒（235 x 120）"),
                               QStringLiteral("長４封筒（205 x 90）一般封書用"),
                               QStringLiteral("洋封筒１（176 x 120）"),
                               QStringLiteral("洋封筒２（162 x 114）")};
    for (int k = 0; k < kMediaKindCount; ++k) {
        EXPECT_EQ(QString::fromUtf16(mediaKindInfo(MediaKind(k)).item), items[k]);
        EXPECT_EQ(mediaKindInfo(MediaKind(k)).isEnvelope(), k >= 2);
    }
}
