#include "form1.h"
#include "velkorconfig.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(VELKOR_APP_ID));   // matches the window to its desktop entry
    velkor::ui::Form1 window;
    window.show();
    return app.exec();
}
