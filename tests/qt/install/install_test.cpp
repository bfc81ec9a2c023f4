// Installing the program into a prefix of its own: every file in its place, the desktop entry
// and the AppStream description pointing at what was installed, and the desktop's own
// validators accepting both.
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "core/version.h"
#include "tool_support.h"

using namespace kolvenar::testing;

namespace {

const QString kAppId = QStringLiteral("org.kolvenar.Kolvenar");
const QString kDesktopEntry = QStringLiteral("share/applications/org.kolvenar.Kolvenar.desktop");
const QString kIcon = QStringLiteral("share/icons/hicolor/scalable/apps/org.kolvenar.Kolvenar.svg");
const QString kMetainfo = QStringLiteral("share/metainfo/org.kolvenar.Kolvenar.metainfo.xml");
const QString kProgram = QStringLiteral("bin/kolvenar");

// The keys of the [Desktop Entry] group; translations ("Name[en]") are keys of their own.
QMap<QString, QString> DesktopEntryKeys(const QString& path) {
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return keys;
    }
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith('[')) {
            inEntry = line == QStringLiteral("[Desktop Entry]");
        } else if (inEntry && line.contains('=') && !line.startsWith('#')) {
            const qsizetype equals = line.indexOf('=');
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
    }
    return keys;
}

}  // namespace

class InstallTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir prefix_;

    QString Installed(const QString& relative) const { return prefix_.filePath(relative); }

private slots:
    void initTestCase() {
        QVERIFY(prefix_.isValid());
        const Outcome install =
            Run(QStringLiteral(KOLVENAR_CMAKE_COMMAND),
                {QStringLiteral("--install"), QStringLiteral(KOLVENAR_BUILD_DIR),
                 QStringLiteral("--prefix"), prefix_.path()});
        QVERIFY2(install.exitCode == 0, qPrintable(install.output));
    }

    void everyFileIsInItsPlaceAndNothingElse() {
        QStringList expected = {kProgram, kDesktopEntry, kIcon, kMetainfo,
                                QStringLiteral("share/man/man1/kolvenar.1.gz")};
        for (const char* size : {"16", "24", "32", "48", "64", "128", "256"}) {
            expected << QStringLiteral("share/icons/hicolor/%1x%1/apps/org.kolvenar.Kolvenar.png")
                            .arg(QString::fromLatin1(size));
        }
        for (const char* doc :
             {"Anleitung.html", "bilder/hauptfenster.png", "bilder/suche.png", "bilder/tabelle.png",
              "bilder/umrechner.png", "changelog.gz", "copyright"}) {
            expected << QStringLiteral("share/doc/kolvenar/") + QString::fromLatin1(doc);
        }
        expected.sort();
        const QStringList installed = FilesBelow(prefix_.path());
        QCOMPARE(installed, expected);
        QVERIFY(QFileInfo(Installed(kProgram)).permissions().testFlag(QFile::ExeOther));
        for (const QString& file : installed) {
            QVERIFY2(QFileInfo(Installed(file)).permissions().testFlag(QFile::ReadOther),
                     qPrintable(file + " is not readable for every user"));
        }
    }

    // A menu entry whose command or icon name is off shows no program or no icon.
    void desktopEntryStartsTheInstalledProgramWithItsIcon() {
        const QMap<QString, QString> keys = DesktopEntryKeys(Installed(kDesktopEntry));
        QCOMPARE(keys.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QVERIFY(QFileInfo(Installed(QStringLiteral("bin/") + keys.value(QStringLiteral("Exec"))))
                    .isExecutable());
        QCOMPARE(keys.value(QStringLiteral("Icon")), QFileInfo(kIcon).completeBaseName());
        QCOMPARE(keys.value(QStringLiteral("Terminal")), QStringLiteral("false"));
    }

    void iconIsASquareSvg() {
        QFile file(Installed(kIcon));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QStringLiteral("svg"));
        const QStringList box =
            xml.attributes().value(QStringLiteral("viewBox")).toString().split(' ');
        QCOMPARE(box.size(), 4);
        QCOMPARE(box[2], box[3]);
        while (!xml.atEnd()) {
            xml.readNext();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }

    // The release the software centre shows is the version the window caption shows.
    void metainfoNamesTheDesktopEntryAndTheProgramVersion() {
        QFile file(Installed(kMetainfo));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString id;
        QString launchable;
        QStringList releases;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == QStringLiteral("id")) {
                id = xml.readElementText();
            } else if (xml.name() == QStringLiteral("launchable")) {
                launchable = xml.readElementText();
            } else if (xml.name() == QStringLiteral("release")) {
                releases << xml.attributes().value(QStringLiteral("version")).toString();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(id, kAppId);
        QCOMPARE(launchable, QFileInfo(kDesktopEntry).fileName());
        QVERIFY(!releases.isEmpty());
        const auto version = kolvenar::VersionText();
        QCOMPARE(releases.first(),
                 QString::fromLatin1(version.data(), static_cast<qsizetype>(version.size())));
    }

    void desktopEntryPassesDesktopFileValidate() {
        const QString validator = RequireTool(QStringLiteral("desktop-file-validate"),
                                              QStringLiteral("desktop-file-utils"));
        const Outcome outcome = Run(validator, {Installed(kDesktopEntry)});
        // Hints too: each of them is something a desktop may show wrongly.
        QVERIFY2(outcome.exitCode == 0 && outcome.output.trimmed().isEmpty(),
                 qPrintable(outcome.output));
    }

    void metainfoPassesAppstreamcliValidate() {
        const QString validator =
            RequireTool(QStringLiteral("appstreamcli"), QStringLiteral("appstream"));
        const Outcome file = Run(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                             Installed(kMetainfo)});
        QVERIFY2(file.exitCode == 0 && Complaints(file.output).isEmpty(), qPrintable(file.output));
        // The whole installed tree: the description together with its desktop entry.
        const Outcome tree = Run(validator, {QStringLiteral("validate-tree"),
                                             QStringLiteral("--no-net"), prefix_.path()});
        QVERIFY2(tree.exitCode == 0 && Complaints(tree.output).isEmpty(), qPrintable(tree.output));
    }
};

QTEST_MAIN(InstallTest)
#include "install_test.moc"
