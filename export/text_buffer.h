#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstring>
#include <string_view>

namespace kolvenar {

// Room for a text around a point: text is appended behind the text so far and put in front of
// it. A TextRoom's room is fixed, a part of a TextBuffer's given to one writer, so that writers
// on several threads each fill a part of their own; text beyond it throws std::length_error.
class TextRoom {
public:
    TextRoom(char* first, char* point, char* last)
        : first_(first), front_(point), back_(point), last_(last) {}
    TextRoom(const TextRoom&) = delete;
    TextRoom& operator=(const TextRoom&) = delete;
    virtual ~TextRoom() = default;

    std::size_t size() const { return static_cast<std::size_t>(back_ - front_); }
    std::string_view View() const { return {front_, size()}; }
    // Forgets the text, keeping the room.
    void Clear() { back_ = front_; }

    TextRoom& operator+=(char c) {
        if (back_ == last_) {
            MakeRoom(1, 0);
        }
        *back_++ = c;
        return *this;
    }
    TextRoom& operator+=(std::string_view text) {
        if (text.size() > RoomBehind()) {
            MakeRoom(text.size(), 0);
        }
        std::memcpy(back_, text.data(), text.size());
        back_ += text.size();
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
        if (most > RoomBehind()) {
            MakeRoom(most, 0);
        }
        back_ += write(back_);
    }
    // Puts `text` in front of the text so far.
    void Prepend(std::string_view text) {
        if (text.size() > RoomInFront()) {
            MakeRoom(0, text.size());
        }
        front_ -= text.size();
        std::memcpy(front_, text.data(), text.size());
    }

protected:
    std::size_t RoomInFront() const { return static_cast<std::size_t>(front_ - first_); }
    std::size_t RoomBehind() const { return static_cast<std::size_t>(last_ - back_); }
    // Makes room for `behind` more bytes behind the text and `inFront` in front of it.
    virtual void MakeRoom(std::size_t behind, std::size_t inFront);

    char* first_;
    char* front_;
    char* back_;
    char* last_;

    friend class TextBuffer;
};

// A large text, such as a whole table for the clipboard, in memory that a QByteArray owns: the
// text is handed on without a copy and lives as long as any holder of it. Its room is reserved
// up front for the most it can hold, so that tens of megabytes are written without ever being
// moved as long as the room suffices; more text makes the room grow.
class TextBuffer : public TextRoom {
public:
    explicit TextBuffer(std::size_t behind) : TextBuffer(0, behind) {}
    // Room for `inFront` bytes to be put in front of the text and `behind` bytes behind it.
    TextBuffer(std::size_t inFront, std::size_t behind);

    // The room in front of the text and the room behind it, for two writers at once (on two
    // threads); Join takes what they wrote. Meanwhile the buffer itself is not written.
    TextRoom FrontRoom() { return {first_, front_, front_}; }
    TextRoom BackRoom() { return {back_, back_, last_}; }
    void Join(const TextRoom& front, const TextRoom& back);

    // The text written; the buffer is empty afterwards.
    QByteArray Take();

protected:
    void MakeRoom(std::size_t behind, std::size_t inFront) override;

private:
    // Moves the text into new room with `inFront` bytes in front of it and `behind` behind it.
    void Reserve(std::size_t inFront, std::size_t behind);

    QByteArray bytes_;
};

}  // namespace kolvenar
