#include "export/sheet_xml.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>
#include <thread>

#include "core/elements.h"
#include "core/number_text.h"
#include "export/cell_xml.h"
#include "table/search.h"
#include "table/shown_table.h"

namespace kolvenar {

namespace {

// Numbers in the sheet's XML are written with a point, whatever the user's separator.
constexpr std::string_view kXmlSeparator = ".";
constexpr int kBoldStyle = 1;

void AppendNumber(std::string& out, long long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

// A text cell's rest from a list made once, by the number the cell holds.
const std::string& Piece(const std::vector<std::string>& pieces, double value) {
    static const std::string none = TextCellRest("");
    return value >= 0 && value < static_cast<double>(pieces.size())
               ? pieces[static_cast<std::size_t>(value)]
               : none;
}

}  // namespace

SheetXml::SheetXml(const ShownTable& shown, const QStringList& headerLines, unsigned workers)
    : shown_(shown) {
    for (const QString& line : headerLines) {
        headerLines_.push_back(line.toStdString());
    }
    for (int c = 0; c < shown.ColumnCount(); ++c) {
        if (shown.Written(c)) {
            columns_.push_back(c);
            titles_.push_back(shown.Headers()[static_cast<std::size_t>(c)]);
        }
    }
    widths_.assign(titles_.size(), 0);
    overflowCell_ = TextCellRest(kOverflowText);
    nameCells_.emplace_back();
    for (int z = 1; z <= kElementCount; ++z) {
        nameCells_.push_back(TextCellRest(ElementName(z)));
    }
    for (std::size_t test = 0; test < kSearchTests.size(); ++test) {
        hitCells_.push_back(TextCellRest(shown.HitName(static_cast<double>(test))));
    }
    for (std::size_t c = 0; c < titles_.size(); ++c) {
        Widen(c, CharacterCount(titles_[c]));
        cellStarts_.push_back("<c r=\"" + ColumnLetters(c));
    }
    // The rows are measured in even shares on `workers` threads, each into widths of its own.
    const std::size_t rows = shown.RowCount();
    const std::size_t shares = std::clamp<std::size_t>(workers, 1, std::max<std::size_t>(rows, 1));
    std::vector<std::vector<std::size_t>> widths(shares, widths_);
    std::vector<std::thread> threads;
    for (std::size_t share = 1; share < shares; ++share) {
        const auto measure = [&, share] {
            MeasureRows(rows * share / shares, rows * (share + 1) / shares, widths[share]);
        };
        try {
            threads.emplace_back(measure);
        } catch (const std::system_error&) {
            // Without a thread of its own the share is measured here, and its slot joins nothing.
            measure();
            threads.emplace_back();
        }
    }
    MeasureRows(0, rows / shares, widths[0]);
    for (std::size_t share = 0; share < shares; ++share) {
        if (share > 0 && threads[share - 1].joinable()) {
            threads[share - 1].join();
        }
        for (std::size_t c = 0; c < widths_.size(); ++c) {
            Widen(c, widths[share][c]);
        }
    }
}

void SheetXml::MeasureRows(std::size_t first, std::size_t last,
                           std::vector<std::size_t>& widths) const {
    const auto widen = [&widths](std::size_t column, std::size_t characters) {
        widths[column] = std::max(widths[column], characters);
    };
    char text[kNumberTextCapacity];
    for (std::size_t row = first; row < last; ++row) {
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            const Cell cell = shown_.CellAt(row, columns_[c]);
            switch (cell.kind) {
                case CellKind::Whole:
                case CellKind::Number:
                    // Only a number that may be longer than the widest so far is written.
                    if (TableNumberLengthBound(cell.value) > widths[c]) {
                        widen(c, ShownTable::NumberText(cell.value, kXmlSeparator, text));
                    }
                    break;
                case CellKind::Name:
                    widen(c, CharacterCount(ElementName(static_cast<int>(cell.value))));
                    break;
                case CellKind::Overflow:
                    widen(c, CharacterCount(kOverflowText));
                    break;
                case CellKind::TestName:
                    widen(c, CharacterCount(shown_.HitName(cell.value)));
                    break;
                case CellKind::Empty:
                    break;
            }
        }
    }
}

void SheetXml::Widen(std::size_t column, std::size_t characters) {
    if (column < widths_.size()) {
        widths_[column] = std::max(widths_[column], characters);
    }
}

int SheetXml::RowCount() const {
    return static_cast<int>(shown_.RowCount());
}

int SheetXml::SheetRow(int tableRow) const {
    return static_cast<int>(headerLines_.size()) + 2 + tableRow;
}

std::string SheetXml::Head() const {
    const int titleRow = static_cast<int>(headerLines_.size()) + 1;
    const std::string lastColumn = ColumnLetters(std::max<std::size_t>(titles_.size(), 1) - 1);
    const std::string firstTableRow = std::to_string(titleRow + 1);
    std::string head =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
        "<dimension ref=\"A1:" +
        lastColumn + std::to_string(SheetRow(RowCount()) - 1) +
        "\"/><sheetViews><sheetView tabSelected=\"1\" workbookViewId=\"0\"><pane ySplit=\"" +
        std::to_string(titleRow) + "\" topLeftCell=\"A" + firstTableRow +
        "\" activePane=\"bottomLeft\" state=\"frozen\"/><selection pane=\"bottomLeft\"/>"
        "</sheetView></sheetViews><sheetFormatPr defaultRowHeight=\"15\"/>" +
        ColumnWidthsXml(widths_) + "<sheetData>";
    for (std::size_t line = 0; line < headerLines_.size(); ++line) {
        const std::string row = std::to_string(line + 1);
        head +=
            "<row r=\"" + row + "\"><c r=\"A" + row + TextCellRest(headerLines_[line]) + "</row>";
    }
    const std::string row = std::to_string(titleRow);
    head += "<row r=\"" + row + "\">";
    for (std::size_t c = 0; c < titles_.size(); ++c) {
        head += "<c r=\"" + ColumnLetters(c) + row + TextCellRest(titles_[c], kBoldStyle);
    }
    return head + "</row>";
}

void SheetXml::AppendRows(int first, int last, std::string& out) const {
    char text[kNumberTextCapacity];
    for (int shown = first; shown < last; ++shown) {
        const int sheetRow = SheetRow(shown);
        out += "<row r=\"";
        AppendNumber(out, sheetRow);
        out += "\">";
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            const Cell cell = shown_.CellAt(static_cast<std::size_t>(shown), columns_[c]);
            if (cell.kind == CellKind::Empty) {
                continue;
            }
            out += cellStarts_[c];
            AppendNumber(out, sheetRow);
            switch (cell.kind) {
                case CellKind::Whole:
                case CellKind::Number:
                    out += "\"><v>";
                    out.append(text, ShownTable::NumberText(cell.value, kXmlSeparator, text));
                    out += "</v></c>";
                    break;
                case CellKind::Name:
                    out += Piece(nameCells_, cell.value);
                    break;
                case CellKind::Overflow:
                    out += overflowCell_;
                    break;
                case CellKind::TestName:
                    out += Piece(hitCells_, cell.value);
                    break;
                case CellKind::Empty:
                    break;
            }
        }
        out += "</row>";
    }
}

std::string_view SheetXml::Tail() {
    return "</sheetData><pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" "
           "header=\"0.3\" footer=\"0.3\"/></worksheet>";
}

}  // namespace kolvenar
