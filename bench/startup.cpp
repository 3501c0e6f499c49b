// Start-up to the first window shown, then exit: the program's own window;
// with "--bare" a plain empty Qt window of the same size, and with "--text"
// the same with one line of text (which loads the font system), to compare.
// Timed from outside (hyperfine) and measured for peak memory (time -v).

#include "form1.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstring>
#include <memory>

int main(int argc, char* argv[])
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    const bool text = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    QApplication app(argc, argv);
    std::unique_ptr<QMainWindow> w;
    if (bare || text) {
        w = std::make_unique<QMainWindow>();
        w->resize(640, 440);
        if (text)
            w->setCentralWidget(new QLabel(QStringLiteral("Velkor")));
    } else {
        w = std::make_unique<velkor::ui::Form1>();
    }
    w->show();
    QApplication::processEvents();
    return 0;
}
