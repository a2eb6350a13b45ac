// Feeds arbitrary bytes to the WMF decoder: it must return, with a
// picture or a message, and never touch memory it does not own.

#include "fuzz/FuzzMain.h"
#include "platform/metafile/Metafile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const platform::DecodedPicture picture =
        platform::decodeWmf(fuzzsupport::bytes(data, size), fuzzsupport::limits());
    if (picture.ok() && (picture.image.width() > 4096 || picture.image.height() > 4096))
        __builtin_trap();
    return 0;
}
