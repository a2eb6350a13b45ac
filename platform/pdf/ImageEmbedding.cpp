#include "platform/pdf/ImageEmbedding.h"

#include <QPainter>

#include "platform/pdf/Deflate.h"
#include "platform/pdf/PdfSyntax.h"

namespace platform::pdf {

JpegShape jpegShape(const QByteArray& jpeg) {
    const auto* b = reinterpret_cast<const uint8_t*>(jpeg.constData());
    const qsizetype n = jpeg.size();
    if (n < 4 || b[0] != 0xFF || b[1] != 0xD8) return {};
    qsizetype at = 2;
    while (at + 4 <= n) {
        if (b[at] != 0xFF) return {};
        const uint8_t marker = b[at + 1];
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        const int length = (b[at + 2] << 8) | b[at + 3];
        // SOF0..SOF2: baseline, extended and progressive Huffman frames.
        if (marker >= 0xC0 && marker <= 0xC2) {
            if (at + 10 > n) return {};
            const int height = (b[at + 5] << 8) | b[at + 6];
            const int width = (b[at + 7] << 8) | b[at + 8];
            const int components = b[at + 9];
            if (width <= 0 || height <= 0 || (components != 1 && components != 3)) return {};
            return {width, height, components};
        }
        if (marker == 0xD9 || marker == 0xDA) return {};
        at += 2 + length;
    }
    return {};
}

void writeImage(ObjectWriter& out, int id, const ImageUse& use) {
    const JpegShape jpeg = jpegShape(use.jpeg);
    std::string dict = " /Type /XObject /Subtype /Image /Width ";
    if (jpeg.width > 0) {
        appendInt(dict, jpeg.width);
        dict += " /Height ";
        appendInt(dict, jpeg.height);
        dict += jpeg.components == 1 ? " /ColorSpace /DeviceGray" : " /ColorSpace /DeviceRGB";
        dict += " /BitsPerComponent 8 /Filter /DCTDecode";
        out.stream(id, dict, std::string_view(use.jpeg.constData(), size_t(use.jpeg.size())));
        return;
    }
    QImage rgb = use.image.convertToFormat(QImage::Format_RGB888);
    if (use.image.hasAlphaChannel()) {
        // Transparent parts show the white paper, as on the printed card.
        rgb = QImage(use.image.size(), QImage::Format_RGB888);
        rgb.fill(Qt::white);
        QPainter p(&rgb);
        p.drawImage(0, 0, use.image);
    }
    std::string samples;
    samples.reserve(size_t(rgb.width()) * size_t(rgb.height()) * 3);
    for (int y = 0; y < rgb.height(); ++y)
        samples.append(reinterpret_cast<const char*>(rgb.constScanLine(y)),
                       size_t(rgb.width()) * 3);
    appendInt(dict, rgb.width());
    dict += " /Height ";
    appendInt(dict, rgb.height());
    dict += " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode";
    out.stream(id, dict, deflate(samples));
}

}  // namespace platform::pdf
