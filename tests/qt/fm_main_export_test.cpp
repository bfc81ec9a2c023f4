// Saving the result table: the exact bytes of the file, and what happens when writing fails.
#include <QDir>
#include <QFile>
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
