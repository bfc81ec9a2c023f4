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

    void WriteRawFile(const QByteArray& content) {
        QDir().mkpath(settings_->Folder() + QStringLiteral("/Kolvenar"));
        QFile file(settings_->FilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

private slots:
    void init() { settings_ = std::make_unique<testing::FreshSettings>(); }

    void readGivesDefaultAndCreatesNothing() {
        SettingsStore store;
        QCOMPARE(store.Read("Fm_Main", "Einstellungen", "Nein"), QString("Nein"));
        QVERIFY(store.Sync());
        QVERIFY(!QFile::exists(settings_->FilePath()));
    }

    void writtenTextComesBackInTheNextRun() {
        {
            SettingsStore store;
            store.Write("Fm_Main", "txt_Toleranz", " 7,5 % ");
            store.Write("Fm_Main", "Cx_Bezeichnung0", "Tabelle=1; \"zitiert\", Ü");
            store.Write("ElementVisible", "Z1", "0");
        }
        SettingsStore later;
        QCOMPARE(later.Read("Fm_Main", "txt_Toleranz", "0.3"), QString(" 7,5 % "));
        QCOMPARE(later.Read("Fm_Main", "Cx_Bezeichnung0", ""),
                 QString("Tabelle=1; \"zitiert\", Ü"));
        QCOMPARE(later.Read("ElementVisible", "Z1", "1"), QString("0"));
        QVERIFY(QFile::exists(settings_->FilePath()));
    }

    void readIntFallsBackOnAnythingThatDoesNotFit_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("fits") << "3" << 3;
        QTest::newRow("lowest") << "0" << 0;
        QTest::newRow("highest") << "10" << 10;
        QTest::newRow("blanks around") << " 4 " << 4;
        QTest::newRow("below") << "-1" << 6;
        QTest::newRow("above") << "11" << 6;
        QTest::newRow("text") << "abc" << 6;
        QTest::newRow("fraction") << "2.5" << 6;
        QTest::newRow("empty") << "" << 6;
        QTest::newRow("huge") << "99999999999999999999" << 6;
    }

    void readIntFallsBackOnAnythingThatDoesNotFit() {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        SettingsStore store;
        store.Write("Fm_Main", "Cb_Einheit3", stored);
        QCOMPARE(store.ReadInt("Fm_Main", "Cb_Einheit3", 6, 0, 10), expected);
    }

    void readRealAcceptsPointAndComma() {
        SettingsStore store;
        store.Write("Fm_Main", "L", "1440");
        store.Write("Fm_Main", "T", "1234,5");
        store.Write("Fm_Main", "W", "9600.5");
        store.Write("Fm_Main", "H", "inf");
        QCOMPARE(store.ReadReal("Fm_Main", "L", 0), 1440.0);
        QCOMPARE(store.ReadReal("Fm_Main", "T", 0), 1234.5);
        QCOMPARE(store.ReadReal("Fm_Main", "W", 0), 9600.5);
        QCOMPARE(store.ReadReal("Fm_Main", "H", 7200), 7200.0);
    }

    void damagedFileReadsAsDefaults() {
        WriteRawFile("\x00\x01\xff[[[Fm_Main\nCb_Einheit0=a, b, c\n=\n[ElementVisible\nZ1");
        SettingsStore store;
        QCOMPARE(store.Read("Fm_Main", "Cb_Einheit0", "4"), QString("4"));
        QCOMPARE(store.ReadInt("Fm_Main", "Cb_Einheit0", 4, 0, 5), 4);
        QCOMPARE(store.Read("ElementVisible", "Z1", "1"), QString("1"));
    }

    void placementOfAResizableWindow() {
        QWidget window;
        window.setObjectName("Fm_Test");
        {
            SettingsStore store;
            RestoreWindowPlacement(window, WindowBorder::Resizable, store);
        }
        // First run: top-left corner, 9600 by 7200 twips.
        QCOMPARE(window.pos(), QPoint(0, 0));
        QCOMPARE(window.size(), QSize(640, 480));

        window.setGeometry(30, 40, 500, 300);
        {
            SettingsStore store;
            SaveWindowPlacement(window, WindowBorder::Resizable, store);
        }
        SettingsStore store;
        QCOMPARE(store.Read("Fm_Test", "WindowState", ""), QString("0"));
        QCOMPARE(store.Read("Fm_Test", "L", ""), QString("450"));
        QCOMPARE(store.Read("Fm_Test", "T", ""), QString("600"));
        QCOMPARE(store.Read("Fm_Test", "W", ""), QString("7500"));
        QCOMPARE(store.Read("Fm_Test", "H", ""), QString("4500"));

        QWidget again;
        again.setObjectName("Fm_Test");
        RestoreWindowPlacement(again, WindowBorder::Resizable, store);
        QCOMPARE(again.geometry(), QRect(30, 40, 500, 300));
    }

    void fixedWindowKeepsItsSize() {
        SettingsStore store;
        store.Write("Fm_Fixed", "L", "150");
        store.Write("Fm_Fixed", "T", "300");
        store.Write("Fm_Fixed", "W", "15000");
        store.Write("Fm_Fixed", "H", "15000");
        store.Write("Fm_Fixed", "WindowState", "1");
        QWidget window;
        window.setObjectName("Fm_Fixed");
        window.setFixedSize(312, 165);
        RestoreWindowPlacement(window, WindowBorder::Fixed, store);
        QCOMPARE(window.geometry(), QRect(10, 20, 312, 165));
        QVERIFY(!(window.windowState() & Qt::WindowMinimized));
    }

    void maximizedWindowIsStoredWithItsNormalPlace() {
        QWidget window;
        window.setObjectName("Fm_Max");
        window.setGeometry(40, 50, 300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        SettingsStore store;
        SaveWindowPlacement(window, WindowBorder::Resizable, store);
        QStringList normal;
        for (const char* key : {"L", "T", "W", "H"}) {
            normal << store.Read("Fm_Max", key, "");
        }
        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        SaveWindowPlacement(window, WindowBorder::Resizable, store);
        QCOMPARE(store.Read("Fm_Max", "WindowState", ""), QString("0"));
        for (const char* key : {"L", "T", "W", "H"}) {
            QCOMPARE(store.Read("Fm_Max", key, ""), normal.takeFirst());
        }
    }

    // A resizable window reopens minimized where it was stored before; a fixed one, which a
    // window manager may minimize although it has no button for it, is stored as if restored.
    void minimizedWindow_data() {
        QTest::addColumn<bool>("fixed");
        QTest::newRow("resizable") << false;
        QTest::newRow("fixed") << true;
    }

    void minimizedWindow() {
        QFETCH(bool, fixed);
        SettingsStore store;
        store.Write("Fm_Min", "L", "150");
        QWidget window;
        window.setObjectName("Fm_Min");
        window.setGeometry(300, 40, 312, 165);
        window.setWindowState(Qt::WindowMinimized);
        SaveWindowPlacement(window, fixed ? WindowBorder::Fixed : WindowBorder::Resizable, store);
        QCOMPARE(store.Read("Fm_Min", "WindowState", ""), QString(fixed ? "0" : "1"));
        QCOMPARE(store.Read("Fm_Min", "L", "") == "150", !fixed);
        QCOMPARE(store.Read("Fm_Min", "W", "none") == "none", !fixed);
    }

    void windowStoredOffEveryScreenComesBack_data() {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("top");
        QTest::newRow("far right") << "3000000"
                                   << "0";
        QTest::newRow("far up") << "0"
                                << "-3000000";
        QTest::newRow("beyond any int") << "1E300"
                                        << "-1E300";
    }

    void windowStoredOffEveryScreenComesBack() {
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
