#include "ui/main/fm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>

#include <algorithm>

#include "core/version.h"
#include "settings/settings_keys.h"
#include "ui/common/accessibility.h"
#include "ui/common/control_list.h"
#include "ui/common/desktop_seam.h"
#include "ui/common/oversized_settings_notice.h"
#include "ui/common/window_support.h"
#include "ui/main/element_selection.h"
#include "ui/main/help_menu.h"
#include "ui/main/main_controls.h"
#include "ui/main/main_settings.h"
#include "ui/main/n_range_panel.h"
#include "ui/main/output_options_panel.h"
#include "ui/main/reference_length_panel.h"
#include "ui/main/result_table_model.h"
#include "ui/main/result_view.h"
#include "ui/main/side_windows.h"
#include "ui/main/sort_menu.h"
#include "ui/main/table_exports.h"
#include "ui/main/table_runner.h"
#include "ui/main/units_panel.h"

namespace kolvenar {

namespace {

const QString kDesignCaption = QStringLiteral(" Kolvenar - Zuzovudezivudizer");

constexpr int kStartN = 33;

// Margin kept between the two lists and the window's right and bottom edges.
constexpr int kListMarginTwips = 105;

QMenu* AddMenu(QMenuBar& bar, const QString& name, const QString& caption) {
    QMenu* menu = bar.addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QAction* AddEntry(QMenu& menu, const QString& name, const QString& caption) {
    QAction* entry = menu.addAction(caption);
    entry->setObjectName(name);
    return entry;
}

int AtLeastOne(int x) {
    return x >= 1 ? x : 1;
}

}  // namespace

Fm_Main::Fm_Main(Desktop& desktop, QWidget* parent) : QMainWindow(parent), desktop_(desktop) {
    InstallAccessibleInterfaces();
    setObjectName(sections::kMain);
    setFont(DialogFont());
    sideWindows_ = new SideWindows(desktop_, this);
    // The main window reports when a side window cannot write the settings.
    connect(sideWindows_, &SideWindows::settingsNotWritten, this,
            &Fm_Main::ReportSettingsNotWritten);
    connect(sideWindows_, &SideWindows::constantsSaved, this, &Fm_Main::InitCx);
    CreateControls();
    CreateMenus();
    ConnectPanels();
    SetUpControls(*this, MainControls());
    CloseOnEscape(*this);
    Load();
}

Fm_Main::~Fm_Main() = default;

void Fm_Main::BuildOutputTable(double nFromScroll, double nToScroll) {
    runner_->Build(nFromScroll, nToScroll);
}

void Fm_Main::ClearOutput() {
    runner_->Clear();
}

void Fm_Main::Load() {
    SetAsideOversizedSettings(desktop_, this);
    settings_->RestorePlacement();
    {
        // Quiet, so that filling the list of reference lengths builds no table before the
        // controls are back: the first table is the one for N = 33 below.
        SuppressedEvents suppressed(state_.SuppressEvents);
        settings_->LoadReferenceConstants();
        settings_->RestoreControls();
        parts_.nRange->SetValue(1, kStartN);
    }
    parts_.outputOptions->ShowResultLabelsOnButtonFace();
    SetSearchMode(false);
    setWindowTitle(WindowCaption());
    // Moving "N von" runs the bar's change handling, which builds the first table.
    parts_.nRange->SetValue(0, kStartN);
}

void Fm_Main::InitCx(const CxTable& constants) {
    parts_.reference->SetConstants(constants);
}

std::pair<QString, double> Fm_Main::GetCurrentCx() const {
    return parts_.reference->Current();
}

void Fm_Main::ExportTable(int index) {
    exports_->Export(index);
}

void Fm_Main::SaveAs() {
    exports_->SaveAs();
}

void Fm_Main::SetExportFolder(const QString& folder) {
    exports_->SetExportFolder(folder);
}

void Fm_Main::SetUserDataFolder(const QString& folder) {
    exports_->SetUserDataFolder(folder);
    sideWindows_->SetUserDataFolder(folder);
}

void Fm_Main::SetClock(std::function<QDateTime()> clock) {
    exports_->SetClock(std::move(clock));
}

void Fm_Main::SetGuideFile(const QString& path) {
    help_->SetGuideFile(path);
}

QString Fm_Main::DefaultGuideFile() {
    return HelpMenu::DefaultGuideFile();
}

QString Fm_Main::WindowCaption() {
    return kDesignCaption + QStringLiteral(" , Version ") + FromUtf8(VersionText());
}

void Fm_Main::CreateControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Fm_Main_Client"));
    setCentralWidget(central);
    resize(TwipsRect(0, 0, 9480, 6510).size());

    parts_.units = new UnitsPanel(state_, central);
    parts_.outputOptions = new OutputOptionsPanel(state_, central);
    parts_.elements = new ElementSelection(state_, central);

    parts_.reference = new ReferenceLengthPanel(state_, central);

    parts_.nRange = new NRangePanel(state_, central);

    parts_.markButton = PlaceControl<QPushButton>(
        central, QStringLiteral("cmd_AusgewählteInListeMarkieren"), 2400, 3000, 615, 255);
    parts_.markButton->setText(QStringLiteral("<-"));
    parts_.markButton->setToolTip(
        QStringLiteral("Zu den markierten Zeilen die Elemente in der Elementeliste auswählen"));
    parts_.markButton->setFont(DialogFont(true));

    parts_.table = new ResultTableView(central);
    parts_.table->setGeometry(TwipsRect(2400, 3240, 6975, 3255));

    runner_ = new TableRunner(*this, desktop_, state_, parts_);
    connect(runner_, &TableRunner::built, this, &Fm_Main::outputBuilt);
    exports_ = new TableExports(*this, desktop_, *parts_.outputOptions, parts_.table->Model());
    settings_ = new MainSettings(*this, parts_, *runner_, *exports_);
    connect(settings_, &MainSettings::settingsNotWritten, this, &Fm_Main::ReportSettingsNotWritten);
    central->installEventFilter(this);
}

void Fm_Main::CreateMenus() {
    CreateFileMenu();
    CreateWindowMenu();
    CreateViewMenu();
    help_ = new HelpMenu(*this, desktop_, *sideWindows_);
}

void Fm_Main::CreateFileMenu() {
    QMenu* datei = AddMenu(*menuBar(), QStringLiteral("MT_Datei"), QStringLiteral("&Datei"));
    std::array<QAction*, 3>& save = parts_.saveEntries;
    save[0] = AddEntry(*datei, QStringLiteral("ME_Speichern0"), QStringLiteral("Speichern &TXT"));
    save[1] = AddEntry(*datei, QStringLiteral("ME_Speichern1"), QStringLiteral("Speichern &XLS"));
    save[2] =
        AddEntry(*datei, QStringLiteral("ME_SpeichernUnter"), QStringLiteral("Speichern &unter …"));
    save[2]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction* beenden = AddEntry(*datei, QStringLiteral("ME_Beenden"), QStringLiteral("&Beenden"));
    beenden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    parts_.SetSaveEntriesEnabled(false);

    for (int i = 0; i < 2; ++i) {
        connect(save[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { ExportTable(i); });
    }
    connect(save[2], &QAction::triggered, this, &Fm_Main::SaveAs);
    connect(beenden, &QAction::triggered, this, &QWidget::close);
}

void Fm_Main::CreateWindowMenu() {
    QMenu* fenster = AddMenu(*menuBar(), QStringLiteral("MT_Fenster"), QStringLiteral("&Fenster"));
    QAction* umrechner =
        AddEntry(*fenster, QStringLiteral("ME_Umrechner"), QStringLiteral("&Umrechner"));
    QAction* auswerten =
        AddEntry(*fenster, QStringLiteral("ME_Auswerten"), QStringLiteral("&Auswerten"));
    auswerten->setEnabled(false);
    QAction* einstellungen =
        AddEntry(*fenster, QStringLiteral("ME_Einstellungen"), QStringLiteral("&Einstellungen"));
    QAction* info = AddEntry(*fenster, QStringLiteral("ME_Info"), QStringLiteral("&Info"));
    QAction* mehrfachsuche =
        AddEntry(*fenster, QStringLiteral("ME_Mehrfachsuche"), QStringLiteral("&Mehrfachsuche"));

    connect(einstellungen, &QAction::triggered, sideWindows_, &SideWindows::ShowSettings);
    connect(umrechner, &QAction::triggered, sideWindows_, &SideWindows::ShowConverter);
    // The design leaves this entry disabled; the window opens only if it is ever enabled.
    connect(auswerten, &QAction::triggered, sideWindows_, &SideWindows::ShowEvaluation);
    connect(info, &QAction::triggered, sideWindows_, &SideWindows::ShowInfo);
    connect(mehrfachsuche, &QAction::triggered, sideWindows_, &SideWindows::ShowMultiSearch);
}

void Fm_Main::CreateViewMenu() {
    QMenu* ansicht = AddMenu(*menuBar(), QStringLiteral("MT_Ansicht"), QStringLiteral("&Ansicht"));
    parts_.deviation = AddEntry(*ansicht, keys::kDeviation, QStringLiteral("&Abweichung zeigen"));
    parts_.deviation->setCheckable(true);
    ansicht->addMenu(new SortMenu(parts_.table->Model(), ansicht));
    parts_.table->SetViewEntries({parts_.deviation});

    // Only a search shows the deviation.
    connect(parts_.deviation, &QAction::toggled, this, [this] {
        if (parts_.units->SearchMode()) {
            RebuildTable();
        }
    });
}

void Fm_Main::ConnectPanels() {
    connect(parts_.nRange, &NRangePanel::rebuildRequested, this, &Fm_Main::RebuildTable);
    connect(parts_.nRange, &NRangePanel::offsetShown, parts_.outputOptions,
            &OutputOptionsPanel::ShowOffset);
    connect(parts_.outputOptions, &OutputOptionsPanel::rebuildRequested, this,
            &Fm_Main::RebuildTable);
    connect(parts_.outputOptions, &OutputOptionsPanel::selectionApplyRequested, this,
            &Fm_Main::ApplyElementSelection);
    connect(parts_.units, &UnitsPanel::rebuildRequested, this, &Fm_Main::RebuildTable);
    connect(parts_.units, &UnitsPanel::selectionApplyRequested, this,
            &Fm_Main::ApplyElementSelection);
    connect(parts_.elements, &ElementSelection::selectionApplyRequested, this,
            &Fm_Main::ApplyElementSelection);
    connect(parts_.reference, &ReferenceLengthPanel::rebuildRequested, this,
            &Fm_Main::RebuildTable);
    connect(parts_.units, &UnitsPanel::searchModeClicked, this, &Fm_Main::Chk_Suchmodus_Click);
    connect(parts_.markButton, &QPushButton::clicked, this, &Fm_Main::MarkSelectedElements);
}

void Fm_Main::RebuildTable() {
    BuildOutputTable(parts_.nRange->Value(0), parts_.nRange->Value(1));
}

void Fm_Main::ApplyElementSelection() {
    RebuildTable();
}

void Fm_Main::SetSearchMode(bool on) {
    if (state_.SuppressEvents) {
        return;
    }
    parts_.nRange->setVisible(!on);
    parts_.units->SetSearchMode(on);
}

void Fm_Main::Chk_Suchmodus_Click(bool on) {
    SetSearchMode(on);
    if (on) {
        ClearOutput();
    }
    RebuildTable();
}

// Carries the highlighted result rows back into the element list, so that the next search
// covers only their elements. An element with several rows is kept when any of them is
// highlighted. The user goes on in the table, at the first row that was highlighted.
void Fm_Main::MarkSelectedElements() {
    const ResultTableModel& model = parts_.table->Model();
    int firstRow = model.rowCount();
    for (const QModelIndex& highlighted : parts_.table->selectionModel()->selectedRows()) {
        firstRow = std::min(firstRow, highlighted.row());
    }
    const int firstZ = model.index(firstRow, 0).data(ResultTableModel::kElementRole).toInt();
    const int nColumn = model.Shown().ColumnOf(Kind("N"));
    const QString firstN = model.CellText(firstRow, nColumn);
    parts_.markButton->setEnabled(false);
    parts_.elements->TickOnly(parts_.table->HighlightedElements());
    ApplyElementSelection();
    parts_.markButton->setEnabled(true);
    // The button gave the focus away as it disabled itself, while the table was hidden.
    if (!parts_.table->isVisible()) {
        return;
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row, 0);
        if (index.data(ResultTableModel::kElementRole).toInt() == firstZ &&
            model.CellText(row, nColumn) == firstN) {
            parts_.table->selectionModel()->setCurrentIndex(
                index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            parts_.table->scrollTo(index);
            parts_.table->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

bool Fm_Main::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        ResizeLists();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Fm_Main::ResizeLists() {
    if (isMinimized()) {
        return;
    }
    const QSize client = centralWidget()->size();
    const int margin = TwipsToPixels(kListMarginTwips);
    const QRect table = parts_.table->geometry();
    parts_.table->resize(AtLeastOne(client.width() - table.left() - margin),
                         AtLeastOne(client.height() - table.top() - margin));
    if (parts_.table->Model().rowCount() > 0) {
        parts_.table->AutoSizeColumns();
    }
    parts_.elements->StretchListTo(client.height() - margin);
}

void Fm_Main::ReportSettingsNotWritten(const QString& fileName) {
    if (settingsFailureReported_) {
        return;
    }
    settingsFailureReported_ = true;
    desktop_.ShowMessage(this, QStringLiteral(" Fehler"),
                         QStringLiteral("Die Einstellungen konnten nicht in die Datei '") +
                             fileName + QStringLiteral("' geschrieben werden !?"),
                         MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok);
}

void Fm_Main::closeEvent(QCloseEvent* event) {
    settings_->Store();
    sideWindows_->CloseAll();
    event->accept();
}

}  // namespace kolvenar
