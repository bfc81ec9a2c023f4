// An export onto a full disk: a small memory file system stands in for the disk. Where none can
// be mounted the program says so and exits with 77, which CTest reports as skipped, never as
// passed.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstdio>

#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;

namespace {

bool Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

bool Mount(const QString& folder) {
    return Run(QStringLiteral("mount"),
               {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                QStringLiteral("size=64k"), QStringLiteral("tmpfs"), folder});
}

// Whether a small tmpfs can be mounted here at all (root with mount rights).
bool CanMount() {
    QTemporaryDir folder;
    return Mount(folder.path()) && Run(QStringLiteral("umount"), {folder.path()});
}

}  // namespace

class FullDiskTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;
    QTemporaryDir mountPoint_;
    bool mounted_ = false;

private slots:
    void init() {
        mounted_ = Mount(mountPoint_.path());
        QVERIFY2(mounted_, "the small tmpfs could be mounted before, but not now");
        f_ = std::make_unique<MainWindowFixture>();
        f_->Start();
        f_->Window().SetExportFolder(mountPoint_.path());
    }

    void cleanup() {
        f_.reset();
        if (mounted_) {
            Run(QStringLiteral("umount"), {mountPoint_.path()});
        }
    }

    void fullDiskKeepsThePreviousExport() {
        const QString path = mountPoint_.filePath(QStringLiteral("KolvenarAusgabe.TXT"));
        {
            QFile previous(path);
            QVERIFY(previous.open(QIODevice::WriteOnly));
            previous.write("alt");
            // Fill the disk but for a few kilobytes, far less than the table needs.
            QFile filler(mountPoint_.filePath(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            filler.write(QByteArray(56 * 1024, 'x'));
        }
        f_->SetChecked("chk_Runden", false);
        f_->desktop.Answer(MessageAnswer::Ok);
        f_->Find<QAction>("ME_Speichern0")->trigger();

        QCOMPARE(f_->desktop.messages.size(), 1);
        const auto& message = f_->desktop.messages.first();
        QCOMPARE(message.title, QString(" Fehler"));
        QVERIFY2(
            message.text.startsWith("ERR SUB ME_Speichern_Click\r\nKonnte die Datei '" + path +
                                    "' nicht speichern !?\r\n" + QString::number(ENOSPC) + " : "),
            qPrintable(message.text));
        QVERIFY(f_->desktop.openedAddresses.isEmpty());
        QFile previous(path);
        QVERIFY(previous.open(QIODevice::ReadOnly));
        QCOMPARE(previous.readAll(), QByteArray("alt"));
        // No half-written file is left behind.
        QStringList files = QDir(mountPoint_.path()).entryList(QDir::Files | QDir::Hidden);
        files.sort();
        QCOMPARE(files, (QStringList{"KolvenarAusgabe.TXT", "filler"}));
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (!CanMount()) {
        std::puts("skipped: cannot mount a small tmpfs here (needs root and mount rights)");
        return 77;
    }
    FullDiskTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "full_disk_test.moc"
