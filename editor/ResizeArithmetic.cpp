#include "editor/ResizeArithmetic.h"

#include <algorithm>

#include "editor/Canvas.h"

namespace editor {
namespace {

constexpr int kIconSide = 32;

// The three fields of one column (width or height), in percent, pixels, millimetres.
struct Column {
    ResizeField percent, pixels, millimetres;
};
constexpr Column kWidthColumn{ResizeField::WidthPercent, ResizeField::WidthPixels,
                              ResizeField::WidthMm};
constexpr Column kHeightColumn{ResizeField::HeightPercent, ResizeField::HeightPixels,
                               ResizeField::HeightMm};

bool inColumn(const Column& c, ResizeField f) {
    return f == c.percent || f == c.pixels || f == c.millimetres;
}

void setAllFromPixels(ResizeFields& f, int width, int height) {
    f.widthPixels = limitToRange(ResizeField::WidthPixels, width);
    f.heightPixels = limitToRange(ResizeField::HeightPixels, height);
    f.widthMm = limitToRange(ResizeField::WidthMm, pixelsToMillimetres(f.widthPixels));
    f.heightMm = limitToRange(ResizeField::HeightMm, pixelsToMillimetres(f.heightPixels));
    f.widthPercent = 100;
    f.heightPercent = 100;
}

}  // namespace

FieldRange fieldRange(ResizeField field) {
    switch (field) {
        case ResizeField::Scale:
        case ResizeField::WidthPercent:
        case ResizeField::HeightPercent:
            return {0, 500};
        case ResizeField::WidthPixels:
        case ResizeField::HeightPixels:
            return {0, 3000};
        case ResizeField::WidthMm:
        case ResizeField::HeightMm:
            return {0, 1000};
    }
    return {0, 0};
}

int limitToRange(ResizeField field, qint64 value) {
    const FieldRange r = fieldRange(field);
    return int(std::clamp<qint64>(value, r.min, r.max));
}

int& ResizeFields::operator[](ResizeField f) {
    switch (f) {
        case ResizeField::Scale:
            return scale;
        case ResizeField::WidthPercent:
            return widthPercent;
        case ResizeField::HeightPercent:
            return heightPercent;
        case ResizeField::WidthPixels:
            return widthPixels;
        case ResizeField::HeightPixels:
            return heightPixels;
        case ResizeField::WidthMm:
            return widthMm;
        case ResizeField::HeightMm:
            return heightMm;
    }
    return scale;
}

int ResizeFields::operator[](ResizeField f) const { return const_cast<ResizeFields&>(*this)[f]; }

void resetForShow(ResizeFields& fields) {
    fields.mode = ResizeMode::KeepProportions;
    fields.unit = ResizeUnit::Percent;
    fields.scale = 100;
}

void chooseMode(ResizeFields& fields, ResizeMode mode, QSize picture) {
    fields.mode = mode;
    switch (mode) {
        case ResizeMode::KeepProportions:
            break;
        case ResizeMode::Separate:
            setAllFromPixels(fields, picture.width(), picture.height());
            fields.unit = ResizeUnit::Percent;
            break;
        case ResizeMode::Postcard:
            setAllFromPixels(fields, kDefaultWidth, kDefaultHeight);
            break;
        case ResizeMode::Icon:
            setAllFromPixels(fields, kIconSide, kIconSide);
            break;
    }
}

void chooseUnit(ResizeFields& fields, ResizeUnit unit) {
    if (fields.mode == ResizeMode::Separate) fields.unit = unit;
}

bool fieldIsLive(const ResizeFields& fields, ResizeField field) {
    if (field == ResizeField::Scale) return fields.mode == ResizeMode::KeepProportions;
    if (fields.mode != ResizeMode::Separate) return false;
    switch (fields.unit) {
        case ResizeUnit::Percent:
            return field == ResizeField::WidthPercent || field == ResizeField::HeightPercent;
        case ResizeUnit::Pixels:
            return field == ResizeField::WidthPixels || field == ResizeField::HeightPixels;
        case ResizeUnit::Millimetres:
            return field == ResizeField::WidthMm || field == ResizeField::HeightMm;
    }
    return false;
}

bool enterField(ResizeFields& f, ResizeField field, int value, QSize picture) {
    if (!fieldIsLive(f, field)) return false;
    f[field] = limitToRange(field, value);
    if (field == ResizeField::Scale) return true;

    const bool width = inColumn(kWidthColumn, field);
    const Column c = width ? kWidthColumn : kHeightColumn;
    const qint64 side = width ? picture.width() : picture.height();

    auto percentFromPixels = [&] {
        if (side > 0) f[c.percent] = limitToRange(c.percent, qint64(f[c.pixels]) * 100 / side);
    };
    switch (f.unit) {
        case ResizeUnit::Percent:
            f[c.pixels] = limitToRange(c.pixels, qint64(f[c.percent]) * side / 100);
            f[c.millimetres] = limitToRange(c.millimetres, pixelsToMillimetres(f[c.pixels]));
            break;
        case ResizeUnit::Pixels:
            percentFromPixels();
            f[c.millimetres] = limitToRange(c.millimetres, pixelsToMillimetres(f[c.pixels]));
            break;
        case ResizeUnit::Millimetres:
            f[c.pixels] = limitToRange(c.pixels, millimetresToPixels(f[c.millimetres]));
            percentFromPixels();
            break;
    }
    return true;
}

QSize resizeTarget(const ResizeFields& f, QSize picture) {
    const qint64 w = picture.width(), h = picture.height();
    switch (f.mode) {
        case ResizeMode::KeepProportions:
            return QSize(int(w * f.scale / 100), int(h * f.scale / 100));
        case ResizeMode::Separate:
            return QSize(int(w * f.widthPercent / 100), int(h * f.heightPercent / 100));
        case ResizeMode::Postcard:
            return QSize(kDefaultWidth, kDefaultHeight);
        case ResizeMode::Icon:
            return QSize(kIconSide, kIconSide);
    }
    return picture;
}

}  // namespace editor
