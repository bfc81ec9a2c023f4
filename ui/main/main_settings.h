#pragma once

#include <QObject>
#include <QString>

#include "ui/main/main_parts.h"

class QMainWindow;

namespace kolvenar {

class TableExports;
class TableRunner;

// What the main window reads from and writes to the settings store: its placement, the
// reference constants, its controls and what the program remembers besides them.
class MainSettings : public QObject {
    Q_OBJECT

public:
    MainSettings(QMainWindow& window, const MainParts& parts, TableRunner& runner,
                 TableExports& exports);

    void RestorePlacement();
    // The constants from the store; a first start stores the factory ones (and the settings
    // window's placement, as earlier versions did).
    void LoadReferenceConstants();
    // The controls' values, with the window's handlers quiet.
    void RestoreControls();
    // Placement, controls and the rest, as the window closes.
    void Store();

signals:
    // The settings file could not be written.
    void settingsNotWritten(const QString& fileName);

private:
    QMainWindow& window_;
    const MainParts& parts_;
    TableRunner& runner_;
    TableExports& exports_;
};

}  // namespace kolvenar
