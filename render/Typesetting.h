#pragma once
// Three typesetting choices of the address side, each 0 for the classic
// behaviour (the numbers are stored in the settings file), and the text
// conversions two of them ask for. Pure functions over text, no widgets.

#include <QString>

namespace render {

// Where a joint name (連名) starts.
enum class JointAlign {
    NameTop = 0,    // beside the top of the name
    GivenName = 1,  // beside the given name, both honorifics on one line
};

// What a hyphen between two numerals of an address becomes.
enum class BlockDash {
    AsTyped = 0,
    Bar = 1,  // ― (U+2015), which stands along the column
    No = 2,   // ノ
};

// Half-width katakana.
enum class HalfKana {
    AsTyped = 0,
    FullWidth = 1,
};

// A column longer than the room it has.
enum class FitColumns {
    Classic = 0,  // drawn as typed, whatever its length
    Fit = 1,      // tightened, condensed and at last reduced until it fits
};

struct TypesetChoices {
    JointAlign jointAlign = JointAlign::NameTop;
    BlockDash blockDash = BlockDash::AsTyped;
    HalfKana halfKana = HalfKana::AsTyped;
    FitColumns fitColumns = FitColumns::Classic;
};

// From the stored numbers; a number outside a choice's list is the classic choice.
TypesetChoices typesetChoicesFromNumbers(int jointAlign, int blockDash, int halfKana,
                                         int fitColumns = 0);

// Half-width katakana and punctuation (U+FF61..U+FF9F) become full-width; a
// voiced or semi-voiced mark joins the kana before it where the joined kana
// can be printed (ｶﾞ → ガ), and stands as ゛ or ゜ elsewhere.
QString widenHalfWidthKana(const QString& text);

// A hyphen-like character standing between two numerals (ASCII, full-width
// or kanji) becomes the chosen separator; every other character stays.
QString replaceBlockHyphens(const QString& text, BlockDash dash);

// An address line as the choices ask, before the vertical conversion.
QString typesetAddress(const QString& text, const TypesetChoices& choices);
// Any other text (names, company, title), before the vertical conversion.
QString typesetText(const QString& text, const TypesetChoices& choices);

}  // namespace render
