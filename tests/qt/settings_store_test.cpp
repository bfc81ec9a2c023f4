// The settings store and window placement, on a store of their own.
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <memory>

#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "support/test_support.h"

using namespace kolvenar;

class SettingsStoreTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::FreshSettings> settings_;

    static QString Placement(const QString& section) {
        SettingsStore store;
        QStringList values;
        for (const char* key : {"WindowState", "L", "T", "W", "H"}) {
            values << store.Read(section, key, "-");
        }
        return values.join(' ');
    }

private slots:
    void init() { settings_ = std::make_unique<testing::FreshSettings>(); }

    // Reading gives the default and creates nothing; written text comes back unchanged in the
    // next run; a list where text belongs reads as missing.
    void textComesBack() {
        QCOMPARE(SettingsStore().Read("Fm_Main", "Einstellungen", "Nein"), QString("Nein"));
        QVERIFY(SettingsStore().Sync());
        QVERIFY(!QFile::exists(settings_->FilePath()));
        {
            SettingsStore store;
            store.Write("Fm_Main", "txt_Toleranz", " 7,5 % ");
            store.Write("Fm_Main", "Cx_Bezeichnung0", "Tabelle=1; \"zitiert\", Ü");
        }
        SettingsStore later;
        QCOMPARE(later.Read("Fm_Main", "txt_Toleranz", ""), QString(" 7,5 % "));
        QCOMPARE(later.Read("Fm_Main", "Cx_Bezeichnung0", ""),
                 QString("Tabelle=1; \"zitiert\", Ü"));
        QSettings(settings_->FilePath(), QSettings::IniFormat)
            .setValue("Fm_Main/L", QStringList{"a", "b"});
        QCOMPARE(SettingsStore().Read("Fm_Main", "L", "0"), QString("0"));
    }

    void numbers_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("whole");
        QTest::addColumn<double>("real");
        QTest::newRow("fits") << "3" << 3 << 3.0;
        QTest::newRow("lowest") << "0" << 0 << 0.0;
        QTest::newRow("highest, blanks around") << " 10 " << 10 << 10.0;
        QTest::newRow("below") << "-1" << 6 << -1.0;
        QTest::newRow("above") << "11" << 6 << 11.0;
        QTest::newRow("comma") << "1234,5" << 6 << 1234.5;
        QTest::newRow("point") << "9600.5" << 6 << 9600.5;
        QTest::newRow("text") << "abc" << 6 << 7.0;
        QTest::newRow("infinite") << "inf" << 6 << 7.0;
        QTest::newRow("huge") << "99999999999999999999" << 6 << 1e20;
    }

    // A whole number from 0 to 10 (default 6), a real one (default 7).
    void numbers() {
        QFETCH(QString, stored);
        QFETCH(int, whole);
        QFETCH(double, real);
        SettingsStore store;
        store.Write("Fm_Main", "X", stored);
        QCOMPARE(store.ReadInt("Fm_Main", "X", 6, 0, 10), whole);
        QCOMPARE(store.ReadReal("Fm_Main", "X", 7), real);
    }

    // What a window's placement becomes when stored and restored: twips in the store, a fixed
    // window keeping its size and its normal state, a maximized one stored with its normal
    // place, a minimized resizable one keeping the place stored before, one stored far off
    // every screen coming back onto the screen.
    void placement_data() {
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<QString>("stored");  // WindowState L T W H, "-" for missing
        QTest::addColumn<QRect>("restored");
        QTest::addColumn<QString>("state");  // normal, max, min
        QTest::addColumn<QString>("saved");
        QTest::newRow("first run") << false << "- - - - -" << QRect(0, 0, 640, 480) << "normal"
                                   << "0 0 0 9600 7200";
        QTest::newRow("stored place")
            << false << "0 450 600 7500 4500" << QRect(30, 40, 500, 300) << "normal"
            << "0 450 600 7500 4500";
        QTest::newRow("fixed") << true << "1 150 300 15000 15000" << QRect(10, 20, 312, 165)
                               << "normal"
                               << "0 150 300 4680 2475";
        QTest::newRow("minimized")
            << false << "0 150 300 7500 4500" << QRect(10, 20, 500, 300) << "min"
            << "1 150 300 7500 4500";
        QTest::newRow("fixed, minimized anyway")
            << true << "0 150 300 7500 4500" << QRect(10, 20, 312, 165) << "min"
            << "0 150 300 4740 2535";  // with its frame
        QTest::newRow("maximized")
            << false << "0 150 300 7500 4500" << QRect(10, 20, 500, 300) << "max"
            << "0 150 300 7500 4500";
        QTest::newRow("stored minimized")
            << false << "1 150 300 7500 4500" << QRect(10, 20, 500, 300) << "stored min"
            << "1 150 300 7500 4500";
    }

    void placement() {
        QFETCH(bool, fixed);
        QFETCH(QString, stored);
        QFETCH(QRect, restored);
        QFETCH(QString, state);
        QFETCH(QString, saved);
        const WindowBorder border = fixed ? WindowBorder::Fixed : WindowBorder::Resizable;
        const QStringList values = stored.split(' ');
        const QStringList keys = {"WindowState", "L", "T", "W", "H"};
        SettingsStore store;
        for (int i = 0; i < 5; ++i) {
            if (values[i] != "-") {
                store.Write("Fm_Test", keys[i], values[i]);
            }
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
        QCOMPARE(Placement("Fm_Test"), saved);
    }

    void windowOffEveryScreenComesBack_data() {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("top");
        QTest::newRow("far right") << "3000000"
                                   << "0";
        QTest::newRow("far up") << "0"
                                << "-3000000";
        QTest::newRow("beyond any int") << "1E300"
                                        << "-1E300";
    }

    void windowOffEveryScreenComesBack() {
        QFETCH(QString, left);
        QFETCH(QString, top);
        SettingsStore store;
        store.Write("Fm_Off", "L", left);
        store.Write("Fm_Off", "T", top);
        QWidget window;
        window.setObjectName("Fm_Off");
        RestoreWindowPlacement(window, WindowBorder::Resizable, store);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.intersects(QRect(window.pos(), window.size())));
    }
};

QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
