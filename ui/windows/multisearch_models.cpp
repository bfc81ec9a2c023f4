#include "ui/windows/multisearch_models.h"

#include <array>

#include "core/elements.h"
#include "core/number_text.h"
#include "ui/common/window_support.h"

namespace kolvenar {

namespace {

template <std::size_t N>
QStringList Titles(const std::array<std::string_view, N>& titles) {
    QStringList list;
    for (std::string_view title : titles) {
        list << FromUtf8(title);
    }
    return list;
}

// The assignment's columns: the value and its label, then what the element makes of it.
constexpr std::array<std::string_view, 6> kAssignmentTitles = {
    "Wert", "Bezeichnung", "N", "Berechneter Wert", "Abweichung in %", "Erklärt"};

QString Number(double x, const std::string& separator) {
    return FromUtf8(TableNumberText(x, separator));
}

}  // namespace

RankingModel::RankingModel(QObject* parent) : SortableTableModel(Titles(kRankingTitles), parent) {}

void RankingModel::SetRanking(Ranking ranking, const std::string& separator) {
    ranking_ = std::move(ranking);
    separator_ = separator;
    Rebuilt(static_cast<int>(ranking_.rows.size()));
}

int RankingModel::ElementAt(int row) const {
    if (row < 0 || row >= rowCount()) {
        return 0;
    }
    return ranking_.rows[static_cast<std::size_t>(BuiltRow(row))].z;
}

QString RankingModel::Cell(int builtRow, int column) const {
    const RankingRow& row = ranking_.rows[static_cast<std::size_t>(builtRow)];
    return FromUtf8(
        RankingCells(row, ranking_.valueCount, separator_)[static_cast<std::size_t>(column)]);
}

QVariant RankingModel::SortKey(int builtRow, int column) const {
    const RankingRow& row = ranking_.rows[static_cast<std::size_t>(builtRow)];
    switch (column) {
        case 0:
            return static_cast<double>(row.rank);
        case 2:
            return static_cast<double>(row.z);
        case 3:
            return static_cast<double>(row.explained);
        case 4:
            return row.meanDeviation;
        case 5:
            return row.chance;
        default:
            return Cell(builtRow, column);
    }
}

AssignmentModel::AssignmentModel(QObject* parent)
    : SortableTableModel(Titles(kAssignmentTitles), parent) {}

void AssignmentModel::SetAssignments(std::shared_ptr<const std::vector<MeasuredValue>> values,
                                     std::vector<Assignment> assignments,
                                     const std::string& separator) {
    values_ = std::move(values);
    assignments_ = std::move(assignments);
    separator_ = separator;
    Rebuilt(static_cast<int>(assignments_.size()));
}

void AssignmentModel::Clear() {
    SetAssignments(nullptr, {}, separator_);
}

QString AssignmentModel::Cell(int builtRow, int column) const {
    const MeasuredValue& value = (*values_)[static_cast<std::size_t>(builtRow)];
    const Assignment& a = assignments_[static_cast<std::size_t>(builtRow)];
    const bool computed = a.kind != Assignment::Kind::NotComputable;
    switch (column) {
        case 0:
            return Number(value.value, separator_);
        case 1:
            return FromUtf8(value.label);
        case 2:
            return computed ? QString::number(a.n) : QString();
        case 3:
            return computed ? Number(a.computed, separator_) : FromUtf8(kOverflowText);
        case 4:
            return computed ? Number(ShownDeviation(a), separator_) : QString();
        default:
            return a.kind == Assignment::Kind::Explained ? FromUtf8(kExplainedYes)
                                                         : FromUtf8(kOutsideText);
    }
}

QVariant AssignmentModel::SortKey(int builtRow, int column) const {
    const MeasuredValue& value = (*values_)[static_cast<std::size_t>(builtRow)];
    const Assignment& a = assignments_[static_cast<std::size_t>(builtRow)];
    const bool computed = a.kind != Assignment::Kind::NotComputable;
    // What cannot be computed sorts after every number, as "Überlauf" does in the main table.
    const double last = std::numeric_limits<double>::infinity();
    switch (column) {
        case 0:
            return value.value;
        case 2:
            return computed ? static_cast<double>(a.n) : last;
        case 3:
            return computed ? a.computed : last;
        case 4:
            return computed ? ShownDeviation(a) : last;
        default:
            return Cell(builtRow, column);
    }
}

bool AssignmentModel::Greyed(int builtRow) const {
    return assignments_[static_cast<std::size_t>(builtRow)].kind != Assignment::Kind::Explained;
}

}  // namespace kolvenar
