#pragma once

#include <memory>
#include <string>
#include <vector>

#include "multisearch/ranking.h"
#include "ui/windows/sortable_table_model.h"

namespace kolvenar {

// lv_Rangliste's rows: one element a row, as the ranking has them.
class RankingModel : public SortableTableModel {
    Q_OBJECT

public:
    explicit RankingModel(QObject* parent = nullptr);

    void SetRanking(Ranking ranking, const std::string& separator);
    const Ranking& Shown() const { return ranking_; }
    // Z of the element shown at `row`.
    int ElementAt(int row) const;

protected:
    QString Cell(int builtRow, int column) const override;
    QVariant SortKey(int builtRow, int column) const override;

private:
    Ranking ranking_;
    std::string separator_;
};

// lv_Zuordnung's rows: every value of the list as one element sees it.
class AssignmentModel : public SortableTableModel {
    Q_OBJECT

public:
    static constexpr int kMarkColumn = 5;

    explicit AssignmentModel(QObject* parent = nullptr);

    // `values` is kept alive with the model's rows.
    void SetAssignments(std::shared_ptr<const std::vector<MeasuredValue>> values,
                        std::vector<Assignment> assignments, const std::string& separator);
    void Clear();
    int Element() const { return z_; }
    void SetElement(int z) { z_ = z; }

protected:
    QString Cell(int builtRow, int column) const override;
    QVariant SortKey(int builtRow, int column) const override;
    bool Greyed(int builtRow) const override;

private:
    std::shared_ptr<const std::vector<MeasuredValue>> values_;
    std::vector<Assignment> assignments_;
    std::string separator_;
    int z_ = 0;
};

}  // namespace kolvenar
