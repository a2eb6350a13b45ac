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
constexpr Column kWidthColumn{ResizeField::P2, ResizeField::X4, ResizeField::M6};
constexpr Column kHeightColumn{ResizeField::P3, ResizeField::X5, ResizeField::M7};

bool inColumn(const Column& c, ResizeField f) {
    return f == c.percent || f == c.pixels || f == c.millimetres;
}

void setAllFromPixels(ResizeFields& f, int width, int height) {
    f.x4 = limitToRange(ResizeField::X4, width);
    f.x5 = limitToRange(ResizeField::X5, height);
    f.m6 = limitToRange(ResizeField::M6, pixelsToMillimetres(f.x4));
    f.m7 = limitToRange(ResizeField::M7, pixelsToMillimetres(f.x5));
    f.p2 = 100;
    f.p3 = 100;
}

}  // namespace

FieldRange fieldRange(ResizeField field) {
    switch (field) {
        case ResizeField::P1:
        case ResizeField::P2:
        case ResizeField::P3:
            return {0, 500};
        case ResizeField::X4:
        case ResizeField::X5:
            return {0, 3000};
        case ResizeField::M6:
        case ResizeField::M7:
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
        case ResizeField::P1:
            return p1;
        case ResizeField::P2:
            return p2;
        case ResizeField::P3:
            return p3;
        case ResizeField::X4:
            return x4;
        case ResizeField::X5:
            return x5;
        case ResizeField::M6:
            return m6;
        case ResizeField::M7:
            return m7;
    }
    return p1;
}

int ResizeFields::operator[](ResizeField f) const { return const_cast<ResizeFields&>(*this)[f]; }

void resetForShow(ResizeFields& fields) {
    fields.mode = ResizeMode::KeepProportions;
    fields.unit = ResizeUnit::Percent;
    fields.p1 = 100;
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
    if (field == ResizeField::P1) return fields.mode == ResizeMode::KeepProportions;
    if (fields.mode != ResizeMode::Separate) return false;
    switch (fields.unit) {
        case ResizeUnit::Percent:
            return field == ResizeField::P2 || field == ResizeField::P3;
        case ResizeUnit::Pixels:
            return field == ResizeField::X4 || field == ResizeField::X5;
        case ResizeUnit::Millimetres:
            return field == ResizeField::M6 || field == ResizeField::M7;
    }
    return false;
}

bool enterField(ResizeFields& f, ResizeField field, int value, QSize picture) {
    if (!fieldIsLive(f, field)) return false;
    f[field] = limitToRange(field, value);
    if (field == ResizeField::P1) return true;

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
            return QSize(int(w * f.p1 / 100), int(h * f.p1 / 100));
        case ResizeMode::Separate:
            return QSize(int(w * f.p2 / 100), int(h * f.p3 / 100));
        case ResizeMode::Postcard:
            return QSize(kDefaultWidth, kDefaultHeight);
        case ResizeMode::Icon:
            return QSize(kIconSide, kIconSide);
    }
    return picture;
}

}  // namespace editor
