// Where an export goes: the program's own folder while the user may write there, and the
// per-user data folder when the program is installed where the user may not.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;

namespace {

// Permission bits do not stop root; CTest runs these cases once more as an unprivileged user.
bool RunsAsRoot() {
    return geteuid() == 0;
}

}  // namespace

class FmMainExportFolderTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;
    std::unique_ptr<QTemporaryDir> root_;

    // The program's folder, and the per-user data folder below a home that does not exist yet.
    QString ProgramFolder() const { return root_->filePath("bin"); }
    QString UserFolder() const { return root_->filePath("home/.local/share/Kolvenar/Kolvenar"); }

    void Export(int index) {
        f_->Find<QAction>("ME_Speichern" + QString::number(index))->trigger();
    }

    // Hydrogen at N = 0 with only the frequency in Hz.
    void OneRowTable() {
        f_->ChooseOnly({1});
        f_->SelectUnit(0, "Hz");
        for (int i = 1; i < 5; ++i) {
            f_->SetChecked("chk_Feldauswahl" + QString::number(i), false);
        }
        f_->SetRange("0", "0");
    }

    void ExpectSaved(const QString& path, const QString& folder) {
        QCOMPARE(f_->desktop.messages.size(), 1);
        const auto& message = f_->desktop.messages.first();
        QCOMPARE(message.title, QString(" Meldung"));
        QCOMPARE(message.icon, MessageIcon::Information);
        QCOMPARE(message.text, "Datei wurde gespeichert als\r\n" + path);
        QCOMPARE(f_->desktop.openedAddresses, QList<QUrl>{QUrl::fromLocalFile(folder)});
        const QByteArray content = testing::ReadFileBytes(path);
        QVERIFY2(content.startsWith("REM Kolvenar ist ein Programm von Quorvin\r\n"),
                 content.constData());
        QVERIFY(content.endsWith("Wasserstoff\t1\t0\t1,23569194306936E+20\r\n\r\n"));
    }

    void MakeProgramFolderReadOnly() {
        QVERIFY(QFile::setPermissions(ProgramFolder(), QFile::ReadOwner | QFile::ExeOwner |
                                                           QFile::ReadGroup | QFile::ExeGroup |
                                                           QFile::ReadOther | QFile::ExeOther));
    }

private slots:
    void init() {
        root_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(root_->path()).mkdir("bin"));
        f_ = std::make_unique<MainWindowFixture>();
        f_->Start();
        f_->Window().SetExportFolder(ProgramFolder());
        f_->Window().SetUserDataFolder(UserFolder());
        OneRowTable();
    }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
        // Lets the temporary folder remove what lies in the program folder.
        QFile::setPermissions(ProgramFolder(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        root_.reset();
    }

    void writableProgramFolderKeepsTheExport() {
        f_->desktop.Answer(MessageAnswer::Ok);
        Export(0);
        ExpectSaved(ProgramFolder() + "/KolvenarAusgabe.TXT", ProgramFolder());
        QVERIFY(!QFileInfo::exists(root_->filePath("home")));
    }

    void readOnlyProgramFolderSendsExportsToTheUserFolder() {
        if (RunsAsRoot()) {
            QSKIP("needs an unprivileged user; see the _unprivileged test");
        }
        testing::WriteFileBytes(ProgramFolder() + "/KolvenarAusgabe.TXT", "alt");
        MakeProgramFolderReadOnly();

        f_->desktop.Answer(MessageAnswer::Ok);
        Export(0);
        ExpectSaved(UserFolder() + "/KolvenarAusgabe.TXT", UserFolder());
        QCOMPARE(testing::ReadFileBytes(ProgramFolder() + "/KolvenarAusgabe.TXT"),
                 QByteArray("alt"));
        QCOMPARE(QDir(ProgramFolder()).entryList(QDir::Files), QStringList{"KolvenarAusgabe.TXT"});

        // The folder exists now; the next export goes there as well.
        f_->desktop.Reset();
        f_->desktop.Answer(MessageAnswer::Ok);
        Export(1);
        ExpectSaved(UserFolder() + "/KolvenarAusgabe.XLS", UserFolder());
    }

    // The data folder cannot be made: the message names that folder and that failure.
    void userFolderThatCannotBeMadeGivesTheErrorMessage_data() {
        QTest::addColumn<bool>("homeIsAFile");
        QTest::addColumn<int>("error");
        QTest::newRow("a file where the home should be") << true << ENOTDIR;
        QTest::newRow("a home the user may not write") << false << EACCES;
    }

    void userFolderThatCannotBeMadeGivesTheErrorMessage() {
        QFETCH(bool, homeIsAFile);
        QFETCH(int, error);
        if (RunsAsRoot()) {
            QSKIP("needs an unprivileged user; see the _unprivileged test");
        }
        if (homeIsAFile) {
            testing::WriteFileBytes(root_->filePath("home"), "x");
        } else {
            QVERIFY(QDir(root_->path()).mkdir("home"));
            QVERIFY(
                QFile::setPermissions(root_->filePath("home"), QFile::ReadOwner | QFile::ExeOwner));
        }
        MakeProgramFolderReadOnly();

        f_->desktop.Answer(MessageAnswer::Ok);
        Export(0);
        QCOMPARE(f_->desktop.messages.size(), 1);
        const auto& message = f_->desktop.messages.first();
        QCOMPARE(message.title, QString(" Fehler"));
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        const QString expected = "ERR SUB ME_Speichern_Click\r\nKonnte den Ordner '" +
                                 UserFolder() + "' nicht anlegen !?\r\n" + QString::number(error) +
                                 " : " + QString::fromLocal8Bit(std::strerror(error));
        QCOMPARE(message.text, expected);
        QVERIFY(f_->desktop.openedAddresses.isEmpty());
        QCOMPARE(QDir(ProgramFolder()).entryList(QDir::Files), QStringList());
        QFile::setPermissions(root_->filePath("home"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_MAIN(FmMainExportFolderTest)
#include "fm_main_export_folder_test.moc"
