// Writes a PNG of the window as it opens: velkor_screenshot OUT.png
// Optional further arguments are typed into the attenuation, power and
// impedance boxes first, to picture other values.

#include "form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [dB [W [ohms]]]\n", argv[0]);
        return 2;
    }
    velkor::ui::Form1 window;
    const char* boxes[] = {"Text1", "Text2", "systemimpedance"};
    for (int i = 2; i < argc && i - 2 < 3; ++i)
        window.findChild<QLineEdit*>(QString::fromLatin1(boxes[i - 2]))->setText(QString::fromLocal8Bit(argv[i]));
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
