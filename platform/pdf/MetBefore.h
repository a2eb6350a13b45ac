#pragma once
// Remembers which keys were met, by hash, in a fixed table: asking costs no
// allocation however many keys a document has. A key whose slot another key
// took since is taken for new, which only costs the caller a chance to reuse
// something.

#include <array>
#include <cstddef>
#include <functional>
#include <string>

namespace platform::pdf {

class MetBefore {
  public:
    // True when `key` was met before; marks it as met.
    bool check(const std::string& key) {
        const size_t h = std::hash<std::string>()(key) | 1;  // 0 marks an empty slot
        size_t& slot = slots_[h % slots_.size()];
        if (slot == h) return true;
        slot = h;
        return false;
    }

  private:
    std::array<size_t, 4093> slots_{};
};

}  // namespace platform::pdf
