// Numbers as the PDF writer spells them: every coordinate of every page goes
// through these, and a reader refuses "1e-05", "-0" is untidy and a wrong
// digit moves a glyph.

#include <gtest/gtest.h>

#include "platform/pdf/PdfSyntax.h"

using platform::pdf::appendInt;
using platform::pdf::appendNumber;

namespace {

std::string number(double v, int decimals) {
    std::string s = "[";
    appendNumber(s, v, decimals);
    return s + "]";
}

}  // namespace

TEST(PdfSyntax, NumbersAreRoundedWithoutTrailingZerosOrExponents) {
    EXPECT_EQ(number(12.5, 3), "[12.5]");
    EXPECT_EQ(number(3.0, 3), "[3]");
    EXPECT_EQ(number(-0.25, 3), "[-0.25]");
    EXPECT_EQ(number(283.464566929, 2), "[283.46]");
    EXPECT_EQ(number(419.527559055, 2), "[419.53]");
    EXPECT_EQ(number(-198.71189, 4), "[-198.7119]");
    EXPECT_EQ(number(0.283464567, 9), "[0.283464567]");
    EXPECT_EQ(number(0.00012, 5), "[0.00012]");
    EXPECT_EQ(number(1e-5, 3), "[0]");
    EXPECT_EQ(number(-0.0004, 3), "[0]");  // not "-0"
    EXPECT_EQ(number(-1.9999, 3), "[-2]");
    EXPECT_EQ(number(123456789.5, 0), "[123456790]");
    EXPECT_EQ(number(-7.05, 1), "[-7.1]");
    std::string s;
    appendInt(s, -42);
    appendInt(s, 0);
    appendInt(s, 9876543210LL);
    EXPECT_EQ(s, "-4209876543210");
}
