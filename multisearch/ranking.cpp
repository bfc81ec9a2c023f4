#include "multisearch/ranking.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "core/number_rules.h"
#include "core/number_text.h"
#include "multisearch/chance.h"

namespace kolvenar {

namespace {

// The chance is shown with 4 significant digits: a small one is the interesting one.
double RoundToSignificant(double x, int digits) {
    if (x == 0 || !std::isfinite(x)) {
        return x;
    }
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(x))));
    return RoundToPlaces(x, digits - 1 - magnitude);
}

bool DifferByPowerOfTwo(int a, int b) {
    const int larger = std::max(a, b);
    const int smaller = std::min(a, b);
    return a != b && larger % smaller == 0 &&
           std::has_single_bit(static_cast<unsigned>(larger / smaller));
}

bool Before(const RankingRow& a, const RankingRow& b) {
    if (a.explained != b.explained) {
        return a.explained > b.explained;
    }
    if (a.meanDeviation != b.meanDeviation) {
        return a.meanDeviation < b.meanDeviation;
    }
    return a.z < b.z;
}

std::string Number(double x, std::string_view separator) {
    return TableNumberText(x, separator);
}

}  // namespace

Ranking RankElements(const MultiMatcher& matcher, std::span<const MeasuredValue> values) {
    Ranking ranking;
    ranking.valueCount = static_cast<int>(values.size());
    ranking.chancePerValue =
        ChancePerValue(matcher.Request().quantity, matcher.Request().tolerance);
    std::vector<std::pair<double, double>> targets;
    targets.reserve(values.size());
    for (const MeasuredValue& value : values) {
        const double target = matcher.Target(value.value);
        targets.emplace_back(target, target > 0 ? std::log2(target) : 0);
    }
    for (int z = 1; z <= kElementCount; ++z) {
        int explained = 0;
        double sum = 0;
        for (const auto& [target, logTarget] : targets) {
            const Assignment assignment = matcher.Match(z, target, logTarget);
            if (assignment.kind == Assignment::Kind::Explained) {
                ++explained;
                sum += std::fabs(assignment.deviation);
            }
        }
        if (explained > 0) {
            const double chance =
                ChanceOfAtLeast(explained, ranking.valueCount, ranking.chancePerValue) * 100;
            ranking.rows.push_back({0,
                                    z,
                                    explained,
                                    RoundToPlaces(sum / explained, 4),
                                    RoundToSignificant(chance, 4),
                                    {}});
        }
    }
    std::sort(ranking.rows.begin(), ranking.rows.end(), Before);
    for (std::size_t i = 0; i < ranking.rows.size(); ++i) {
        RankingRow& row = ranking.rows[i];
        // Rows that only Z tells apart share their rank.
        const bool tie = i > 0 && ranking.rows[i - 1].explained == row.explained &&
                         ranking.rows[i - 1].meanDeviation == row.meanDeviation;
        row.rank = tie ? ranking.rows[i - 1].rank : static_cast<int>(i) + 1;
        for (const RankingRow& other : ranking.rows) {
            if (DifferByPowerOfTwo(row.z, other.z)) {
                row.equivalent.push_back(other.z);
            }
        }
        std::sort(row.equivalent.begin(), row.equivalent.end());
    }
    return ranking;
}

std::vector<Assignment> AssignValues(const MultiMatcher& matcher, int z,
                                     std::span<const MeasuredValue> values) {
    std::vector<Assignment> assignments;
    assignments.reserve(values.size());
    for (const MeasuredValue& value : values) {
        assignments.push_back(matcher.MatchMeasured(z, value.value));
    }
    return assignments;
}

std::vector<LongTableRow> LongTable(const MultiMatcher& matcher, const Ranking& ranking,
                                    std::span<const MeasuredValue> values) {
    std::vector<LongTableRow> rows;
    rows.reserve(ranking.rows.size() * values.size());
    for (const RankingRow& element : ranking.rows) {
        for (const MeasuredValue& value : values) {
            rows.push_back({element.z, &value, matcher.MatchMeasured(element.z, value.value)});
        }
    }
    return rows;
}

std::string ExplainedText(int explained, int total) {
    return std::to_string(explained) + " von " + std::to_string(total);
}

std::string EquivalentText(const RankingRow& row) {
    std::string text;
    for (int z : row.equivalent) {
        text += (text.empty() ? "" : ", ") + std::string(ElementName(z)) + " (" +
                std::to_string(z) + ")";
    }
    return text;
}

double ShownDeviation(const Assignment& assignment) {
    return RoundToPlaces(assignment.deviation, 4);
}

std::array<std::string, kRankingTitles.size()> RankingCells(const RankingRow& row, int total,
                                                            std::string_view separator) {
    return {std::to_string(row.rank),
            std::string(ElementName(row.z)),
            std::to_string(row.z),
            ExplainedText(row.explained, total),
            Number(row.meanDeviation, separator),
            Number(row.chance, separator),
            EquivalentText(row)};
}

std::array<std::string, kLongTableTitles.size()> LongTableCells(const LongTableRow& row,
                                                                std::string_view separator) {
    const Assignment& a = row.assignment;
    const bool computed = a.kind != Assignment::Kind::NotComputable;
    const bool explained = a.kind == Assignment::Kind::Explained;
    return {std::string(ElementName(row.z)),
            std::to_string(row.z),
            Number(row.value->value, separator),
            row.value->label,
            computed ? std::to_string(a.n) : std::string(),
            computed ? Number(a.computed, separator) : std::string(),
            computed ? Number(ShownDeviation(a), separator) : std::string(),
            std::string(explained ? kExplainedYes : kExplainedNo)};
}

std::string SummaryText(const ValueList& list, const Ranking& ranking, std::string_view separator) {
    std::string text = std::to_string(ranking.valueCount) +
                       (ranking.valueCount == 1 ? " Wert gelesen" : " Werte gelesen");
    if (list.unusedValues > 0) {
        text += " (nur die ersten " + std::to_string(kMaxValues) + " verwendet, " +
                std::to_string(list.unusedValues) + " weitere nicht)";
    }
    // Each reason once, after its lines; a long list names its first lines only.
    constexpr std::size_t kNamedLines = 20;
    std::string skipped;
    for (SkipReason reason :
         {SkipReason::NoNumber, SkipReason::NotPositive, SkipReason::OutOfRange}) {
        std::string lines;
        std::size_t count = 0;
        for (const SkippedLine& line : list.skipped) {
            if (line.reason == reason && ++count <= kNamedLines) {
                lines += (lines.empty() ? "" : ", ") + std::to_string(line.line);
            }
        }
        if (count == 0) {
            continue;
        }
        if (count > kNamedLines) {
            lines += " und " + std::to_string(count - kNamedLines) + " weitere";
        }
        skipped += (skipped.empty() ? "" : ", ") + std::string(count == 1 ? "Zeile " : "Zeilen ") +
                   lines + " (" + std::string(SkipReasonText(reason)) + ")";
    }
    if (!skipped.empty()) {
        text += "; übersprungen: " + skipped;
    }
    text += "; durch Zufall erklärt ein Element im Mittel " +
            Number(RoundToPlaces(ranking.ExpectedByChance(), 2), separator) + " Werte";
    return text;
}

}  // namespace kolvenar
