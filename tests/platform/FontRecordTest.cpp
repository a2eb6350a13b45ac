#include <gtest/gtest.h>

#include <cstddef>

#include "platform/page/FontRecord.h"

using platform::FontRecord;

TEST(FontRecord, KeepsTheClassicFieldOrderAndWidths) {
    EXPECT_EQ(offsetof(FontRecord, height), 0u);
    EXPECT_EQ(offsetof(FontRecord, width), 4u);
    EXPECT_EQ(offsetof(FontRecord, escapement), 8u);
    EXPECT_EQ(offsetof(FontRecord, orientation), 12u);
    EXPECT_EQ(offsetof(FontRecord, weight), 16u);
    EXPECT_EQ(offsetof(FontRecord, italic), 20u);
    EXPECT_EQ(offsetof(FontRecord, underline), 21u);
    EXPECT_EQ(offsetof(FontRecord, strikeOut), 22u);
    EXPECT_EQ(offsetof(FontRecord, charSet), 23u);
    EXPECT_EQ(offsetof(FontRecord, outPrecision), 24u);
    EXPECT_EQ(offsetof(FontRecord, clipPrecision), 25u);
    EXPECT_EQ(offsetof(FontRecord, quality), 26u);
    EXPECT_EQ(offsetof(FontRecord, pitchAndFamily), 27u);
    EXPECT_EQ(offsetof(FontRecord, faceName), 28u);
}

TEST(FontRecord, FaceNameIsStoredAsCp932) {
    FontRecord f;
    f.setFaceName(QStringLiteral("@ＭＳ 明朝"));
    // '@', two double-byte letters, an ASCII space, two kanji: 10 bytes.
    EXPECT_EQ(std::strlen(f.faceName), 10u);
    EXPECT_EQ(static_cast<unsigned char>(f.faceName[1]), 0x82);  // Ｍ = 82 6C
    EXPECT_EQ(f.faceNameText(), QStringLiteral("@ＭＳ 明朝"));
}

TEST(FontRecord, LongFaceNamesAreCutAtACharacterBoundary) {
    FontRecord f;
    // 'a' then 20 double-byte characters: the 31 bytes before the terminator
    // fit 'a' and 15 characters; the 16th would split.
    f.setFaceName(QStringLiteral("a") + QString(20, QChar(u'明')));
    EXPECT_EQ(std::strlen(f.faceName), 31u);
    EXPECT_EQ(f.faceName[31], '\0');
    EXPECT_EQ(f.faceNameText(), QStringLiteral("a") + QString(15, QChar(u'明')));
    // Even length: 16 characters would need 32 bytes, so 15 are kept.
    f.setFaceName(QString(16, QChar(u'明')));
    EXPECT_EQ(f.faceNameText(), QString(15, QChar(u'明')));
    // Replacing clears the old tail.
    f.setFaceName(QStringLiteral("x"));
    EXPECT_EQ(f.faceNameText(), QStringLiteral("x"));
    EXPECT_EQ(f.faceName[5], '\0');
}
