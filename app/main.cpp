#include "form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    velkor::ui::Form1 window;
    window.show();
    return app.exec();
}
