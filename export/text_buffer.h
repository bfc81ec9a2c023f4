#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstring>
#include <string_view>

namespace kolvenar {

// A large text written once from front to back, such as a whole table for the clipboard, into
// memory that a QByteArray owns: the text is handed on without a copy and lives as long as any
// holder of it. Its room is reserved up front for the most it can hold, so that tens of
// megabytes are written without ever being moved as long as the room suffices; more text makes
// the room grow.
class TextBuffer {
public:
    explicit TextBuffer(std::size_t capacity);

    std::size_t size() const { return size_; }
    std::string_view View() const { return {data_, size_}; }

    TextBuffer& operator+=(char c) {
        if (size_ == capacity_) {
            Grow(1);
        }
        data_[size_++] = c;
        return *this;
    }
    TextBuffer& operator+=(std::string_view text) {
        if (text.size() > capacity_ - size_) {
            Grow(text.size());
        }
        std::memcpy(data_ + size_, text.data(), text.size());
        size_ += text.size();
        return *this;
    }
    void append(const char* first, const char* last) {
        *this += std::string_view(first, static_cast<std::size_t>(last - first));
    }
    void append(const char* text, std::size_t length) { *this += std::string_view(text, length); }
    // Lets `write` put at most `most` bytes straight behind the text, saving the copy through a
    // buffer of its own; it returns how many it wrote.
    template <typename Write>
    void AppendAtMost(std::size_t most, const Write& write) {
        if (most > capacity_ - size_) {
            Grow(most);
        }
        size_ += write(data_ + size_);
    }

    // The text written; the buffer is empty afterwards.
    QByteArray Take();

private:
    // Makes room for `more` bytes beyond the text, at least doubling it.
    void Grow(std::size_t more);
    // Takes `capacity` bytes as the room, keeping the text.
    void Reserve(std::size_t capacity);

    QByteArray bytes_;
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace kolvenar
