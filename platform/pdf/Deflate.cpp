#include "platform/pdf/Deflate.h"

#include <libdeflate.h>

#include <memory>

namespace platform::pdf {
namespace {

// Level 6 is where the size stops shrinking much for page content and fonts;
// higher levels cost several times the time for a few per cent.
constexpr int kLevel = 6;

struct CompressorDeleter {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

libdeflate_compressor* compressor() {
    thread_local std::unique_ptr<libdeflate_compressor, CompressorDeleter> c(libdeflate_alloc_compressor(kLevel));
    return c.get();
}

}  // namespace

std::string deflate(std::string_view data) {
    libdeflate_compressor* c = compressor();
    // Compressed into a buffer the thread keeps, then copied at its size.
    thread_local std::string scratch;
    const size_t bound = libdeflate_zlib_compress_bound(c, data.size());
    if (scratch.size() < bound) scratch.resize(bound);
    const size_t n = libdeflate_zlib_compress(c, data.data(), data.size(), scratch.data(), bound);
    return scratch.substr(0, n);
}

}  // namespace platform::pdf
