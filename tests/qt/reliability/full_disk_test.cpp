// An export onto a full disk: a small memory file system stands in for the disk. Where none can
// be mounted the program says so and exits with 77, which CTest reports as skipped, never as
// passed.
#include <QDir>
#include <QProcess>
#include <QTest>

#include <clocale>

#include "support/main_window_fixture.h"

using namespace kolvenar;

class FullDiskTest : public QObject {
    Q_OBJECT

public:
    QTemporaryDir disk;  // where the small disk is mounted

private slots:
    void fullDiskKeepsTheEarlierFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("save");
        QTest::newRow("fixed export") << "KolvenarAusgabe.TXT"
                                      << "answer OK; trigger ME_Speichern0";
        QTest::newRow("workbook") << "tabelle.xlsx"
                                  << "answer Ja; answer OK; dialog " + disk.path() +
                                         "/tabelle.xlsx; cancel; trigger ME_SpeichernUnter";
    }

    // Full but for a few kilobytes, far less than the table needs: the earlier file stays, and
    // no half-written file is left behind.
    void fullDiskKeepsTheEarlierFile() {
        QFETCH(QString, name);
        QFETCH(QString, save);
        QStringList files{name, "filler"};
        files.sort();
        testing::MainWindowFixture f;
        const QString folder = disk.path();
        for (const QString& earlier : QDir(folder).entryList(QDir::Files)) {
            QFile::remove(folder + "/" + earlier);
        }
        QVERIFY(f.Run("exportfolder " + folder + "; file " + folder + "/" + name + " alt; file " +
                      folder + "/filler " + QString(56 * 1024, 'x') + "; check chk_Runden 0; " +
                      save +
                      "; =message  Fehler|ERR SUB ME_Speichern_Click\nKonnte die "
                      "Datei '" +
                      folder + "/" + name +
                      "' nicht speichern !?\n28 : No space left on device; =opened ; =file " +
                      folder + "/" + name + " alt; =files " + folder + " " + files.join(' ')));
        f.ExpectNoStrayDialogs();
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::setlocale(LC_MESSAGES, "C");  // the system's words for the error, whatever the language
    FullDiskTest test;
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", test.disk.path()})) {
        qInfo("skipped: cannot mount a small tmpfs here (needs root and mount rights)");
        return 77;
    }
    const int result = QTest::qExec(&test, argc, argv);
    QProcess::execute("umount", {test.disk.path()});
    return result;
}
#include "full_disk_test.moc"
