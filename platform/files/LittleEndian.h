#pragma once
// Bounds-checked little-endian reads over a byte buffer. Every reader of a
// file format goes through this: a read outside the buffer yields 0 instead
// of touching memory, and has() lets the parser refuse the file first.

#include <cstddef>
#include <cstdint>

namespace platform {

class LittleEndian {
  public:
    LittleEndian() = default;
    LittleEndian(const unsigned char* data, size_t size) : data_(data), size_(size) {}

    const unsigned char* data() const { return data_; }
    size_t size() const { return size_; }

    // True when `length` bytes from `offset` lie inside the buffer (no overflow).
    bool has(size_t offset, size_t length) const {
        return offset <= size_ && length <= size_ - offset;
    }
    // The sub-range [offset, offset + length), or an empty view when it does not fit.
    LittleEndian slice(size_t offset, size_t length) const {
        return has(offset, length) ? LittleEndian(data_ + offset, length) : LittleEndian();
    }
    LittleEndian from(size_t offset) const {
        return offset <= size_ ? LittleEndian(data_ + offset, size_ - offset) : LittleEndian();
    }

    uint8_t u8(size_t at) const { return has(at, 1) ? data_[at] : 0; }
    uint16_t u16(size_t at) const {
        return has(at, 2) ? uint16_t(data_[at] | (data_[at + 1] << 8)) : 0;
    }
    int16_t s16(size_t at) const { return int16_t(u16(at)); }
    uint32_t u32(size_t at) const {
        return has(at, 4) ? uint32_t(data_[at]) | (uint32_t(data_[at + 1]) << 8) |
                                (uint32_t(data_[at + 2]) << 16) | (uint32_t(data_[at + 3]) << 24)
                          : 0;
    }
    int32_t s32(size_t at) const { return int32_t(u32(at)); }
    float f32(size_t at) const {
        uint32_t bits = u32(at);
        float f;
        static_assert(sizeof f == sizeof bits, "float is 32 bits");
        __builtin_memcpy(&f, &bits, sizeof f);
        return f;
    }

  private:
    const unsigned char* data_ = nullptr;
    size_t size_ = 0;
};

}  // namespace platform
