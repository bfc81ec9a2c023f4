// Window placement on a store of its own. (Settings at their edges or damaged, and windows stored
// off every screen: see damaged_settings_test; sizes kept with the frame: fm_main_windows_test.)
#include <QTest>
#include <QWidget>

#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "support/test_support.h"

using namespace kolvenar;

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    // A window stored minimized comes back minimized at its normal place, in pixels from twips,
    // and is stored so again, with the size it had before.
    void placementStoredMinimized() {
        const testing::FreshSettings settings;
        SettingsStore store;
        const char* keys[] = {"WindowState", "L", "T", "W", "H"};
        const QStringList stored = {"1", "150", "300", "7500", "4500"};
        for (int i = 0; i < 5; ++i) {
            store.Write("Fm_Test", keys[i], stored[i]);
        }
        QWidget window;
        window.setObjectName("Fm_Test");
        RestoreWindowPlacement(window, WindowBorder::Resizable, store);
        QCOMPARE(window.geometry(), QRect(10, 20, 500, 300));
        QVERIFY(window.windowState() & Qt::WindowMinimized);
        SaveWindowPlacement(window, WindowBorder::Resizable, store);
        QStringList saved;
        for (const char* key : keys) {
            saved << store.Read("Fm_Test", key, "-");
        }
        QCOMPARE(saved, stored);
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
