#pragma once
// The arithmetic behind the resize dialog: four modes, three units and the
// linked fields, all in whole numbers truncating toward zero. The dialog
// keeps its values in its controls; it copies them into ResizeFields, calls
// these functions and shows the result.

#include <QSize>

namespace editor {

enum class ResizeMode { KeepProportions = 0, Separate = 1, Postcard = 2, Icon = 3 };
enum class ResizeUnit { Percent = 0, Pixels = 1, Millimetres = 2 };

// One value per field: P1 the uniform percentage; P2/P3 width/height in
// percent, X4/X5 in pixels, M6/M7 in millimetres.
enum class ResizeField { P1, P2, P3, X4, X5, M6, M7 };

struct FieldRange {
    int min;
    int max;
};
FieldRange fieldRange(ResizeField field);
int limitToRange(ResizeField field, qint64 value);

struct ResizeFields {
    ResizeMode mode = ResizeMode::KeepProportions;
    ResizeUnit unit = ResizeUnit::Percent;
    int p1 = 100, p2 = 100, p3 = 100;
    int x4 = 0, x5 = 0, m6 = 0, m7 = 0;

    int& operator[](ResizeField f);
    int operator[](ResizeField f) const;
};

// The state every showing of the dialog starts from: mode 0, unit 0, 100 %.
// The other fields keep what they showed last.
void resetForShow(ResizeFields& fields);

// A mode was chosen; `picture` is the editor's size at that moment.
void chooseMode(ResizeFields& fields, ResizeMode mode, QSize picture);

// A unit was chosen; units only exist in the separate mode.
void chooseUnit(ResizeFields& fields, ResizeUnit unit);

// True when typing into `field` is acted on in the current mode and unit.
bool fieldIsLive(const ResizeFields& fields, ResizeField field);

// A whole number was typed (or stepped) into `field`. When the field is
// live, the value is limited to its range and the other two fields of its
// column follow, each computed from the limited value before it. Returns
// false, changing nothing, when the field is not live.
//
// A picture with no width (or height) has no percentage for a pixel count:
// the percentage then keeps its value instead of dividing by zero; the
// result width stays 0 whatever it is.
bool enterField(ResizeFields& fields, ResizeField field, int value, QSize picture);

// The size OK produces for a picture of size `picture`. Only the
// percentages count in the separate mode.
QSize resizeTarget(const ResizeFields& fields, QSize picture);

}  // namespace editor
