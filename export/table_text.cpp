#include "export/table_text.h"

#include <array>
#include <charconv>
#include <cmath>

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

// The texts that are not numbers, in the target encoding, converted once per table: the
// numbers themselves are plain ASCII.
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
    const std::string& Name(int z) const { return names_[static_cast<std::size_t>(z)]; }
    const std::string& Overflow() const { return overflow_; }
    std::string_view Hit(double test) const {
        return test >= 0 && test < static_cast<double>(hits_.size())
                   ? std::string_view(hits_[static_cast<std::size_t>(test)])
                   : std::string_view();
    }
    NumberStyle Style() const { return NumberStyle{separator_, true}; }

private:
    bool windows1252_;
    std::array<std::string, kElementCount + 1> names_;
    std::string overflow_;
    std::string separator_;
    std::array<std::string, kSearchTests.size()> hits_;
};

class RowWriter {
public:
    RowWriter(const ShownTable& shown, const TableTextFormat& format)
        : table_(shown.Table()),
          format_(format),
          texts_(shown, format.windows1252),
          style_(texts_.Style()),
          columns_(shown.ColumnCount()) {
        // Columns 1 to 3 are element, Z and N; the values follow.
        values_ = std::min<std::size_t>(table_.ValueCount(), static_cast<std::size_t>(std::max(
                                                                 columns_ - kFixedColumnCount, 0)));
    }

    // The most bytes one row can take.
    std::size_t LongestRow() const {
        constexpr std::size_t kLongestName = 32;
        return kLongestName + static_cast<std::size_t>(columns_) * (kNumberTextCapacity + 1) +
               format_.lineEnd.size();
    }

    template <typename Out>
    void Titles(const ShownTable& shown, Out& out) const {
        std::string titles;
        for (int c = 1; c < columns_; ++c) {
            titles += shown.Headers()[static_cast<std::size_t>(c)];
            if (c < columns_ - 1) {
                titles += '\t';
            }
        }
        out += std::string_view(texts_.Encode(titles));
        out += format_.lineEnd;
    }

    template <typename Out>
    void Row(std::size_t builtRow, Out& out) const {
        const int z = table_.ElementAt(builtRow);
        if (columns_ > 1) {
            out += std::string_view(texts_.Name(z));
        }
        if (columns_ > 2) {
            out += '\t';
            char digits[8];
            out.append(digits, std::to_chars(digits, digits + sizeof digits, z).ptr);
        }
        if (columns_ > 3) {
            out += '\t';
            Number(table_.NAt(builtRow), out);
        }
        for (std::size_t v = 0; v < values_; ++v) {
            out += '\t';
            if (table_.Columns()[v] == ColumnSource::Hit) {
                out += texts_.Hit(table_.ValueAt(builtRow, v));
            } else {
                Number(table_.ValueAt(builtRow, v), out);
            }
        }
        out += format_.lineEnd;
    }

private:
    template <typename Out>
    void Number(double value, Out& out) const {
        if (!std::isfinite(value)) {
            out += std::string_view(texts_.Overflow());
            return;
        }
        char buffer[kNumberTextCapacity];
        out.append(buffer, FormatNumber(value, style_, buffer));
    }

    const ResultTable& table_;
    const TableTextFormat& format_;
    EncodedTexts texts_;
    NumberStyle style_;
    int columns_;
    std::size_t values_ = 0;
};

}  // namespace

bool WriteTableText(const ShownTable& table, const TableTextFormat& format,
                    const std::vector<int>* rows, const TextSink& sink) {
    const RowWriter writer(table, format);
    std::string piece;
    piece.reserve(kPieceBytes + kRowSlack);
    writer.Titles(table, piece);
    const std::size_t count = rows != nullptr ? rows->size() : table.RowCount();
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t shown = rows != nullptr ? static_cast<std::size_t>((*rows)[i]) : i;
        writer.Row(table.BuiltRow(shown), piece);
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
                     const std::vector<int>* rows) {
    const RowWriter writer(table, format);
    const std::size_t count = rows != nullptr ? rows->size() : table.RowCount();
    TextBuffer text((count + 1) * writer.LongestRow() +
                    static_cast<std::size_t>(table.ColumnCount()) * 256);
    writer.Titles(table, text);
    for (std::size_t i = 0; i < count; ++i) {
        writer.Row(table.BuiltRow(rows != nullptr ? static_cast<std::size_t>((*rows)[i]) : i),
                   text);
    }
    return text.Take();
}

}  // namespace kolvenar
