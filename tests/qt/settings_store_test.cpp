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

    // What a window's placement becomes when stored and restored: a fixed window keeping its
    // size, stored in its normal state even when minimized; a maximized one stored with its
    // normal place; one stored minimized coming back minimized.
    void placement_data() {
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<QString>("stored");  // WindowState L T W H, in twips
        QTest::addColumn<QRect>("restored");
        QTest::addColumn<QString>("state");  // max, min, stored min
        QTest::addColumn<QString>("saved");
        const auto row = [](const char* name, bool fixed, const char* stored, QRect restored,
                            const char* state, const char* saved) {
            QTest::newRow(name) << fixed << QString(stored) << restored << QString(state)
                                << QString(saved);
        };
        // Stored with its frame.
        row("fixed, minimized anyway", true, "0 150 300 7500 4500", {10, 20, 312, 165}, "min",
            "0 150 300 4740 2535");
        row("maximized", false, "0 150 300 7500 4500", {10, 20, 500, 300}, "max",
            "0 150 300 7500 4500");
        row("stored minimized", false, "1 150 300 7500 4500", {10, 20, 500, 300}, "stored min",
            "1 150 300 7500 4500");
    }

    void placement() {
        QFETCH(bool, fixed);
        QFETCH(QString, stored);
        QFETCH(QRect, restored);
        QFETCH(QString, state);
        QFETCH(QString, saved);
        const WindowBorder border = fixed ? WindowBorder::Fixed : WindowBorder::Resizable;
        const testing::FreshSettings settings;
        SettingsStore store;
        for (int i = 0; i < 5; ++i) {
            store.Write("Fm_Test", kPlacementKeys[i], stored.section(' ', i, i));
        }
        QWidget window;
        window.setObjectName("Fm_Test");
        if (fixed) {
            window.setFixedSize(312, 165);
        }
        RestoreWindowPlacement(window, border, store);
        QCOMPARE(window.geometry(), restored);
        QCOMPARE(bool(window.windowState() & Qt::WindowMinimized), state == "stored min");
        if (state == "max" || state == "min") {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.setWindowState(state == "max" ? Qt::WindowMaximized : Qt::WindowMinimized);
            QTRY_VERIFY(window.windowState() != Qt::WindowNoState);
        }
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
