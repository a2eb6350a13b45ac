#pragma once
// Shared set-up of the fuzz targets: an offscreen application (the
// metafile player draws text) and limits small enough that a declared size
// at the edge of what is allowed does not trip the fuzzer's memory cap.

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

#include "platform/pictures/PictureResult.h"

namespace fuzzsupport {

inline void startApplication() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

inline platform::PictureLimits limits() {
    platform::PictureLimits l;
    l.maxSide = 4096;
    l.maxPixels = 4096 * 4096;
    return l;
}

inline QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

}  // namespace fuzzsupport

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzsupport::startApplication();
    return 0;
}
