// The Mehrfachsuche's controls, their places, and what the window keeps between runs.
#include "ui/windows/fm_mehrfachsuche.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <array>

#include "core/number_rules.h"
#include "settings/settings_store.h"
#include "ui/common/control_list.h"
#include "ui/common/desktop_seam.h"
#include "ui/common/stored_controls.h"
#include "ui/common/window_support.h"
#include "ui/windows/hit_picture.h"
#include "ui/windows/multisearch_list_file.h"
#include "ui/windows/multisearch_models.h"
#include "ui/windows/sortable_table_view.h"

namespace kolvenar {

namespace {

constexpr int kMarginTwips = 120;
// The column of the inputs: the list above, the choices below it.
constexpr int kInputWidthTwips = 3300;
constexpr int kCaptionWidthTwips = 1140;
constexpr int kChoiceLeftTwips = kMarginTwips + kCaptionWidthTwips + 60;
constexpr int kChoiceWidthTwips = kInputWidthTwips - kCaptionWidthTwips - 60;
constexpr int kRowTwips = 405;
constexpr int kListTopTwips = 420;
// "&Öffnen …" and "Speichern &unter …" side by side below the list.
constexpr int kOpenWidthTwips = 1335;
constexpr int kSaveLeftTwips = kMarginTwips + kOpenWidthTwips + 90;
constexpr int kSaveWidthTwips = kInputWidthTwips - kOpenWidthTwips - 90;

// A caption and the control it names, in rows below the list from its "&Öffnen …" button on;
// the controls themselves are made by the window.
struct ChoiceRow {
    const char* label;
    const char* caption;
    const char* control;
};

constexpr std::array<ChoiceRow, 4> kChoiceRows = {{
    {"Lab_Groesse", "&Größe", "Cb_Groesse"},
    {"Lab_Einheit", "E&inheit", "Cb_Einheit"},
    {"Lab_Toleranz", "&Toleranz in %", "txt_Toleranz"},
    {"Lab_Cx", "Be&zugslänge", "Combo_Cx"},
}};

// Every control that takes the focus, in the order Tab visits them. The unit list follows the
// quantity and is kept by the window itself, once the quantity is restored.
constexpr std::array<ListedControl, 11> kControls = {{
    {.name = "txt_Messwerte", .spoken = "Messwerte, ein Wert je Zeile"},
    {.name = "cmd_Oeffnen"},
    {.name = "cmd_SpeichernUnter"},
    {.name = "Cb_Groesse", .spoken = "Größe", .kept = Kept::Index, .fallback = 1},
    {.name = "Cb_Einheit", .spoken = "Einheit", .kept = Kept::ByOwner},
    {.name = "txt_Toleranz", .spoken = "Toleranz in %", .kept = Kept::Text, .fallbackText = "1"},
    {.name = "Combo_Cx", .spoken = "Bezugslänge", .kept = Kept::Index},
    {.name = "tab_Ergebnis"},
    {.name = "lv_Rangliste", .spoken = "Rangliste der Elemente"},
    {.name = "lv_Zuordnung", .spoken = "Zuordnung der Werte zum gewählten Element"},
    {.name = "pic_Trefferbild"},
}};

const QString kToleranceTip = QStringLiteral("Wert >0 und <=50 % eingeben");

}  // namespace

Fm_Mehrfachsuche::Fm_Mehrfachsuche(Desktop& desktop, const QString& dataFolder, QWidget* parent)
    : SideWindow(QStringLiteral("Fm_Mehrfachsuche"), QStringLiteral(" Mehrfachsuche"),
                 WindowBorder::Resizable, parent),
      desktop_(desktop),
      dataFolder_(dataFolder.isEmpty()
                      ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                      : dataFolder),
      rankingModel_(std::make_unique<RankingModel>()),
      assignmentModel_(std::make_unique<AssignmentModel>()) {
    setMinimumSize(TwipsRect(0, 0, 7200, 4800).size());
    CreateControls();
    ConnectControls();
    Load();
}

Fm_Mehrfachsuche::~Fm_Mehrfachsuche() = default;

void Fm_Mehrfachsuche::CreateControls() {
    CreateInputs();
    CreateLists();
    SetUpControls(*this, kControls);
    PlaceControls();
}

void Fm_Mehrfachsuche::CreateInputs() {
    auto* heading = PlaceControl<QLabel>(this, QStringLiteral("Lab_Messwerte"), kMarginTwips, 120,
                                         kInputWidthTwips, 255);
    heading->setText(QStringLiteral("&Messwerte, ein Wert je Zeile"));
    txt_Messwerte_ = PlaceControl<QPlainTextEdit>(
        this, QStringLiteral("txt_Messwerte"), kMarginTwips, kListTopTwips, kInputWidthTwips, 3000);
    txt_Messwerte_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on as in every other box; a tab that is pasted or loaded still separates a
    // label.
    txt_Messwerte_->setTabChangesFocus(true);
    // A label after a tab stands close to its value.
    txt_Messwerte_->setTabStopDistance(
        txt_Messwerte_->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    txt_Messwerte_->setToolTip(
        QStringLiteral("Ein Wert je Zeile, danach wahlweise eine Bezeichnung; # beginnt eine "
                       "Bemerkung, \"# Einheit: nm\" wählt die Einheit"));
    heading->setBuddy(txt_Messwerte_);

    cmd_Oeffnen_ = PlaceControl<QPushButton>(this, QStringLiteral("cmd_Oeffnen"), kMarginTwips, 0,
                                             kOpenWidthTwips, 345);
    cmd_Oeffnen_->setText(QStringLiteral("&Öffnen …"));
    cmd_SpeichernUnter_ = PlaceControl<QPushButton>(this, QStringLiteral("cmd_SpeichernUnter"),
                                                    kSaveLeftTwips, 0, kSaveWidthTwips, 345);
    cmd_SpeichernUnter_->setText(QStringLiteral("Speichern &unter …"));

    cb_Groesse_ = PlaceControl<QComboBox>(this, QStringLiteral("Cb_Groesse"), 0, 0, 0, 0);
    for (const QuantityRow& row : kQuantityRows) {
        cb_Groesse_->addItem(FromUtf8(row.name));
    }
    cb_Einheit_ = PlaceControl<QComboBox>(this, QStringLiteral("Cb_Einheit"), 0, 0, 0, 0);
    txt_Toleranz_ = PlaceControl<QLineEdit>(this, QStringLiteral("txt_Toleranz"), 0, 0, 0, 0);
    txt_Toleranz_->setToolTip(kToleranceTip);
    combo_Cx_ = PlaceControl<QComboBox>(this, QStringLiteral("Combo_Cx"), 0, 0, 0, 0);
    for (const ChoiceRow& row : kChoiceRows) {
        auto* control = findChild<QWidget*>(QString::fromUtf8(row.control));
        auto* label = PlaceControl<QLabel>(this, QString::fromUtf8(row.label), 0, 0, 0, 0);
        label->setText(QString::fromUtf8(row.caption));
        label->setBuddy(control);
    }
}

void Fm_Mehrfachsuche::CreateLists() {
    tabs_ = PlaceControl<QTabWidget>(this, QStringLiteral("tab_Ergebnis"), 0, 0, 0, 0);
    auto* page = new QWidget(tabs_);
    page->setObjectName(QStringLiteral("tab_Rangliste"));
    auto* layout = new QVBoxLayout(page);
    lv_Rangliste_ = new SortableTableView(*rankingModel_, QStringLiteral("lv_Rangliste"), page);
    lab_Zusammenfassung_ = new QLabel(page);
    lab_Zusammenfassung_->setObjectName(QStringLiteral("Lab_Zusammenfassung"));
    lab_Zusammenfassung_->setTextFormat(Qt::PlainText);
    lab_Zusammenfassung_->setWordWrap(true);
    lab_Zusammenfassung_->setAccessibleName(QStringLiteral("Zusammenfassung"));
    lab_Zusammenfassung_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lv_Zuordnung_ = new SortableTableView(*assignmentModel_, QStringLiteral("lv_Zuordnung"), page);
    layout->addWidget(lv_Rangliste_, 3);
    layout->addWidget(lab_Zusammenfassung_);
    layout->addWidget(lv_Zuordnung_, 2);
    tabs_->addTab(page, QStringLiteral("&Rangliste"));
    pic_Trefferbild_ = new HitPicture(desktop_, tabs_);
    tabs_->addTab(pic_Trefferbild_, QStringLiteral("Treffer&bild"));

    me_SpeichernUnter_ = new QAction(QStringLiteral("Speichern &unter …"), this);
    me_SpeichernUnter_->setObjectName(QStringLiteral("ME_SpeichernUnter"));
    me_SpeichernUnter_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    me_SpeichernUnter_->setShortcutContext(Qt::WindowShortcut);
    addAction(me_SpeichernUnter_);
    for (SortableTableView* view : {lv_Rangliste_, lv_Zuordnung_}) {
        view->SetWindowEntries({me_SpeichernUnter_});
    }
}

void Fm_Mehrfachsuche::resizeEvent(QResizeEvent* event) {
    SideWindow::resizeEvent(event);
    PlaceControls();
}

// The list and the results grow with the window; the choices stay below the list.
void Fm_Mehrfachsuche::PlaceControls() {
    const int tall = height() * kTwipsPerPixel;
    const int wide = width() * kTwipsPerPixel;
    const int choicesTop = tall - kMarginTwips - 4 * kRowTwips - 345;
    txt_Messwerte_->setGeometry(
        TwipsRect(kMarginTwips, kListTopTwips, kInputWidthTwips, choicesTop - 120 - kListTopTwips));
    cmd_Oeffnen_->move(TwipsRect(kMarginTwips, choicesTop, 0, 0).topLeft());
    cmd_SpeichernUnter_->move(TwipsRect(kSaveLeftTwips, choicesTop, 0, 0).topLeft());
    int top = choicesTop + 345 + 60;
    for (const ChoiceRow& row : kChoiceRows) {
        findChild<QWidget*>(QString::fromUtf8(row.label))
            ->setGeometry(TwipsRect(kMarginTwips, top + 30, kCaptionWidthTwips, 255));
        findChild<QWidget*>(QString::fromUtf8(row.control))
            ->setGeometry(TwipsRect(kChoiceLeftTwips, top, kChoiceWidthTwips, 315));
        top += kRowTwips;
    }
    const int resultsLeft = 2 * kMarginTwips + kInputWidthTwips;
    tabs_->setGeometry(TwipsRect(resultsLeft, kMarginTwips, wide - resultsLeft - kMarginTwips,
                                 tall - 2 * kMarginTwips));
}

void Fm_Mehrfachsuche::ConnectControls() {
    updateTimer_ = new QTimer(this);
    updateTimer_->setSingleShot(true);
    updateTimer_->setInterval(0);
    connect(updateTimer_, &QTimer::timeout, this, &Fm_Mehrfachsuche::UpdateRanking);
    connect(txt_Messwerte_, &QPlainTextEdit::textChanged, this,
            &Fm_Mehrfachsuche::txt_Messwerte_Change);
    connect(cmd_Oeffnen_, &QPushButton::clicked, this, &Fm_Mehrfachsuche::OpenList);
    connect(cmd_SpeichernUnter_, &QPushButton::clicked, this, &Fm_Mehrfachsuche::SaveAs);
    // The units follow the quantity whoever changes it.
    connect(cb_Groesse_, &QComboBox::currentIndexChanged, this, &Fm_Mehrfachsuche::FillUnits);
    connect(cb_Groesse_, &QComboBox::currentIndexChanged, this,
            &Fm_Mehrfachsuche::Cb_Groesse_Click);
    connect(cb_Einheit_, &QComboBox::currentIndexChanged, this, &Fm_Mehrfachsuche::InputChanged);
    connect(combo_Cx_, &QComboBox::currentIndexChanged, this, &Fm_Mehrfachsuche::InputChanged);
    connect(txt_Toleranz_, &QLineEdit::textChanged, this, &Fm_Mehrfachsuche::txt_Messwerte_Change);
    connect(txt_Toleranz_, &QLineEdit::returnPressed, this,
            &Fm_Mehrfachsuche::txt_Toleranz_KeyEnter);
    connect(lv_Rangliste_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &Fm_Mehrfachsuche::ShowAssignments);
    connect(me_SpeichernUnter_, &QAction::triggered, this, &Fm_Mehrfachsuche::SaveAs);
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        if (pictureBehind_) {
            ShowPicture();
        }
    });
}

void Fm_Mehrfachsuche::FillUnits() {
    SuppressedEvents quiet(suppressEvents_);
    const QuantityRow& row =
        kQuantityRows[static_cast<std::size_t>(std::max(0, cb_Groesse_->currentIndex()))];
    cb_Einheit_->clear();
    const std::span<const UnitRow> units = QuantityUnits(row.quantity);
    for (const UnitRow& unit : units) {
        cb_Einheit_->addItem(FromUtf8(unit.label), unit.stored);
    }
    cb_Einheit_->setMaxVisibleItems(cb_Einheit_->count());
    cb_Einheit_->setCurrentIndex(PlaceOfStored(units, row.firstStartUnit));
}

// The reference lengths as the main window's list shows them; the factory ones before the main
// window has ever stored them.
void Fm_Mehrfachsuche::FillReferenceLengths(const SettingsStore& store) {
    CxTable constants;
    if (ReferenceConstantsStored(store)) {
        constants = ReadReferenceConstants(store);
    } else {
        for (std::size_t i = 0; i < constants.size(); ++i) {
            const FactoryConstant& factory = kFactoryConstants[i];
            constants[i] = {std::string(factory.Cx), factory.Cx_Wert,
                            std::string(factory.Cx_Bezeichnung)};
        }
    }
    SetConstants(constants);
}

void Fm_Mehrfachsuche::SetConstants(const CxTable& constants) {
    constants_ = constants;
    {
        SuppressedEvents quiet(suppressEvents_);
        const int chosen = std::max(0, combo_Cx_->currentIndex());
        combo_Cx_->clear();
        for (const CxEntry& entry : constants_) {
            combo_Cx_->addItem(FromUtf8(entry.Cx) + QLatin1Char(' ') +
                               FromUtf8(entry.Cx_Bezeichnung));
        }
        combo_Cx_->setCurrentIndex(chosen);
    }
    InputChanged();
}

void Fm_Mehrfachsuche::Load() {
    SettingsStore store;
    RestorePlacement(store);
    {
        SuppressedEvents quiet(suppressEvents_);
        FillReferenceLengths(store);
        FillUnits();
        const QString section = objectName();
        RestoreControls(*this, kControls, store, section);
        // A unit is kept by its row's stored number, the quantity's first-start unit by default.
        RestoreStoredNumber(*cb_Einheit_, store, section, cb_Einheit_->currentData().toInt());
        txt_Messwerte_->setPlainText(ReadStoredList(dataFolder_));
        // The unit a stored list names was chosen before; the one stored is the user's.
        list_ = ReadValueList(txt_Messwerte_->toPlainText().toStdString());
        listUnit_ = list_.unit;
    }
    UpdateRanking();
}

// Whatever txt_Toleranz holds is stored as it is, as the main window stores its own.
void Fm_Mehrfachsuche::StoreOwnSettings(SettingsStore& store) {
    const QString section = objectName();
    StoreControls(*this, kControls, store, section);
    StoreStoredNumber(*cb_Einheit_, store, section);
}

void Fm_Mehrfachsuche::closeEvent(QCloseEvent* event) {
    if (const auto failure = StoreList(dataFolder_, txt_Messwerte_->toPlainText())) {
        ShowMessage(QStringLiteral(" Fehler"),
                    QStringLiteral("Die Liste konnte nicht in die Datei '") +
                        QDir::toNativeSeparators(StoredListPath(dataFolder_)) +
                        QStringLiteral("' geschrieben werden !?\r\n") +
                        QString::number(failure->number) + QStringLiteral(" : ") +
                        failure->description,
                    true);
    }
    SideWindow::closeEvent(event);
}

}  // namespace kolvenar
