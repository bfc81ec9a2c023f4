#include "export/table_text.h"

#include <algorithm>
#include <array>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>

#include "core/elements.h"
#include "core/number_text.h"
#include "export/windows1252.h"
#include "table/search.h"
#include "table/shown_table.h"

namespace kolvenar {

namespace {

// A piece is handed on once it holds this much; a row is far shorter than the slack.
constexpr std::size_t kPieceBytes = 256 * 1024;
constexpr std::size_t kRowSlack = 4096;
// A copy is written in ranges of rows, one per core, from this many rows per range on; a smaller
// one is written before a thread would have started.
constexpr std::size_t kRowsPerRange = 8192;

// The texts that are not numbers, in the target encoding, converted once per table: the
// numbers themselves are plain ASCII but for the separator.
class EncodedTexts {
public:
    EncodedTexts(const ShownTable& table, bool windows1252) : windows1252_(windows1252) {
        for (int z = 1; z <= kElementCount; ++z) {
            names_[static_cast<std::size_t>(z)] = Encode(ElementName(z));
        }
        overflow_ = Encode(kOverflowText);
        separator_ = Encode(table.DecimalSeparator());
        for (std::size_t test = 0; test < kSearchTests.size(); ++test) {
            hits_[test] = Encode(table.HitName(static_cast<double>(test)));
        }
    }

    std::string Encode(std::string_view utf8) const {
        return windows1252_ ? ToWindows1252(utf8) : std::string(utf8);
    }
    std::string_view Name(double z) const {
        return z >= 1 && z <= kElementCount ? std::string_view(names_[static_cast<std::size_t>(z)])
                                            : std::string_view();
    }
    std::string_view Overflow() const { return overflow_; }
    std::string_view Hit(double test) const {
        return test >= 0 && test < static_cast<double>(hits_.size())
                   ? std::string_view(hits_[static_cast<std::size_t>(test)])
                   : std::string_view();
    }
    std::string_view Separator() const { return separator_; }
    // The most bytes a cell can take.
    std::size_t LongestCell() const {
        std::size_t longest = std::max(kNumberTextCapacity, overflow_.size());
        for (const std::string& text : names_) {
            longest = std::max(longest, text.size());
        }
        for (const std::string& text : hits_) {
            longest = std::max(longest, text.size());
        }
        return longest;
    }

private:
    bool windows1252_;
    std::array<std::string, kElementCount + 1> names_;
    std::string overflow_;
    std::string separator_;
    std::array<std::string, kSearchTests.size()> hits_;
};

// Writes each cell as the shown table says it is, in the format's encoding.
class RowWriter {
public:
    RowWriter(const ShownTable& shown, const TableTextFormat& format)
        : shown_(shown), format_(format), texts_(shown, format.windows1252) {
        for (int c = 0; c < shown.ColumnCount(); ++c) {
            if (shown.Written(c)) {
                columns_.push_back(c);
            }
        }
    }

    // The most bytes one row can take.
    std::size_t LongestRow() const {
        return columns_.size() * (texts_.LongestCell() + 1) + format_.lineEnd.size();
    }

    template <typename Out>
    void Titles(Out& out) const {
        std::string titles;
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            titles += shown_.Headers()[static_cast<std::size_t>(columns_[i])];
            if (i + 1 < columns_.size()) {
                titles += '\t';
            }
        }
        out += std::string_view(texts_.Encode(titles));
        out += format_.lineEnd;
    }

    // The row shown at `row`.
    template <typename Out>
    void Row(std::size_t row, Out& out) const {
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            if (i > 0) {
                out += '\t';
            }
            const Cell cell = shown_.CellAt(row, columns_[i]);
            switch (cell.kind) {
                case CellKind::Name:
                    out += texts_.Name(cell.value);
                    break;
                case CellKind::Whole:
                case CellKind::Number:
                    Number(cell.value, out);
                    break;
                case CellKind::Overflow:
                    out += texts_.Overflow();
                    break;
                case CellKind::TestName:
                    out += texts_.Hit(cell.value);
                    break;
                case CellKind::Empty:
                    break;
            }
        }
        out += format_.lineEnd;
    }

private:
    void Number(double value, std::string& out) const {
        char buffer[kNumberTextCapacity];
        out.append(buffer, ShownTable::NumberText(value, numbers_, buffer));
    }
    void Number(double value, TextRoom& out) const {
        out.AppendAtMost(kNumberTextCapacity,
                         [&](char* at) { return ShownTable::NumberText(value, numbers_, at); });
    }

    const ShownTable& shown_;
    const TableTextFormat& format_;
    EncodedTexts texts_;
    NumberStyle numbers_ = TableNumberStyle(texts_.Separator());
    std::vector<int> columns_;
};

// The rows at positions [first, last) of `rows` (of the table where null).
template <typename Out>
void WriteRows(const RowWriter& writer, const std::vector<int>* rows, std::size_t first,
               std::size_t last, Out& out) {
    for (std::size_t i = first; i < last; ++i) {
        writer.Row(rows != nullptr ? static_cast<std::size_t>((*rows)[i]) : i, out);
    }
}

// Puts the rows at positions [first, last) in front of the text in `room`, a piece of rows at a
// time from the last: each piece is written into a small buffer, which stays in the cache.
void PrependRows(const RowWriter& writer, const std::vector<int>* rows, std::size_t first,
                 std::size_t last, TextRoom& room) {
    constexpr std::size_t kRowsPerPiece = 64;
    TextBuffer piece(kRowsPerPiece * writer.LongestRow());
    while (last > first) {
        const std::size_t from = last - std::min(kRowsPerPiece, last - first);
        piece.Clear();
        WriteRows(writer, rows, from, last, piece);
        room.Prepend(piece.View());
        last = from;
    }
}

// A range of rows of a copy written on a thread of its own: its text, where it is not written
// straight into the copy's room, and what stopped it being written.
struct Range {
    std::optional<TextBuffer> text;
    std::exception_ptr failure;
};

}  // namespace

bool WriteTableText(const ShownTable& table, const TableTextFormat& format,
                    const std::vector<int>* rows, const TextSink& sink) {
    const RowWriter writer(table, format);
    std::string piece;
    piece.reserve(kPieceBytes + kRowSlack);
    writer.Titles(piece);
    const std::size_t count = rows != nullptr ? rows->size() : table.RowCount();
    for (std::size_t i = 0; i < count; ++i) {
        writer.Row(rows != nullptr ? static_cast<std::size_t>((*rows)[i]) : i, piece);
        if (piece.size() >= kPieceBytes) {
            if (!sink(piece)) {
                return false;
            }
            piece.clear();
        }
    }
    return piece.empty() || sink(piece);
}

// A large copy is written in ranges of rows, one per core, into their places where it can be:
// the rows' room is laid out around a point, the first range (with the titles) put in front of it
// on this thread while the second is written behind it on another. Further ranges are written
// into buffers of their own and appended, each let go of at once. So on two cores no range is
// copied whole, and no text is held twice.
QByteArray TableText(const ShownTable& table, const TableTextFormat& format,
                     const std::vector<int>* rows, unsigned workers) {
    const RowWriter writer(table, format);
    const std::size_t count = rows != nullptr ? rows->size() : table.RowCount();
    const std::size_t ranges =
        std::clamp<std::size_t>(count / kRowsPerRange, 1, std::max(workers, 1u));
    const auto first = [&](std::size_t range) {
        return count * range / ranges;
    };
    std::string titles;
    writer.Titles(titles);
    if (ranges == 1) {
        TextBuffer text(titles.size() + count * writer.LongestRow());
        text += titles;
        WriteRows(writer, rows, 0, count, text);
        return text.Take();
    }
    TextBuffer text(titles.size() + first(1) * writer.LongestRow(),
                    (count - first(1)) * writer.LongestRow());
    TextRoom front = text.FrontRoom();
    TextRoom back = text.BackRoom();
    std::vector<Range> later(ranges);
    const auto writeLater = [&](std::size_t range) {
        Range& part = later[range];
        try {
            TextRoom* out = &back;
            if (range > 1) {
                out = &part.text.emplace((first(range + 1) - first(range)) * writer.LongestRow());
            }
            WriteRows(writer, rows, first(range), first(range + 1), *out);
        } catch (...) {
            part.failure = std::current_exception();
        }
    };
    std::vector<std::jthread> threads;
    threads.reserve(ranges);
    for (std::size_t range = 1; range < ranges; ++range) {
        try {
            threads.emplace_back(writeLater, range);
        } catch (const std::system_error&) {
            // Without a thread of its own the range is written here.
            writeLater(range);
        }
    }
    PrependRows(writer, rows, 0, first(1), front);
    front.Prepend(titles);
    for (std::jthread& thread : threads) {
        thread.join();
    }
    for (const Range& part : later) {
        if (part.failure) {
            std::rethrow_exception(part.failure);
        }
    }
    text.Join(front, back);
    for (std::size_t range = 2; range < ranges; ++range) {
        text += later[range].text->View();
        later[range].text.reset();
    }
    return text.Take();
}

}  // namespace kolvenar
