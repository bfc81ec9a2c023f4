// The settings store and window placement, on a store of their own. (Settings at their edges or
// damaged, and windows stored off every screen: see damaged_settings_test.)
#include <QFile>
#include <QTest>
#include <QWidget>

#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "support/test_support.h"

using namespace kolvenar;

class SettingsStoreTest : public QObject {
    Q_OBJECT

private:
    static constexpr const char* kPlacementKeys[] = {"WindowState", "L", "T", "W", "H"};

private slots:
    // Reading creates nothing; written text comes back unchanged in the next run, and where a
    // number is read it gives the default.
    void textComesBack() {
        const testing::FreshSettings settings;
        QVERIFY(SettingsStore().Sync());
        QVERIFY(!QFile::exists(settings.FilePath()));
        SettingsStore().Write("Fm_Main", "Cx_Bezeichnung0", " Tabelle=1; \"zitiert\", 7,5 % Ü ");
        const SettingsStore later;
        QCOMPARE(later.Read("Fm_Main", "Cx_Bezeichnung0", ""),
                 QString(" Tabelle=1; \"zitiert\", 7,5 % Ü "));
        QCOMPARE(later.ReadReal("Fm_Main", "Cx_Bezeichnung0", 7), 7.0);
    }

    // A window's placement stored and restored: a fixed window keeps its size and is stored
    // with its frame and in its normal state even when minimized; a maximized one is stored with
    // its normal place.
    void placement_data() {
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<QString>("saved");  // WindowState L T W H, in twips
        QTest::newRow("fixed, minimized") << true << QString("0 150 300 4740 2535");
        QTest::newRow("maximized") << false << QString("0 150 300 7500 4500");
    }

    void placement() {
        QFETCH(bool, fixed);
        QFETCH(QString, saved);
        const WindowBorder border = fixed ? WindowBorder::Fixed : WindowBorder::Resizable;
        const testing::FreshSettings settings;
        SettingsStore store;
        for (int i = 0; i < 5; ++i) {
            store.Write("Fm_Test", kPlacementKeys[i],
                        QString("0 150 300 7500 4500").section(' ', i, i));
        }
        QWidget window;
        window.setObjectName("Fm_Test");
        if (fixed) {
            window.setFixedSize(312, 165);
        }
        RestoreWindowPlacement(window, border, store);
        QCOMPARE(window.geometry(), QRect(10, 20, fixed ? 312 : 500, fixed ? 165 : 300));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setWindowState(fixed ? Qt::WindowMinimized : Qt::WindowMaximized);
        QTRY_VERIFY(window.windowState() != Qt::WindowNoState);
        SaveWindowPlacement(window, border, store);
        QStringList placement;
        for (const char* key : kPlacementKeys) {
            placement << store.Read("Fm_Test", key, "-");
        }
        QCOMPARE(placement.join(' '), saved);
    }
};

QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
