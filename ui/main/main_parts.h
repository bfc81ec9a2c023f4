#pragma once

#include <QAction>

#include <array>

class QPushButton;

namespace kolvenar {

class ElementSelection;
class NRangePanel;
class OutputOptionsPanel;
class ReferenceLengthPanel;
class ResultTableView;
class UnitsPanel;

// The panels and controls of the main window that the classes doing its work reach; the window
// creates them and owns them through Qt.
struct MainParts {
    UnitsPanel* units = nullptr;
    OutputOptionsPanel* outputOptions = nullptr;
    NRangePanel* nRange = nullptr;
    ElementSelection* elements = nullptr;
    ReferenceLengthPanel* reference = nullptr;
    ResultTableView* table = nullptr;
    QPushButton* markButton = nullptr;
    // "Abweichung zeigen" in the menu Ansicht.
    QAction* deviation = nullptr;
    // "Speichern TXT", "Speichern XLS" and "Speichern unter …", available together.
    std::array<QAction*, 3> saveEntries{};

    void SetSaveEntriesEnabled(bool on) const {
        for (QAction* entry : saveEntries) {
            entry->setEnabled(on);
        }
    }
};

}  // namespace kolvenar
