#include <gtest/gtest.h>

#include "editor/UndoRing.h"
#include "tests/editor/PictureHelpers.h"

using namespace editor;
using namespace editortest;

namespace {

// A picture that says which press it was taken at.
QImage state(int n) { return filled(1 + n, 1, 0xFF000000u | quint32(n)); }

}  // namespace

TEST(UndoRing, SixPressesGiveFiveUndosNewestFirst) {
    UndoRing ring;
    EXPECT_FALSE(ring.canUndo());
    for (int n = 0; n < 6; ++n) ring.push(state(n));
    EXPECT_EQ(ring.count(), 5);
    for (int n = 5; n >= 1; --n) {
        ASSERT_TRUE(ring.canUndo());
        const auto restored = ring.undo();
        ASSERT_TRUE(restored.has_value());
        EXPECT_EQ(*restored, state(n));  // with the size it had then
    }
    EXPECT_FALSE(ring.canUndo());  // the command is disabled after the fifth
    EXPECT_FALSE(ring.undo().has_value());
    EXPECT_EQ(ring.index(), 4);
}

TEST(UndoRing, APressAfterUndosStartsAgainAtTheNewest) {
    UndoRing ring;
    for (int n = 0; n < 3; ++n) ring.push(state(n));
    EXPECT_EQ(*ring.undo(), state(2));
    EXPECT_EQ(*ring.undo(), state(1));
    EXPECT_EQ(ring.count(), 1);
    ring.push(state(7));
    EXPECT_EQ(ring.index(), 0);
    EXPECT_EQ(ring.count(), 2);
    EXPECT_EQ(*ring.undo(), state(7));
    // The older copies moved down one place.
    EXPECT_EQ(*ring.undo(), state(2));
    EXPECT_FALSE(ring.canUndo());
}

TEST(UndoRing, SnapshotsAreNotChangedByLaterDrawing) {
    UndoRing ring;
    QImage picture = filled(4, 4);
    ring.push(picture);
    picture.setPixel(0, 0, kBlack);  // drawing after the press
    EXPECT_EQ(countColour(*ring.undo(), kWhite), 16);
}

TEST(UndoRing, ClearLeavesNothingToUndo) {
    UndoRing ring;
    ring.push(state(1));
    ring.push(state(2));
    ring.clear();
    EXPECT_FALSE(ring.canUndo());
    EXPECT_EQ(ring.count(), 0);
    ring.push(state(3));
    EXPECT_EQ(*ring.undo(), state(3));
    EXPECT_FALSE(ring.canUndo());
}
