#include "export/text_buffer.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <stdexcept>

namespace kolvenar {

namespace {

// A large page (2 MiB on x86-64). Where the system's differ, laying the room out for them only
// misses.
constexpr std::uintptr_t kLargePage = 2 * 1024 * 1024;
// Room of this size and more is laid out for large pages.
constexpr std::size_t kLargeRoom = 4 * kLargePage;
// More than any text is refused before it is asked for.
constexpr auto kMostRoom = static_cast<std::size_t>(std::numeric_limits<qsizetype>::max() / 8);

std::uintptr_t Address(const char* at) {
    return reinterpret_cast<std::uintptr_t>(at);
}

char* AlignUp(char* at, std::uintptr_t alignment) {
    return at + (alignment - Address(at) % alignment) % alignment;
}

// Gives the system `advice` for the whole pages within [first, last). Only a hint: where the
// system does not follow it, the text is the same.
void Advise([[maybe_unused]] char* first, [[maybe_unused]] char* last,
            [[maybe_unused]] int advice) {
#ifdef MADV_HUGEPAGE
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const std::uintptr_t start = (Address(first) + page - 1) / page * page;
    const std::uintptr_t end = Address(last) / page * page;
    if (end > start) {
        ::madvise(reinterpret_cast<void*>(start), end - start, advice);
    }
#endif
}

}  // namespace

void TextRoom::MakeRoom(std::size_t, std::size_t) {
    throw std::length_error("text beyond its room");
}

TextBuffer::TextBuffer(std::size_t inFront, std::size_t behind)
    : TextRoom(nullptr, nullptr, nullptr) {
    Reserve(inFront, std::max<std::size_t>(behind, 1));
}

// A large room is laid out so that every page the text is written to can be a large page: the
// text's point at a large page, whole large pages of room beyond its ends. Large pages are asked
// for: writing tens of megabytes then takes a fault per two megabytes instead of one per four
// kilobytes, and a fault is costly, on virtual machines most of all.
void TextBuffer::Reserve(std::size_t inFront, std::size_t behind) {
    const std::size_t text = size();
    if (inFront > kMostRoom || behind > kMostRoom || text > kMostRoom) {
        throw std::bad_alloc();
    }
    const bool large = inFront + text + behind >= kLargeRoom;
    const std::size_t room = inFront + text + behind + (large ? 3 * kLargePage : 0);
    QByteArray bytes(static_cast<qsizetype>(room), Qt::Uninitialized);
    char* const data = bytes.data();
    char* const point =
        large ? AlignUp(AlignUp(data, kLargePage) + inFront, kLargePage) : data + inFront;
    if (text > 0) {
        std::memcpy(point, front_, text);
    }
#ifdef MADV_HUGEPAGE
    if (large) {
        Advise(data, data + room, MADV_HUGEPAGE);
    }
#endif
    bytes_ = std::move(bytes);
    first_ = data;
    front_ = point;
    back_ = point + text;
    last_ = data + room;
}

void TextBuffer::MakeRoom(std::size_t behind, std::size_t inFront) {
    // The side that is short gets at least as much room as the buffer had in all.
    const std::size_t room = static_cast<std::size_t>(last_ - first_);
    Reserve(inFront > RoomInFront() ? std::max(inFront, room) : RoomInFront(),
            behind > RoomBehind() ? std::max(behind, room) : RoomBehind());
}

void TextBuffer::Join(const TextRoom& front, const TextRoom& back) {
    front_ = front.front_;
    back_ = back.back_;
}

QByteArray TextBuffer::Take() {
    char* const data = bytes_.data();
    const auto start = static_cast<qsizetype>(front_ - data);
    const auto length = static_cast<qsizetype>(size());
    if (start == 0) {
        bytes_.truncate(length);
        // Gives back the room the text did not need (the system moves pages, it copies no text).
        bytes_.squeeze();
    } else {
        // Room in front of the text cannot be given back without copying the text; it costs no
        // memory where it was never written. The pages written around the text's ends (large
        // pages reach beyond them) are let go of, and no large page is made of them again.
#ifdef MADV_HUGEPAGE
        char* const end = data + bytes_.size();
        Advise(data, end, MADV_NOHUGEPAGE);
        Advise(data, front_, MADV_DONTNEED);
        Advise(back_ + 1, end, MADV_DONTNEED);
#endif
        bytes_.truncate(start + length);
        // Qt drops the room in front by moving the text's start; it copies nothing.
        bytes_.remove(0, start);
    }
    first_ = nullptr;
    front_ = nullptr;
    back_ = nullptr;
    last_ = nullptr;
    return std::move(bytes_);
}

}  // namespace kolvenar
