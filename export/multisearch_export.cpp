#include "export/multisearch_export.h"

#include <algorithm>
#include <string>
#include <vector>

#include "export/row_sheet.h"
#include "export/windows1252.h"

namespace kolvenar {

namespace {

template <typename Cells>
void AppendLine(const Cells& cells, const TableTextFormat& format, std::string& out) {
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        line += (c == 0 ? "" : "\t") + std::string(cells[c]);
    }
    out += format.windows1252 ? ToWindows1252(line) : line;
    out += format.lineEnd;
}

QByteArray Bytes(const std::string& text) {
    return {text.data(), static_cast<qsizetype>(text.size())};
}

std::string RankingString(const Ranking& ranking, const TableTextFormat& format,
                          std::string_view separator) {
    std::string text;
    AppendLine(kRankingTitles, format, text);
    for (const RankingRow& row : ranking.rows) {
        AppendLine(RankingCells(row, ranking.valueCount, separator), format, text);
    }
    return text;
}

void RankingSheetRow(const Ranking& ranking, std::size_t index, std::vector<SheetCell>& cells) {
    const RankingRow& row = ranking.rows[index];
    const std::string equivalent = EquivalentText(row);
    cells.push_back(SheetCell::Number(row.rank));
    cells.push_back(SheetCell::Text(std::string(ElementName(row.z))));
    cells.push_back(SheetCell::Number(row.z));
    cells.push_back(SheetCell::Number(row.explained));
    cells.push_back(SheetCell::Number(row.meanDeviation));
    cells.push_back(SheetCell::Number(row.chance));
    cells.push_back(equivalent.empty() ? SheetCell{} : SheetCell::Text(equivalent));
}

void AssignmentSheetRow(const LongTableRow& row, std::vector<SheetCell>& cells) {
    const Assignment& a = row.assignment;
    const bool computed = a.kind != Assignment::Kind::NotComputable;
    const auto computedNumber = [computed](double value) {
        return computed ? SheetCell::Number(value) : SheetCell{};
    };
    const std::string label = SafeLabel(row.value->label);
    cells.push_back(SheetCell::Text(std::string(ElementName(row.z))));
    cells.push_back(SheetCell::Number(row.z));
    cells.push_back(SheetCell::Number(row.value->value));
    cells.push_back(label.empty() ? SheetCell{} : SheetCell::Text(label));
    cells.push_back(computedNumber(a.n));
    cells.push_back(computedNumber(a.computed));
    cells.push_back(computedNumber(ShownDeviation(a)));
    cells.push_back(SheetCell::Text(
        std::string(a.kind == Assignment::Kind::Explained ? kExplainedYes : kExplainedNo)));
}

template <std::size_t N>
std::vector<std::string> Titles(const std::array<std::string_view, N>& titles) {
    return {titles.begin(), titles.end()};
}

}  // namespace

bool WriteRankingText(const Ranking& ranking, const TableTextFormat& format,
                      std::string_view separator, const TextSink& sink) {
    return sink(RankingString(ranking, format, separator));
}

QByteArray RankingText(const Ranking& ranking, const TableTextFormat& format,
                       std::string_view separator) {
    return Bytes(RankingString(ranking, format, separator));
}

QByteArray AssignmentText(std::span<const LongTableRow> rows, const TableTextFormat& format,
                          std::string_view separator) {
    std::string text;
    AppendLine(kLongTableTitles, format, text);
    for (const LongTableRow& row : rows) {
        auto cells = LongTableCells(row, separator);
        cells[3] = SafeLabel(cells[3]);
        AppendLine(cells, format, text);
    }
    return Bytes(text);
}

std::optional<FileFailure> WriteRankingTextFile(const QString& path, const QStringList& headerLines,
                                                const Ranking& ranking,
                                                std::string_view separator) {
    return WriteHeadedTextFile(path, headerLines, [&](const TextSink& write) {
        return WriteRankingText(ranking, TableTextFormat{"\r\n", true}, separator, write);
    });
}

std::optional<FileFailure> WriteMultiSearchWorkbook(
    const QString& path, const QStringList& headerLines, const MultiMatcher& matcher,
    const Ranking& ranking, std::span<const MeasuredValue> values, std::uint64_t largest) {
    std::vector<RowSheet> sheets(1);
    RowSheet& first = sheets.front();
    first.name = kRankingSheetName;
    for (const QString& line : headerLines) {
        first.headerLines.push_back(line.toStdString());
    }
    first.titles = Titles(kRankingTitles);
    first.rowCount = ranking.rows.size();
    first.cells = [&ranking](std::size_t row, std::vector<SheetCell>& cells) {
        RankingSheetRow(ranking, row, cells);
    };
    // Every element of the ranking with every value, as many rows a sheet as it holds below
    // its titles; at least the one sheet, with its titles.
    const std::size_t rows = ranking.rows.size() * values.size();
    constexpr std::size_t kRowsPerSheet = kMostSheetRows - 1;
    for (std::size_t start = 0; start == 0 || start < rows; start += kRowsPerSheet) {
        RowSheet sheet;
        const std::size_t part = start / kRowsPerSheet + 1;
        sheet.name = std::string(kAssignmentSheetName) +
                     (part == 1 ? std::string() : " " + std::to_string(part));
        sheet.titles = Titles(kLongTableTitles);
        sheet.rowCount = std::min(kRowsPerSheet, rows - start);
        sheet.cells = [&, start](std::size_t row, std::vector<SheetCell>& cells) {
            const std::size_t index = start + row;
            const int z = ranking.rows[index / values.size()].z;
            const MeasuredValue& value = values[index % values.size()];
            AssignmentSheetRow({z, &value, matcher.MatchMeasured(z, value.value)}, cells);
        };
        sheets.push_back(std::move(sheet));
    }
    return WriteRowWorkbook(path, sheets, largest);
}

}  // namespace kolvenar
