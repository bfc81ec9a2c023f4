// `kolvenar --mehrfachsuche` run as a user's script runs it: without a display, with a settings
// folder of its own.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Result {
    int status;
    QString out;
    QString err;
};

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        Write("liste.txt", "49 a\n196,196 b\nx\n-1\n300 c\n");
        Write("nm.txt", "# Einheit: nm\n589 Na D2\n");
        Write("binär.dat", QByteArray("589\n\0\n", 6));
    }

    QString Path(const QString& name) const { return folder_.filePath(name); }

    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Slot 4 holds a reference length of 1 m, as the settings window stores it.
    void StoreFreeLength() const {
        QDir(folder_.path()).mkpath(QStringLiteral("Kolvenar"));
        Write("Kolvenar/Kolvenar.conf",
              "[Fm_Main]\nEinstellungen=Ja\nCx4=Cx\nCx_Wert4=1\nCx_Bezeichnung4=Freie Eingabe\n");
    }

    Result Run(const QStringList& arguments, const QByteArray& input = {}) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder_.path());
        // No display at all: a window could not even start.
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("keine"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder_.path());
        process.start(QStringLiteral(KOLVENAR_PROGRAM), arguments);
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir folder_;
};

QStringList Arguments(const char* text) {
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

}  // namespace

TEST_F(CommandLine, RankingAndAssignments) {
    // The unit of the list's comment and the factory constants; the standard input.
    EXPECT_TRUE(
        Run(Arguments("--mehrfachsuche nm.txt"))
            .err.startsWith("Wellenlänge in nm, Toleranz 1 %, Ce Elektronen = 2.42611E-12 m\n"));
    Result result = Run(Arguments("--groesse e --mehrfachsuche -"), "1,24\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.err.startsWith("Energie in eV, Toleranz 1 %, Ce Elektronen"))
        << result.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("Kolvenar/Kolvenar.conf")));  // reading stores nothing

    StoreFreeLength();
    result = Run(Arguments("--mehrfachsuche liste.txt --cx 4 --einheit m"));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.toStdString(),
              "Rang\tElement\tZ\tErklärt\tMittlere Abweichung in %\tZufall in %\tGleichwertig\n"
              "1\tIndium\t49\t2 von 3\t0.05\t0.245\tCalifornium* (98)\n"
              "1\tCalifornium*\t98\t2 von 3\t0.05\t0.245\tIndium (49)\n"
              "3\tRhenium\t75\t1 von 3\t0\t8.409\t\n"
              "4\tEinsteinium*\t99\t1 von 3\t0.9195\t8.409\t\n");
    EXPECT_EQ(result.err.toStdString(),
              "Wellenlänge in m, Toleranz 1 %, Cx Freie Eingabe = 1 m\n"
              "3 Werte gelesen; übersprungen: Zeile 3 (keine Zahl), Zeile 4 (Wert nicht größer "
              "als 0); durch Zufall erklärt ein Element im Mittel 0.09 Werte\n");

    result = Run(Arguments(
        "--zuordnung --mehrfachsuche=liste.txt --toleranz 0,5% --cx 4 --groesse L --einheit m"));
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.startsWith(
        "Element\tZ\tWert\tBezeichnung\tN\tBerechneter Wert\tAbweichung in %\tErklärt\n"
        "Indium\t49\t49\ta\t0\t49\t0\tja\n"
        "Indium\t49\t196.196\tb\t2\t196\t-0.0999\tja\n"
        "Indium\t49\t300\tc\t3\t392\t30.6667\tnein\n"))
        << result.out.toStdString();
}

TEST_F(CommandLine, HelpVersionAndWrongArguments) {
    Result result = Run({QStringLiteral("--version")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, QStringLiteral("Kolvenar 1.0.0\n"));
    result = Run({QStringLiteral("-h")});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.startsWith("Aufruf: kolvenar [--mehrfachsuche DATEI [--groesse L]"));
    EXPECT_TRUE(result.out.contains("  --toleranz PROZENT\n      Toleranz in Prozent"));

    for (const auto& [arguments, message] :
         std::initializer_list<std::pair<const char*, const char*>>{
             {"--farbe rot", "Unbekannte Option „--farbe“."},
             {"--mehrfachsuch liste.txt", "Unbekannte Option „--mehrfachsuch“."},
             {"--groesse L",
              "Die Option --mehrfachsuche DATEI fehlt; --help zeigt, wie das Programm aufgerufen "
              "wird."},
             {"--mehrfachsuche", "Der Option „--mehrfachsuche“ fehlt ihr Wert."},
             {"--mehrfachsuche liste.txt noch.txt", "Unerwartetes Argument „noch.txt“."},
             {"--mehrfachsuche liste.txt --groesse Masse",
              "Unbekannte Größe „Masse“: erlaubt sind f, L, T, A, V, E und k."},
             {"--mehrfachsuche liste.txt --einheit furlong", "Unbekannte Einheit „furlong“."},
             {"--mehrfachsuche liste.txt --groesse f --einheit nm",
              "Die Einheit „nm“ ist keine Einheit der Größe Frequenz."},
             {"--mehrfachsuche liste.txt --toleranz 50,5",
              "Ungültige Toleranz „50,5“: erlaubt ist ein Wert größer als 0 und höchstens 50."},
             {"--mehrfachsuche liste.txt --toleranz 0",
              "Ungültige Toleranz „0“: erlaubt ist ein Wert größer als 0 und höchstens 50."},
             {"--mehrfachsuche liste.txt --cx 5",
              "Ungültige Bezugslänge „5“: erlaubt sind 0 bis 4."},
             {"--mehrfachsuche fehlt.txt", "Die Datei „fehlt.txt“ gibt es nicht."},
             {"--mehrfachsuche Kolvenar", "Die Datei „Kolvenar“ ist ein Ordner."},
             {"--mehrfachsuche binär.dat",
              "Die Datei „binär.dat“ ist keine Textdatei (sie enthält ein Nullbyte)."},
         }) {
        QDir(folder_.path()).mkpath(QStringLiteral("Kolvenar"));
        result = Run(Arguments(arguments));
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_EQ(result.out, QString()) << arguments;
        EXPECT_EQ(result.err.toStdString(), std::string("kolvenar: ") + message + "\n");
    }
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
