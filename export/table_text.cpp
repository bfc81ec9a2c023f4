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
        return columns_.size() * (kNumberTextCapacity + 1) + format_.lineEnd.size();
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
    void Number(double value, TextBuffer& out) const {
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

// A range of rows after the first of a copy: its text and what stopped it being written.
struct LaterRange {
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

QByteArray TableText(const ShownTable& table, const TableTextFormat& format,
                     const std::vector<int>* rows, unsigned workers) {
    const RowWriter writer(table, format);
    const std::size_t count = rows != nullptr ? rows->size() : table.RowCount();
    const std::size_t ranges =
        std::clamp<std::size_t>(count / kRowsPerRange, 1, std::max(workers, 1u));
    const auto first = [&](std::size_t range) {
        return count * range / ranges;
    };
    TextBuffer text((count + 1) * writer.LongestRow() +
                    static_cast<std::size_t>(table.ColumnCount()) * 256);
    // The ranges after the first, each written into room of its own on a thread of its own.
    std::vector<LaterRange> later(ranges);
    const auto writeLater = [&](std::size_t range) {
        LaterRange& part = later[range];
        try {
            part.text.emplace((first(range + 1) - first(range)) * writer.LongestRow());
            WriteRows(writer, rows, first(range), first(range + 1), *part.text);
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
    // The first range is written in place, behind the titles, while the others are written.
    writer.Titles(text);
    WriteRows(writer, rows, 0, first(1), text);
    for (std::jthread& thread : threads) {
        thread.join();
    }
    // Each later range is appended and let go of at once, so that the text is held at most once
    // and one range besides.
    for (std::size_t range = 1; range < ranges; ++range) {
        LaterRange& part = later[range];
        if (part.failure) {
            std::rethrow_exception(part.failure);
        }
        text += part.text->View();
        part.text.reset();
    }
    return text.Take();
}

}  // namespace kolvenar
