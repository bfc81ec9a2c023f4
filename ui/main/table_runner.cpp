#include "ui/main/table_runner.h"

#include <QAction>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>

#include <algorithm>
#include <optional>
#include <thread>
#include <utility>

#include "table/table_builder.h"
#include "ui/common/desktop_seam.h"
#include "ui/common/window_support.h"
#include "ui/main/element_selection.h"
#include "ui/main/n_range_panel.h"
#include "ui/main/output_options_panel.h"
#include "ui/main/reference_length_panel.h"
#include "ui/main/result_view.h"
#include "ui/main/units_panel.h"

namespace kolvenar {

namespace {

// The blank column has the width of the design, whatever its contents.
constexpr int kFirstColumnTwips = 150;

int BlankColumn(const std::vector<const ColumnKind*>& columns) {
    const auto blank = std::find(columns.begin(), columns.end(), &Kind("Blank"));
    return blank == columns.end() ? -1 : static_cast<int>(blank - columns.begin());
}

// Word for word, blanks and typo included (docs/design.md, "Texts with their blanks and typos").
QString RowCountQuestion(long long rows) {
    const QString lineBreak = QStringLiteral("\r\n");
    return QStringLiteral("Die Ausgabe würde ") + QString::number(rows) +
           QStringLiteral(" Zeilen ergeben !") + lineBreak +
           QStringLiteral("Das könnte evtl. eine Weile dauern !") + lineBreak + lineBreak +
           QStringLiteral("<JA> Ich warte dann ...") + lineBreak +
           QStringLiteral("<NEIN> Ups , dann stelle ich N anders ein oder wähle weniger Elemnte .");
}

}  // namespace

TableRunner::TableRunner(QWidget& window, Desktop& desktop, MainState& state,
                         const MainParts& parts)
    : QObject(&window), window_(window), desktop_(desktop), state_(state), parts_(parts) {}

void TableRunner::Clear() {
    parts_.outputOptions->ClearResults();
    parts_.markButton->hide();
    parts_.table->hide();
    parts_.table->Model().ClearRows();
    parts_.SetSaveEntriesEnabled(false);
}

bool TableRunner::ConfirmLargeTable(long long rows) {
    if (!askBeforeLargeTables_) {
        return true;
    }
    bool silence = false;
    const MessageAnswer answer =
        AskDuringRun(QStringLiteral(" Achtung"), RowCountQuestion(rows), MessageIcon::Exclamation,
                     MessageButtons::YesNo, MessageAnswer::No, &silence);
    if (answer != MessageAnswer::Yes) {
        return false;
    }
    // Only a "Ja" silences the question; "Nein" leaves it as it was.
    askBeforeLargeTables_ = !silence;
    return true;
}

// A run can ask the user something. While the question is open the window's timers go on, and
// a rebuild they request (a scroll bar stepping on, say) waits for the run: it is made once the
// run has ended, for the range the bars show then, so that the table always belongs to it.
void TableRunner::Build(double nFromScroll, double nToScroll) {
    if (building_) {
        rebuildWaiting_ = true;
        return;
    }
    building_ = true;
    Fill(nFromScroll, nToScroll);
    while (std::exchange(rebuildWaiting_, false)) {
        Fill(parts_.nRange->Value(0), parts_.nRange->Value(1));
    }
    building_ = false;
    emit built();
}

// A message during a run would keep a scroll bar that started it held down: the window blocked
// by the message never hears of the mouse being released, and the bar would go on stepping,
// one question per step. A question ends whatever the bar was doing.
MessageAnswer TableRunner::AskDuringRun(const QString& title, const QString& text, MessageIcon icon,
                                        MessageButtons buttons, MessageAnswer defaultAnswer,
                                        bool* silence) {
    parts_.nRange->ReleaseBars();
    if (silence != nullptr) {
        return desktop_.ShowMessageWithCheckBox(&window_, title, text, icon, buttons, defaultAnswer,
                                                QStringLiteral("Nicht mehr fragen"), *silence);
    }
    return desktop_.ShowMessage(&window_, title, text, icon, buttons, defaultAnswer);
}

void TableRunner::Fill(double nFromScroll, double nToScroll) {
    TableRequest request = ReadInputs(nFromScroll, nToScroll);
    if (!MayRun(request)) {
        return;
    }
    ReadOutputOptions(request);
    const std::vector<const ColumnKind*> columns = ShowColumns(request);
    const auto [cxText, cx] = parts_.reference->Current();
    parts_.outputOptions->ShowReferenceLength(cxText);
    request.cx = cx;
    RunAndShow(request, columns);
}

TableRequest TableRunner::ReadInputs(double nFromScroll, double nToScroll) {
    TableRequest request;
    request.searchMode = parts_.units->SearchMode();
    request.nFromScroll = nFromScroll;
    request.nToScroll = nToScroll;
    request.nOffset = state_.N_Offset;
    // Read and rewritten at every run, also in table mode.
    request.tolerance = parts_.units->TakeTolerance();
    for (int i = 0; i < kQuantityCount; ++i) {
        request.searchValues[static_cast<std::size_t>(i)] = parts_.units->SearchValue(i);
    }

    Clear();

    request.elementChosen = parts_.elements->Chosen();
    return request;
}

bool TableRunner::MayRun(const TableRequest& request) {
    const int chosen = CountChosenElements(request);
    if (chosen == 0) {
        return false;
    }
    if (!request.searchMode) {
        const long long estimate = RowEstimate(request.nFromScroll, request.nToScroll, chosen);
        return estimate <= kRowsWithoutQuestion || ConfirmLargeTable(estimate);
    }
    switch (CheckSearch(request, parts_.units->OwnToleranceChosen())) {
        case SearchCheck::NothingToSearch:
            parts_.units->FocusFirstSearchBox();
            return false;
        case SearchCheck::OwnToleranceOutOfRange:
            AskDuringRun(QStringLiteral(" Meldung"),
                         QStringLiteral("Bei der Suche mit eigener Toleranz bitte einen Wert "
                                        ">0 und <=50 % eingeben ."),
                         MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok);
            return false;
        case SearchCheck::Ready:
            break;
    }
    return true;
}

void TableRunner::ReadOutputOptions(TableRequest& request) const {
    for (int i = 0; i < kQuantityCount; ++i) {
        request.units[static_cast<std::size_t>(i)] = parts_.units->Unit(i);
        request.quantityShown[static_cast<std::size_t>(i)] = parts_.units->QuantityShown(i);
    }
    const OutputOptionsPanel& options = *parts_.outputOptions;
    request.wunschfaktorF = options.Wunschfaktor(0);
    request.wunschfaktorL = options.Wunschfaktor(1);
    request.showAHalf = options.HalfAreaWanted();
    request.showVHalf = options.HalfVolumeWanted();
    request.showVQuarter = options.QuarterVolumeWanted();
    request.rounding = options.Rounding();
    request.showDeviation = parts_.deviation->isChecked();
}

std::vector<const ColumnKind*> TableRunner::ShowColumns(const TableRequest& request) {
    ResultTableModel& model = parts_.table->Model();
    const QString separator = QLocale().decimalPoint();
    model.SetDecimalSeparator(separator);
    std::vector<const ColumnKind*> columns = ChooseColumns(request);
    model.SetHeaders(ColumnHeaders(request, columns, separator.toStdString()));
    model.SetHitNames(SearchTestNames(request, separator.toStdString()));
    parts_.table->header()->resizeSection(BlankColumn(columns), TwipsToPixels(kFirstColumnTwips));
    return columns;
}

// The view lays out every row of a new table, which for a large one takes as long as computing
// it: in table mode it does so while the other threads compute, from the first row on, which
// is written first.
RunOutcome TableRunner::RunIntoModel(const TableRequest& request,
                                     const std::vector<const ColumnKind*>& columns) {
    ResultTableModel& model = parts_.table->Model();
    const unsigned workers = RunWorkers(request, std::thread::hardware_concurrency());
    if (request.searchMode) {
        TableRun run = RunTable(request, columns, workers);
        model.SetRows(std::move(run.table));
        return run;
    }
    TableFill fill(request, columns, model.BeginRows(columns), workers);
    model.RowsSized();
    if (fill.FirstRowWritten()) {
        parts_.table->doItemsLayout();
    }
    const RunOutcome outcome = fill.Finish();
    model.RowsWritten(outcome.rows);
    return outcome;
}

void TableRunner::RunAndShow(const TableRequest& request,
                             const std::vector<const ColumnKind*>& columns) {
    ResultTableModel& model = parts_.table->Model();
    // The busy cursor shows from the first computation until the table is up, but not over a
    // message.
    std::optional<BusyCursor> busy(std::in_place);
    const RunOutcome run = RunIntoModel(request, columns);
    if (run.error) {
        busy.reset();
        AskDuringRun(QStringLiteral(" Fehler !?"),
                     QString::number(run.error->Number) + QStringLiteral(" : ") +
                         FromUtf8(run.error->Description),
                     MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok);
        return;
    }

    parts_.table->show();
    parts_.table->AutoSizeColumns();
    const bool hasRows = model.rowCount() > 0;
    parts_.markButton->show();
    parts_.markButton->setEnabled(hasRows);
    parts_.outputOptions->ShowFoundElements(FromUtf8(FoundElementsText(run.FoundCount())));
    parts_.SetSaveEntriesEnabled(hasRows);
}

}  // namespace kolvenar
