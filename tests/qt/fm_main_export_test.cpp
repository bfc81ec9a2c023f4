// Saving the result table: the exact bytes of the fixed exports, "Speichern unter …" with its
// three formats, the workbook read back, and what happens when writing fails.
#include <QFile>
#include <QProcess>
#include <QTest>

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "output/export.h"
#include "output/windows1252.h"
#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;

namespace {

// Hydrogen at N = 0, 1, 2 with only the frequency in Hz, exported into the test's folder.
const QString kThreeRows =
    "exportfolder %T; only 1; pick Cb_Einheit0 Hz; check chk_Feldauswahl1 0; check "
    "chk_Feldauswahl2 0; check chk_Feldauswahl3 0; check chk_Feldauswahl4 0; range 0 2";

const QString kHeader = QStringLiteral(
    "REM Kolvenar ist ein Programm von Quorvin\r\n\r\nREM Datei wurde erzeugt am 05.12.2026 um "
    "07:04 Uhr\r\n\r\nREM Zuzovudezivudizer nach der Gleichung von Velmoran\r\n\r\nREM "
    "Comptonwellenlänge Ce=2.42611E-12 m\r\n\r\n");
const QString kThreeRowFile =
    kHeader + QStringLiteral(
                  "Element\tZ\tN\tf in Hz\r\nWasserstoff\t1\t0\t1,23569194306936E+20\r\n"
                  "Wasserstoff\t1\t1\t6,17845971534679E+19\r\nWasserstoff\t1\t2\t"
                  "3,08922985767339E+19\r\n\r\n");

QString Failure(const QString& what, int error) {
    return "=message  Fehler|ERR SUB ME_Speichern_Click\n" + what + "\n" + QString::number(error) +
           " : " + QString::fromLocal8Bit(std::strerror(error));
}

QString CannotSave(const QString& path, int error) {
    return Failure("Konnte die Datei '" + path + "' nicht speichern !?", error);
}

}  // namespace

class FmMainExportTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

private slots:
    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        f_->Start();
        f_->Window().SetClock([] { return QDateTime(QDate(2026, 12, 5), QTime(7, 4, 59)); });
    }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
    }

    void saving_data() {
        QTest::addColumn<QString>("steps");
        QTest::newRow("TXT byte for byte, over an earlier file")
            << kThreeRows +
                   QString(
                       "; file %T/KolvenarAusgabe.TXT alt; answer OK; trigger ME_Speichern0; ") +
                   ("=file %T/KolvenarAusgabe.TXT " + kThreeRowFile) +
                   "; =message  Meldung|Datei wurde gespeichert als\n%T/KolvenarAusgabe.TXT; "
                   "=opened file://%T";
        QTest::newRow("XLS the same text")
            << kThreeRows + QString("; answer OK; trigger ME_Speichern1; ") +
                   ("=file %T/KolvenarAusgabe.XLS " + kThreeRowFile) +
                   "; =message  Meldung|Datei wurde gespeichert als\n%T/KolvenarAusgabe.XLS";
        QTest::newRow("umlauts and unit signs are single bytes")
            << QString(
                   "exportfolder %T; only 42 55; pick Cb_Einheit0 µHz Mikro e-6; range 0 0; answer "
                   "OK; trigger ME_Speichern0; ") +
                   ("=file %T/KolvenarAusgabe.TXT " + kHeader +
                    "Element\tZ\tN\tf in µHz\tL in m\tT in ns\tA in m²\tV in "
                    "m³\r\nMolybdän\t42\t0\t"
                    "2,94212367397466E+24\t0\t0\t0\t0\r\nCäsium\t55\t0\t2,24671262376247E+"
                    "24\t0\t0\t0\t"
                    "0\r\n\r\n");
        QTest::newRow("sorted as shown")
            << kThreeRows + QString("; header N; header N; answer OK; trigger ME_Speichern0; ") +
                   ("=file %T/KolvenarAusgabe.TXT " + kHeader +
                    "Element\tZ\tN\tf in Hz\r\nWasserstoff\t1\t2\t3,08922985767339E+19\r\n"
                    "Wasserstoff\t1\t1\t6,17845971534679E+19\r\nWasserstoff\t1\t0\t"
                    "1,23569194306936E+20\r\n\r\n");
        QTest::newRow("folder that is a file")
            << kThreeRows +
                   QString(
                       "; file %T/kein_ordner x; exportfolder %T/kein_ordner; answer OK; trigger "
                       "ME_Speichern1; ") +
                   (CannotSave("%T/kein_ordner/KolvenarAusgabe.XLS", ENOTDIR)) +
                   "; =file %T/kein_ordner x; =opened ";
        QTest::newRow("missing folder")
            << kThreeRows +
                   QString("; exportfolder %T/fehlt/auch; answer OK; trigger ME_Speichern0; ") +
                   (CannotSave("%T/fehlt/auch/KolvenarAusgabe.TXT", ENOENT)) + "; =files %T ";
        QTest::newRow("folder in the place of the file")
            << kThreeRows +
                   QString(
                       "; folder %T/KolvenarAusgabe.TXT/inhalt; answer OK; trigger "
                       "ME_Speichern0; ") +
                   (CannotSave("%T/KolvenarAusgabe.TXT", EISDIR)) + "; =files %T ";
        QTest::newRow("read-only earlier file, unprivileged")
            << kThreeRows +
                   QString(
                       "; file %T/KolvenarAusgabe.TXT alt; readonly %T/KolvenarAusgabe.TXT; answer "
                       "OK; trigger ME_Speichern0; ") +
                   (CannotSave("%T/KolvenarAusgabe.TXT", EACCES)) +
                   "; =file %T/KolvenarAusgabe.TXT alt";
        // Where the program's folder may not be written, exports go to the user's data folder.
        QTest::newRow("read-only program folder, unprivileged")
            << kThreeRows +
                   QString(
                       "; file %T/bin/KolvenarAusgabe.TXT alt; readonly %T/bin; exportfolder "
                       "%T/bin; userfolder %T/home/daten/Kolvenar; answer OK; answer OK; trigger "
                       "ME_Speichern0; trigger ME_Speichern1; ") +
                   ("=file %T/home/daten/Kolvenar/KolvenarAusgabe.XLS " + kThreeRowFile) +
                   "; =opened file://%T/home/daten/Kolvenar; =file %T/bin/KolvenarAusgabe.TXT alt; "
                   "=files %T/home/daten/Kolvenar KolvenarAusgabe.TXT KolvenarAusgabe.XLS";
        QTest::newRow("data folder under a file, unprivileged")
            << kThreeRows +
                   QString(
                       "; folder %T/bin; readonly %T/bin; exportfolder %T/bin; file %T/home x; "
                       "userfolder %T/home/Kolvenar; answer OK; trigger ME_Speichern0; ") +
                   (Failure("Konnte den Ordner '%T/home/Kolvenar' nicht anlegen !?", ENOTDIR)) +
                   "; =opened ";
        QTest::newRow("data folder in a read-only home, unprivileged")
            << kThreeRows +
                   QString(
                       "; folder %T/bin; readonly %T/bin; exportfolder %T/bin; folder %T/home; "
                       "readonly %T/home; userfolder %T/home/Kolvenar; answer OK; trigger "
                       "ME_Speichern0; ") +
                   (Failure("Konnte den Ordner '%T/home/Kolvenar' nicht anlegen !?", EACCES));
        // "Speichern unter …": a typed extension picks the format whatever type is chosen;
        // without one the type decides. The text forms are the fixed export's bytes.
        QTest::newRow("save as .xlsx with the text type chosen")
            << kThreeRows +
                   "; =enabled ME_SpeichernUnter 1; answer OK; saveas %T/ergebnis.xlsx | Text, "
                   "Tabulator getrennt (*.txt); =message  Meldung|Datei wurde gespeichert "
                   "als\n%T/ergebnis.xlsx; =opened ; =files %T ergebnis.xlsx";
        QTest::newRow("save as .txt with the workbook chosen")
            << kThreeRows +
                   QString("; answer OK; saveas %T/ergebnis.txt | Excel-Arbeitsmappe (*.xlsx); ") +
                   ("=file %T/ergebnis.txt " + kThreeRowFile);
        QTest::newRow("save as without extension, xls chosen")
            << kThreeRows +
                   QString(
                       "; answer OK; saveas %T/ergebnis | Text für Tabellenkalkulation (*.xls); ") +
                   ("=file %T/ergebnis.xls " + kThreeRowFile);
        QTest::newRow("save as upper-case .XLSX")
            << kThreeRows + "; answer OK; saveas %T/ERGEBNIS.XLSX; =files %T ERGEBNIS.XLSX";
        QTest::newRow("save as starts where it saved last")
            << kThreeRows +
                   "; folder %T/ablage; answer OK; saveas %T/ablage/e.txt; =dialog %T/ablage; "
                   "restart; =dialog %T/ablage; =stored Fm_Main SpeichernUnterOrdner %T/ablage";
        QTest::newRow("save as into a missing folder")
            << kThreeRows + QString("; answer OK; saveas %T/fehlt/e.xlsx; ") +
                   (CannotSave("%T/fehlt/e.xlsx", ENOENT)) +
                   "; answer OK; saveas %T/fehlt/e.txt; " + (CannotSave("%T/fehlt/e.txt", ENOENT));
        QTest::newRow("save as over a read-only file, unprivileged")
            << kThreeRows +
                   QString(
                       "; file %T/alt.xlsx alt; readonly %T/alt.xlsx; answer Ja; answer OK; saveas "
                       "%T/alt.xlsx; ") +
                   (CannotSave("%T/alt.xlsx", EACCES)) +
                   "; =file %T/alt.xlsx alt; file %T/alt.txt alt; readonly %T/alt.txt; answer Ja; "
                   "answer OK; saveas %T/alt.txt; " +
                   (CannotSave("%T/alt.txt", EACCES)) + "; =files %T alt.txt alt.xlsx; =messages 4";
        QTest::newRow("save as asks before replacing")
            << kThreeRows +
                   "; file %T/alt.txt alt; answer Nein; saveas %T/alt.txt; =message  Achtung|Die "
                   "Datei '%T/alt.txt' gibt es schon.\nSoll sie ersetzt werden ?; =file %T/alt.txt "
                   "alt";
    }

    void saving() {
        QFETCH(QString, steps);
        if (QString(QTest::currentDataTag()).endsWith("unprivileged") && geteuid() == 0) {
            QSKIP("needs an unprivileged user; see the _unprivileged test");
        }
        QVERIFY(f_->Run(steps));
    }

    // The first time the dialog starts in the documents folder.
    void saveAsStartsInTheDocumentsFolder() {
        qputenv("HOME", f_->files.filePath("home").toLocal8Bit());
        QVERIFY(f_->Run({"folder %T/home/Documents", "=dialog %T/home/Documents"}));
    }

    // Numbers are numbers holding the value the table shows, "Überlauf" and names are text, the
    // titles are bold and frozen, the sheet is named after the program.
    void workbookReadsBack() {
        QVERIFY(
            f_->Run("only 5 55; check chk_Runden 0; check chk_Feldauswahl0 0; check "
                    "chk_Feldauswahl2 0; check chk_Feldauswahl4 0; range 546 546; =row 0 "
                    "Bor|5|546|2,79420409499627E+153|7,80757652449394E+306; answer OK; "
                    "saveas %T/t.xlsx"));
        const auto part = [this](const QString& name) {
            QProcess unzip;
            unzip.start("unzip", {"-p", f_->files.filePath("t.xlsx"), name});
            unzip.waitForFinished();
            return QString::fromUtf8(unzip.readAllStandardOutput());
        };
        QVERIFY(part("xl/workbook.xml").contains("<sheet name=\"Kolvenar\""));
        const QString sheet = part("xl/worksheets/sheet1.xml");
        for (const char* expected :
             {"<c r=\"A1\" t=\"inlineStr\"><is><t>REM Kolvenar ist ein Programm von "
              "Quorvin</t></is></c>",
              "<c r=\"A4\" t=\"inlineStr\"><is><t>REM Comptonwellenlänge Ce=2.42611E-12 "
              "m</t></is></c>",
              "<pane ySplit=\"5\" topLeftCell=\"A6\" activePane=\"bottomLeft\" state=\"frozen\"/>",
              "<c r=\"A5\" s=\"1\" t=\"inlineStr\"><is><t>Element</t></is></c>",
              "<c r=\"E5\" s=\"1\" t=\"inlineStr\"><is><t>A in m²</t></is></c>",
              // The values as the table shows them, to 15 digits, not the values computed.
              "<c r=\"B6\"><v>5</v></c><c r=\"C6\"><v>546</v></c><c "
              "r=\"D6\"><v>2.79420409499627E+153"
              "</v></c><c r=\"E6\"><v>7.80757652449394E+306</v></c>",
              "<c r=\"A7\" t=\"inlineStr\"><is><t>Cäsium</t></is></c>",
              "<c r=\"E7\" t=\"inlineStr\"><is><t>Überlauf</t></is></c>",
              // As wide as the longest text, here the title "Element", and never below 6.
              "<col min=\"1\" max=\"1\" width=\"9.7109375\" customWidth=\"1\"/>",
              "<col min=\"2\" max=\"2\" width=\"6.7109375\" customWidth=\"1\"/>"}) {
            QVERIFY2(sheet.contains(QString::fromUtf8(expected)), expected);
        }
    }

    // A failure is described by the system's error where there is one, otherwise by Qt's; it
    // never reads "0 : Success".
    void failureDescriptions_data() {
        QTest::addColumn<bool>("qtError");
        QTest::addColumn<int>("systemError");
        QTest::addColumn<int>("number");
        QTest::newRow("system error") << true << ENOSPC << ENOSPC;
        QTest::newRow("Qt's error only") << true << 0 << int(QFileDevice::OpenError);
        QTest::newRow("no error known") << false << 0 << int(QFileDevice::UnspecifiedError);
    }

    void failureDescriptions() {
        QFETCH(bool, qtError);
        QFETCH(int, systemError);
        QFETCH(int, number);
        QFile file(f_->files.filePath("fehlt/datei"));
        if (qtError) {
            QVERIFY(!file.open(QIODevice::ReadOnly));
        }
        const FileFailure failure = DescribeFileFailure(file, systemError);
        QCOMPARE(failure.number, number);
        QVERIFY(!failure.description.isEmpty());
        QVERIFY(!failure.description.contains("Success"));
    }

    void windows1252_data() {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("umlauts") << QByteArray("Z\tN\räöüÄÖÜß")
                                 << QByteArray("Z\tN\r\xE4\xF6\xFC\xC4\xD6\xDC\xDF");
        QTest::newRow("unit signs, euro") << QByteArray("µ²³€") << QByteArray("\xB5\xB2\xB3\x80");
        QTest::newRow("not in the code page")
            << QByteArray("aЖb\xF0\x9F\x98\x80y\xC2\x81") << QByteArray("a?b?y?");
        QTest::newRow("broken bytes")
            << QByteArray("a\xFF\x62\x80\x80\x80\x80\x80\xE2\x82") << QByteArray("a?b???");
        QTest::newRow("overlong, surrogate, cut")
            << QByteArray("\xC0\xAF\xED\xA0\x80x\xC3") << QByteArray("??x?");
        QTest::newRow("lead without its follower") << QByteArray("\xC3\x62") << QByteArray("?b");
    }

    void windows1252() {
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, expected);
        QCOMPARE(QByteArray::fromStdString(ToWindows1252(utf8.toStdString())), expected);
    }
};

QTEST_MAIN(FmMainExportTest)
#include "fm_main_export_test.moc"
