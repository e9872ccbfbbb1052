// A buffer of N elements kept inline, growing onto the heap only for larger
// sizes: the small figures drawn most often allocate nothing.
#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace posix::raster {

template <typename T, std::size_t Inline>
class SmallBuffer {
public:
    explicit SmallBuffer(std::size_t size, T initial = T{}) : size_(size) {
        if (size > Inline) heap_.assign(size, initial);
        else std::fill(inline_.begin(), inline_.begin() + size, initial);
    }
    SmallBuffer(const SmallBuffer&) = delete;
    SmallBuffer& operator=(const SmallBuffer&) = delete;

    std::size_t size() const { return size_; }
    T& operator[](std::size_t i) { return data()[i]; }
    const T& operator[](std::size_t i) const { return data()[i]; }

private:
    T* data() { return size_ > Inline ? heap_.data() : inline_.data(); }
    const T* data() const { return size_ > Inline ? heap_.data() : inline_.data(); }

    std::size_t size_;
    std::array<T, Inline> inline_;  // only the first size_ elements are set
    std::vector<T> heap_;
};

}  // namespace posix::raster
