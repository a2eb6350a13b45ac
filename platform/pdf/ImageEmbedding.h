#pragma once
// A picture as an image XObject: a JPEG file as its own bytes (DCTDecode),
// anything else as deflated RGB samples.

#include "platform/pdf/ObjectWriter.h"
#include "platform/pdf/PdfResources.h"

namespace platform::pdf {

struct JpegShape {
    int width = 0, height = 0, components = 0;
};
// Size and colour components from a JPEG's frame header; zeros when the bytes
// are not a baseline or progressive JPEG a PDF reader can decode.
JpegShape jpegShape(const QByteArray& jpeg);

void writeImage(ObjectWriter& out, int id, const ImageUse& image);

}  // namespace platform::pdf
