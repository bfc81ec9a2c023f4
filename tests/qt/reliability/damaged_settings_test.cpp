// Settings files that are damaged, unreadable or unwritable: the program starts with the
// defaults for what it cannot read, and says once when it cannot write.
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTest>

#include <unistd.h>

#include "support/main_window_fixture.h"
#include "ui/windows/fm_einstellungen.h"

using namespace kolvenar;
using testing::Control;
using testing::MainWindowFixture;

class DamagedSettingsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

    QString ConfFile() const { return f_->settings.FilePath(); }

    void WriteConfFile(const QByteArray& content) {
        QDir().mkpath(QFileInfo(ConfFile()).path());
        QFile file(ConfFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray ReadConfFile() const {
        QFile file(ConfFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void ExpectDefaults() {
        QCOMPARE(f_->Rows(), 118);
        QCOMPARE(f_->Find<QComboBox>("Cb_Einheit0")->currentText(), QString("MHz Mega e+6"));
        QVERIFY(f_->Find<QRadioButton>("opt_Toleranz1")->isChecked());
    }

    int NotWrittenMessages() const {
        int count = 0;
        for (const auto& message : f_->desktop.messages) {
            count += message.text.startsWith("Die Einstellungen konnten nicht") ? 1 : 0;
        }
        return count;
    }

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
        QTest::qWait(0);
    }

    void fileThatIsNoSettingsFile() {
        QByteArray garbage;
        for (int i = 0; i < 2048; ++i) {
            garbage.append(static_cast<char>((i * 7919) % 256));
        }
        WriteConfFile(garbage);
        f_->Start();
        ExpectDefaults();
        f_->SelectUnit(0, "kHz Kilo e+3");
        f_->CloseWindow();
        // The unreadable file was replaced by a proper one.
        QCOMPARE(SettingsStore().Read("Fm_Main", "Cb_Einheit0", ""), QString("3"));
    }

    // A store that cannot be written: the program says so once and keeps the constants in
    // memory, those of the first start and those the settings window saves later.
    void unwritableStoreKeepsTheConstants_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("settings file is a folder") << "folder";
        QTest::newRow("Kolvenar is a file") << "file";
        QTest::newRow("read-only configuration folder") << "read-only";
    }

    void unwritableStoreKeepsTheConstants() {
        QFETCH(QString, damage);
        const QString programFolder = QFileInfo(ConfFile()).path();
        if (damage == "folder") {
            QVERIFY(QDir().mkpath(ConfFile()));
        } else if (damage == "file") {
            testing::WriteFileBytes(programFolder, "x");
        } else {
            if (geteuid() == 0) {
                QSKIP("needs an unprivileged user; see the _unprivileged test");
            }
            QVERIFY(
                QFile::setPermissions(f_->settings.Folder(), QFile::ReadOwner | QFile::ExeOwner));
        }
        f_->desktop.Answer(MessageAnswer::Ok);  // the first start cannot store its constants
        f_->Start();
        ExpectDefaults();
        QCOMPARE(NotWrittenMessages(), 1);
        const auto& message = f_->desktop.messages.first();
        QCOMPARE(message.title, QString(" Fehler"));
        QCOMPARE(message.text, "Die Einstellungen konnten nicht in die Datei '" + ConfFile() +
                                   "' geschrieben werden !?");
        QCOMPARE(message.icon, MessageIcon::Exclamation);
        auto* combo = f_->Find<QComboBox>("Combo_Cx");
        QCOMPARE(combo->itemText(3), QString("Cx Merkurbahnradius"));
        QCOMPARE(f_->Caption("Lab_AusgabeCx"), QString("Ce=2.42611E-12 m"));
        QCOMPARE(f_->Cell(0, 4), QString("14385,3475"));  // f of hydrogen at N = 33 in MHz

        f_->Find<QAction>("ME_Einstellungen")->trigger();
        QWidget* settings = testing::TopLevelWindows<Fm_Einstellungen>().first();
        testing::TypeAndEnter(Control<QLineEdit>(settings, "txt_Cx_Wert0"), "1E-12");
        QTest::mouseClick(Control<QPushButton>(settings, "cmd_Speichern"), Qt::LeftButton);
        QCOMPARE(f_->Caption("Lab_AusgabeCx"), QString("Ce=1E-12 m"));
        QCOMPARE(combo->itemText(0), QString("Ce Elektronen"));

        // Said once: neither saving, nor closing a side window or the main window says it again.
        settings->close();
        f_->CloseWindow();
        QCOMPARE(NotWrittenMessages(), 1);
        QFile::setPermissions(f_->settings.Folder(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void everyKeyHoldingGarbage() {
        QByteArray content = "[Fm_Main]\n";
        for (const char* key :
             {"Einstellungen=Ja", "Cx0=@Invalid()", "Cx_Wert0=1E999", "Cx_Bezeichnung0=a, b",
              "Cb_Einheit0=-7", "Cb_Einheit1=1E3", "Cb_Einheit2=\\", "Combo_Cx=99",
              "opt_Toleranz=6", "txt_Toleranz=@Invalid()", "chk_Runden=-1", "chk_A2=zwei",
              "chk_Feldauswahl0=", "WindowState=7", "L=-1E300", "T=nan", "W=0", "H=-100"}) {
            content += key;
            content += '\n';
        }
        content += "[ElementVisible]\nZ1=@ByteArray(\\xff)\nZ2=\nZ3=0\n";
        WriteConfFile(content);
        f_->Start();
        QCOMPARE(f_->Rows(), 117);  // only Z3 reads as unticked
        QCOMPARE(f_->Find<QComboBox>("Cb_Einheit0")->currentIndex(), 4);
        QCOMPARE(f_->Find<QComboBox>("Combo_Cx")->currentIndex(), 0);
        QCOMPARE(f_->Caption("Lab_AusgabeCx"), QString("--=1.79769313486231E+308 m"));
        QVERIFY(f_->Find<QCheckBox>("chk_Runden")->isChecked());
        QVERIFY(!f_->Window().isMinimized());
        QVERIFY(f_->Window().width() >= 1 && f_->Window().height() >= 1);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.intersects(f_->Window().frameGeometry()));
        f_->CloseWindow();
        QCOMPARE(SettingsStore().Read("Fm_Main", "Cb_Einheit0", ""), QString("4"));
    }

    void windowStoredOffEveryScreenOpensOnThePrimaryScreen() {
        WriteConfFile("[Fm_Main]\nL=150000000\nT=-150000000\n");
        f_->Start();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.intersects(f_->Window().frameGeometry()));
    }

    // Permission bits do not stop root; CTest runs this case once more as an unprivileged user.
    void readOnlyFileIsLeftAsItWasAndSaidOnce() {
        if (geteuid() == 0) {
            QSKIP("needs an unprivileged user; see the _unprivileged test");
        }
        WriteConfFile("[Fm_Main]\nEinstellungen=Ja\nCb_Einheit0=2\n");
        QFile::setPermissions(ConfFile(), QFile::ReadOwner);
        const QByteArray before = ReadConfFile();
        f_->Start();
        QCOMPARE(f_->Find<QComboBox>("Cb_Einheit0")->currentIndex(), 2);
        f_->SelectUnit(0, "GHz Giga e+9");
        f_->desktop.Answer(MessageAnswer::Ok);
        f_->CloseWindow();
        QCOMPARE(NotWrittenMessages(), 1);
        QCOMPARE(ReadConfFile(), before);
    }

    void unreadableFileGivesTheDefaults() {
        if (geteuid() == 0) {
            QSKIP("needs an unprivileged user; see the _unprivileged test");
        }
        WriteConfFile("[Fm_Main]\nEinstellungen=Ja\nCb_Einheit0=2\n");
        QFile::setPermissions(ConfFile(), QFileDevice::Permissions());
        f_->desktop.Answer(MessageAnswer::Ok);
        f_->Start();
        ExpectDefaults();
        f_->CloseWindow();
        QVERIFY(NotWrittenMessages() <= 1);
        QFile::setPermissions(ConfFile(), QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(ReadConfFile().contains("Cb_Einheit0=2"));  // not overwritten
    }
};

QTEST_MAIN(DamagedSettingsTest)
#include "damaged_settings_test.moc"
