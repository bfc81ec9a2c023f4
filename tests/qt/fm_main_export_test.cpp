// Saving the result table: the exact bytes of the fixed exports, "Speichern unter …" with its
// three formats, the workbook read back, and what happens when writing fails.
#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QXmlStreamReader>

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "export/export.h"
#include "export/text_buffer.h"
#include "export/windows1252.h"
#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;

namespace {

// Hydrogen at N = 0, 1, 2 with only the frequency in Hz, exported into the test's folder.
const QString kThreeRows =
    "exportfolder %T; only 1; pick Cb_Einheit0 Hz; check chk_Feldauswahl1 0; check "
    "chk_Feldauswahl2 0; check chk_Feldauswahl3 0; check chk_Feldauswahl4 0; range 0 2; ";

const QString kHeader = QStringLiteral(
    "REM Kolvenar ist ein Programm von Quorvin\r\n\r\nREM Datei wurde erzeugt am 05.12.2026 um "
    "07:04 Uhr\r\n\r\nREM Zuzovudezivudizer nach der Gleichung von Velmoran\r\n\r\nREM "
    "Comptonwellenlänge Ce=2.42611E-12 m\r\n\r\n");
const QString kThreeRowFile =
    kHeader +
    "Element\tZ\tN\tf in Hz\r\nWasserstoff\t1\t0\t1,23569194306936E+20\r\n"
    "Wasserstoff\t1\t1\t6,17845971534679E+19\r\nWasserstoff\t1\t2\t3,08922985767339E+19\r\n\r\n";
const QString kSaved = "=message  Meldung|Datei wurde gespeichert als\n";

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
        // Where "Speichern unter …" starts the first time: the documents folder in here.
        qputenv("HOME", f_->files.filePath("home").toLocal8Bit());
        f_->Start();
        f_->Window().SetClock([] { return QDateTime(QDate(2026, 12, 5), QTime(7, 4, 59)); });
    }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
    }

    void saving_data() {
        QTest::addColumn<QString>("steps");
        // The three rows above, then the steps given; "$THREE" stands for the file holding
        // them, "$SAVED " for the message that a file was saved.
        const auto row = [](const char* name, const QString& steps) {
            QTest::newRow(name)
                << kThreeRows +
                       QString(steps).replace("$THREE", kThreeRowFile).replace("$SAVED ", kSaved);
        };
        const QString txt = "answer OK; trigger ME_Speichern0; ";
        row("TXT and XLS byte for byte, over an earlier file, sorted as shown",
            "file %T/KolvenarAusgabe.TXT alt; " + txt +
                "=file %T/KolvenarAusgabe.TXT $THREE; $SAVED %T/KolvenarAusgabe.TXT; =opened "
                "file://%T; answer OK; trigger ME_Speichern1; =file %T/KolvenarAusgabe.XLS $THREE; "
                "$SAVED %T/KolvenarAusgabe.XLS; header N; header N; " +
                txt + "=file %T/KolvenarAusgabe.TXT " + kHeader +
                "Element\tZ\tN\tf in Hz\r\nWasserstoff\t1\t2\t3,08922985767339E+19\r\n"
                "Wasserstoff\t1\t1\t6,17845971534679E+19\r\n"
                "Wasserstoff\t1\t0\t1,23569194306936E+20\r\n\r\n");
        // Nothing is left behind, nothing is opened.
        row("export folder a file, missing, or a folder in the place of the file",
            "file %T/kein_ordner x; exportfolder %T/kein_ordner; answer OK; trigger "
            "ME_Speichern1; " +
                CannotSave("%T/kein_ordner/KolvenarAusgabe.XLS", ENOTDIR) +
                "; =file %T/kein_ordner x; exportfolder %T/fehlt/auch; " + txt +
                CannotSave("%T/fehlt/auch/KolvenarAusgabe.TXT", ENOENT) +
                "; exportfolder %T; folder %T/KolvenarAusgabe.TXT/inhalt; " + txt +
                CannotSave("%T/KolvenarAusgabe.TXT", EISDIR) + "; =files %T kein_ordner; =opened ");
        // Where the program's folder may not be written, exports go to the user's data folder.
        row("read-only program folder, unprivileged",
            "file %T/bin/KolvenarAusgabe.TXT alt; readonly %T/bin; exportfolder %T/bin; userfolder "
            "%T/home/daten/Kolvenar; answer OK; " +
                txt +
                "trigger ME_Speichern1; =opened file://%T/home/daten/Kolvenar; =file "
                "%T/bin/KolvenarAusgabe.TXT alt; =files %T/home/daten/Kolvenar KolvenarAusgabe.TXT "
                "KolvenarAusgabe.XLS; file %T/datei x; userfolder %T/datei/Kolvenar; " +
                txt + Failure("Konnte den Ordner '%T/datei/Kolvenar' nicht anlegen !?", ENOTDIR) +
                "; =opened file://%T/home/daten/Kolvenar; folder %T/haus; readonly %T/haus; "
                "userfolder %T/haus/Kolvenar; " +
                txt + Failure("Konnte den Ordner '%T/haus/Kolvenar' nicht anlegen !?", EACCES));
        // "Speichern unter …": a typed extension picks the format whatever type is chosen;
        // without one the type decides. The text forms are the fixed export's bytes.
        row("save as: the extension decides, else the type",
            "=enabled ME_SpeichernUnter 1; answer OK; saveas %T/ergebnis.xlsx | Text, Tabulator "
            "getrennt (*.txt); $SAVED %T/ergebnis.xlsx; =opened ; answer OK; saveas "
            "%T/ERGEBNIS.XLSX; answer OK; saveas %T/ergebnis.txt | Excel-Arbeitsmappe (*.xlsx); "
            "=file %T/ergebnis.txt $THREE; answer OK; saveas %T/ergebnis | Text für "
            "Tabellenkalkulation (*.xls); =file %T/ergebnis.xls $THREE; =files %T ERGEBNIS.XLSX "
            "ergebnis.txt ergebnis.xls ergebnis.xlsx");
        // A read-only earlier file is left alone, by the fixed export and by "Speichern unter …"
        // (whose text form writes as the fixed export does).
        row("read-only earlier files, unprivileged",
            "file %T/KolvenarAusgabe.TXT alt; readonly %T/KolvenarAusgabe.TXT; " + txt +
                CannotSave("%T/KolvenarAusgabe.TXT", EACCES) +
                "; file %T/alt.xlsx alt; readonly %T/alt.xlsx; answer Ja; answer OK; saveas "
                "%T/alt.xlsx; " +
                CannotSave("%T/alt.xlsx", EACCES) +
                "; =files %T KolvenarAusgabe.TXT alt.xlsx; =file %T/KolvenarAusgabe.TXT alt; =file "
                "%T/alt.xlsx alt; =messages 3");
        // "Nein" goes back to the dialog, which still shows the name; closing the question
        // cancels.
        row("save as asks before replacing",
            "file %T/alt.txt alt; dialog %T/alt.txt; dialog %T/neu.txt; answer Nein; answer OK; "
            "trigger ME_SpeichernUnter; =dialog alt.txt; $SAVED %T/neu.txt; answer Escape; saveas "
            "%T/alt.txt; =message  Achtung|Die Datei '%T/alt.txt' gibt es schon.\nSoll sie "
            "ersetzt werden ?; =messages 3; =file %T/alt.txt alt; =files %T alt.txt neu.txt");
    }

    void saving() {
        QFETCH(QString, steps);
        if (QString(QTest::currentDataTag()).endsWith("unprivileged") && geteuid() == 0) {
            QSKIP("needs an unprivileged user; see the _unprivileged test");
        }
        QVERIFY(f_->Run(steps));
    }

    // Numbers are numbers holding the value the table shows, "Überlauf" and names are text, the
    // titles are bold and frozen, the sheet is named after the program.
    void workbookReadsBack() {
        f_->CloseWindow();
        QVERIFY(f_->Run(
            "store Fm_Main Einstellungen Ja; store Fm_Main Cx4 <&_x0041_\x01>; store Fm_Main "
            "Cx_Wert4 2.42611E-12; store Fm_Main Combo_Cx 4; only 5 55 104; check chk_Runden 0; "
            "check chk_Feldauswahl0 0; check "
            "chk_Feldauswahl2 0; check chk_Feldauswahl4 0; range 546 546; answer OK; "
            "saveas %T/t.xlsx"));
        QProcess check;
        check.start("unzip", {"-tq", f_->files.filePath("t.xlsx")});
        check.waitForFinished();
        QVERIFY2(check.exitCode() == 0, check.readAllStandardOutput().constData());
        const auto part = [this](const QString& name, const QString& file = "t.xlsx") {
            QProcess unzip;
            unzip.start("unzip", {"-p", f_->files.filePath(file), name});
            unzip.waitForFinished();
            return QString::fromUtf8(unzip.readAllStandardOutput());
        };
        // The parts that say what the package holds and name the sheet "Kolvenar", byte for byte
        // as LibreOffice Calc and openpyxl read them; the others well-formed. (unzip takes a name
        // as a pattern, so the bracket is escaped.)
        const QString fixed = part("[[]Content_Types].xml") + part("_rels/.rels") +
                              part("xl/_rels/workbook.xml.rels") + part("xl/workbook.xml") +
                              part("xl/styles.xml");
        QCOMPARE(QCryptographicHash::hash(fixed.toUtf8(), QCryptographicHash::Sha256).toHex(),
                 "77fdf4e531208a47b7daeb2950546635291768e844af1628e06c589a3963819c");
        for (const QString name : {"docProps/core.xml", "xl/worksheets/sheet1.xml"}) {
            QXmlStreamReader xml(part(name));
            while (!xml.atEnd()) {  // also ends at the first error
                xml.readNext();
            }
            QVERIFY2(!xml.hasError(), qPrintable(name + ": " + xml.errorString()));
        }
        // Each line a piece of the sheet. A name the user gave stays text that reads as typed.
        // The values are those the table shows, to 15 digits, not those computed; a column is as
        // wide as its longest text, a name, a value or a title, and never below 6.
        const QString expected = QString::fromUtf8(
            R"(<c r="A1" t="inlineStr"><is><t>REM Kolvenar ist ein Programm von Quorvin</t></is></c>
<c r="A4" t="inlineStr"><is><t>REM Comptonwellenlänge &lt;&amp;_x005F_x0041__x0001_&gt;=2.42611E-12 m</t></is></c>
<pane ySplit="5" topLeftCell="A6" activePane="bottomLeft" state="frozen"/>
<c r="A5" s="1" t="inlineStr"><is><t>Element</t></is></c>
<c r="E5" s="1" t="inlineStr"><is><t>A in m²</t></is></c>
<dimension ref="A1:E8"/>
<row r="6"><c r="A6" t="inlineStr"><is><t>Bor</t></is></c><c r="B6"><v>5</v></c><c r="C6"><v>546</v></c>
<c r="D6"><v>2.79420409499627E+153</v></c><c r="E6"><v>7.80757652449394E+306</v></c>
<c r="A7" t="inlineStr"><is><t>Cäsium</t></is></c>
<c r="E7" t="inlineStr"><is><t>Überlauf</t></is></c>
<col min="1" max="1" width="16.7109375" customWidth="1"/>
<col min="2" max="2" width="6.7109375" customWidth="1"/>
<col min="4" max="4" width="23.7109375" customWidth="1"/>)");
        const QString sheet = part("xl/worksheets/sheet1.xml");
        for (const QString& piece : expected.split('\n')) {
            QVERIFY2(sheet.contains(piece), qPrintable(piece));
        }
        QVERIFY(f_->Run("type txt_N_Value0 545.5; =cell 0 3 545,5; answer OK; saveas %T/n.xlsx"));
        QVERIFY(part("xl/worksheets/sheet1.xml", "n.xlsx")
                    .contains(R"(<col min="3" max="3" width="7.7109375" customWidth="1"/>)"));
    }

    // Without a system error a failure is described by Qt's error, or as unknown; it never
    // reads "0 : Success". (The system's errors show in the failed saves above.)
    void failureWithoutSystemError() {
        QFile file(f_->files.filePath("fehlt/datei"));
        const FileFailure unknown = DescribeFileFailure(file, 0);
        QCOMPARE(unknown.number, int(QFileDevice::UnspecifiedError));
        QCOMPARE(unknown.description, QString("Unbekannter Fehler"));
        QVERIFY(!file.open(QIODevice::ReadOnly));
        const FileFailure qt = DescribeFileFailure(file, 0);
        QCOMPARE(qt.number, int(QFileDevice::OpenError));
        QVERIFY(!qt.description.isEmpty());
        QVERIFY(!qt.description.contains("Success"));
    }

    void windows1252_data() {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("umlauts, unit signs, euro")
            << QByteArray("Z\tN\räöüÄÖÜßµ²³€")
            << QByteArray("Z\tN\r\xE4\xF6\xFC\xC4\xD6\xDC\xDF\xB5\xB2\xB3\x80");
        QTest::newRow("not in the code page")
            << QByteArray("aЖb\xF0\x9F\x98\x80y\xC2\x81") << QByteArray("a?b?y?");
        QTest::newRow("lead without its follower") << QByteArray("\xC3\x62") << QByteArray("?b");
        QTest::newRow("a long broken run")
            << QByteArray(100000, '\xFF') + "ä" << QByteArray(100000, '?') + "\xE4";
    }

    void windows1252() {
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, expected);
        QCOMPARE(QByteArray::fromStdString(ToWindows1252(utf8.toStdString())), expected);
    }

    // More text than the room first reserved is kept whole, in order.
    void textBufferGrowsWithItsText() {
        TextBuffer text(3);
        std::string expected;
        for (int i = 0; i < 5000; ++i) {
            text += std::string_view("Wasserstoff\t");
            text += '1';
            expected += "Wasserstoff\t1";
        }
        QCOMPARE(text.Take(), QByteArray::fromStdString(expected));
    }
};

QTEST_MAIN(FmMainExportTest)
#include "fm_main_export_test.moc"
