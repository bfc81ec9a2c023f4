#include "bench/startup_timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QTreeView>

#include <cstdio>
#include <memory>

#include "support/unattended_desktop.h"
#include "ui/common/window_support.h"
#include "ui/main/fm_main.h"

namespace kolvenar::bench {

namespace {

// Notes that a widget has been painted.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

int StartupChild(int argc, char* argv[], bool bare) {
    QApplication app(argc, argv);
    UnattendedDesktop desktop(UnattendedDesktop::Questions::AnswerYes);
    std::unique_ptr<QWidget> window;
    QWidget* watched = nullptr;
    if (bare) {
        auto label = std::make_unique<QLabel>(QStringLiteral("Kolvenar - Zuzovudezivudizer"));
        label->setFont(DialogFont());
        watched = label.get();
        window = std::move(label);
    } else {
        window = std::make_unique<Fm_Main>(desktop);
        watched = window->findChild<QTreeView*>(QStringLiteral("lv_Ausgabe"))->viewport();
    }
    PaintWatch watch;
    watched->installEventFilter(&watch);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        return 1;
    }
    const bool inFirstFrame = watch.painted;
    QElapsedTimer waited;
    waited.start();
    while (!watch.painted && waited.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    std::puts(!watch.painted ? "never painted" : inFirstFrame ? "first frame" : "later");
    std::fflush(stdout);
    return 0;
}

StartUp TimeStartUp(const QString& childOption) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {childOption});
    child.waitForReadyRead(10000);
    StartUp result;
    result.milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    result.tableInFirstFrame = child.readAllStandardOutput().startsWith("first frame");
    child.waitForFinished(10000);
    return result;
}

}  // namespace kolvenar::bench
