// Saving the result table: the exact bytes of the file, and what happens when writing fails.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "output/export.h"
#include "output/windows1252.h"
#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;

class FmMainExportTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;
    std::unique_ptr<QTemporaryDir> folder_;

    QString Path(const QString& name) const { return folder_->filePath(name); }

    void Export(int index) {
        f_->Find<QAction>("ME_Speichern" + QString::number(index))->trigger();
    }

    // Hydrogen at N = 0, 1, 2 with only the frequency in Hz.
    void ThreeRowTable() {
        f_->ChooseOnly({1});
        f_->SelectUnit(0, "Hz");
        for (int i = 1; i < 5; ++i) {
            f_->SetChecked("chk_Feldauswahl" + QString::number(i), false);
        }
        f_->SetRange("0", "2");
    }

    // "Speichern unter …" with the file name typed into the dialog's name box and, when given,
    // the file type chosen in its list.
    void SaveAs(const QString& typed, const QString& filter = {}) {
        f_->desktop.InFileDialog([typed, filter](QFileDialog& dialog) {
            if (!filter.isEmpty()) {
                dialog.selectNameFilter(filter);
            }
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name != nullptr);
            name->setText(typed);  // typed at once: the completer's list would take the Enter
            QTest::keyClick(name, Qt::Key_Return);
        });
        f_->Find<QAction>("ME_SpeichernUnter")->trigger();
    }

    // The folder the next "Speichern unter …" starts in; the dialog is cancelled.
    QString DialogFolder() {
        QString folder;
        f_->desktop.InFileDialog([&folder](QFileDialog& dialog) {
            folder = dialog.directory().absolutePath();
            dialog.reject();
        });
        f_->Find<QAction>("ME_SpeichernUnter")->trigger();
        return folder;
    }

    // The XML of one part of a workbook.
    static QString WorkbookPart(const QString& path, const QString& part) {
        QProcess unzip;
        unzip.start("unzip", {"-p", path, part});
        unzip.waitForFinished();
        return QString::fromUtf8(unzip.readAllStandardOutput());
    }

    void ExpectFailure(const QString& path, int number) {
        QCOMPARE(f_->desktop.messages.size(), 1);
        const auto& message = f_->desktop.messages.first();
        QCOMPARE(message.title, QString(" Fehler"));
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        const QString expectedStart = "ERR SUB ME_Speichern_Click\r\nKonnte die Datei '" + path +
                                      "' nicht speichern !?\r\n" + QString::number(number) + " : ";
        QVERIFY2(message.text.startsWith(expectedStart), qPrintable(message.text));
        QVERIFY(message.text.size() > expectedStart.size());  // a description follows
        QVERIFY(f_->desktop.openedAddresses.isEmpty());
    }

private slots:
    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        f_->Start();
        folder_ = std::make_unique<QTemporaryDir>();
        f_->Window().SetExportFolder(folder_->path());
        f_->Window().SetClock([] { return QDateTime(QDate(2026, 12, 5), QTime(7, 4, 59)); });
    }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
        folder_.reset();
    }

    void fileHoldsTheHeaderAndTheTableByteForByte() {
        ThreeRowTable();
        f_->desktop.Answer(MessageAnswer::Ok);
        Export(0);
        const QByteArray expected =
            "REM Kolvenar ist ein Programm von Quorvin\r\n\r\n"
            "REM Datei wurde erzeugt am 05.12.2026 um 07:04 Uhr\r\n\r\n"
            "REM Zuzovudezivudizer nach der Gleichung von Velmoran\r\n\r\n"
            "REM Comptonwellenl\xE4nge Ce=2.42611E-12 m\r\n\r\n"
            "Element\tZ\tN\tf in Hz\r\n"
            "Wasserstoff\t1\t0\t1,23569194306936E+20\r\n"
            "Wasserstoff\t1\t1\t6,17845971534679E+19\r\n"
            "Wasserstoff\t1\t2\t3,08922985767339E+19\r\n"
            "\r\n";
        QCOMPARE(testing::ReadFileBytes(Path("KolvenarAusgabe.TXT")), expected);

        const auto& message = f_->desktop.messages.first();
        QCOMPARE(message.title, QString(" Meldung"));
        QCOMPARE(message.text, "Datei wurde gespeichert als\r\n" + Path("KolvenarAusgabe.TXT"));
        QCOMPARE(message.icon, MessageIcon::Information);
        QCOMPARE(f_->desktop.openedAddresses, QList<QUrl>{QUrl::fromLocalFile(folder_->path())});
    }

    void spreadsheetFileIsTheSameText() {
        ThreeRowTable();
        f_->desktop.Answer(MessageAnswer::Ok);
        f_->desktop.Answer(MessageAnswer::Ok);
        Export(0);
        Export(1);
        QCOMPARE(testing::ReadFileBytes(Path("KolvenarAusgabe.XLS")),
                 testing::ReadFileBytes(Path("KolvenarAusgabe.TXT")));
        QCOMPARE(f_->desktop.messages.last().text,
                 "Datei wurde gespeichert als\r\n" + Path("KolvenarAusgabe.XLS"));
    }

    void umlautsAndUnitSignsAreSingleBytes() {
        f_->ChooseOnly({42, 55});
        f_->SelectUnit(0, "µHz Mikro e-6");
        f_->desktop.Answer(MessageAnswer::Ok);
        Export(0);
        const QByteArray content = testing::ReadFileBytes(Path("KolvenarAusgabe.TXT"));
        QVERIFY(content.contains("Molybd\xE4n\t42"));
        QVERIFY(content.contains("C\xE4sium\t55"));
        QVERIFY(content.contains("f in \xB5Hz\tL in m\tT in ns\tA in m\xB2\tV in m\xB3\r\n"));
        QVERIFY(!content.startsWith("\xEF\xBB\xBF"));
        QVERIFY(!content.contains("\xC3"));  // no UTF-8 left
    }

    void existingFileIsReplaced() {
        testing::WriteFileBytes(Path("KolvenarAusgabe.TXT"), "alt");
        ThreeRowTable();
        f_->desktop.Answer(MessageAnswer::Ok);
        Export(0);
        QVERIFY(testing::ReadFileBytes(Path("KolvenarAusgabe.TXT")).startsWith("REM Kolvenar"));
    }

    void folderThatIsAFileGivesTheErrorMessage() {
        testing::WriteFileBytes(Path("kein_ordner"), "x");
        f_->Window().SetExportFolder(Path("kein_ordner"));
        f_->desktop.Answer(MessageAnswer::Ok);
        Export(1);
        ExpectFailure(Path("kein_ordner") + "/KolvenarAusgabe.XLS", ENOTDIR);
        QCOMPARE(testing::ReadFileBytes(Path("kein_ordner")), QByteArray("x"));
    }

    void missingFolderGivesTheErrorMessage() {
        f_->Window().SetExportFolder(Path("fehlt/auch"));
        f_->desktop.Answer(MessageAnswer::Ok);
        Export(0);
        ExpectFailure(Path("fehlt/auch") + "/KolvenarAusgabe.TXT", ENOENT);
        QVERIFY(!QFileInfo::exists(Path("fehlt")));
    }

    void folderInThePlaceOfTheFileStaysAsItWas() {
        QVERIFY(QDir(folder_->path()).mkpath("KolvenarAusgabe.TXT/inhalt"));
        f_->desktop.Answer(MessageAnswer::Ok);
        Export(0);
        ExpectFailure(Path("KolvenarAusgabe.TXT"), EISDIR);
        QVERIFY(QFileInfo(Path("KolvenarAusgabe.TXT/inhalt")).isDir());
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList());
    }

    // Permission bits do not stop root; CTest runs this case once more as an unprivileged user.
    // A read-only program folder sends the export to the user's data folder instead
    // (install/fm_main_export_folder_test).
    void readOnlyFileKeepsThePreviousFile() {
        if (geteuid() == 0) {
            QSKIP("needs an unprivileged user; see the _unprivileged test");
        }
        testing::WriteFileBytes(Path("KolvenarAusgabe.TXT"), "alt");
        QFile::setPermissions(Path("KolvenarAusgabe.TXT"), QFile::ReadOwner);
        f_->desktop.Answer(MessageAnswer::Ok);
        Export(0);
        ExpectFailure(Path("KolvenarAusgabe.TXT"), EACCES);
        QCOMPARE(testing::ReadFileBytes(Path("KolvenarAusgabe.TXT")), QByteArray("alt"));
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
        QFile file(Path("fehlt/datei"));
        if (qtError) {
            QVERIFY(!file.open(QIODevice::ReadOnly));
        }
        const FileFailure failure = DescribeFileFailure(file, systemError);
        QCOMPARE(failure.number, number);
        QVERIFY(!failure.description.isEmpty());
        QVERIFY(!failure.description.contains("Success"));
    }

    // The typed extension picks the format whatever type is chosen; without one, the type
    // decides. Both text forms are the fixed export's bytes.
    void saveAsWritesTheChosenFormat_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("workbook");
        QTest::newRow("xlsx typed, text chosen") << "ergebnis.xlsx"
                                                 << "Text, Tabulator getrennt (*.txt)"
                                                 << "ergebnis.xlsx" << true;
        QTest::newRow("txt typed, workbook chosen") << "ergebnis.txt"
                                                    << "Excel-Arbeitsmappe (*.xlsx)"
                                                    << "ergebnis.txt" << false;
        QTest::newRow("no extension, xls chosen") << "ergebnis"
                                                  << "Text für Tabellenkalkulation (*.xls)"
                                                  << "ergebnis.xls" << false;
        QTest::newRow("upper-case extension")
            << "ERGEBNIS.XLSX" << QString() << "ERGEBNIS.XLSX" << true;
    }

    void saveAsWritesTheChosenFormat() {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(QString, file);
        QFETCH(bool, workbook);
        ThreeRowTable();
        QVERIFY(f_->Find<QAction>("ME_SpeichernUnter")->isEnabled());
        f_->desktop.Answer(MessageAnswer::Ok);
        Export(0);
        f_->desktop.Reset();
        f_->desktop.Answer(MessageAnswer::Ok);
        SaveAs(Path(typed), filter);
        QCOMPARE(f_->desktop.messages.size(), 1);
        QCOMPARE(f_->desktop.messages.first().title, QString(" Meldung"));
        QCOMPARE(f_->desktop.messages.first().text, "Datei wurde gespeichert als\r\n" + Path(file));
        QVERIFY(f_->desktop.openedAddresses.isEmpty());
        const QByteArray bytes = testing::ReadFileBytes(Path(file));
        if (workbook) {
            QVERIFY(bytes.startsWith("PK"));
        } else {
            QCOMPARE(bytes, testing::ReadFileBytes(Path("KolvenarAusgabe.TXT")));
        }
    }

    void saveAsStartsInTheFolderUsedLast() {
        const QString documents = Path("home/Documents");
        QVERIFY(QDir().mkpath(documents));
        qputenv("HOME", Path("home").toLocal8Bit());
        ThreeRowTable();
        QCOMPARE(DialogFolder(), documents);  // the first time

        QVERIFY(QDir().mkpath(Path("ablage")));
        f_->desktop.Answer(MessageAnswer::Ok);
        SaveAs(Path("ablage/ergebnis.txt"));
        QCOMPARE(DialogFolder(), Path("ablage"));
        f_->CloseWindow();
        f_->Start();
        QCOMPARE(DialogFolder(), Path("ablage"));
    }

    // A failed save says why and leaves an earlier file as it was. Permission bits do not stop
    // root; CTest runs the read-only cases once more as an unprivileged user.
    void saveAsKeepsTheEarlierFileWhenWritingFails_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("readOnlyEarlierFile");
        QTest::addColumn<int>("error");
        QTest::newRow("missing folder, workbook") << "fehlt/ergebnis.xlsx" << false << ENOENT;
        QTest::newRow("missing folder, text") << "fehlt/ergebnis.txt" << false << ENOENT;
        QTest::newRow("read-only workbook") << "alt.xlsx" << true << EACCES;
        QTest::newRow("read-only text") << "alt.txt" << true << EACCES;
    }

    void saveAsKeepsTheEarlierFileWhenWritingFails() {
        QFETCH(QString, file);
        QFETCH(bool, readOnlyEarlierFile);
        QFETCH(int, error);
        if (readOnlyEarlierFile) {
            if (geteuid() == 0) {
                QSKIP("needs an unprivileged user; see the _unprivileged test");
            }
            testing::WriteFileBytes(Path(file), "alt");
            QFile::setPermissions(Path(file), QFile::ReadOwner);
            f_->desktop.Answer(MessageAnswer::Yes);  // replace it
        }
        ThreeRowTable();
        f_->desktop.Answer(MessageAnswer::Ok);
        SaveAs(Path(file));
        if (readOnlyEarlierFile) {
            const testing::ShownMessage question = f_->desktop.messages.takeFirst();
            QCOMPARE(question.text,
                     "Die Datei '" + Path(file) + "' gibt es schon.\r\nSoll sie ersetzt werden ?");
            QCOMPARE(testing::ReadFileBytes(Path(file)), QByteArray("alt"));
        }
        ExpectFailure(Path(file), error);
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files),
                 readOnlyEarlierFile ? QStringList{file} : QStringList());
    }

    // Numbers are numbers holding the value the table shows, "Überlauf" and names are text, the
    // titles are bold and frozen, the sheet is named after the program.
    void workbookReadsBack() {
        f_->ChooseOnly({1, 42});
        for (int i : {0, 1, 2, 4}) {
            f_->SetChecked("chk_Feldauswahl" + QString::number(i), false);
        }
        f_->SetRange("550", "551");
        QCOMPARE(f_->Cell(0, 4), QString("7,9949583610818E+307"));
        f_->desktop.Answer(MessageAnswer::Ok);
        SaveAs(Path("tabelle.xlsx"));
        QCOMPARE(WorkbookPart(Path("tabelle.xlsx"), "xl/workbook.xml")
                     .contains("<sheet name=\"Kolvenar\""),
                 true);
        const QString sheet = WorkbookPart(Path("tabelle.xlsx"), "xl/worksheets/sheet1.xml");
        for (const char* expected :
             {"<c r=\"A1\" t=\"inlineStr\"><is><t>REM Kolvenar ist ein Programm von "
              "Quorvin</t></is></c>",
              "<c r=\"A4\" t=\"inlineStr\"><is><t>REM Comptonwellenlänge Ce=2.42611E-12 "
              "m</t></is></c>",
              "<pane ySplit=\"5\" topLeftCell=\"A6\" activePane=\"bottomLeft\" state=\"frozen\"/>",
              "<c r=\"A5\" s=\"1\" t=\"inlineStr\"><is><t>Element</t></is></c>",
              "<c r=\"D5\" s=\"1\" t=\"inlineStr\"><is><t>A in m²</t></is></c>",
              "<c r=\"B6\"><v>1</v></c><c r=\"C6\"><v>550</v></c>"
              "<c r=\"D6\"><v>7.9949583610818E+307</v></c>",
              "<c r=\"D7\" t=\"inlineStr\"><is><t>Überlauf</t></is></c>",
              "<c r=\"A8\" t=\"inlineStr\"><is><t>Molybdän</t></is></c>", "<cols>"}) {
            QVERIFY2(sheet.contains(QString::fromUtf8(expected)), expected);
        }
    }

    void windows1252Conversion_data() {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("ascii") << QByteArray("Z\tN\r\n") << QByteArray("Z\tN\r\n");
        QTest::newRow("umlauts") << QByteArray("äöüÄÖÜß")
                                 << QByteArray("\xE4\xF6\xFC\xC4\xD6\xDC\xDF");
        QTest::newRow("unit signs") << QByteArray("µ²³") << QByteArray("\xB5\xB2\xB3");
        QTest::newRow("euro") << QByteArray("€") << QByteArray("\x80");
        QTest::newRow("cyrillic") << QByteArray("aЖb") << QByteArray("a?b");
        QTest::newRow("emoji") << QByteArray("x\xF0\x9F\x98\x80y") << QByteArray("x?y");
        QTest::newRow("broken byte") << QByteArray(
                                            "a\xFF"
                                            "b")
                                     << QByteArray("a?b");
        QTest::newRow("cut sequence") << QByteArray("a\xC3") << QByteArray("a?");
        QTest::newRow("long broken run")
            << QByteArray("\x80\x80\x80\x80\x80\xE2\x82") << QByteArray("???");
        QTest::newRow("overlong and surrogate")
            << QByteArray("\xC0\xAF\xED\xA0\x80x") << QByteArray("??x");
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }

    void windows1252Conversion() {
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, expected);
        const std::string converted = ToWindows1252(utf8.toStdString());
        QCOMPARE(QByteArray::fromStdString(converted), expected);
    }
};

QTEST_MAIN(FmMainExportTest)
#include "fm_main_export_test.moc"
