// The settings on a store of their own: the reference constants as the main window and the
// settings window read them, and window placement. (Settings at their edges or damaged, and
// windows stored off every screen: see damaged_settings_test; sizes kept with the frame:
// fm_main_windows_test; the file of a first start: fm_main_test.)
#include <QTest>
#include <QWidget>

#include "settings/reference_constants.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "support/test_support.h"

using namespace kolvenar;

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    // The main window reads a missing slot as "--", 1 m, "---" and a value by its leading number,
    // 0 or none meaning 1; the settings window shows the text as stored.
    void referenceConstants_data() {
        QTest::addColumn<QString>("storedValue");
        QTest::addColumn<double>("length");
        QTest::newRow("leading number") << "2.5E-3xyz" << 0.0025;
        QTest::newRow("zero") << "0" << 1.0;
        QTest::newRow("empty") << "" << 1.0;
        QTest::newRow("too small to hold") << "1E-400" << 1.0;
    }

    void referenceConstants() {
        QFETCH(QString, storedValue);
        QFETCH(double, length);
        const testing::FreshSettings settings;
        SettingsStore store;
        store.Write("Fm_Main", "Cx_Wert1", storedValue);
        const CxTable constants = ReadReferenceConstants(store);
        QCOMPARE(constants[1].Cx_Wert, length);
        QCOMPARE(QString::fromStdString(constants[1].Cx + "|" + constants[0].Cx + "|" +
                                        constants[0].Cx_Bezeichnung),
                 QString("--|--|---"));
        QCOMPARE(ReadReferenceConstantTexts(store)[1].Cx_Wert, storedValue);
    }

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

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
