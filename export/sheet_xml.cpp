#include "export/sheet_xml.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/elements.h"
#include "core/number_text.h"
#include "export/cell_xml.h"
#include "table/search.h"
#include "table/shown_table.h"

namespace kolvenar {

namespace {

// The fields before the values: element, Z and N (the table's empty first column is not written).
constexpr auto kKeyFields = static_cast<std::size_t>(kFixedColumnCount - 1);
constexpr std::size_t kNarrowest = 6;
constexpr NumberStyle kXmlNumber{".", true};
constexpr int kBoldStyle = 1;

// Characters of a UTF-8 text, the unit of a column width.
std::size_t Characters(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void AppendNumber(std::string& out, long long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

}  // namespace

SheetXml::SheetXml(const ShownTable& shown, const QStringList& headerLines) : shown_(shown) {
    for (const QString& line : headerLines) {
        headerLines_.push_back(line.toStdString());
    }
    for (int c = 1; c < shown.ColumnCount(); ++c) {
        titles_.push_back(shown.Headers()[static_cast<std::size_t>(c)]);
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
        Widen(c, Characters(titles_[c]));
        cellStarts_.push_back("<c r=\"" + ColumnLetters(c));
    }
    const ResultTable& table = shown.Table();
    valueColumns_ =
        std::min(table.ValueCount(), titles_.size() - std::min(titles_.size(), kKeyFields));
    char text[kNumberTextCapacity];
    for (std::size_t v = 0; v < valueColumns_; ++v) {
        if (table.Columns()[v] == ColumnSource::Hit) {
            hitColumn_ = v;
        }
    }
    for (std::size_t row = 0; row < shown.RowCount(); ++row) {
        const std::size_t built = shown.BuiltRow(row);
        const int z = table.ElementAt(built);
        Widen(0, Characters(ElementName(z)));
        Widen(1, FormatNumber(z, kXmlNumber, text));
        Widen(2, FormatNumber(table.NAt(built), kXmlNumber, text));
        for (std::size_t v = 0; v < valueColumns_; ++v) {
            const double value = table.ValueAt(built, v);
            Widen(kKeyFields + v, v == hitColumn_        ? Characters(shown.HitName(value))
                                  : std::isfinite(value) ? FormatNumber(value, kXmlNumber, text)
                                                         : Characters(kOverflowText));
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

// Two characters of room, and never narrower than six. Excel stores a width with the five
// pixels of padding of its default font, whose digits are seven pixels wide.
std::string SheetXml::ColumnWidths() const {
    std::string cols = "<cols>";
    for (std::size_t c = 0; c < widths_.size(); ++c) {
        const std::size_t characters = std::max(widths_[c] + 2, kNarrowest);
        const double stored = std::floor((static_cast<double>(characters) * 7 + 5) / 7 * 256) / 256;
        char width[32];
        const auto end = std::to_chars(width, width + sizeof width, stored).ptr;
        const std::string column = std::to_string(c + 1);
        cols += "<col min=\"" + column + "\" max=\"" + column + "\" width=\"" +
                std::string(width, end) + "\" customWidth=\"1\"/>";
    }
    return cols + "</cols>";
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
        ColumnWidths() + "<sheetData>";
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
    const ResultTable& table = shown_.Table();
    char text[kNumberTextCapacity];
    for (int shown = first; shown < last; ++shown) {
        const int sheetRow = SheetRow(shown);
        const auto cellStart = [&](std::size_t column) {
            out += cellStarts_[column];
            AppendNumber(out, sheetRow);
        };
        const auto number = [&](std::size_t column, double value) {
            cellStart(column);
            if (!std::isfinite(value)) {
                out += overflowCell_;
                return;
            }
            out += "\"><v>";
            out.append(text, FormatNumber(value, kXmlNumber, text));
            out += "</v></c>";
        };
        const std::size_t built = shown_.BuiltRow(static_cast<std::size_t>(shown));
        const int z = table.ElementAt(built);
        out += "<row r=\"";
        AppendNumber(out, sheetRow);
        out += "\">";
        if (!titles_.empty()) {
            cellStart(0);
            out += nameCells_.at(static_cast<std::size_t>(z));
        }
        for (std::size_t c = 1; c < std::min(titles_.size(), kKeyFields); ++c) {
            number(c, c == 1 ? z : table.NAt(built));
        }
        for (std::size_t v = 0; v < valueColumns_; ++v) {
            const double value = table.ValueAt(built, v);
            if (v == hitColumn_) {
                cellStart(kKeyFields + v);
                out += hitCells_.at(static_cast<std::size_t>(value));
            } else {
                number(kKeyFields + v, value);
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
