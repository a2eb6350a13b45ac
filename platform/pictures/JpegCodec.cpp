#include "platform/pictures/JpegCodec.h"

#include <jerror.h>
#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include "platform/pictures/ExifOrientation.h"

namespace platform {
namespace {

// A progressive file may declare thousands of tiny scans; each one walks the
// whole coefficient buffer, so a few kilobytes could keep us busy for minutes.
constexpr int kMaxScans = 1000;
// The image and libjpeg's own working memory together (the whole-image
// coefficient buffer of a progressive file is the big one): what is left
// after the image is the library's, and beyond it the library errors out.
// A baseline file of the largest size allowed needs only a few rows.
constexpr qint64 kMaxDecodeMemory = 560LL * 1024 * 1024;
constexpr qint64 kMinLibraryMemory = 32LL * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool truncated;
};

[[noreturn]] void onError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// A warning means damaged data that the decoder papers over (running out of
// data invents the rest of the picture grey): refuse it. Only the two that
// describe unknown metadata, not the picture, are let through.
void onMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;  // trace messages
    const int code = cinfo->err->msg_code;
    if (code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM) return;
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    err->truncated = code == JWRN_JPEG_EOF;
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void onProgress(j_common_ptr cinfo) {
    if (cinfo->is_decompressor) {
        auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
        if (d->input_scan_number > kMaxScans) {
            auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
            std::snprintf(err->message, sizeof err->message, "too many scans");
            std::longjmp(err->jump, 1);
        }
    }
}

void installErrorManager(ErrorManager& err) {
    jpeg_std_error(&err.base);
    err.base.error_exit = onError;
    err.base.emit_message = onMessage;
    err.message[0] = '\0';
    err.truncated = false;
}

inline QRgb cmykToRgb(int c, int m, int y, int k, bool inverted) {
    // Adobe writes CMYK with every channel inverted (0 = full ink).
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

// The decoding runs in two steps around the allocation of the image, so
// that no C++ object with a destructor is alive in a frame that libjpeg may
// longjmp out of.
bool readHeader(jpeg_decompress_struct& cinfo, ErrorManager& err, const QByteArray& file) {
    if (setjmp(err.jump)) return false;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(file.constData()),
                 static_cast<unsigned long>(file.size()));
    jpeg_read_header(&cinfo, TRUE);
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;  // BGRA bytes = one RGB32 pixel
#else
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_ARGB;
#endif
    return true;
}

bool readPixels(jpeg_decompress_struct& cinfo, ErrorManager& err, QImage& image) {
    unsigned char* const bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    const JDIMENSION width = JDIMENSION(image.width()), height = JDIMENSION(image.height());
    if (setjmp(err.jump)) return false;
    cinfo.mem->max_memory_to_use =
        long(std::max(kMinLibraryMemory, kMaxDecodeMemory - qint64(image.sizeInBytes())));
    jpeg_start_decompress(&cinfo);
    // The rows go straight into the image: they must be exactly its size.
    if (cinfo.output_width != width || cinfo.output_height != height) {
        std::snprintf(err.message, sizeof err.message, "unexpected output size");
        return false;
    }
    const bool cmyk = cinfo.out_color_space == JCS_CMYK;
    JSAMPARRAY cmykRow = cmyk ? (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo),
                                                           JPOOL_IMAGE, cinfo.output_width * 4, 1)
                              : nullptr;
    const bool inverted = cinfo.saw_Adobe_marker;
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = bits + qsizetype(cinfo.output_scanline) * bytesPerLine;
        if (!cmyk) {
            jpeg_read_scanlines(&cinfo, &row, 1);
            continue;
        }
        auto* out = reinterpret_cast<QRgb*>(row);
        jpeg_read_scanlines(&cinfo, cmykRow, 1);
        for (JDIMENSION x = 0; x < cinfo.output_width; ++x) {
            const JSAMPLE* p = cmykRow[0] + x * 4;
            out[x] = cmykToRgb(p[0], p[1], p[2], p[3], inverted);
        }
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

bool runEncode(jpeg_compress_struct& cinfo, ErrorManager& err, const QImage& rgb, int quality,
               unsigned char** buffer, unsigned long* size) {
    if (setjmp(err.jump)) return false;

    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, buffer, size);
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 4;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    cinfo.in_color_space = JCS_EXT_BGRX;
#else
    cinfo.in_color_space = JCS_EXT_XRGB;
#endif
    jpeg_set_defaults(&cinfo);  // YCbCr colour, baseline Huffman coding
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

}  // namespace

DecodedPicture decodeJpeg(const QByteArray& file, const PictureLimits& limits) {
    if (file.isEmpty()) return pictureError(QStringLiteral("JPEG ファイルが途中で切れています。"));
    jpeg_decompress_struct cinfo{};
    ErrorManager err;
    installErrorManager(err);
    cinfo.err = &err.base;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = onProgress;
    cinfo.progress = &progress;

    DecodedPicture result;
    if (readHeader(cinfo, err, file)) {
        // Output size equals the declared size: no scaling is asked for.
        result = newPicture(cinfo.image_width, cinfo.image_height, limits, Background::Unset);
        if (result.ok() && !readPixels(cinfo, err, result.image)) result.image = QImage();
    }
    jpeg_destroy_decompress(&cinfo);
    if (result.ok()) {
        // As the camera meant it to be seen.
        result.image = orientedPicture(result.image, jpegExifOrientation(file));
        return result;
    }
    if (!result.error.isEmpty()) return result;  // size refused before decoding
    if (err.truncated) return pictureError(QStringLiteral("JPEG ファイルが途中で切れています。"));
    if (err.base.msg_code == JERR_NO_BACKING_STORE || err.base.msg_code == JERR_OUT_OF_MEMORY)
        return pictureError(
            QStringLiteral("画像が大きすぎます（%1 × %2 ピクセルのプログレッシブ JPEG）。")
                .arg(cinfo.image_width)
                .arg(cinfo.image_height));
    return pictureError(QStringLiteral("JPEG 画像として読めません（%1）。")
                            .arg(QString::fromLocal8Bit(err.message)));
}

QByteArray encodeJpeg(const QImage& image, int quality, QString* error) {
    if (image.isNull()) {
        if (error) *error = QStringLiteral("保存する画像がありません。");
        return QByteArray();
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct cinfo{};
    ErrorManager err;
    installErrorManager(err);
    cinfo.err = &err.base;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool done = runEncode(cinfo, err, rgb, quality, &buffer, &size);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes;
    if (done) bytes = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    if (!done && error)
        *error = QStringLiteral("JPEG に変換できません（%1）。")
                     .arg(QString::fromLocal8Bit(err.message));
    return bytes;
}

}  // namespace platform
