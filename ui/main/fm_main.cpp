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
#include "ui/common/accessibility.h"
#include "ui/common/control_names.h"
#include "ui/common/desktop_seam.h"
#include "ui/common/window_support.h"
#include "ui/main/element_selection.h"
#include "ui/main/n_range_panel.h"
#include "ui/main/output_options_panel.h"
#include "ui/main/result_table_model.h"
#include "ui/main/result_view.h"
#include "ui/main/sort_menu.h"
#include "ui/main/units_panel.h"
#include "ui/windows/fm_anleitung.h"
#include "ui/windows/fm_auswerten.h"
#include "ui/windows/fm_einstellungen.h"
#include "ui/windows/fm_info.h"
#include "ui/windows/fm_mehrfachsuche.h"
#include "ui/windows/fm_umrechner.h"

namespace kolvenar {

namespace {

const QString kDesignCaption = QStringLiteral(" Kolvenar - Zuzovudezivudizer");

// The result table's column of N.
constexpr int kNColumn = 3;

// Margin kept between the two lists and the window's right and bottom edges.
constexpr int kListMarginTwips = 105;

int AtLeastOne(int x) {
    return x >= 1 ? x : 1;
}

}  // namespace

// The main window reports when a side window cannot write the settings.
void Fm_Main::Watch(SideWindow* window) {
    connect(window, &SideWindow::settingsNotWritten, this, &Fm_Main::ReportSettingsNotWritten);
}

// Creates the window on first use, shows it modeless and brings it to the front.
template <typename W, typename Make>
void Fm_Main::ShowSideWindow(QPointer<W>& window, Make make) {
    if (window.isNull()) {
        window = make();
        Watch(window);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

Fm_Main::Fm_Main(Desktop& desktop, QWidget* parent) : QMainWindow(parent), desktop_(desktop) {
    InstallAccessibleInterfaces();
    setObjectName(QStringLiteral("Fm_Main"));
    setFont(DialogFont());
    exportFolder_ = QApplication::applicationDirPath();
    userDataFolder_ = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    CreateControls();
    CreateMenus();
    ConnectPanels();
    ApplyTabOrder(*this);
    NameControls(*this);
    CloseOnEscape(*this);
    Load();
}

Fm_Main::~Fm_Main() = default;

QString Fm_Main::WindowCaption() {
    return kDesignCaption + QStringLiteral(" , Version ") + FromUtf8(VersionText());
}

void Fm_Main::CreateControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Fm_Main_Client"));
    setCentralWidget(central);
    resize(TwipsRect(0, 0, 9480, 6510).size());

    units_ = new UnitsPanel(state_, central);
    outputOptions_ = new OutputOptionsPanel(state_, central);
    elements_ = new ElementSelection(state_, central);

    auto* frCompton = PlaceControl<QGroupBox>(central, QStringLiteral("Fr_Comptonwellenlänge"),
                                              2400, 2160, 2175, 735);
    frCompton->setTitle(QStringLiteral("Comptonwellenlänge"));
    SetTabIndex(*frCompton, 49);
    combo_Cx_ = PlaceControl<QComboBox>(frCompton, QStringLiteral("Combo_Cx"), 120, 240, 1935, 315);
    SetTabIndex(*combo_Cx_, 31);

    nRange_ = new NRangePanel(state_, central);

    cmd_Markieren_ = PlaceControl<QPushButton>(
        central, QStringLiteral("cmd_AusgewählteInListeMarkieren"), 2400, 3000, 615, 255);
    cmd_Markieren_->setText(QStringLiteral("<-"));
    cmd_Markieren_->setToolTip(
        QStringLiteral("Zu den markierten Zeilen die Elemente in der Elementeliste auswählen"));
    cmd_Markieren_->setFont(DialogFont(true));
    SetTabIndex(*cmd_Markieren_, 36);

    lv_Ausgabe_ = new ResultTableView(central);
    lv_Ausgabe_->setGeometry(TwipsRect(2400, 3240, 6975, 3255));
    SetTabIndex(*lv_Ausgabe_, 37);

    central->installEventFilter(this);
}

void Fm_Main::CreateMenus() {
    const auto addAction = [this](QMenu* menu, const QString& name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("MT_Datei"));
    me_Speichern_[0] =
        addAction(datei, QStringLiteral("ME_Speichern0"), QStringLiteral("Speichern &TXT"));
    me_Speichern_[1] =
        addAction(datei, QStringLiteral("ME_Speichern1"), QStringLiteral("Speichern &XLS"));
    me_SpeichernUnter_ =
        addAction(datei, QStringLiteral("ME_SpeichernUnter"), QStringLiteral("Speichern unter …"));
    me_SpeichernUnter_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction* beenden = addAction(datei, QStringLiteral("ME_Beenden"), QStringLiteral("&Beenden"));
    beenden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    SetSaveEntriesEnabled(false);

    QMenu* fenster = menuBar()->addMenu(QStringLiteral("&Fenster"));
    fenster->setObjectName(QStringLiteral("MT_Fenster"));
    QAction* umrechner =
        addAction(fenster, QStringLiteral("ME_Umrechner"), QStringLiteral("&Umrechner"));
    QAction* auswerten =
        addAction(fenster, QStringLiteral("ME_Auswerten"), QStringLiteral("&Auswerten"));
    auswerten->setEnabled(false);
    QAction* einstellungen =
        addAction(fenster, QStringLiteral("ME_Einstellungen"), QStringLiteral("&Einstellungen"));
    QAction* info = addAction(fenster, QStringLiteral("ME_Info"), QStringLiteral("&Info"));
    QAction* mehrfachsuche =
        addAction(fenster, QStringLiteral("ME_Mehrfachsuche"), QStringLiteral("&Mehrfachsuche"));

    QMenu* ansicht = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    ansicht->setObjectName(QStringLiteral("MT_Ansicht"));
    me_Abweichung_ =
        addAction(ansicht, QStringLiteral("ME_Abweichung"), QStringLiteral("&Abweichung zeigen"));
    me_Abweichung_->setCheckable(true);
    ansicht->addMenu(new SortMenu(lv_Ausgabe_->Model(), ansicht));
    lv_Ausgabe_->SetViewEntries({me_Abweichung_});
    CreateHelpMenu();

    for (int i = 0; i < 2; ++i) {
        connect(me_Speichern_[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { ExportTable(i); });
    }
    connect(me_SpeichernUnter_, &QAction::triggered, this, &Fm_Main::SaveAs);
    // Only a search shows the deviation.
    connect(me_Abweichung_, &QAction::toggled, this, [this] {
        if (units_->SearchMode()) {
            RebuildTable();
        }
    });
    connect(beenden, &QAction::triggered, this, &QWidget::close);
    connect(einstellungen, &QAction::triggered, this,
            [this] { ShowSideWindow(einstellungen_, [this] { return NewSettingsWindow(); }); });
    connect(umrechner, &QAction::triggered, this,
            [this] { ShowSideWindow(umrechner_, [this] { return new Fm_Umrechner(desktop_); }); });
    // The design leaves this entry disabled; the window opens only if it is ever enabled.
    connect(auswerten, &QAction::triggered, this,
            [this] { ShowSideWindow(auswerten_, [] { return new Fm_Auswerten(); }); });
    connect(info, &QAction::triggered, this,
            [this] { ShowSideWindow(info_, [this] { return new Fm_Info(desktop_); }); });
    connect(mehrfachsuche, &QAction::triggered, this, [this] {
        ShowSideWindow(mehrfachsuche_,
                       [this] { return new Fm_Mehrfachsuche(desktop_, userDataFolder_); });
    });
}

void Fm_Main::ConnectPanels() {
    connect(nRange_, &NRangePanel::rebuildRequested, this, &Fm_Main::RebuildTable);
    connect(nRange_, &NRangePanel::offsetShown, outputOptions_, &OutputOptionsPanel::ShowOffset);
    connect(outputOptions_, &OutputOptionsPanel::rebuildRequested, this, &Fm_Main::RebuildTable);
    connect(outputOptions_, &OutputOptionsPanel::selectionApplyRequested, this,
            &Fm_Main::ApplyElementSelection);
    connect(units_, &UnitsPanel::rebuildRequested, this, &Fm_Main::RebuildTable);
    connect(units_, &UnitsPanel::selectionApplyRequested, this, &Fm_Main::ApplyElementSelection);
    connect(elements_, &ElementSelection::selectionApplyRequested, this,
            &Fm_Main::ApplyElementSelection);
    connect(combo_Cx_, &QComboBox::currentIndexChanged, this, &Fm_Main::Combo_Cx_Change);
    connect(units_, &UnitsPanel::searchModeClicked, this, &Fm_Main::Chk_Suchmodus_Click);
    connect(cmd_Markieren_, &QPushButton::clicked, this, &Fm_Main::MarkSelectedElements);
}

void Fm_Main::RebuildTable() {
    BuildOutputTable(nRange_->Value(0), nRange_->Value(1));
}

void Fm_Main::ApplyElementSelection() {
    elements_->CopyTicksToElements();
    RebuildTable();
}

void Fm_Main::Combo_Cx_Change() {
    if (!state_.SuppressEvents) {
        RebuildTable();
    }
}

void Fm_Main::SetSearchMode(bool on) {
    if (state_.SuppressEvents) {
        return;
    }
    nRange_->setVisible(!on);
    units_->SetSearchMode(on);
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
    const ResultTableModel& model = lv_Ausgabe_->Model();
    int firstRow = model.rowCount();
    for (const QModelIndex& highlighted : lv_Ausgabe_->selectionModel()->selectedRows()) {
        firstRow = std::min(firstRow, highlighted.row());
    }
    const int firstZ = model.index(firstRow, 0).data(ResultTableModel::kElementRole).toInt();
    const QString firstN = model.CellText(firstRow, kNColumn);
    cmd_Markieren_->setEnabled(false);
    for (ElementEntry& element : state_.Elements) {
        element.Visible = false;
    }
    for (int z : lv_Ausgabe_->HighlightedElements()) {
        if (z >= 1 && z <= kElementCount) {
            state_.Elements[static_cast<std::size_t>(z)].Visible = true;
        }
    }
    elements_->SetTicksFromElements();
    ApplyElementSelection();
    cmd_Markieren_->setEnabled(true);
    // The button gave the focus away as it disabled itself, while the table was hidden.
    if (!lv_Ausgabe_->isVisible()) {
        return;
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row, 0);
        if (index.data(ResultTableModel::kElementRole).toInt() == firstZ &&
            model.CellText(row, kNColumn) == firstN) {
            lv_Ausgabe_->selectionModel()->setCurrentIndex(
                index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            lv_Ausgabe_->scrollTo(index);
            lv_Ausgabe_->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

// A settings window whose stored constants the main window takes over at once.
Fm_Einstellungen* Fm_Main::NewSettingsWindow() {
    auto* window = new Fm_Einstellungen();
    connect(window, &Fm_Einstellungen::constantsSaved, this,
            qOverload<const CxTable&>(&Fm_Main::InitCx));
    return window;
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
    const QRect table = lv_Ausgabe_->geometry();
    lv_Ausgabe_->resize(AtLeastOne(client.width() - table.left() - margin),
                        AtLeastOne(client.height() - table.top() - margin));
    if (lv_Ausgabe_->Model().rowCount() > 0) {
        lv_Ausgabe_->AutoSizeColumns();
    }
    elements_->StretchListTo(client.height() - margin);
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
    StoreControls();
    CloseSideWindows();
    event->accept();
}

// Each side window stores its own placement (the converter also its settings) as it closes.
void Fm_Main::CloseSideWindows() {
    const std::array<QWidget*, 6> windows = {umrechner_, auswerten_, einstellungen_,
                                             info_,      anleitung_, mehrfachsuche_};
    for (QWidget* window : windows) {
        if (window != nullptr) {
            window->close();
        }
    }
}

}  // namespace kolvenar
