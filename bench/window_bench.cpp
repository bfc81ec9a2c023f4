// Drives the real main window (offscreen, with a settings folder of its own) through the
// program's largest runs, and compares each with the bare computation of the same rows.
//
//   a  the full table: 118 elements, N from -900 to 900, every optional column, no rounding
//   b  a search over all 118 elements that matches in many rows, b2 the same showing each row's
//      nearest test and its deviation
//   c  the export of the table of case a
//   d  one rebuild while "N bis" is dragged across 100 positions with 118 elements ticked
//   e  the peak resident memory of the process after case a
//   f  start-up: from the process start to the first table shown; f0 the same for a bare window
//   g  copying every row of table a to the clipboard, and the text a paste reads
//   h  sorting table a by one column, and i back to the built order
//   j  table a written as an Excel workbook
// Case c is also compared with a raw loop that writes the same values with std::to_chars into
// one string, writes it and syncs it to the disk (c0), and with the peak memory while exporting.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <chrono>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

#include <charconv>

#include "bench/bench_support.h"
#include "bench/startup_timing.h"
#include "core/elements.h"
#include "core/resonance.h"
#include "export/export.h"
#include "export/workbook_export.h"
#include "support/unattended_desktop.h"
#include "ui/main/fm_main.h"
#include "ui/main/result_view.h"

namespace {

using namespace kolvenar;
using Clock = std::chrono::steady_clock;
using namespace kolvenar::bench;

struct Session {
    QTemporaryDir settingsFolder;
    QTemporaryDir exportFolder;
    UnattendedDesktop desktop{UnattendedDesktop::Questions::AnswerYes};
    std::unique_ptr<Fm_Main> window;

    template <typename T>
    T* Find(const QString& name) const {
        return window->findChild<T*>(name);
    }
};

Session* session = nullptr;
double coreMilliseconds = 0;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The bare computation of all 212,518 rows, the yardstick of every case.
double CoreLoopMilliseconds() {
    const ResonanceParameters parameters =
        MakeResonanceParameters(2.42611E-12, 2, 0.5, PowerOfTen(0), PowerOfTen(0));
    ResonanceValues values;
    const auto start = Clock::now();
    for (int z = 1; z <= kElementCount; ++z) {
        for (int n = -900; n <= 900; ++n) {
            benchmark::DoNotOptimize(ComputeResonanceValues(parameters, z, n, values));
        }
    }
    return Milliseconds(Clock::now() - start);
}

void PaintTable() {
    auto* table = session->Find<QTreeView>(QStringLiteral("lv_Ausgabe"));
    table->viewport()->repaint();
}

// Every optional column on, rounding off, all elements ticked.
void PrepareFullTable() {
    Session& s = *session;
    s.Find<QCheckBox>(QStringLiteral("chk_Runden"))->setChecked(false);
    for (const char* box : {"chk_A2", "chk_V2", "chk_V4"}) {
        s.Find<QCheckBox>(QString::fromLatin1(box))->setChecked(true);
    }
    for (int i = 0; i < 2; ++i) {
        auto* factor = s.Find<QLineEdit>(QStringLiteral("txt_Wunschfaktor%1").arg(i));
        factor->setText(i == 0 ? QStringLiteral("2") : QStringLiteral(".5"));
    }
    auto* from = s.Find<QLineEdit>(QStringLiteral("txt_N_Value0"));
    from->setText(QStringLiteral("-900"));
    QTest::keyClick(from, Qt::Key_Return);
    s.Find<QScrollBar>(QStringLiteral("HScroll_N1"))->setValue(900);
}

void Report(benchmark::State& state, double milliseconds) {
    state.SetIterationTime(milliseconds / 1000);
    state.counters["x_core"] = milliseconds / coreMilliseconds;
}

void BM_CoreLoop(benchmark::State& state) {
    for (auto _ : state) {
        Report(state, CoreLoopMilliseconds());
    }
}

void BM_a_FullTable(benchmark::State& state) {
    PrepareFullTable();
    for (auto _ : state) {
        const auto start = Clock::now();
        session->window->BuildOutputTable(-900, 900);
        PaintTable();
        Report(state, Milliseconds(Clock::now() - start));
    }
    state.counters["rows"] =
        session->Find<QTreeView>(QStringLiteral("lv_Ausgabe"))->model()->rowCount();
}

void BM_e_PeakMemoryAfterFullTable(benchmark::State& state) {
    for (auto _ : state) {
        state.SetIterationTime(0);
    }
    state.counters["peak_MB"] = PeakResidentMegabytes();
}

// The search of case b, with (b2) or without the nearest test and deviation of every row.
void Search(benchmark::State& state, bool deviation) {
    Session& s = *session;
    s.Find<QAction>(QStringLiteral("ME_Abweichung"))->setChecked(deviation);
    s.Find<QCheckBox>(QStringLiteral("Chk_Suchmodus"))->setChecked(true);
    s.Find<QRadioButton>(QStringLiteral("opt_Toleranz5"))->setChecked(true);  // 20 %
    s.Find<QLineEdit>(QStringLiteral("txt_Suchen1"))->setText(QStringLiteral(".3"));
    for (auto _ : state) {
        const auto start = Clock::now();
        s.window->BuildOutputTable(33, 33);
        PaintTable();
        Report(state, Milliseconds(Clock::now() - start));
    }
    state.counters["rows"] = s.Find<QTreeView>(QStringLiteral("lv_Ausgabe"))->model()->rowCount();
    s.Find<QLineEdit>(QStringLiteral("txt_Suchen1"))->clear();
    s.Find<QCheckBox>(QStringLiteral("Chk_Suchmodus"))->setChecked(false);
    s.Find<QAction>(QStringLiteral("ME_Abweichung"))->setChecked(false);
}

void BM_b_Search(benchmark::State& state) {
    Search(state, false);
}

void BM_b2_SearchWithDeviation(benchmark::State& state) {
    Search(state, true);
}

ResultTableView& TableView() {
    return *session->Find<ResultTableView>(QStringLiteral("lv_Ausgabe"));
}

double rawLoopMilliseconds = 0;
double exportMilliseconds = 0;

// The yardstick of the export: every value of the table (Z, N and the value columns) written
// with std::to_chars into one string, TAB and CR LF between, written and synced.
void BM_c0_RawLoop(benchmark::State& state) {
    session->window->BuildOutputTable(-900, 900);
    const ResultTable& table = TableView().Model().Table();
    const std::string path =
        session->exportFolder.filePath(QStringLiteral("raw.txt")).toStdString();
    for (auto _ : state) {
        const auto start = Clock::now();
        std::string text;
        char buffer[32];
        for (std::size_t row = 0; row < table.RowCount(); ++row) {
            text.append(buffer, std::to_chars(buffer, buffer + 32, table.ElementAt(row)).ptr);
            text += '\t';
            text.append(buffer, std::to_chars(buffer, buffer + 32, table.NAt(row)).ptr);
            for (std::size_t v = 0; v < table.ValueCount(); ++v) {
                text += '\t';
                text.append(buffer, std::to_chars(buffer, buffer + 32, table.ValueAt(row, v)).ptr);
            }
            text += "\r\n";
        }
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        benchmark::DoNotOptimize(::write(fd, text.data(), text.size()));
        ::fsync(fd);
        ::close(fd);
        const double milliseconds = Milliseconds(Clock::now() - start);
        rawLoopMilliseconds = milliseconds;
        Report(state, milliseconds);
    }
}

void BM_c_Export(benchmark::State& state) {
    session->window->BuildOutputTable(-900, 900);
    session->window->SetExportFolder(session->exportFolder.path());
    auto* save = session->Find<QAction>(QStringLiteral("ME_Speichern0"));
    double peak = 0;
    for (auto _ : state) {
        ResetPeakMemory();
        const auto start = Clock::now();
        save->trigger();
        const double milliseconds = Milliseconds(Clock::now() - start);
        peak = std::max(peak, PeakResidentMegabytes());
        exportMilliseconds = milliseconds;
        Report(state, milliseconds);
        state.counters["x_raw_loop"] = milliseconds / rawLoopMilliseconds;
    }
    state.counters["peak_MB"] = peak;
    state.counters["MB"] =
        static_cast<double>(
            QFile(session->exportFolder.filePath(QStringLiteral("KolvenarAusgabe.TXT"))).size()) /
        (1024 * 1024);
}

// The copy hands the clipboard the rows, and their text is written when a program pastes:
// the case times both, the copy alone also as copy_ms.
void BM_g_CopyAllRows(benchmark::State& state) {
    session->window->BuildOutputTable(-900, 900);
    ResultTableView& view = TableView();
    view.selectAll();
    for (auto _ : state) {
        const auto start = Clock::now();
        view.CopyHighlightedRows();
        const auto copied = Clock::now();
        const QByteArray pasted =
            QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/plain"));
        const double milliseconds = Milliseconds(Clock::now() - start);
        Report(state, milliseconds);
        state.counters["copy_ms"] = Milliseconds(copied - start);
        state.counters["x_export"] = milliseconds / exportMilliseconds;
        state.counters["MB"] = static_cast<double>(pasted.size()) / (1024 * 1024);
    }
    view.clearSelection();
}

// One click on a header of table a: h sorts by the wavelength, i returns to the built order
// (the third click on the same header).
void ClickHeader(int clicks, benchmark::State& state) {
    session->window->BuildOutputTable(-900, 900);
    ResultTableView& view = TableView();
    const int column = 6;  // L
    for (auto _ : state) {
        for (int i = 1; i < clicks; ++i) {
            view.Model().CycleSort(column);
        }
        const auto start = Clock::now();
        view.Model().CycleSort(column);
        view.viewport()->repaint();
        Report(state, Milliseconds(Clock::now() - start));
        while (view.Model().SortColumn() >= 0) {
            view.Model().CycleSort(column);
        }
    }
}

void BM_h_SortByOneColumn(benchmark::State& state) {
    ClickHeader(1, state);
}

void BM_i_BackToBuiltOrder(benchmark::State& state) {
    ClickHeader(3, state);
}

void BM_j_Workbook(benchmark::State& state) {
    session->window->BuildOutputTable(-900, 900);
    const QString path = session->exportFolder.filePath(QStringLiteral("tabelle.xlsx"));
    double peak = 0;
    for (auto _ : state) {
        ResetPeakMemory();
        const auto start = Clock::now();
        const auto failure =
            WriteWorkbook(path, ExportHeaderLines(QStringLiteral("Ce=2.42611E-12 m"), QDateTime()),
                          TableView().Model().Shown());
        const double milliseconds = Milliseconds(Clock::now() - start);
        peak = std::max(peak, PeakResidentMegabytes());
        if (failure) {
            state.SkipWithError("the workbook could not be written");
        }
        Report(state, milliseconds);
    }
    state.counters["peak_MB"] = peak;
    state.counters["MB"] = static_cast<double>(QFile(path).size()) / (1024 * 1024);
}

void BM_d_DragNBis(benchmark::State& state) {
    Session& s = *session;
    auto* from = s.Find<QScrollBar>(QStringLiteral("HScroll_N0"));
    auto* to = s.Find<QScrollBar>(QStringLiteral("HScroll_N1"));
    from->setValue(33);
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int step = 1; step <= 100; ++step) {
            to->setValue(33 + step);
            PaintTable();
        }
        Report(state, Milliseconds(Clock::now() - start) / 100);
    }
}

// Case f runs in a child process of this program (startup_timing.h). Case f0 is its yardstick:
// the same process showing a bare window with one line of text, what Qt alone takes to start
// and put a window on the screen.
double startupMilliseconds = 0;

void BM_f0_BareWindow(benchmark::State& state) {
    for (auto _ : state) {
        const double milliseconds = TimeStartUp(QStringLiteral("--bare-window-child")).milliseconds;
        startupMilliseconds = milliseconds;
        Report(state, milliseconds);
    }
}

void BM_f_StartUp(benchmark::State& state) {
    for (auto _ : state) {
        const StartUp startUp = TimeStartUp(QStringLiteral("--startup-child"));
        Report(state, startUp.milliseconds);
        state.counters["beyond_f0_ms"] = startUp.milliseconds - startupMilliseconds;
        // 1: the table was on screen with the window's first frame.
        state.counters["table_in_first_frame"] = startUp.tableInFirstFrame ? 1 : 0;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::string(argv[1]) == "--startup-child") {
        return StartupChild(argc, argv, false);
    }
    if (argc > 1 && std::string(argv[1]) == "--bare-window-child") {
        return StartupChild(argc, argv, true);
    }
    QApplication app(argc, argv);
    Session s;
    session = &s;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, s.settingsFolder.path());
    qputenv("XDG_CONFIG_HOME", s.settingsFolder.path().toLocal8Bit());
    s.window = std::make_unique<Fm_Main>(s.desktop);
    s.window->show();
    if (!QTest::qWaitForWindowExposed(s.window.get())) {
        return 1;
    }

    // Warm up caches and the allocator, then take the yardstick.
    PrepareFullTable();
    s.window->BuildOutputTable(-900, 900);
    std::vector<double> core;
    for (int i = 0; i < kRepetitions; ++i) {
        core.push_back(CoreLoopMilliseconds());
    }
    std::sort(core.begin(), core.end());
    coreMilliseconds = core[core.size() / 2];

    Register("core_loop_212518_rows", BM_CoreLoop);
    Register("a_full_table_shown", BM_a_FullTable);
    Register("e_peak_memory_after_a", BM_e_PeakMemoryAfterFullTable);
    Register("b_search_all_elements", BM_b_Search);
    Register("b2_search_all_elements_deviation_shown", BM_b2_SearchWithDeviation);
    Register("c0_raw_loop_to_chars_write_fsync", BM_c0_RawLoop);
    Register("c_export_full_table", BM_c_Export);
    Register("d_drag_n_bis_per_rebuild", BM_d_DragNBis);
    Register("f0_bare_window_shown", BM_f0_BareWindow);
    Register("f_start_up_to_first_table", BM_f_StartUp);
    Register("g_copy_all_rows", BM_g_CopyAllRows);
    Register("h_sort_by_one_column", BM_h_SortByOneColumn);
    Register("i_back_to_built_order", BM_i_BackToBuiltOrder);
    Register("j_workbook_written", BM_j_Workbook);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    s.window.reset();
    return 0;
}
