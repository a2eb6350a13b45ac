#pragma once
// Whole-buffer deflate in zlib format (what /FlateDecode reads). Each thread
// keeps its own compressor.

#include <string>
#include <string_view>

namespace platform::pdf {

std::string deflate(std::string_view data);

}  // namespace platform::pdf
