#pragma once
// One page being drawn: records the renderer's operations into a PagePicture
// in 0.1 mm, origin at the sheet's top-left corner, y growing upwards. It
// keeps the current brush, pen and font as the device it stands in for did:
// a new surface has a solid white brush, a black pen one unit wide and the
// default font. finish() hands over the recording; the surface is then closed
// and ignores further drawing.

#include <QColor>
#include <QImage>
#include <QString>
#include <vector>

#include "platform/page/OutputTarget.h"
#include "platform/page/PagePicture.h"
#include "render/PlacedText.h"
#include "render/VerticalFont.h"

namespace render {

class DrawingSurface {
  public:
    DrawingSurface(int widthHundredths, int heightHundredths, platform::OutputTarget reference);

    platform::OutputTarget reference() const { return reference_; }
    bool isFinished() const { return finished_; }

    void setBrushColour(const QColor& colour);
    void setBrushStyle(platform::BrushStyle style);
    // A repeating bitmap brush in device pixels; makes the brush style Pattern.
    // `jpeg`: the JPEG file `pattern` was scaled from whole, if it was.
    void setBrushPattern(const QImage& pattern, const QByteArray& jpeg = QByteArray());
    void setPenColour(const QColor& colour);
    void setPenWidth(int width);
    void setPenStyle(platform::PenStyle style);

    // Outline with the pen, interior filled with the brush.
    void rectangle(int x1, int y1, int x2, int y2);
    void rectangle(const platform::PageRect& r) { rectangle(r.x1, r.y1, r.x2, r.y2); }
    // Interior filled with the brush, no outline.
    void fillRect(const platform::PageRect& r);
    // The same with corners between whole units, for marks of exact size.
    void fillExactRect(double x1, double y1, double x2, double y2);
    // `jpeg`: the JPEG file `image` was scaled from whole, if it was.
    void stretchBitmap(const platform::PageRect& r, const QImage& image,
                       const QByteArray& jpeg = QByteArray());

    // Replaces the current font.
    void selectFont(const VerticalFont& font);
    // The whole string in one call with the current font; while the brush is
    // solid the character cells are filled with the brush colour first.
    void textOut(int x, int y, const QString& text);

    // Current state, as the next operation will use it.
    const QColor& brushColour() const { return brushColour_; }
    platform::BrushStyle brushStyle() const { return brushStyle_; }
    const QColor& penColour() const { return penColour_; }
    int penWidth() const { return penWidth_; }
    platform::PenStyle penStyle() const { return penStyle_; }
    const VerticalFont& font() const { return font_; }

    // The field the following text operations belong to, and where a copy of
    // each goes (nothing when unset); neither is part of the recording.
    void setField(AddressField field) { field_ = field; }
    AddressField field() const { return field_; }
    void setPlacementSink(std::vector<PlacedText>* sink) { sink_ = sink; }

    // Closes the surface and yields the recording.
    platform::PagePicture finish();

  private:
    void record(platform::PageOp op);

    platform::OutputTarget reference_;
    bool finished_ = false;
    platform::PagePicture picture_;
    QColor brushColour_ = Qt::white;
    platform::BrushStyle brushStyle_ = platform::BrushStyle::Solid;
    QColor penColour_ = Qt::black;
    int penWidth_ = 1;
    platform::PenStyle penStyle_ = platform::PenStyle::Solid;
    VerticalFont font_;  // all zero: default size, default face
    AddressField field_ = AddressField::None;
    std::vector<PlacedText>* sink_ = nullptr;
};

}  // namespace render
