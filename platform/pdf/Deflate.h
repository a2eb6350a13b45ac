#pragma once
// Whole-buffer deflate in zlib format (what /FlateDecode reads). Each thread
// keeps its own compressor.

#include <string>
#include <string_view>

namespace platform::pdf {

enum class Packing { Fast, Small };

std::string deflate(std::string_view data, Packing packing = Packing::Small);

}  // namespace platform::pdf
