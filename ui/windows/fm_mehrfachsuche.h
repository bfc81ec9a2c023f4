#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

#include <memory>
#include <optional>
#include <vector>

#include "multisearch/matcher.h"
#include "multisearch/value_list.h"
#include "settings/reference_constants.h"
#include "ui/windows/side_window.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace kolvenar {

class AssignmentModel;
class Desktop;
class HitPicture;
class RankingModel;
class SortableTableView;

// The Mehrfachsuche: which element explains most of a list of measured values, and whether
// that is more than chance. The ranking follows the list as it is typed. Quantity, unit,
// tolerance and reference length are kept in the window's settings section; the list itself in
// a file of the user's data folder.
class Fm_Mehrfachsuche : public SideWindow {
    Q_OBJECT

public:
    // Creates the window with the list and settings of its last closing (it is not shown).
    // Messages and file dialogs go through `desktop`; the list is kept in `dataFolder`, by
    // default the program's per-user data folder.
    explicit Fm_Mehrfachsuche(Desktop& desktop, const QString& dataFolder = QString(),
                              QWidget* parent = nullptr);
    ~Fm_Mehrfachsuche() override;

    // Makes the ranking of the list as it stands now; typing asks for one once the burst of
    // keys is over.
    void UpdateRanking();
    // "&Öffnen …": a list file chosen in the desktop's file dialog replaces the list.
    void OpenList();
    // "Speichern unter …": the ranking as text or the workbook with the assignments.
    void SaveAs();
    // Reference lengths the settings window has just stored: the list shows them at once, the
    // chosen entry stays chosen and the ranking follows.
    void SetConstants(const CxTable& constants);
    // The clock whose date and time a saved text or workbook writes into its header.
    void SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

protected:
    void StoreOwnSettings(SettingsStore& store) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void CreateInputs();
    void CreateLists();
    void ConnectControls();
    void Load();
    void PlaceControls();
    void FillUnits();
    void FillReferenceLengths(const SettingsStore& store);
    // The unit a comment of the list names, chosen once when the comment names a new one.
    void FollowListUnit();
    MultiSearchRequest Request(double tolerance) const;
    void ShowAssignments();
    // The hit picture of the ranking shown, drawn only while its tab is in view: it asks for
    // 30 elements' assignments, which typing should not wait for behind the ranking's tab.
    void ShowPicture();
    void ShowMessage(const QString& title, const QString& text, bool error);
    // Writes the ranking as text, or the workbook with every assignment, and says how it went.
    void SaveResults(const QString& path, bool workbook);
    // "Ce=2.42611E-12 m", as the main window's exports name the reference length.
    QString ReferenceLengthCaption() const;

    // The list or the tolerance is being typed.
    void txt_Messwerte_Change();
    void Cb_Groesse_Click();
    void txt_Toleranz_KeyEnter();
    void InputChanged();

    Desktop& desktop_;
    QString dataFolder_;
    QPlainTextEdit* txt_Messwerte_ = nullptr;
    QPushButton* cmd_Oeffnen_ = nullptr;
    QPushButton* cmd_SpeichernUnter_ = nullptr;
    QComboBox* cb_Groesse_ = nullptr;
    QComboBox* cb_Einheit_ = nullptr;
    QLineEdit* txt_Toleranz_ = nullptr;
    QComboBox* combo_Cx_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLabel* lab_Zusammenfassung_ = nullptr;
    HitPicture* pic_Trefferbild_ = nullptr;
    std::unique_ptr<RankingModel> rankingModel_;
    std::unique_ptr<AssignmentModel> assignmentModel_;
    SortableTableView* lv_Rangliste_ = nullptr;
    SortableTableView* lv_Zuordnung_ = nullptr;
    QAction* me_SpeichernUnter_ = nullptr;
    QTimer* updateTimer_ = nullptr;

    CxTable constants_;
    ValueList list_;
    std::shared_ptr<const std::vector<MeasuredValue>> values_;
    // Kept while the request stays the same: it remembers the values it computed.
    std::optional<MultiMatcher> matcher_;
    std::optional<UnitChoice> listUnit_;
    QString saveAsFolder_;
    bool suppressEvents_ = false;
    bool pictureBehind_ = false;
    std::function<QDateTime()> clock_ = [] {
        return QDateTime::currentDateTime();
    };
};

}  // namespace kolvenar
