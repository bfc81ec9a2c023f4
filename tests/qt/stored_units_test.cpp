// Unit choices in the settings file: every list keeps its choice as the number of its row, so
// that a unit added later ("Å") moves no choice that earlier versions stored.
#include <QProcess>
#include <QTest>

#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;

namespace {

// Every unit list of the main window and the converter, with the labels earlier versions showed
// for the numbers 0, 1, 2, ... they stored.
const QList<std::pair<QString, QStringList>> kEarlierLists = {
    {"Fm_Main/Cb_Einheit0",
     {"µHz Mikro e-6", "mHz Milli e-3", "Hz", "kHz Kilo e+3", "MHz Mega e+6", "GHz Giga e+9"}},
    {"Fm_Main/Cb_Einheit1",
     {"pm Pico e-12", "nm Nano e-9", "µm Mikro e-6", "mm Milli e-3", "cm Centi e-2", "m",
      "km Kilo e+3", "AE", "Lichtjahre", "Parsec"}},
    {"Fm_Main/Cb_Einheit2",
     {"as Atto e-18", "fs Femto e-15", "ps Pico e-12", "ns Nano e-9", "µs Mikro e-6",
      "ms Milli e-3", "s", "Min.", "Std.", "Tage", "Jahre"}},
    {"Fm_Main/Cb_Einheit3",
     {"pm² Pico e-12", "nm² Nano e-9", "µm² Mikro e-6", "mm² Milli e-3", "cm² Centi e-2",
      "dm² Dezi e-1", "m²", "km² Kilo e+3", "AE²", "Lichtjahre²", "Parsec²"}},
    {"Fm_Main/Cb_Einheit4",
     {"pm³ Pico e-12", "nm³ Nano e-9", "µm³ Mikro e-6", "mm³ Milli e-3", "cm³ Milliliter e-2",
      "dm³ Liter e-1", "m³", "km³ Kilo e+3", "AE³", "Lichtjahre³", "Parsec³"}},
    {"Fm_Umrechner/Cb_Einheit0",
     {"µHz Mikro e-6", "mHz Milli e-3", "Hz", "kHz Kilo e+3", "MHz Mega e+6", "GHz Giga e+9"}},
    {"Fm_Umrechner/Cb_Einheit1",
     {"µm Mikro e-6", "mm Milli e-3", "cm Centi e-2", "m", "km Kilo e+3"}},
};

const QStringList kEarlierPrefixes = {"Atto e-18", "Femto e-15", "Pico e-12", "Nano e-9",
                                      "Mikro e-6", "Milli e-3",  "Centi e-2", "Dezi e-1",
                                      "",          "Deka e+1",   "Hekto e+2", "Kilo e+3",
                                      "Mega e+6",  "Giga e+9",   "Tera e+12"};

}  // namespace

class StoredUnitsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
    }

    // A settings file of earlier versions that stores the same number for every list that has
    // it: each list opens on the unit it showed then (a stored 1 is still "nm").
    void earlierChoicesOpenAsBefore_data() {
        QTest::addColumn<QString>("steps");
        QList<std::pair<QString, QStringList>> lists = kEarlierLists;
        lists.append({"Fm_Umrechner/Cb_EinheitX0", kEarlierPrefixes});
        lists.append({"Fm_Umrechner/Cb_EinheitX1", kEarlierPrefixes});
        for (int stored = 0; stored < kEarlierPrefixes.size(); ++stored) {
            QStringList steps;
            QStringList checks = {"trigger ME_Umrechner"};
            for (const auto& [control, labels] : lists) {
                if (stored < labels.size()) {
                    const QString key = control.section('/', 1);
                    steps << QString("store %1 %2 %3")
                                 .arg(control.section('/', 0, 0), key)
                                 .arg(stored);
                    checks << "=text " + (control.startsWith("Fm_Main") ? key : control) + " " +
                                  labels[stored];
                }
            }
            QTest::newRow(qPrintable("stored " + QString::number(stored)))
                << (steps + checks).join("; ");
        }
    }

    void earlierChoicesOpenAsBefore() {
        QFETCH(QString, steps);
        QVERIFY(f_->Run(steps));
    }

    // "Å" takes the next free number of each list: chosen, it is stored so and opens again.
    void angstromHasANumberOfItsOwn() {
        QVERIFY(f_->Run(
            "pick Cb_Einheit1 Å Angström e-10; trigger ME_Umrechner; pick "
            "Fm_Umrechner/Cb_Einheit1 Å Angström e-10; restart; =stored Fm_Main Cb_Einheit1 10; "
            "=stored Fm_Umrechner Cb_Einheit1 5; =text Cb_Einheit1 Å Angström e-10; trigger "
            "ME_Umrechner; =text Fm_Umrechner/Cb_Einheit1 Å Angström e-10; type "
            "Fm_Umrechner/txt_Wert0 1E+18; =text Fm_Umrechner/txt_Wert1 2.9979"));
    }

    // Its title, in the text export in Windows-1252 (0xC5) and in the workbook in UTF-8.
    void angstromInTheTitles() {
        f_->Start();
        f_->Window().SetClock([] { return QDateTime(QDate(2026, 12, 5), QTime(7, 4)); });
        QVERIFY(f_->Run(
            "exportfolder %T; only 1; pick Cb_Einheit1 Å Angström e-10; check chk_Feldauswahl0 "
            "0; check chk_Feldauswahl2 0; check chk_Feldauswahl3 0; check chk_Feldauswahl4 0; "
            "range 10 10; =headers Element|Z|N|L in Å; =row 0 Wasserstoff|1|10|24,8434; answer "
            "OK; trigger ME_Speichern0; =file %T/KolvenarAusgabe.TXT REM Kolvenar ist ein "
            "Programm von Quorvin\r\n\r\nREM Datei wurde erzeugt am 05.12.2026 um 07:04 "
            "Uhr\r\n\r\nREM Zuzovudezivudizer nach der Gleichung von Velmoran\r\n\r\nREM "
            "Comptonwellenlänge Ce=2.42611E-12 m\r\n\r\nElement\tZ\tN\tL in "
            "Å\r\nWasserstoff\t1\t10\t24,8434\r\n\r\n; answer OK; saveas %T/a.xlsx"));
        QVERIFY(testing::ReadFileBytes(f_->files.filePath("KolvenarAusgabe.TXT"))
                    .contains("L in \xC5\r\n"));
        QProcess unzip;
        unzip.start("unzip", {"-p", f_->files.filePath("a.xlsx"), "xl/worksheets/sheet1.xml"});
        QVERIFY2(unzip.waitForFinished(), "reading the workbook back needs the program unzip");
        QVERIFY(unzip.readAllStandardOutput().contains("<t>L in \xC3\x85</t>"));
    }
};

QTEST_MAIN(StoredUnitsTest)
#include "stored_units_test.moc"
