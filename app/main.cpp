#include "form1.h"
#include "paddesigner.h"
#include "velkorconfig.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tamsel"));   // where the settings are kept
    QCoreApplication::setApplicationName(QStringLiteral("Velkor"));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELKOR_APP_ID));   // matches the window to its desktop entry
    // The pad designer alone, as the desktop entry's action opens it.
    if (QCoreApplication::arguments().contains(QStringLiteral("--designer"))) {
        velkor::ui::PadDesigner designer{velkor::ui::DesignerStart{}};
        designer.show();
        return app.exec();
    }
    velkor::ui::Form1 window;
    window.show();
    return app.exec();
}
