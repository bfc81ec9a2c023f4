#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "export/export.h"
#include "export/table_text.h"
#include "export/zip_archive.h"
#include "multisearch/ranking.h"

namespace kolvenar {

// The ranking of a list of measured values as text: the column titles, then one line per row
// in the ranking's order, fields separated by one TAB, numbers with `separator` as the ranking
// shows them, every line ended by the format's line end. Handed to `sink` in one piece; false
// when it refused it.
bool WriteRankingText(const Ranking& ranking, const TableTextFormat& format,
                      std::string_view separator, const TextSink& sink);
QByteArray RankingText(const Ranking& ranking, const TableTextFormat& format,
                       std::string_view separator);

// The long table (per element and value) as text in the same form; a label shows as a safe
// one-line text whatever it holds.
QByteArray AssignmentText(std::span<const LongTableRow> rows, const TableTextFormat& format,
                          std::string_view separator);

// The ranking as a text file, as the other text files are written: the header lines, each
// followed by an empty line, the ranking and a final empty line, in Windows-1252 with CR LF.
// An earlier file survives a failure.
std::optional<FileFailure> WriteRankingTextFile(const QString& path, const QStringList& headerLines,
                                                const Ranking& ranking, std::string_view separator);

// The sheets' names.
inline constexpr std::string_view kRankingSheetName = "Rangliste";
inline constexpr std::string_view kAssignmentSheetName = "Zuordnung";

// The workbook of a ranking: the sheet "Rangliste" (the header lines, then the ranking, the
// number of explained values as a number) and the sheet "Zuordnung", one row per element of
// the ranking and measured value with the titles of kLongTableTitles; numbers are numbers,
// names, labels and "ja"/"nein" texts. A long table beyond the rows a sheet holds goes on in
// "Zuordnung 2" and so on. `matcher` must be the one the ranking was made with.
std::optional<FileFailure> WriteMultiSearchWorkbook(const QString& path,
                                                    const QStringList& headerLines,
                                                    const MultiMatcher& matcher,
                                                    const Ranking& ranking,
                                                    std::span<const MeasuredValue> values,
                                                    std::uint64_t largest = kLargestZip);

}  // namespace kolvenar
