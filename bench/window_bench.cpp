// The windows' costs: one keystroke in the attenuation box up to every
// caption updated, and building and showing the whole window; the same for
// the pad designer, its keystroke up to every result and the plot redrawn
// at 600 points, worked out on its thread and shown; and its keystroke up to
// the character in the box while a long computation runs (budget 2 ms).

#include "form1.h"
#include "paddesigner.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

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
        velkor::ui::PadDesigner d({});
        d.show();
        QApplication::processEvents();
    }
}
BENCHMARK(designerOpen)->Unit(benchmark::kMillisecond);

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
