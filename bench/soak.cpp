// Memory over a long session: 100 000 random edits and series clicks on one
// window (offscreen), printing the resident set size as it goes. A flat
// figure after warm-up means no growth.
// Usage: velkor_soak [edits]

#include "form1.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

long residentkib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long edits = argc > 1 ? std::atol(argv[1]) : 100000;
    velkor::ui::Form1 w;
    w.show();
    QApplication::processEvents();

    QLineEdit* boxes[] = {w.findChild<QLineEdit*>(QStringLiteral("Text1")), w.findChild<QLineEdit*>(QStringLiteral("Text2")),
                          w.findChild<QLineEdit*>(QStringLiteral("systemimpedance"))};
    QRadioButton* buttons[] = {w.findChild<QRadioButton*>(QStringLiteral("Option1")),
                               w.findChild<QRadioButton*>(QStringLiteral("Option2")),
                               w.findChild<QRadioButton*>(QStringLiteral("Option3"))};
    std::mt19937 gen(12345);
    std::uniform_int_distribution<int> pick(0, 5), length(0, 12);
    const char alphabet[] = "0123456789.eE+- ,x";
    std::uniform_int_distribution<int> ch(0, static_cast<int>(sizeof alphabet) - 2);

    std::printf("edits  resident KiB\n%6d %8ld\n", 0, residentkib());
    for (long n = 1; n <= edits; ++n) {
        const int what = pick(gen);
        if (what < 3) {
            QString t;
            for (int i = length(gen); i > 0; --i)
                t += QLatin1Char(alphabet[ch(gen)]);
            boxes[what]->setText(t);
        } else {
            buttons[what - 3]->click();
        }
        if (n % 500 == 0)
            QApplication::processEvents();   // let the window repaint, as it would
        if (n % (edits / 10) == 0)
            std::printf("%6ld %8ld\n", n, residentkib());
    }
    return 0;
}
