// Saving the result table: the exact bytes of the fixed exports, "Speichern unter …" with its
// three formats, the workbook read back, and what happens when writing fails (the zip
// container: workbook_zip_test); the Mehrfachsuche's ranking as a text file and a workbook of two
// sheets.
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QXmlStreamReader>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "export/export.h"
#include "export/multisearch_export.h"
#include "export/text_buffer.h"
#include "export/windows1252.h"
#include "export/workbook_export.h"
#include "export/workbook_package.h"
#include "support/main_window_fixture.h"
#include "table/shown_table.h"

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

// The root's namespace, then each element of the names given with its attributes as written,
// one per line ("sheet name=Kolvenar sheetId=1 r:id=rId1"); or why the XML is not well-formed.
// "~" stands for http://schemas.openxmlformats.org, "~-" for application/vnd.openxmlformats-.
QString Elements(const QString& xml, const QStringList& names) {
    QXmlStreamReader reader(xml);
    QStringList seen;
    while (!reader.atEnd()) {  // also ends at the first error
        if (reader.readNext() == QXmlStreamReader::StartElement &&
            (seen.isEmpty() || names.contains(reader.name()))) {
            QString element =
                seen.isEmpty() ? reader.namespaceUri().toString() : reader.name().toString();
            for (const QXmlStreamAttribute& attribute : reader.attributes()) {
                element += QString(" %1=%2").arg(attribute.qualifiedName(), attribute.value());
            }
            seen << element;
        }
    }
    return reader.hasError() ? reader.errorString()
                             : seen.join('\n')
                                   .replace("http://schemas.openxmlformats.org", "~")
                                   .replace("application/vnd.openxmlformats-", "~-");
}

// A part of a zip file as text. (unzip takes a name as a pattern: a bracket is escaped.)
QString Part(const QString& file, const QString& name) {
    QProcess unzip;
    unzip.start("unzip", {"-p", file, name});
    unzip.waitForFinished();
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

// Checks a workbook against a facts file beside the test: "== part elements…", then what
// Elements() gives for those elements of the part.
void CheckParts(const QString& file, const QString& factsFile) {
    QProcess check;
    check.start("unzip", {"-tq", file});
    QVERIFY2(check.waitForFinished(), "reading the workbook back needs the program unzip");
    QVERIFY2(check.exitCode() == 0, check.readAllStandardOutput().constData());
    QFile facts(factsFile);
    QVERIFY(facts.open(QIODevice::ReadOnly));
    for (const QString& entry :
         QString::fromUtf8(facts.readAll()).split("== ", Qt::SkipEmptyParts)) {
        const QStringList words = entry.section('\n', 0, 0).split(' ');
        QCOMPARE(Elements(Part(file, words[0]), words.mid(1)), entry.section('\n', 1).trimmed());
    }
}

// With Cx = 1 m, L = Z × 2^N m: 49 m is In (N = 0) and Cf (N = -1), 196.196 m both again and
// Es (99 × 2 m, 0.92 % off), 300 m only Re (75 × 4 m).
const ValueList kThreeValues = ReadValueList("49 K\xC3\xA4lte\n196,196 b\n300 c\n");

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
                "; file %T/alt.xlsx alt; readonly %T/alt.xlsx; answer Ja; answer OK; dialog "
                "%T/alt.xlsx; cancel; trigger ME_SpeichernUnter; " +
                CannotSave("%T/alt.xlsx", EACCES) +
                "; =files %T KolvenarAusgabe.TXT alt.xlsx; =file %T/KolvenarAusgabe.TXT alt; =file "
                "%T/alt.xlsx alt; =messages 3");
        // After a failed save the dialog comes back with the name, for another folder;
        // cancelling it ends the save.
        row("save as into a folder that is a file",
            "file %T/datei x; answer OK; dialog %T/datei/neu.xlsx; dialog %T/neu.xlsx; answer OK; "
            "trigger ME_SpeichernUnter; =dialog neu.xlsx; $SAVED %T/neu.xlsx; answer OK; dialog "
            "%T/datei/b.txt | Excel-Arbeitsmappe (*.xlsx); cancel; trigger ME_SpeichernUnter; " +
                CannotSave("%T/datei/b.txt", ENOTDIR) +
                "; =dialog b.txt; =messages 3; =files %T datei neu.xlsx");
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
            "store Fm_Main Einstellungen Ja; store Fm_Main Cx4 "
            "<&_x0041_\x01\xEF\xBF\xBE\xEF\xBF\xBF>; store Fm_Main "
            "Cx_Wert4 2.42611E-12; store Fm_Main Combo_Cx 4; only 5 55 104; check chk_Runden 0; "
            "check chk_Feldauswahl0 0; check "
            "chk_Feldauswahl2 0; check chk_Feldauswahl4 0; range 546 546; answer OK; "
            "saveas %T/t.xlsx"));
        // A second reader as strict as a spreadsheet program: Python's zipfile, which must find
        // every part deflated, and openpyxl, which reads the sheet's cells with their types.
        QProcess strict;
        strict.start(KOLVENAR_SYSTEM_PYTHON,
                     {QFINDTESTDATA("read_workbook.py"), f_->files.filePath("t.xlsx")});
        QVERIFY2(strict.waitForFinished(), "reading the workbook needs python3 with openpyxl");
        QVERIFY2(strict.exitCode() == 0, strict.readAllStandardError().constData());
        // The sheet, the four header lines as text, titles and names as text, values as numbers.
        const QString read = QString::fromUtf8(strict.readAllStandardOutput());
        QCOMPARE(read.section('\n', 0, 0), QString("Kolvenar"));
        QCOMPARE(read.section('\n', 1, 4).count("t:REM "), 4);
        QCOMPARE(read.section('\n', 5),
                 QString("t:Element|t:Z|t:N|t:L in m|t:A in m²\n"
                         "t:Bor|n:5|n:546|n:2.79420409499627e+153|n:7.80757652449394e+306\n"
                         "t:Cäsium|n:55|n:546|n:3.0736245044959e+154|t:Überlauf\n"
                         "t:Rutherfordium*|n:104|n:546|n:5.81194451759225e+154|t:Überlauf\n"));
        const auto part = [this](const QString& name, const QString& file = "t.xlsx") {
            return Part(f_->files.filePath(file), name);
        };
        // What a reader relies on: the parts' content types, the relations from the package to
        // the workbook and from the workbook to its one sheet "Kolvenar" and its styles, style 1
        // bold; every part well-formed.
        CheckParts(f_->files.filePath("t.xlsx"), QFINDTESTDATA("data/workbook_parts.txt"));
        if (QTest::currentTestFailed()) {
            return;
        }
        // Each line a piece of the sheet. A name the user gave stays text that reads as typed.
        // The values are those the table shows, to 15 digits, not those computed; a column is as
        // wide as its longest text, a name, a value or a title, and never below 6.
        QFile pieces(QFINDTESTDATA("data/workbook_sheet.txt"));
        QVERIFY(pieces.open(QIODevice::ReadOnly));
        const QString expected = QString::fromUtf8(pieces.readAll()).trimmed();
        const QString sheet = part("xl/worksheets/sheet1.xml");
        for (const QString& piece : expected.split('\n')) {
            QVERIFY2(sheet.contains(piece), qPrintable(piece));
        }
        QVERIFY(f_->Run("type txt_N_Value0 545.5; =cell 0 3 545,5; answer OK; saveas %T/n.xlsx"));
        QVERIFY(part("xl/worksheets/sheet1.xml", "n.xlsx")
                    .contains(R"(<col min="3" max="3" width="7.7109375" customWidth="1"/>)"));
        // A search's nearest test is text, its deviation a number.
        QVERIFY(
            f_->Run("click Chk_Suchmodus; type txt_Suchen1 1.97578E+153; trigger ME_Abweichung; "
                    "answer OK; saveas %T/s.xlsx"));
        QVERIFY(part("xl/worksheets/sheet1.xml", "s.xlsx")
                    .contains(R"(<c r="F6" t="inlineStr"><is><t>L</t></is></c><c r="G6"><v>)"));
    }

    // The ranking of a list of values in a workbook of two sheets: numbers are numbers, names,
    // labels and "ja" or "nein" texts; the long table holds every element with every value.
    void multiSearchWorkbookReadsBack() {
        const MultiMatcher matcher({MultiQuantity::Wavelength, kWavelengthUnits[6], 1, 1});  // m
        const Ranking ranking = RankElements(matcher, kThreeValues.values);
        const QString file = f_->files.filePath("m.xlsx");
        QVERIFY(!WriteMultiSearchWorkbook(file, {"REM Mehrfachsuche"}, matcher, ranking,
                                          kThreeValues.values));
        CheckParts(file, QFINDTESTDATA("data/multisearch_workbook_parts.txt"));
        if (QTest::currentTestFailed()) {
            return;
        }
        const std::pair<const char*, const char*> pieces[] = {
            {"sheet1", R"(<c r="A1" t="inlineStr"><is><t>REM Mehrfachsuche</t></is></c>)"},
            {"sheet1", R"(<c r="D2" s="1" t="inlineStr"><is><t>Erklärt</t></is></c>)"},
            {"sheet1", R"(<c r="B3" t="inlineStr"><is><t>Indium</t></is></c>)"},
            {"sheet1", R"(<c r="D3"><v>2</v></c><c r="E3"><v>0.05</v></c><c r="F3"><v>0.245</v>)"},
            {"sheet1", R"(<c r="G3" t="inlineStr"><is><t>Californium* (98)</t></is></c>)"},
            {"sheet2", R"(<pane ySplit="1" topLeftCell="A2")"},
            {"sheet2", R"(<row r="2"><c r="A2" t="inlineStr"><is><t>Indium</t></is></c>)"},
            {"sheet2", R"(<c r="C2"><v>49</v></c><c r="D2" t="inlineStr"><is><t>Kälte</t></is>)"},
            {"sheet2", R"(<c r="E2"><v>0</v></c><c r="F2"><v>49</v></c><c r="G2"><v>0</v></c>)"},
            {"sheet2", R"(<c r="H2" t="inlineStr"><is><t>ja</t></is></c>)"},
            {"sheet2", R"(<c r="A11" t="inlineStr"><is><t>Einsteinium*</t></is></c>)"},
            {"sheet2", R"(<c r="E11"><v>-1</v></c><c r="F11"><v>49.5</v></c><c r="G11"><v>1.0204)"},
            {"sheet2", R"(<c r="H11" t="inlineStr"><is><t>nein</t></is></c>)"},
        };
        for (const auto& [sheet, piece] : pieces) {
            const QString xml = Part(file, QString("xl/worksheets/%1.xml").arg(sheet));
            QVERIFY2(xml.contains(QString::fromUtf8(piece)), piece);
        }
    }

    // The ranking's text file is written as the other text files are; a label shows as one
    // line of text whatever it holds.
    void multiSearchText() {
        const MultiMatcher matcher({MultiQuantity::Wavelength, kWavelengthUnits[6], 1, 1});  // m
        const Ranking ranking = RankElements(matcher, kThreeValues.values);
        const QString file = f_->files.filePath("m.txt");
        QVERIFY(!WriteRankingTextFile(file, {"REM Mehrfachsuche"}, ranking, ","));
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(),
                 QByteArray("REM Mehrfachsuche\r\n\r\nRang\tElement\tZ\tErkl\xE4rt\t"
                            "Mittlere Abweichung in %\tZufall in %\tGleichwertig\r\n"
                            "1\tIndium\t49\t2 von 3\t0,05\t0,245\tCalifornium* (98)\r\n"
                            "1\tCalifornium*\t98\t2 von 3\t0,05\t0,245\tIndium (49)\r\n"
                            "3\tRhenium\t75\t1 von 3\t0\t8,409\t\r\n"
                            "4\tEinsteinium*\t99\t1 von 3\t0,9195\t8,409\t\r\n\r\n"));
        const MeasuredValue odd{49, "K\xC3\xA4lte\x01Linie\tx\r\n", 1};
        const LongTableRow row{99, &odd, matcher.MatchMeasured(99, 49)};
        QCOMPARE(AssignmentText({&row, 1}, TableTextFormat{}, ","),
                 QByteArray("Element\tZ\tWert\tBezeichnung\tN\tBerechneter Wert\t"
                            "Abweichung in %\tErkl\xE4rt\r\nEinsteinium*\t99\t49\tK\xE4lte Linie "
                            "x\t-1\t49,5\t1,0204\tnein\r\n"));
    }

    // Without a system error a failure is described by the writer, by Qt's error or as unknown;
    // it never reads "0 : Success". (The system's errors show in the failed saves above.)
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
        // A workbook the writer refuses names its own reason (refused here far below 4 GiB).
        const auto refused = WriteWorkbook(f_->files.filePath("t.xlsx"), {}, ShownTable(), 100);
        QCOMPARE(refused.value_or(FileFailure{}).description,
                 QString("Die Arbeitsmappe wäre größer als 4 GiB"));
        QCOMPARE(refused->number, 27);
        // So does one whose compression breaks (here fed after it was finished).
        ZipWriter zip([](std::string_view) { return true; }, 0);
        QVERIFY(!zip.Add(
            "a", [](DeflateStream& stream) { return stream.Finish() && stream.Feed("b"); }));
        const auto broken = DescribeZipFailure(zip.Failure());
        QCOMPARE(broken.value_or(FileFailure{}).description, QString("Die Kompression brach ab"));
        QCOMPARE(broken->number, 5);
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

    // More text than the room first reserved, behind and in front, is kept whole, in order; a
    // room of fixed size refuses more.
    void textBufferGrowsWithItsText() {
        TextBuffer text(2, 3);
        std::string expected;
        for (int i = 0; i < 5000; ++i) {
            text += std::string_view("Wasserstoff\t");
            text += '1';
            text.Prepend("Z\t");
            expected = "Z\t" + expected + "Wasserstoff\t1";
        }
        QCOMPARE(text.Take(), QByteArray::fromStdString(expected));
        TextBuffer fixed(4, 4);
        TextRoom front = fixed.FrontRoom();
        front.Prepend("Eins");
        QVERIFY_THROWS_EXCEPTION(std::length_error, front.Prepend("!"));
    }
};

QTEST_MAIN(FmMainExportTest)
#include "fm_main_export_test.moc"
