#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "multisearch/matcher.h"
#include "multisearch/value_list.h"

namespace kolvenar {

// One element that explains at least one value.
struct RankingRow {
    int rank = 0;
    int z = 0;
    int explained = 0;
    // Mean |deviation| in per cent over the explained values, rounded to 4 places.
    double meanDeviation = 0;
    // P(X >= explained) in per cent, 4 significant digits.
    double chance = 0;
    // The elements of the ranking whose Z differs from this one's by a power of two: they give
    // the same values some N apart and so explain the same values.
    std::vector<int> equivalent;
};

struct Ranking {
    int valueCount = 0;
    // The chance w that an element explains one value by accident.
    double chancePerValue = 0;
    // Most explained first, then the smallest mean deviation, then Z.
    std::vector<RankingRow> rows;

    // How many values an element explains by chance on average (n × w).
    double ExpectedByChance() const { return valueCount * chancePerValue; }
};

Ranking RankElements(const MultiMatcher& matcher, std::span<const MeasuredValue> values);

// Every value as one element sees it, in the order of the list.
std::vector<Assignment> AssignValues(const MultiMatcher& matcher, int z,
                                     std::span<const MeasuredValue> values);

// The long table: per element of the ranking (in its order) and value, the element, Z, the
// value, its label, N, the computed value in the unit, the deviation and whether it is
// explained.
struct LongTableRow {
    int z = 0;
    const MeasuredValue* value = nullptr;
    Assignment assignment;
};

std::vector<LongTableRow> LongTable(const MultiMatcher& matcher, const Ranking& ranking,
                                    std::span<const MeasuredValue> values);

// Column titles.
inline constexpr std::array<std::string_view, 7> kRankingTitles = {
    "Rang", "Element", "Z", "Erklärt", "Mittlere Abweichung in %", "Zufall in %", "Gleichwertig"};
inline constexpr std::array<std::string_view, 8> kLongTableTitles = {
    "Element", "Z", "Wert", "Bezeichnung", "N", "Berechneter Wert", "Abweichung in %", "Erklärt"};

// The mark of a value an element does not explain, and the words of the long table's last
// column.
inline constexpr std::string_view kOutsideText = "außerhalb";
inline constexpr std::string_view kExplainedYes = "ja";
inline constexpr std::string_view kExplainedNo = "nein";

// "5 von 12".
std::string ExplainedText(int explained, int total);
// "Indium (49), Californium* (98)".
std::string EquivalentText(const RankingRow& row);
// A deviation as shown: in per cent, 4 places.
double ShownDeviation(const Assignment& assignment);

// The cells of a ranking row and of a long table row, numbers with the given separator.
std::array<std::string, kRankingTitles.size()> RankingCells(const RankingRow& row, int total,
                                                            std::string_view separator);
std::array<std::string, kLongTableTitles.size()> LongTableCells(const LongTableRow& row,
                                                                std::string_view separator);

// The line below the ranking: the values read, the lines skipped and why, the values an
// element explains by chance on average.
std::string SummaryText(const ValueList& list, const Ranking& ranking, std::string_view separator);

}  // namespace kolvenar
