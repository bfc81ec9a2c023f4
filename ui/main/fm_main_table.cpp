// The main window's side of the table builder: it reads the inputs, asks what must be asked,
// and shows what the builder produced.
#include <QAction>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>

#include <algorithm>
#include <optional>
#include <utility>

#include "table/table_builder.h"
#include "ui/common/desktop_seam.h"
#include "ui/common/window_support.h"
#include "ui/main/fm_main.h"
#include "ui/main/n_range_panel.h"
#include "ui/main/output_options_panel.h"
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

void Fm_Main::ClearOutput() {
    outputOptions_->ClearResults();
    cmd_Markieren_->hide();
    lv_Ausgabe_->hide();
    lv_Ausgabe_->Model().ClearRows();
    SetSaveEntriesEnabled(false);
}

// The two fixed save entries and "Speichern unter …" are available together.
void Fm_Main::SetSaveEntriesEnabled(bool on) {
    for (QAction* save : me_Speichern_) {
        save->setEnabled(on);
    }
    me_SpeichernUnter_->setEnabled(on);
}

bool Fm_Main::ConfirmLargeTable(long long rows) {
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
void Fm_Main::BuildOutputTable(double nFromScroll, double nToScroll) {
    if (building_) {
        rebuildWaiting_ = true;
        return;
    }
    building_ = true;
    FillOutputTable(nFromScroll, nToScroll);
    while (std::exchange(rebuildWaiting_, false)) {
        FillOutputTable(nRange_->Value(0), nRange_->Value(1));
    }
    building_ = false;
    emit outputBuilt();
}

// A message during a run would keep a scroll bar that started it held down: the window blocked
// by the message never hears of the mouse being released, and the bar would go on stepping,
// one question per step. A question ends whatever the bar was doing.
MessageAnswer Fm_Main::AskDuringRun(const QString& title, const QString& text, MessageIcon icon,
                                    MessageButtons buttons, MessageAnswer defaultAnswer,
                                    bool* silence) {
    nRange_->ReleaseBars();
    if (silence != nullptr) {
        return desktop_.ShowMessageWithCheckBox(this, title, text, icon, buttons, defaultAnswer,
                                                QStringLiteral("Nicht mehr fragen"), *silence);
    }
    return desktop_.ShowMessage(this, title, text, icon, buttons, defaultAnswer);
}

void Fm_Main::FillOutputTable(double nFromScroll, double nToScroll) {
    TableRequest request;
    request.searchMode = units_->SearchMode();
    request.nFromScroll = nFromScroll;
    request.nToScroll = nToScroll;
    request.nOffset = state_.N_Offset;
    // Read and rewritten at every run, also in table mode.
    request.tolerance = units_->TakeTolerance();
    for (int i = 0; i < kQuantityCount; ++i) {
        request.searchValues[static_cast<std::size_t>(i)] = units_->SearchValue(i);
    }

    ClearOutput();

    for (int z = 1; z <= kElementCount; ++z) {
        request.elementChosen[static_cast<std::size_t>(z)] =
            state_.Elements[static_cast<std::size_t>(z)].Visible;
    }
    const int chosen = CountChosenElements(request);
    if (chosen == 0) {
        return;
    }
    if (!request.searchMode) {
        const long long estimate = RowEstimate(nFromScroll, nToScroll, chosen);
        if (estimate > kRowsWithoutQuestion && !ConfirmLargeTable(estimate)) {
            return;
        }
    } else {
        switch (CheckSearch(request, units_->OwnToleranceChosen())) {
            case SearchCheck::NothingToSearch:
                units_->FocusFirstSearchBox();
                return;
            case SearchCheck::OwnToleranceOutOfRange:
                AskDuringRun(QStringLiteral(" Meldung"),
                             QStringLiteral("Bei der Suche mit eigener Toleranz bitte einen Wert "
                                            ">0 und <=50 % eingeben ."),
                             MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok);
                return;
            case SearchCheck::Ready:
                break;
        }
    }

    for (int i = 0; i < kQuantityCount; ++i) {
        request.units[static_cast<std::size_t>(i)] = units_->Unit(i);
        request.quantityShown[static_cast<std::size_t>(i)] = units_->QuantityShown(i);
    }
    request.wunschfaktorF = outputOptions_->Wunschfaktor(0);
    request.wunschfaktorL = outputOptions_->Wunschfaktor(1);
    request.showAHalf = outputOptions_->HalfAreaWanted();
    request.showVHalf = outputOptions_->HalfVolumeWanted();
    request.showVQuarter = outputOptions_->QuarterVolumeWanted();
    request.rounding = outputOptions_->Rounding();
    request.showDeviation = me_Abweichung_->isChecked();

    ResultTableModel& model = lv_Ausgabe_->Model();
    const QString separator = QLocale().decimalPoint();
    model.SetDecimalSeparator(separator);
    const std::vector<const ColumnKind*> columns = ChooseColumns(request);
    model.SetHeaders(ColumnHeaders(request, columns, separator.toStdString()));
    model.SetHitNames(SearchTestNames(request, separator.toStdString()));
    lv_Ausgabe_->header()->resizeSection(BlankColumn(columns), TwipsToPixels(kFirstColumnTwips));

    const auto [cxText, cx] = GetCurrentCx();
    outputOptions_->ShowReferenceLength(cxText);
    request.cx = cx;

    // The busy cursor shows from the first computation until the table is up, but not over a
    // message.
    std::optional<BusyCursor> busy(std::in_place);
    TableRun run = RunTable(request, columns);
    model.SetRows(std::move(run.table));
    if (run.error) {
        busy.reset();
        AskDuringRun(QStringLiteral(" Fehler !?"),
                     QString::number(run.error->Number) + QStringLiteral(" : ") +
                         FromUtf8(run.error->Description),
                     MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok);
        return;
    }

    lv_Ausgabe_->show();
    lv_Ausgabe_->AutoSizeColumns();
    const bool hasRows = model.rowCount() > 0;
    cmd_Markieren_->show();
    cmd_Markieren_->setEnabled(hasRows);
    outputOptions_->ShowFoundElements(FromUtf8(FoundElementsText(run.FoundCount())));
    SetSaveEntriesEnabled(hasRows);
}

}  // namespace kolvenar
