// The windows' costs: one keystroke in the attenuation box up to every
// caption updated, and building and showing the whole window; the same for
// the pad designer, its keystroke up to every result and the plot redrawn
// at 600 points, worked out on its thread and shown; and its keystroke up to
// the character in the box while a long computation runs (budget 2 ms);
// and the same of its step mode, with opening it.

#include "form1.h"
#include "paddesigner.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// The designer's remembered inputs dropped: each benchmark starts from the
// defaults, not from the sweep of 100001 points the one before it left.
void forget() { QSettings().clear(); }

// Until the designer has worked out and shown what its inputs ask.
void settle(const velkor::ui::PadDesigner& d)
{
    while (d.working())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void keystroke(benchmark::State& state)
{
    velkor::ui::Form1 w;
    w.show();
    QApplication::processEvents();
    auto* box = w.findChild<QLineEdit*>(QStringLiteral("Text1"));
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_1);
    // Alternately type and erase a digit: "1" -> "12" -> "1" ..., each a
    // full recalculation with new captions.
    bool add = true;
    for (auto _ : state) {
        QTest::keyClick(box, add ? Qt::Key_2 : Qt::Key_Backspace);
        add = !add;
    }
}
BENCHMARK(keystroke)->Unit(benchmark::kMicrosecond);

void constructandshow(benchmark::State& state)
{
    for (auto _ : state) {
        velkor::ui::Form1 w;
        w.show();
        QApplication::processEvents();
    }
}
BENCHMARK(constructandshow)->Unit(benchmark::kMillisecond);

void designerKeystroke(benchmark::State& state)
{
    forget();
    velkor::ui::PadDesigner d({});
    d.show();
    QApplication::processEvents();
    auto* box = d.findChild<QLineEdit*>(QStringLiteral("db"));
    box->setFocus();
    bool add = true;
    for (auto _ : state) {
        QTest::keyClick(box, add ? Qt::Key_1 : Qt::Key_Backspace);   // 6 -> 61 -> 6 ...
        settle(d);
        d.repaint();   // the plot and results drawn, not only scheduled
        add = !add;
    }
}
BENCHMARK(designerKeystroke)->Unit(benchmark::kMillisecond);

// The same keystroke with only what it changes painted, as the window
// paints it: the box, the results and the plot.
void designerKeystrokePainted(benchmark::State& state)
{
    forget();
    velkor::ui::PadDesigner d({});
    d.show();
    QApplication::processEvents();
    auto* box = d.findChild<QLineEdit*>(QStringLiteral("db"));
    box->setFocus();
    bool add = true;
    for (auto _ : state) {
        QTest::keyClick(box, add ? Qt::Key_1 : Qt::Key_Backspace);   // 6 -> 61 -> 6 ...
        settle(d);
        QApplication::processEvents();
        add = !add;
    }
}
BENCHMARK(designerKeystrokePainted)->Unit(benchmark::kMillisecond);

// A keystroke up to its character in the box while a 16-way splitter over
// 100001 frequencies (a second or more) is worked out: each key stops that
// computation and asks the next.
void designerKeystrokeWhileWorking(benchmark::State& state)
{
    forget();
    velkor::ui::PadDesigner d({});
    d.show();
    d.findChild<QComboBox*>(QStringLiteral("kind"))->setCurrentText(QStringLiteral("Resistive splitter"));
    d.findChild<QLineEdit*>(QStringLiteral("outputs"))->setText(QStringLiteral("16"));
    d.findChild<QLineEdit*>(QStringLiteral("points"))->setText(QStringLiteral("100001"));
    QApplication::processEvents();
    auto* box = d.findChild<QLineEdit*>(QStringLiteral("power"));
    box->setFocus();
    bool add = true;
    for (auto _ : state) {
        QTest::keyClick(box, add ? Qt::Key_0 : Qt::Key_Backspace);   // 1 -> 10 -> 1 ...
        add = !add;
    }
    state.counters["working"] = d.working();
}
BENCHMARK(designerKeystrokeWhileWorking)->Unit(benchmark::kMillisecond);

void designerOpen(benchmark::State& state)
{
    for (auto _ : state) {
        forget();
    velkor::ui::PadDesigner d({});
        d.show();
        QApplication::processEvents();
    }
}
BENCHMARK(designerOpen)->Unit(benchmark::kMillisecond);

// Step mode: a keystroke in the bits box up to the tables, the plots and
// the chosen state's response shown, for six bits of ideal parts without a
// tolerance (budget 16 ms).
void stepKeystroke(benchmark::State& state)
{
    forget();
    velkor::ui::PadDesigner d({});
    d.setStepMode(true);
    d.findChild<QComboBox*>(QStringLiteral("package"))->setCurrentText(QStringLiteral("Ideal"));
    d.show();
    QApplication::processEvents();
    auto* box = d.findChild<QLineEdit*>(QStringLiteral("bits"));
    box->setFocus();
    box->end(false);
    bool add = true;
    for (auto _ : state) {
        QTest::keyClick(box, add ? Qt::Key_4 : Qt::Key_Backspace);   // 32 -> 324 -> 32 ...
        settle(d);
        d.repaint();
        add = !add;
    }
}
BENCHMARK(stepKeystroke)->Unit(benchmark::kMillisecond);

// A keystroke up to its character in the box while eight bits are taken to
// every corner of 1 % parts with the parasitics of 0603 chips and a state's
// response over 100001 frequencies (budget 2 ms).
void stepKeystrokeWhileWorking(benchmark::State& state)
{
    forget();
    velkor::ui::PadDesigner d({});
    d.setStepMode(true);
    d.findChild<QLineEdit*>(QStringLiteral("bits"))->setText(QStringLiteral("1 2 4 8 16 32 64 128"));
    d.findChild<QLineEdit*>(QStringLiteral("tolerance"))->setText(QStringLiteral("1"));
    d.findChild<QLineEdit*>(QStringLiteral("points"))->setText(QStringLiteral("100001"));
    d.show();
    QApplication::processEvents();
    auto* box = d.findChild<QLineEdit*>(QStringLiteral("power"));
    box->setFocus();
    bool add = true;
    for (auto _ : state) {
        QTest::keyClick(box, add ? Qt::Key_0 : Qt::Key_Backspace);   // 1 -> 10 -> 1 ...
        add = !add;
    }
    state.counters["working"] = d.working();
}
BENCHMARK(stepKeystrokeWhileWorking)->Unit(benchmark::kMillisecond);

// From a pad to step mode shown: the default six bits of 0603 parts, their
// bandwidths and the worst state's response (budget 150 ms).
void stepModeOpen(benchmark::State& state)
{
    forget();
    velkor::ui::PadDesigner d({});
    d.show();
    QApplication::processEvents();
    for (auto _ : state) {
        d.setStepMode(true);
        settle(d);
        d.repaint();
        state.PauseTiming();
        d.setStepMode(false);
        settle(d);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(stepModeOpen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);   // the designer's settings of its own
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
