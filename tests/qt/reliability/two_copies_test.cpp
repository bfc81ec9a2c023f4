// Two copies of the program on one settings store, each its own process: whichever closes
// last wins, and neither leaves a damaged file.
#include <QCoreApplication>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <memory>

#include "settings/settings_store.h"
#include "support/test_support.h"

using namespace kolvenar;

namespace {

// A running copy that selects frequency unit `unit` and unticks element `element`.
std::unique_ptr<QProcess> StartCopy(const QString& settingsFolder, int unit, int element) {
    auto copy = std::make_unique<QProcess>();
    copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    copy->start(QCoreApplication::applicationDirPath() + QStringLiteral("/copy_process"),
                {settingsFolder, QString::number(unit), QString::number(element)});
    return copy;
}

bool WaitFor(QProcess& copy, const QByteArray& word) {
    while (!copy.canReadLine()) {
        if (!copy.waitForReadyRead(30000)) {
            return false;
        }
    }
    return copy.readLine().trimmed() == word;
}

bool Close(QProcess& copy) {
    copy.write("close\n");
    return WaitFor(copy, "closed") && copy.waitForFinished(30000) && copy.exitCode() == 0;
}

}  // namespace

class TwoCopiesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::FreshSettings> settings_;

    // Reads the file as the next start would: every key there and of its kind.
    void ExpectWholeFile(int unit) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_->Folder());
        SettingsStore store;
        QCOMPARE(store.Read("Fm_Main", "Cb_Einheit0", ""), QString::number(unit));
        QCOMPARE(store.Read("Fm_Main", "Einstellungen", ""), QString("Ja"));
        QCOMPARE(store.Read("Fm_Main", "Cx_Wert0", ""), QString("2.42611E-12"));
        for (int z = 1; z <= 118; ++z) {
            const QString tick = store.Read("ElementVisible", "Z" + QString::number(z), "");
            QVERIFY2(tick == "0" || tick == "1", qPrintable("Z" + QString::number(z)));
        }
        QSettings raw(settings_->FilePath(), QSettings::IniFormat);
        QCOMPARE(raw.status(), QSettings::NoError);
    }

private slots:
    void init() { settings_ = std::make_unique<testing::FreshSettings>(); }

    void whicheverClosesLastWins_data() {
        QTest::addColumn<bool>("firstClosesFirst");
        QTest::newRow("first copy closes first") << true;
        QTest::newRow("second copy closes first") << false;
    }

    void whicheverClosesLastWins() {
        QFETCH(bool, firstClosesFirst);
        auto first = StartCopy(settings_->Folder(), 1, 5);
        QVERIFY(WaitFor(*first, "ready"));
        auto second = StartCopy(settings_->Folder(), 5, 7);
        QVERIFY(WaitFor(*second, "ready"));
        QProcess& early = firstClosesFirst ? *first : *second;
        QProcess& late = firstClosesFirst ? *second : *first;
        QVERIFY(Close(early));
        QVERIFY(Close(late));
        const int lastUnit = firstClosesFirst ? 5 : 1;
        ExpectWholeFile(lastUnit);
        SettingsStore store;
        // The last to close writes every tick it has, over those of the other.
        const int lastUnticked = firstClosesFirst ? 7 : 5;
        const int otherUnticked = firstClosesFirst ? 5 : 7;
        QCOMPARE(store.Read("ElementVisible", "Z" + QString::number(lastUnticked), ""),
                 QString("0"));
        QCOMPARE(store.Read("ElementVisible", "Z" + QString::number(otherUnticked), ""),
                 QString("1"));
    }

    void closingAtTheSameMomentNeverDamagesTheFile() {
        for (int round = 0; round < 8; ++round) {
            auto first = StartCopy(settings_->Folder(), 1, 5);
            auto second = StartCopy(settings_->Folder(), 5, 7);
            QVERIFY(WaitFor(*first, "ready"));
            QVERIFY(WaitFor(*second, "ready"));
            first->write("close\n");
            second->write("close\n");
            QVERIFY(first->waitForFinished(30000) && first->exitCode() == 0);
            QVERIFY(second->waitForFinished(30000) && second->exitCode() == 0);
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_->Folder());
            const QString unit = SettingsStore().Read("Fm_Main", "Cb_Einheit0", "");
            QVERIFY2(unit == "1" || unit == "5", qPrintable(unit));
            ExpectWholeFile(unit.toInt());
        }
    }
};

QTEST_GUILESS_MAIN(TwoCopiesTest)
#include "two_copies_test.moc"
