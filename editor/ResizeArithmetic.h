#pragma once
// The arithmetic behind the resize dialog: four modes, three units and the
// linked fields, all in whole numbers truncating toward zero. The dialog
// keeps its values in its controls; it copies them into ResizeFields, calls
// these functions and shows the result.

#include <QSize>

namespace editor {

enum class ResizeMode { KeepProportions = 0, Separate = 1, Postcard = 2, Icon = 3 };
enum class ResizeUnit { Percent = 0, Pixels = 1, Millimetres = 2 };

// One value per field: the uniform percentage, then width and height in
// percent, in pixels and in millimetres (the dialog's fields P1 to M7).
enum class ResizeField {
    Scale,
    WidthPercent,
    HeightPercent,
    WidthPixels,
    HeightPixels,
    WidthMm,
    HeightMm
};

struct FieldRange {
    int min;
    int max;
};
FieldRange fieldRange(ResizeField field);
int limitToRange(ResizeField field, qint64 value);

struct ResizeFields {
    ResizeMode mode = ResizeMode::KeepProportions;
    ResizeUnit unit = ResizeUnit::Percent;
    int scale = 100, widthPercent = 100, heightPercent = 100;
    int widthPixels = 0, heightPixels = 0, widthMm = 0, heightMm = 0;

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
