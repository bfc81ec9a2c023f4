#include "export/text_buffer.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>

namespace kolvenar {

namespace {

// Asks for large pages for the whole pages of a room nothing has been written to yet: writing
// tens of megabytes then takes a fault per two megabytes instead of one per four kilobytes. Only
// a hint; where the system does not give them the text is written all the same.
void AdviseLargePages(char* room, std::size_t size) {
#ifdef MADV_HUGEPAGE
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto start = (reinterpret_cast<std::uintptr_t>(room) + page - 1) / page * page;
    const auto end = (reinterpret_cast<std::uintptr_t>(room) + size) / page * page;
    if (end > start) {
        ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    }
#else
    (void)room;
    (void)size;
#endif
}

}  // namespace

TextBuffer::TextBuffer(std::size_t capacity) {
    Reserve(std::max<std::size_t>(capacity, 1));
}

void TextBuffer::Reserve(std::size_t capacity) {
    if (capacity > static_cast<std::size_t>(std::numeric_limits<qsizetype>::max() / 2)) {
        throw std::bad_alloc();
    }
    bytes_.resize(static_cast<qsizetype>(capacity));
    data_ = bytes_.data();
    capacity_ = capacity;
    AdviseLargePages(data_ + size_, capacity_ - size_);
}

void TextBuffer::Grow(std::size_t more) {
    Reserve(std::max(size_ + more, 2 * capacity_));
}

QByteArray TextBuffer::Take() {
    bytes_.truncate(static_cast<qsizetype>(size_));
    // Gives back the room the text did not need (the system moves pages, it copies no text).
    bytes_.squeeze();
    data_ = nullptr;
    size_ = 0;
    capacity_ = 0;
    return std::move(bytes_);
}

}  // namespace kolvenar
