#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "export/export.h"
#include "export/zip_archive.h"

namespace kolvenar {

// One cell of a sheet made row by row: a number, written as the tables show it (15 digits,
// a point; one that left the double range as the text "Überlauf"), a text, or nothing.
struct SheetCell {
    enum class Kind : std::uint8_t { Empty, Number, Text };
    Kind kind = Kind::Empty;
    double number = 0;
    std::string text;

    static SheetCell Number(double value) { return {Kind::Number, value, {}}; }
    static SheetCell Text(std::string utf8) { return {Kind::Text, 0, std::move(utf8)}; }
};

// A sheet of a workbook whose rows are made one at a time when they are written, so that a
// long one is never held whole: header lines one a row, the column titles in bold with the
// rows below them frozen, then the rows. Every column is as wide as its longest text.
struct RowSheet {
    std::string name;
    std::vector<std::string> headerLines;
    std::vector<std::string> titles;
    std::size_t rowCount = 0;
    // Puts the cells of row `row` (from 0) into `cells`, at most one per title; it is called
    // twice for every row, once to measure the columns and once to write them.
    std::function<void(std::size_t row, std::vector<SheetCell>& cells)> cells;
};

// The most rows a sheet holds, as spreadsheet programs read it.
inline constexpr std::size_t kMostSheetRows = 1048576;

// The XML of a sheet, handed to `sink` in pieces; false when the sink refused one.
bool WriteRowSheetXml(const RowSheet& sheet, const TextSink& sink);

// Writes a workbook with the given sheets, in their order, the first one shown. An earlier
// file survives a failure. No part nor the workbook may pass `largest` bytes.
std::optional<FileFailure> WriteRowWorkbook(const QString& path, std::span<const RowSheet> sheets,
                                            std::uint64_t largest = kLargestZip);

}  // namespace kolvenar
