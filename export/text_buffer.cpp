#include "export/text_buffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <new>
#include <utility>

namespace kolvenar {

TextBuffer::TextBuffer(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {
    void* room =
        ::mmap(nullptr, capacity_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (room == MAP_FAILED) {
        throw std::bad_alloc();
    }
#ifdef MADV_HUGEPAGE
    // Only a hint: without large pages the text is written all the same.
    ::madvise(room, capacity_, MADV_HUGEPAGE);
#endif
    data_ = static_cast<char*>(room);
}

void TextBuffer::Grow(std::size_t more) {
    const std::size_t capacity = std::max(size_ + more, 2 * capacity_);
    void* room = ::mremap(data_, capacity_, capacity, MREMAP_MAYMOVE);
    if (room == MAP_FAILED) {
        throw std::bad_alloc();
    }
    data_ = static_cast<char*>(room);
    capacity_ = capacity;
}

TextBuffer::~TextBuffer() {
    if (data_ != nullptr) {
        ::munmap(data_, capacity_);
    }
}

TextBuffer::TextBuffer(TextBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

}  // namespace kolvenar
