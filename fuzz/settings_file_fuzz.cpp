// A whole settings file, as damaged as it comes, read by the program's start-up and written
// again by its close handling.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeView>

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "fuzz_checks.h"
#include "settings/settings_store.h"
#include "support/unattended_desktop.h"
#include "ui/main/fm_main.h"

namespace {

using namespace kolvenar;

QTemporaryDir* folder = nullptr;

void CheckShownTexts(const Fm_Main& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        FUZZ_CHECK(!fuzz::LooksLikeInfOrNan(label->text().toStdString()));
    }
    for (const QLineEdit* box : window.findChildren<QLineEdit*>()) {
        if (box->objectName() != QStringLiteral("txt_Toleranz")) {  // shown exactly as stored
            FUZZ_CHECK(!fuzz::LooksLikeInfOrNan(box->text().toStdString()));
        }
    }
    const QAbstractItemModel* table = window.findChild<QTreeView*>("lv_Ausgabe")->model();
    for (int row = 0; row < table->rowCount() && row < 200; ++row) {
        for (int column = 4; column < table->columnCount(); ++column) {
            FUZZ_CHECK(table->index(row, column).data().toString() != QStringLiteral("inf"));
            FUZZ_CHECK(!fuzz::LooksLikeInfOrNan(
                table->index(row, column).data().toString().toStdString()));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Both live until the process ends and are then torn down in order.
    static int applicationArgc = *argc;
    static QApplication application(applicationArgc, *argv);
    static QTemporaryDir settingsRoot;
    folder = &settingsRoot;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder->path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A folder of its own per input, so that no cached copy of an earlier file is read.
    static int run = 0;
    const QString settingsFolder = folder->filePath(QString::number(run++));
    QDir().mkpath(settingsFolder + QStringLiteral("/Kolvenar"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder);
    {
        QFile file(settingsFolder + QStringLiteral("/Kolvenar/Kolvenar.conf"));
        FUZZ_CHECK(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    UnattendedDesktop desktop(UnattendedDesktop::Questions::TakeDefault);
    {
        auto window = std::make_unique<Fm_Main>(desktop);
        CheckShownTexts(*window);
        window->close();
    }
    // Windows closed above delete themselves from the event loop, which a fuzzer has not.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDir(settingsFolder).removeRecursively();
    return 0;
}
