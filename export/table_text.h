#pragma once

#include <string_view>
#include <vector>

#include "export/text_buffer.h"
#include "export/text_sink.h"

namespace kolvenar {

class ShownTable;

// How the table text is written: the export uses Windows-1252 with CR LF, the clipboard UTF-8
// with LF.
struct TableTextFormat {
    std::string_view lineEnd = "\r\n";
    bool windows1252 = true;
};

// Writes the column titles from the second column on, then the rows as the table shows them,
// fields separated by one TAB and every line ended by the format's line end. Cells read
// exactly as in the table. `rows` limits the rows to the given positions (as shown, in
// ascending order); null means every row. The text is handed to `sink` in pieces of a few
// hundred kilobytes, so that no copy of a large table is held at once. Returns false when the
// sink refused a piece.
bool WriteTableText(const ShownTable& table, const TableTextFormat& format,
                    const std::vector<int>* rows, const TextSink& sink);

// The same text in one piece, in memory the QByteArray owns. A large one is written in ranges
// of rows on up to `workers` threads; the text does not depend on their number.
QByteArray TableText(const ShownTable& table, const TableTextFormat& format,
                     const std::vector<int>* rows = nullptr, unsigned workers = 1);

}  // namespace kolvenar
