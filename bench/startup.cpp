// Start-up to the first window shown, then exit: the program's own window;
// with "--bare" a plain empty Qt window of the same size, with "--text" the
// same with one line of text (which loads the font system), and with
// "--labels" one with as many labels as the program's window, to compare.
// Timed from outside (hyperfine) and measured for peak memory (time -v).

#include "form1.h"
#include "layout.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>

#include <algorithm>
#include <cstring>
#include <memory>

int main(int argc, char* argv[])
{
    const auto is = [&](const char* mode) { return argc > 1 && std::strcmp(argv[1], mode) == 0; };
    const bool bare = is("--bare"), text = is("--text"), labels = is("--labels");
    QApplication app(argc, argv);
    std::unique_ptr<QMainWindow> w;
    if (bare || text || labels) {
        w = std::make_unique<QMainWindow>();
        w->resize(640, 440);
        if (text)
            w->setCentralWidget(new QLabel(QStringLiteral("Velkor")));
        if (labels) {
            auto* client = new QWidget;
            auto* grid = new QGridLayout(client);
            const auto items = velkor::ui::items();
            const auto count = std::count_if(items.begin(), items.end(),
                                             [](const auto& i) { return i.kind == velkor::ui::Kind::Label; });
            for (int n = 0; n < count; ++n)
                grid->addWidget(new QLabel(QStringLiteral("Label %1").arg(n)), n / 6, n % 6);
            w->setCentralWidget(client);
        }
    } else {
        w = std::make_unique<velkor::ui::Form1>();
    }
    w->show();
    QApplication::processEvents();
    return 0;
}
