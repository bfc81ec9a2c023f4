// The settings on a store of their own: the reference constants as the main window and the
// settings window read them, and window placement; unit choices as the windows keep them. (Settings
// at their edges or damaged, and windows stored off every screen: see damaged_settings_test; sizes
// kept with the frame: fm_main_windows_test; the file of a first start: fm_main_test.)
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

#include "settings/reference_constants.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "support/main_window_fixture.h"
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

    // Every list keeps its choice as the number of its row, so that a unit added later ("Å")
    // moves no choice that earlier versions stored.
    void unitChoices_data() {
        QTest::addColumn<QString>("steps");
        // A settings file of earlier versions storing the same number for every list that has
        // it: each list opens on the unit it showed then (a stored 1 is still "nm").
        const QStringList lists =
            QString::fromUtf8(testing::ReadFileBytes(QFINDTESTDATA("data/earlier_unit_lists.txt")))
                .split('\n', Qt::SkipEmptyParts)
                .filter(QRegularExpression("^Fm_"));
        QCOMPARE(lists.size(), 9);  // the main window's five, the converter's four
        for (int stored = 0; stored < 15; ++stored) {
            QStringList steps;
            QStringList checks = {"trigger ME_Umrechner"};
            for (const QString& list : lists) {
                const QString control = list.section(' ', 0, 0);
                const QStringList labels = list.section(' ', 1).split('|');
                if (stored < labels.size()) {
                    steps << "store " + control.section('/', 0, 0) + " " + control.section('/', 1) +
                                 " " + QString::number(stored);
                    checks << "=text " + QString(control).remove("Fm_Main/") + " " + labels[stored];
                }
            }
            QTest::newRow(qPrintable("stored " + QString::number(stored)))
                << (steps + checks).join("; ");
        }
        // "Å" takes the next free number of each list: chosen, it is stored so and opens again.
        QTest::newRow("Å has a number of its own")
            << "pick Cb_Einheit1 Å Angström e-10; trigger ME_Umrechner; pick "
               "Fm_Umrechner/Cb_Einheit1 Å Angström e-10; restart; =stored Fm_Main Cb_Einheit1 "
               "10; =stored Fm_Umrechner Cb_Einheit1 5; =text Cb_Einheit1 Å Angström e-10; "
               "trigger ME_Umrechner; =text Fm_Umrechner/Cb_Einheit1 Å Angström e-10; type "
               "Fm_Umrechner/txt_Wert0 1E+18; =text Fm_Umrechner/txt_Wert1 2.9979";
    }

    void unitChoices() {
        QFETCH(QString, steps);
        testing::MainWindowFixture f;
        QVERIFY(f.Run(steps));
        f.ExpectNoStrayDialogs();
    }

    // Its title, in the text export in Windows-1252 (0xC5) and in the workbook in UTF-8.
    void angstromInTheFiles() {
        testing::MainWindowFixture f;
        QVERIFY(f.Run(
            "exportfolder %T; only 1; pick Cb_Einheit1 Å Angström e-10; check chk_Feldauswahl0 "
            "0; check chk_Feldauswahl2 0; check chk_Feldauswahl3 0; check chk_Feldauswahl4 0; "
            "range 10 10; =headers Element|Z|N|L in Å; =row 0 Wasserstoff|1|10|24,8434; answer "
            "OK; trigger ME_Speichern0; answer OK; saveas %T/a.xlsx"));
        QVERIFY(
            testing::ReadFileBytes(f.files.filePath("KolvenarAusgabe.TXT"))
                .endsWith("\r\nElement\tZ\tN\tL in \xC5\r\nWasserstoff\t1\t10\t24,8434\r\n\r\n"));
        QProcess unzip;
        unzip.start("unzip", {"-p", f.files.filePath("a.xlsx"), "xl/worksheets/sheet1.xml"});
        QVERIFY2(unzip.waitForFinished(), "reading the workbook back needs the program unzip");
        QVERIFY(unzip.readAllStandardOutput().contains("<t>L in \xC3\x85</t>"));
        f.ExpectNoStrayDialogs();
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
