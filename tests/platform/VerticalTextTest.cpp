// Geometry of vertical columns and upright digits, checked on the layout the
// player draws from.

#include <gtest/gtest.h>

#include <QPainterPath>
#include <cmath>

#include "platform/page/FontFaces.h"
#include "platform/page/FontRecord.h"
#include "platform/page/VerticalText.h"
#include "platform/text/Sjis.h"

using namespace platform;

namespace {

const QString kMincho = QStringLiteral("@ＭＳ 明朝");
const QStringList kFaces = {kMincho, QStringLiteral("@ＭＳ ゴシック"),
                            QStringLiteral("@HG正楷書体-PRO"), QStringLiteral("@HG行書体")};

FontRecord columnVerticalText(int height, const QString& face = kMincho) {
    FontRecord f;
    f.height = height;
    f.escapement = f.orientation = 900;
    f.charSet = 128;
    f.setFaceName(face);
    return f;
}

FontRecord upright(int height, int width, const QString& face = kMincho) {
    FontRecord f = columnVerticalText(height, face);
    f.escapement = f.orientation = 0;
    f.width = width;
    return f;
}

// The inked area of every glyph, in the text frame.
QRectF inkBounds(const TextLayout& layout) {
    QRectF all;
    for (const GlyphPiece& piece : layout.pieces) {
        const QRawFont& raw = piece.face->raw();
        for (size_t i = 0; i < piece.glyphs.size(); ++i) {
            const QPainterPath path =
                raw.pathForGlyph(piece.glyphs[i]).translated(piece.positions[i]);
            all |= piece.toText.map(path).boundingRect();
        }
    }
    return all;
}

}  // namespace

TEST(VerticalText, NameWithHonorificMakesOneColumnInTheBand) {
    constexpr int h = 120;
    const TextLayout layout =
        VerticalText::layout(columnVerticalText(h), QStringLiteral("山田太郎 様"));
    // The space's own advance, read straight from the font.
    const FontFace* face = FontFaces::faceFor(kMincho);
    ASSERT_NE(face, nullptr);
    const double space =
        face->horizontalAdvance(face->nominalGlyph(U' ')) * double(h) / face->unitsPerEm();
    EXPECT_GT(space, 0);
    EXPECT_NEAR(layout.length, 4 * h + space + h, 0.01);
    EXPECT_EQ(layout.cells, QRectF(-h, 0, h, layout.length));
    const QRectF ink = inkBounds(layout);
    EXPECT_GE(ink.left(), -h - 0.5);
    EXPECT_LE(ink.right(), 0.5);
    EXPECT_GE(ink.top(), -0.5);
    EXPECT_LE(ink.bottom(), layout.length + 0.5);
    // 様 comes last, below the space.
    EXPECT_GT(ink.bottom(), 4 * h + space);
}

TEST(VerticalText, PunctuationTakesItsVerticalFormInEveryFace) {
    for (const QString& faceName : kFaces) {
        const FontFace* face = FontFaces::faceFor(faceName);
        ASSERT_NE(face, nullptr);
        for (char16_t ch : {u'「', u'ー', u'（', u'、'}) {
            const TextLayout layout =
                VerticalText::layout(columnVerticalText(100, faceName), QString(QChar(ch)));
            ASSERT_EQ(layout.pieces.size(), 1u) << faceName.toStdString();
            EXPECT_FALSE(layout.pieces[0].turned);
            EXPECT_NE(layout.pieces[0].glyphs.at(0), face->nominalGlyph(ch))
                << faceName.toStdString() << " U+" << std::hex << int(ch);
        }
    }
}

TEST(VerticalText, CommaSitsInTheTopRightOfItsCell) {
    constexpr int h = 100;
    const QRectF ink = inkBounds(VerticalText::layout(columnVerticalText(h), QStringLiteral("、")));
    EXPECT_GT(ink.center().x(), -h / 2.0);  // right half of the band
    EXPECT_LT(ink.center().y(), h / 2.0);   // upper half of the cell
}

TEST(VerticalText, SingleByteRunsAreTurnedClockwise) {
    constexpr int h = 100;
    const TextLayout layout = VerticalText::layout(columnVerticalText(h), QStringLiteral("abc"));
    ASSERT_EQ(layout.pieces.size(), 1u);
    const GlyphPiece& piece = layout.pieces[0];
    EXPECT_TRUE(piece.turned);
    // The run's writing direction (+x of the piece) points down the page and
    // the glyphs' tops (-y of the piece) face right.
    const QPointF origin = piece.toText.map(QPointF(0, 0));
    const QPointF along = piece.toText.map(QPointF(1000, 0)) - origin;
    const QPointF up = piece.toText.map(QPointF(0, -1000)) - origin;
    EXPECT_NEAR(along.x(), 0, 1e-6);
    EXPECT_GT(along.y(), 0);
    EXPECT_GT(up.x(), 0);
    EXPECT_NEAR(up.y(), 0, 1e-6);
    // Turned Latin glyphs stay inside the band too.
    const QRectF ink = inkBounds(layout);
    EXPECT_GE(ink.left(), -h - 0.5);
    EXPECT_LE(ink.right(), 0.5);
}

TEST(VerticalText, HalfWidthKanaLieTurnedAndFullWidthLettersStandUpright) {
    const TextLayout kana = VerticalText::layout(columnVerticalText(100), QStringLiteral("ｶﾅ"));
    ASSERT_EQ(kana.pieces.size(), 1u);
    EXPECT_TRUE(kana.pieces[0].turned);
    const TextLayout letters =
        VerticalText::layout(columnVerticalText(100), QStringLiteral("ＡＢ"));
    ASSERT_EQ(letters.pieces.size(), 1u);
    EXPECT_FALSE(letters.pieces[0].turned);
    EXPECT_NEAR(letters.length, 200, 0.01);
}

TEST(VerticalText, DashWithoutVerticalFormIsTurnedInItsCell) {
    // The mincho face has no vertical form for the full-width hyphen-minus.
    const FontFace* face = FontFaces::faceFor(kMincho);
    ASSERT_NE(face, nullptr);
    const TextLayout layout =
        VerticalText::layout(columnVerticalText(100), QStringLiteral("一－二"));
    int turned = 0;
    for (const GlyphPiece& p : layout.pieces) {
        if (!p.turned) continue;
        ++turned;
        EXPECT_EQ(p.glyphs.at(0), face->nominalGlyph(U'－'));
    }
    EXPECT_EQ(turned, 1);
    EXPECT_NEAR(layout.length, 300, 0.01);
    // Turned, the stroke runs down the column: taller than wide.
    const QRectF dash =
        inkBounds(VerticalText::layout(columnVerticalText(100), QStringLiteral("－")));
    EXPECT_GT(dash.height(), 3 * dash.width());
}

TEST(VerticalText, EmptyBrushGlyphsComeFromTheFallbackFace) {
    const FontFace* brush = FontFaces::faceFor(QStringLiteral("@HG行書体"));
    const FontFace* fallback = FontFaces::fallback();
    ASSERT_NE(brush, nullptr);
    ASSERT_NE(fallback, nullptr);
    if (brush == fallback) GTEST_SKIP() << "brush face not installed";
    // Find a character (one the device can receive) the brush face maps to an empty glyph.
    char32_t hollow = 0;
    for (char32_t cp = 0x4E00; cp < 0x9FA0 && !hollow; ++cp) {
        const unsigned g = brush->nominalGlyph(cp);
        if (g != 0 && !brush->hasInk(g) && fallback->covers(cp) && Sjis::isDoubleByte(cp))
            hollow = cp;
    }
    if (!hollow) GTEST_SKIP() << "no empty glyph in this version of the brush face";
    const QString text =
        QStringLiteral("山") + QString::fromUcs4(&hollow, 1) + QStringLiteral("川");
    const TextLayout layout =
        VerticalText::layout(columnVerticalText(100, QStringLiteral("@HG行書体")), text);
    int fromFallback = 0;
    for (const GlyphPiece& p : layout.pieces) {
        if (p.face == fallback) {
            fromFallback += p.glyphs.size();
            EXPECT_EQ(p.glyphs.at(0), fallback->nominalGlyph(hollow));
        }
    }
    EXPECT_EQ(fromFallback, 1);
    EXPECT_NEAR(layout.length, 300, 0.5);
}

TEST(VerticalText, CharactersWithoutCp932FormAreDrawnAsQuestionMarks) {
    const FontRecord font = columnVerticalText(100);
    const TextLayout unmappable = VerticalText::layout(font, QString::fromUcs4(U"𠮷野"));
    const TextLayout question = VerticalText::layout(font, QStringLiteral("?野"));
    ASSERT_EQ(unmappable.pieces.size(), question.pieces.size());
    for (size_t i = 0; i < question.pieces.size(); ++i) {
        EXPECT_EQ(unmappable.pieces[i].glyphs, question.pieces[i].glyphs);
        EXPECT_EQ(unmappable.pieces[i].turned, question.pieces[i].turned);
    }
    EXPECT_DOUBLE_EQ(unmappable.length, question.length);
}

// Family names written with a variation selector print their base
// character, in a column and on a line alike; only characters CP932 lacks
// are reported as printing as '?'.
TEST(VerticalText, VariationSelectorsGiveWayToTheirBaseCharacter) {
    const QString plain = QStringLiteral("葛飾辻");
    const QString marked = QString::fromUcs4(U"葛\U000E0100飾\uFE00辻\U000E01EF");
    for (const FontRecord& font : {columnVerticalText(100), upright(100, 0)}) {
        const TextLayout a = VerticalText::layout(font, plain),
                         b = VerticalText::layout(font, marked);
        ASSERT_EQ(a.pieces.size(), b.pieces.size());
        for (size_t i = 0; i < a.pieces.size(); ++i) {
            EXPECT_EQ(a.pieces[i].glyphs, b.pieces[i].glyphs);
            EXPECT_EQ(a.pieces[i].chars, b.pieces[i].chars);
        }
        EXPECT_DOUBLE_EQ(a.length, b.length);
    }
    EXPECT_TRUE(VerticalText::unprintable(marked).isEmpty());
    EXPECT_EQ(VerticalText::unprintable(QString::fromUcs4(U"𠮷野\U000E0100髙𠮷")),
              QStringList{QString::fromUcs4(U"𠮷")});
}

// A kana and its sound mark make one cluster of two glyphs: each glyph
// keeps its own character, so that copying the text gives back the mark.
TEST(VerticalText, EveryGlyphOfAClusterKeepsItsOwnCharacter) {
    const QString text = QStringLiteral("ｶﾞｽﾋﾟﾙ");
    const QList<uint> ucs4 = text.toUcs4();
    const std::vector<char32_t> expected(ucs4.begin(), ucs4.end());
    for (const FontRecord& font : {columnVerticalText(100), upright(100, 0)}) {
        const TextLayout layout = VerticalText::layout(font, text);
        std::vector<char32_t> chars;
        for (const GlyphPiece& piece : layout.pieces) {
            EXPECT_EQ(piece.chars.size(), piece.glyphs.size());
            chars.insert(chars.end(), piece.chars.begin(), piece.chars.end());
        }
        EXPECT_EQ(chars, expected);
    }
}

TEST(VerticalText, UprightDigitsHangBelowAndTakeTheGivenAverageWidth) {
    constexpr int h = 69, w = 38;
    const TextLayout layout = VerticalText::layout(upright(h, w), QStringLiteral("1000005"));
    // Digits of these faces share one advance, so each advance equals the width.
    EXPECT_NEAR(layout.length, 7 * w, 0.01);
    EXPECT_EQ(layout.cells, QRectF(0, 0, 7 * w, h));
    const QRectF ink = inkBounds(layout);
    EXPECT_GE(ink.top(), -0.5);
    EXPECT_LE(ink.bottom(), h + 0.5);
    EXPECT_GE(ink.left(), -0.5);
    for (const GlyphPiece& p : layout.pieces) EXPECT_FALSE(p.turned);
    // Natural width: the face's own advance (half an em for these digits).
    EXPECT_NEAR(VerticalText::layout(upright(h, 0), QStringLiteral("12")).length, h, 0.01);
    // A negative width counts by its size.
    EXPECT_NEAR(VerticalText::layout(upright(h, -w), QStringLiteral("12")).length, 2 * w, 0.01);
}

TEST(VerticalText, SizesAtTheEndsOfTheRanges) {
    // Height 0 asks for the default size; a negative height gives -h.
    EXPECT_DOUBLE_EQ(VerticalText::layout(columnVerticalText(0), QStringLiteral("山")).length,
                     VerticalText::kDefaultEm);
    EXPECT_DOUBLE_EQ(VerticalText::layout(columnVerticalText(-50), QStringLiteral("山")).length,
                     50);
    const TextLayout empty = VerticalText::layout(columnVerticalText(100), QString());
    EXPECT_TRUE(empty.pieces.empty());
    EXPECT_EQ(empty.length, 0);
}

TEST(FontFaces, TheFourFacesMapToTheirInstalledFamilies) {
    EXPECT_EQ(FontFaces::familyForFace(QStringLiteral("@ＭＳ 明朝")), QStringLiteral("IPAMincho"));
    EXPECT_EQ(FontFaces::familyForFace(QStringLiteral("@ＭＳ ゴシック")),
              QStringLiteral("IPAGothic"));
    EXPECT_EQ(FontFaces::familyForFace(QStringLiteral("@HG正楷書体-PRO")),
              QStringLiteral("Klee One"));
    EXPECT_EQ(FontFaces::familyForFace(QStringLiteral("@HG行書体")),
              QStringLiteral("KouzanBrushFontGyousyo"));
    EXPECT_TRUE(FontFaces::familyForFace(QString()).isEmpty());
    for (const QString& name : kFaces) {
        const FontFace* face = FontFaces::faceFor(name);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->family(), FontFaces::familyForFace(name)) << name.toStdString();
    }
}

TEST(FontFaces, AMissingFaceFallsBackToAJapaneseFace) {
    EXPECT_EQ(FontFaces::load(QStringLiteral("No Such Family 42")), nullptr);
    const FontFace* face = FontFaces::faceFor(QStringLiteral("@No Such Family 42"));
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face, FontFaces::fallback());
    EXPECT_TRUE(face->covers(U'様'));
    EXPECT_EQ(FontFaces::faceFor(QString()), FontFaces::fallback());
    // Drawing with it still makes a column.
    EXPECT_NEAR(VerticalText::layout(columnVerticalText(100, QStringLiteral("@No Such Family 42")),
                                     QStringLiteral("様"))
                    .length,
                100, 0.01);
}
