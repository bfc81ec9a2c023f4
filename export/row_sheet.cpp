#include "export/row_sheet.h"

#include <QDateTime>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/number_text.h"
#include "export/cell_xml.h"
#include "export/workbook_package.h"

namespace kolvenar {

namespace {

constexpr NumberStyle kXmlNumber{".", true};
constexpr int kBoldStyle = 1;
// A piece is handed on once it holds this much.
constexpr std::size_t kPieceBytes = 256 * 1024;

void AppendNumber(std::string& out, std::size_t value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

// The characters a cell shows.
std::size_t ShownCharacters(const SheetCell& cell) {
    char text[kNumberTextCapacity];
    switch (cell.kind) {
        case SheetCell::Kind::Number:
            return CharacterCount({text, FormatNumber(cell.number, kXmlNumber, text)});
        case SheetCell::Kind::Text:
            return CharacterCount(cell.text);
        case SheetCell::Kind::Empty:
            break;
    }
    return 0;
}

void AppendCell(const SheetCell& cell, const std::string& reference, std::string& out) {
    char text[kNumberTextCapacity];
    if (cell.kind == SheetCell::Kind::Empty) {
        return;
    }
    out += "<c r=\"" + reference;
    if (cell.kind == SheetCell::Kind::Number && std::isfinite(cell.number)) {
        out += "\"><v>";
        out.append(text, FormatNumber(cell.number, kXmlNumber, text));
        out += "</v></c>";
        return;
    }
    out += TextCellRest(cell.kind == SheetCell::Kind::Text ? std::string_view(cell.text)
                                                           : kOverflowText);
}

std::string Head(const RowSheet& sheet, const std::vector<std::size_t>& widths, bool shown) {
    const std::size_t titleRow = sheet.headerLines.size() + 1;
    const std::size_t lastRow = titleRow + sheet.rowCount;
    const std::string lastColumn = ColumnLetters(std::max<std::size_t>(widths.size(), 1) - 1);
    std::string head =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
        "<dimension ref=\"A1:" +
        lastColumn + std::to_string(lastRow) + "\"/><sheetViews><sheetView" +
        (shown ? " tabSelected=\"1\"" : "") + " workbookViewId=\"0\"><pane ySplit=\"" +
        std::to_string(titleRow) + "\" topLeftCell=\"A" + std::to_string(titleRow + 1) +
        "\" activePane=\"bottomLeft\" state=\"frozen\"/><selection pane=\"bottomLeft\"/>"
        "</sheetView></sheetViews><sheetFormatPr defaultRowHeight=\"15\"/>" +
        ColumnWidthsXml(widths) + "<sheetData>";
    for (std::size_t line = 0; line < sheet.headerLines.size(); ++line) {
        const std::string row = std::to_string(line + 1);
        head += "<row r=\"" + row + "\"><c r=\"A" + row + TextCellRest(sheet.headerLines[line]) +
                "</row>";
    }
    const std::string row = std::to_string(titleRow);
    head += "<row r=\"" + row + "\">";
    for (std::size_t c = 0; c < sheet.titles.size(); ++c) {
        head += "<c r=\"" + ColumnLetters(c) + row + TextCellRest(sheet.titles[c], kBoldStyle);
    }
    return head + "</row>";
}

bool WriteSheet(const RowSheet& sheet, bool shown, const TextSink& sink) {
    const std::size_t columns = sheet.titles.size();
    std::vector<std::size_t> widths(columns, 0);
    for (std::size_t c = 0; c < columns; ++c) {
        widths[c] = CharacterCount(sheet.titles[c]);
    }
    std::vector<SheetCell> cells;
    for (std::size_t row = 0; row < sheet.rowCount; ++row) {
        cells.clear();
        sheet.cells(row, cells);
        for (std::size_t c = 0; c < std::min(columns, cells.size()); ++c) {
            widths[c] = std::max(widths[c], ShownCharacters(cells[c]));
        }
    }
    std::vector<std::string> letters;
    for (std::size_t c = 0; c < columns; ++c) {
        letters.push_back(ColumnLetters(c));
    }
    std::string piece = Head(sheet, widths, shown);
    std::string reference;
    for (std::size_t row = 0; row < sheet.rowCount; ++row) {
        const std::size_t sheetRow = sheet.headerLines.size() + 2 + row;
        cells.clear();
        sheet.cells(row, cells);
        piece += "<row r=\"";
        AppendNumber(piece, sheetRow);
        piece += "\">";
        for (std::size_t c = 0; c < std::min(columns, cells.size()); ++c) {
            reference = letters[c];
            AppendNumber(reference, sheetRow);
            AppendCell(cells[c], reference, piece);
        }
        piece += "</row>";
        if (piece.size() >= kPieceBytes) {
            if (!sink(piece)) {
                return false;
            }
            piece.clear();
        }
    }
    piece +=
        "</sheetData><pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" "
        "header=\"0.3\" footer=\"0.3\"/></worksheet>";
    return sink(piece);
}

}  // namespace

bool WriteRowSheetXml(const RowSheet& sheet, const TextSink& sink) {
    return WriteSheet(sheet, true, sink);
}

std::optional<FileFailure> WriteRowWorkbook(const QString& path, std::span<const RowSheet> sheets,
                                            std::uint64_t largest) {
    std::vector<std::string_view> names;
    for (const RowSheet& sheet : sheets) {
        names.push_back(sheet.name);
    }
    const QDateTime now = QDateTime::currentDateTime();
    return WriteWholeFile(path, [&](const TextSink& write, std::optional<FileFailure>& failure) {
        ZipWriter zip(write, now.toSecsSinceEpoch(), largest);
        bool whole = WriteWorkbookParts(zip, names, now);
        for (std::size_t i = 0; whole && i < sheets.size(); ++i) {
            whole = zip.Add(SheetPartName(i), [&](DeflateStream& stream) {
                return WriteSheet(sheets[i], i == 0,
                                  [&stream](std::string_view piece) { return stream.Feed(piece); });
            });
        }
        whole = whole && zip.Finish();
        failure = DescribeZipFailure(zip.Failure());
        return whole;
    });
}

}  // namespace kolvenar
