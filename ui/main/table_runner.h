#pragma once

#include <QObject>
#include <QString>

#include <vector>

#include "table/columns.h"
#include "table/table_request.h"
#include "ui/common/desktop_seam.h"
#include "ui/main/main_parts.h"
#include "ui/main/main_state.h"

class QWidget;

namespace kolvenar {

struct RunOutcome;

// The main window's side of the table builder: it reads the inputs, asks what must be asked,
// and shows what the builder produced.
class TableRunner : public QObject {
    Q_OBJECT

public:
    // Questions belong to `window` and go through `desktop`.
    TableRunner(QWidget& window, Desktop& desktop, MainState& state, const MainParts& parts);

    // Fills the result table from the window's inputs; the arguments are the values of the
    // two N bars.
    void Build(double nFromScroll, double nToScroll);
    // Empties and hides the result table, its labels, the mark button and the save entries.
    void Clear();

    // Cleared when the user has asked not to be asked again before large tables.
    bool AskBeforeLargeTables() const { return askBeforeLargeTables_; }
    void SetAskBeforeLargeTables(bool ask) { askBeforeLargeTables_ = ask; }

signals:
    // A run of Build has ended, with a table or without one.
    void built();

private:
    void Fill(double nFromScroll, double nToScroll);
    // The inputs of a run that decide whether it may start; the output is emptied as they are
    // read.
    TableRequest ReadInputs(double nFromScroll, double nToScroll);
    // Asks or tells what stops a run; true when it may go on.
    bool MayRun(const TableRequest& request);
    // The rest of the inputs: units, fields, factors, extra columns and rounding.
    void ReadOutputOptions(TableRequest& request) const;
    // Sets the model's titles and test names for the columns the request shows.
    std::vector<const ColumnKind*> ShowColumns(const TableRequest& request);
    RunOutcome RunIntoModel(const TableRequest& request,
                            const std::vector<const ColumnKind*>& columns);
    void RunAndShow(const TableRequest& request, const std::vector<const ColumnKind*>& columns);
    // The question before a table of more than 3600 rows; true to build it.
    bool ConfirmLargeTable(long long rows);
    // A message shown during a table run; with `silence`, it has "Nicht mehr fragen" below.
    MessageAnswer AskDuringRun(const QString& title, const QString& text, MessageIcon icon,
                               MessageButtons buttons, MessageAnswer defaultAnswer,
                               bool* silence = nullptr);

    QWidget& window_;
    Desktop& desktop_;
    MainState& state_;
    const MainParts& parts_;
    // A table run is under way, and a rebuild was asked for meanwhile.
    bool building_ = false;
    bool rebuildWaiting_ = false;
    bool askBeforeLargeTables_ = true;
};

}  // namespace kolvenar
