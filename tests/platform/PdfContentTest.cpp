// What the PDF writer puts in a page and in a font's dictionaries, read
// before compression: colours a print shop keeps as pure black, widths and
// character maps a reader trusts, and pages that come out the same in any
// order the threads build them.

#include <gtest/gtest.h>

#include "platform/page/FontFaces.h"
#include "platform/pdf/FontEmbedding.h"
#include "platform/pdf/PageContent.h"
#include "platform/pdf/PdfResources.h"

using namespace platform;

namespace {

FontRecord columnFont() {
    FontRecord f;
    f.height = 60;
    f.escapement = f.orientation = 900;
    f.setFaceName(QStringLiteral("@ＭＳ 明朝"));
    return f;
}

// A card-sized page with a red and a black box and two columns of text.
PagePicture page(const QString& name) {
    PagePicture p;
    p.widthHundredths = 10000;
    p.heightHundredths = 14800;
    p.ops.push_back(op::PenColour{Qt::red});
    p.ops.push_back(op::Rectangle{{100, 100, 400, 300}});
    p.ops.push_back(op::PenColour{Qt::black});
    p.ops.push_back(op::Rectangle{{100, 400, 400, 600}});
    p.ops.push_back(op::Text{800, 1300, QStringLiteral("東京都港区芝公園"), columnFont()});
    p.ops.push_back(op::Text{500, 1300, name, columnFont()});
    return p;
}

}  // namespace

TEST(PdfContent, BlackTextAndLinesAreDeviceGray) {
    pdf::PdfResources resources;
    const PagePicture picture = page(QStringLiteral("山田太郎"));
    pdf::FormChoices forms;
    pdf::prepare(picture, resources, forms);
    std::string content;
    pdf::pageContent(picture, QPointF(), resources, forms, content);
    EXPECT_NE(content.find("\n0 g\n"), std::string::npos) << content;
    EXPECT_NE(content.find("\n0 G\n"), std::string::npos) << content;
    EXPECT_NE(content.find("\n1 0 0 RG\n"), std::string::npos) << content;
    EXPECT_EQ(content.find("0 0 0 rg"), std::string::npos) << content;
    EXPECT_EQ(content.find("0 0 0 RG"), std::string::npos) << content;
}

// Pages are built on several threads in no fixed order; which text is
// drawn in place and which becomes a shared form must not depend on it.
TEST(PdfContent, PagesComeOutTheSameInAnyBuildOrder) {
    std::vector<PagePicture> pages;
    for (const char* name : {"山田太郎", "鈴木一郎", "山田太郎", "佐藤花子", "山田太郎"})
        pages.push_back(page(QString::fromUtf8(name)));
    const auto build = [&](bool backwards) {
        pdf::PdfResources resources;
        std::vector<pdf::FormChoices> forms(pages.size());
        for (size_t i = 0; i < pages.size(); ++i) pdf::prepare(pages[i], resources, forms[i]);
        std::vector<std::string> out(pages.size());
        for (size_t k = 0; k < pages.size(); ++k) {
            const size_t i = backwards ? pages.size() - 1 - k : k;
            pdf::pageContent(pages[i], QPointF(), resources, forms[i], out[i]);
        }
        out.insert(out.end(), resources.forms().begin(), resources.forms().end());
        return out;
    };
    const std::vector<std::string> forwards = build(false), backwards = build(true);
    EXPECT_EQ(forwards, backwards);
    // The address repeats from the second page on, the name on the third.
    EXPECT_EQ(forwards.size(), pages.size() + 2);
}

// Glyph 0 stands for every character a face lacks: mapping it to one of
// them would make a reader copy that character for all the others.
TEST(PdfContent, TheCharacterMapLeavesOutGlyphZeroAndAgreesWhateverTheOrder) {
    const std::string map = pdf::toUnicodeCMap({{0, U'𠮷'}, {5, U'A'}, {9, U'漢'}});
    EXPECT_EQ(map.find("D842"), std::string::npos) << map;  // 𠮷
    EXPECT_NE(map.find("<0005> <0041>"), std::string::npos) << map;
    EXPECT_NE(map.find("2 beginbfchar"), std::string::npos) << map;

    // One glyph drawn for two characters (a face may share an outline).
    const FontFace* face = FontFaces::fallback();
    ASSERT_NE(face, nullptr);
    std::map<unsigned, char32_t> seen[2];
    for (int order = 0; order < 2; ++order) {
        pdf::PdfResources r;
        const int f = r.font(face);
        const std::vector<std::pair<unsigned, char32_t>> a{{7, U'～'}}, b{{7, U'〜'}, {8, 0}};
        r.addGlyphs(f, order ? b : a);
        r.addGlyphs(f, order ? a : b);
        seen[order] = r.fonts()[size_t(f)].glyphs();
    }
    EXPECT_EQ(seen[0], seen[1]);
}

TEST(PdfContent, WidthsGroupRunsOfEqualWidthAndLeaveOutTheDefault) {
    EXPECT_EQ(pdf::cidWidths({{1, 500},
                              {2, 500},
                              {3, 500},
                              {7, 1000},
                              {9, 250},
                              {10, 300},
                              {12, 250},
                              {14, 250},
                              {20, 312.5}},
                             1000),
              "[1 3 500 9 [250 300] 12 14 250 20 [312.5]]");
    EXPECT_EQ(pdf::cidWidths({{4, 1000}}, 1000), "[]");
    // A drawn glyph of the default width lies between two of equal width:
    // one range over all three would give it theirs.
    EXPECT_EQ(pdf::cidWidths({{1, 500}, {2, 1000}, {3, 500}, {4, 250}, {5, 1000}, {6, 300}}, 1000),
              "[1 [500] 3 [500 250] 6 [300]]");
}
