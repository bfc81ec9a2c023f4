// The Debian package CPack makes from the build: its control fields, its files, lintian's
// verdict, and the program in it starting.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "core/version.h"
#include "tool_support.h"

using namespace kolvenar::testing;

namespace {

QString Version() {
    const auto version = kolvenar::VersionText();
    return QString::fromLatin1(version.data(), static_cast<qsizetype>(version.size()));
}

}  // namespace

class PackageTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir work_;
    QString deb_;

    QString Unpacked(const QString& relative) const {
        return work_.filePath(QStringLiteral("root/") + relative);
    }

    QString Field(const QString& name) const {
        return Run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb_, name}).output.trimmed();
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("dpkg-deb")).isEmpty()) {
            QSKIP("dpkg-deb is missing; this test needs a Debian system (package dpkg)");
        }
        QVERIFY(work_.isValid());
        const QString folder = work_.filePath(QStringLiteral("pack"));
        const Outcome pack =
            Run(QStringLiteral(KOLVENAR_CPACK_COMMAND),
                {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                 QStringLiteral(KOLVENAR_CPACK_CONFIG), QStringLiteral("-B"), folder});
        QVERIFY2(pack.exitCode == 0, qPrintable(pack.output));
        const QStringList debs = QDir(folder).entryList({QStringLiteral("*.deb")});
        QCOMPARE(debs.size(), 1);
        deb_ = QDir(folder).filePath(debs.first());
        const Outcome unpack =
            Run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb_, Unpacked({})});
        QVERIFY2(unpack.exitCode == 0, qPrintable(unpack.output));
    }

    void controlFields_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("Package") << "Package"
                                 << "kolvenar";
        QTest::newRow("Version") << "Version" << Version();
        QTest::newRow("Section") << "Section"
                                 << "science";
        QTest::newRow("Priority") << "Priority"
                                  << "optional";
        QTest::newRow("Maintainer") << "Maintainer"
                                    << "Kolvenar maintainers <maintainers@kolvenar.org>";
        QTest::newRow("Homepage") << "Homepage"
                                  << "https://kolvenar.org";
        QTest::newRow("Recommends") << "Recommends"
                                    << "xdg-utils, qt6-translations-l10n";
    }

    void controlFields() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QCOMPARE(Field(field), value);
    }

    // dpkg-shlibdeps named the libraries the program links; the font is named by hand.
    void dependsOnItsLibrariesAndFont() {
        QStringList packages;
        for (const QString& dependency : Field(QStringLiteral("Depends")).split(',')) {
            packages << dependency.trimmed().section(' ', 0, 0);
        }
        for (const char* expected : {"fonts-liberation", "libc6", "libqt6core6", "libqt6gui6",
                                     "libqt6widgets6", "libstdc++6"}) {
            QVERIFY2(packages.contains(QString::fromLatin1(expected)),
                     qPrintable(packages.join(", ")));
        }
    }

    // The package holds exactly what `cmake --install` installs, under /usr.
    void holdsWhatInstallInstallsUnderUsr() {
        const QString prefix = work_.filePath(QStringLiteral("prefix"));
        const Outcome install =
            Run(QStringLiteral(KOLVENAR_CMAKE_COMMAND),
                {QStringLiteral("--install"), QStringLiteral(KOLVENAR_BUILD_DIR),
                 QStringLiteral("--prefix"), prefix});
        QVERIFY2(install.exitCode == 0, qPrintable(install.output));
        QStringList expected;
        for (const QString& file : FilesBelow(prefix)) {
            expected << QStringLiteral("usr/") + file;
        }
        QCOMPARE(FilesBelow(Unpacked({})), expected);
    }

    // Debian reads the package's version from the top of its changelog.
    void changelogStartsWithThisVersion() {
        const Outcome changelog =
            Run(QStringLiteral("gzip"),
                {QStringLiteral("-dc"),
                 Unpacked(QStringLiteral("usr/share/doc/kolvenar/changelog.gz"))});
        QCOMPARE(changelog.exitCode, 0);
        QCOMPARE(changelog.output.section('\n', 0, 0),
                 QStringLiteral("kolvenar (%1) stable; urgency=medium").arg(Version()));
    }

    void lintianFindsNothingToComplainAbout() {
        const QString lintian = RequireTool(QStringLiteral("lintian"), QStringLiteral("lintian"));
        if (lintian.isEmpty()) {
            return;
        }
        const Outcome report =
            Run(lintian, {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), deb_});
        QVERIFY2(report.exitCode == 0 && Complaints(report.output).isEmpty(),
                 qPrintable(report.output));
    }

    void unpackedProgramStartsAndKeepsRunning() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           work_.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), work_.filePath(QStringLiteral("data")));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(Unpacked(QStringLiteral("usr/bin/kolvenar")), {});
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        // Still there a moment later: it found its libraries and plugins and came up.
        const bool ended = program.waitForFinished(3000);
        const QString output = QString::fromLocal8Bit(program.readAll());
        program.kill();
        program.waitForFinished();
        QVERIFY2(!ended, qPrintable(output));
    }
};

QTEST_MAIN(PackageTest)
#include "package_test.moc"
