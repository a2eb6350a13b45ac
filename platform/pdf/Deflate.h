#pragma once
// Whole-buffer deflate in zlib format (what /FlateDecode reads). Each thread
// keeps its own compressor.

#include <string>
#include <string_view>

namespace platform::pdf {

enum class Packing { Fast, Small };

std::string deflate(std::string_view data, Packing packing = Packing::Small);

// The same into `out`, whose room is kept for the next use.
void deflateInto(std::string_view data, Packing packing, std::string& out);

}  // namespace platform::pdf
