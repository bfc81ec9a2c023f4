// Drives the Mehrfachsuche window (offscreen, with a settings and a data folder of its own): a
// list of measured values arrives in its box and the ranking over all 118 elements is shown.
//
//   a  1,000 values pasted into the box, until the ranking is painted
//   b  one more key typed at the end of those 1,000 values, until the new ranking is painted
//   c  10,000 values pasted
#include <QApplication>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cmath>
#include <memory>
#include <random>

#include "bench/bench_support.h"
#include "support/unattended_desktop.h"
#include "ui/windows/fm_mehrfachsuche.h"

namespace {

using namespace kolvenar;
using namespace kolvenar::bench;
using Clock = std::chrono::steady_clock;

struct Session {
    QTemporaryDir folder;
    UnattendedDesktop desktop{UnattendedDesktop::Questions::AnswerYes};
    std::unique_ptr<Fm_Mehrfachsuche> window;
    QPlainTextEdit* box = nullptr;
    QTableView* ranking = nullptr;
};

Session* session = nullptr;

// A spectrum in nm: wavelengths spread evenly in the logarithm between 100 and 1000 nm, each
// with a label.
QString Spectrum(int count) {
    std::mt19937_64 engine(29);
    std::uniform_real_distribution<double> exponent(2.0, 3.0);
    QString text = QStringLiteral("# Einheit: nm\n");
    for (int i = 0; i < count; ++i) {
        text += QString::number(std::pow(10.0, exponent(engine)), 'g', 8) +
                QStringLiteral("\tLinie ") + QString::number(i + 1) + QLatin1Char('\n');
    }
    return text;
}

// Lets the coalesced update run and the ranking be painted.
void ShowRanking() {
    QApplication::processEvents();
    session->ranking->viewport()->repaint();
}

void Paste(benchmark::State& state, int count) {
    const QString list = Spectrum(count);
    for (auto _ : state) {
        session->box->clear();
        ShowRanking();
        const auto start = Clock::now();
        session->box->setPlainText(list);
        ShowRanking();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    state.counters["rows"] = session->ranking->model()->rowCount();
}

void BM_a_Paste1000(benchmark::State& state) {
    Paste(state, 1000);
}

void BM_b_TypeOneKey(benchmark::State& state) {
    session->box->setPlainText(Spectrum(1000));
    ShowRanking();
    session->box->moveCursor(QTextCursor::End);
    for (auto _ : state) {
        const auto start = Clock::now();
        QTest::keyClick(session->box, Qt::Key_5);
        ShowRanking();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        QTest::keyClick(session->box, Qt::Key_Backspace);
        ShowRanking();
    }
}

void BM_c_Paste10000(benchmark::State& state) {
    Paste(state, 10000);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Session s;
    session = &s;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, s.folder.path());
    qputenv("XDG_CONFIG_HOME", s.folder.path().toLocal8Bit());
    s.window = std::make_unique<Fm_Mehrfachsuche>(s.desktop, s.folder.path());
    s.window->show();
    if (!QTest::qWaitForWindowExposed(s.window.get())) {
        return 1;
    }
    s.box = s.window->findChild<QPlainTextEdit*>(QStringLiteral("txt_Messwerte"));
    s.ranking = s.window->findChild<QTableView*>(QStringLiteral("lv_Rangliste"));

    Register("mehrfachsuche_a_1000_values_pasted_ranking_shown", BM_a_Paste1000);
    Register("mehrfachsuche_b_one_key_typed_after_1000_values", BM_b_TypeOneKey);
    Register("mehrfachsuche_c_10000_values_pasted_ranking_shown", BM_c_Paste10000);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    s.window.reset();
    return 0;
}
