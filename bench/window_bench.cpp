// The window's costs: one keystroke in the attenuation box up to every
// caption updated, and building and showing the whole window.

#include "form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

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

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
