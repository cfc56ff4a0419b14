#pragma once

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillmar::fuzz {

// Hands out a fuzz input piece by piece; past its end every piece is zero, so any
// input, the empty one included, makes a complete test case.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    bool flag() { return byte() & 1; }
    // A choice among `count` alternatives.
    unsigned pick(unsigned count) { return count == 0 ? 0 : byte() % count; }

    // The next sizeof(T) bytes as the bits of a T, first byte lowest.
    template <typename T> T raw() {
        static_assert(sizeof(T) <= sizeof(std::uint64_t));
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            bits |= std::uint64_t(byte()) << (8 * i);
        }
        if constexpr (sizeof(T) == sizeof(std::uint64_t)) {
            return std::bit_cast<T>(bits);
        } else if constexpr (sizeof(T) == sizeof(std::uint32_t)) {
            return std::bit_cast<T>(std::uint32_t(bits));
        } else {
            return std::bit_cast<T>(std::uint16_t(bits));
        }
    }

    // Any finite double from its bit pattern: NaN and the infinities become 0.
    double finiteDouble() {
        const double value = raw<double>();
        return std::isfinite(value) ? value : 0.0;
    }

    std::string_view rest() {
        const std::string_view tail(reinterpret_cast<const char*>(data_) + pos_, size_ - pos_);
        pos_ = size_;
        return tail;
    }
    std::size_t remaining() const { return size_ - pos_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

} // namespace quillmar::fuzz
