#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>

namespace kolvenar::testing {

FreshSettings::FreshSettings() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    qputenv("XDG_CONFIG_HOME", folder_.path().toLocal8Bit());
}

QString FreshSettings::FilePath() const {
    return folder_.path() + QStringLiteral("/Kolvenar/Kolvenar.conf");
}

QString BuiltGuideFile() {
    return QDir::cleanPath(QStringLiteral(KOLVENAR_PROGRAM_FOLDER "/" KOLVENAR_GUIDE_FROM_PROGRAM));
}

void TypeAndEnter(QWidget* box, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        edit->clear();
    }
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

bool ModalWindowOpen() {
    return QApplication::activeModalWidget() != nullptr;
}

QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteFileBytes(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

}  // namespace kolvenar::testing
