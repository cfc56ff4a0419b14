#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quillmar {

// The characters gathered for one axis word (digits, "." and ","). Short words stay
// in a fixed buffer, so reading a line allocates nothing; an absurdly long word
// moves to the heap and is read all the same.
class WordText {
public:
    void clear() {
        size_ = 0;
        long_.clear();
    }
    void push(char16_t c) {
        if (size_ < short_.size()) {
            short_[size_++] = c;
            return;
        }
        if (long_.empty()) {
            long_.assign(short_.data(), short_.size());
        }
        long_.push_back(c);
    }
    std::u16string_view view() const {
        return long_.empty() ? std::u16string_view(short_.data(), size_)
                             : std::u16string_view(long_);
    }

private:
    std::array<char16_t, 32> short_;
    std::size_t size_ = 0;
    std::u16string long_;
};

} // namespace quillmar
