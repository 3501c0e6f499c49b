// Writes a PNG of a window as it opens:
//   velkor_screenshot OUT.png [dB [W [ohms]]]   the main window; the values
//                                               are typed into its boxes first
//   velkor_screenshot --designer OUT.png [BOX=TEXT ...]
//                                               the pad designer, as it opens
//                                               on its own; each named box
//                                               (db, zout, kind, package ...)
//                                               or the tabs ("mode=Step attenuator")
//                                               set first

#include "form1.h"
#include "paddesigner.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QTabBar>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

namespace {

int save(QWidget& window, const char* path)
{
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(path))) {
        std::fprintf(stderr, "could not write %s\n", path);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "--designer") == 0) {
        // A settings store of its own: the picture shows the defaults.
        QTemporaryDir settings;
        qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
        velkor::ui::PadDesigner designer{velkor::ui::DesignerStart{}};
        for (int i = 3; i < argc; ++i) {
            const QString setting = QString::fromLocal8Bit(argv[i]);
            const QString name = setting.section(QLatin1Char('='), 0, 0), value = setting.section(QLatin1Char('='), 1);
            if (auto* box = designer.findChild<QLineEdit*>(name))
                box->setText(value);
            else if (auto* list = designer.findChild<QComboBox*>(name))
                list->setCurrentText(value);
            else if (auto* tabs = designer.findChild<QTabBar*>(name))
                for (int tab = 0; tab < tabs->count(); ++tab)
                    if (tabs->tabText(tab) == value)
                        tabs->setCurrentIndex(tab);
        }
        designer.show();
        while (designer.working())   // its results worked out on a thread of their own
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        // Its least size as its final results ask, whatever was on display
        // while they were worked out (a busy line, other results).
        QApplication::processEvents();
        designer.setMinimumSize(designer.minimumSizeHint());
        designer.resize(designer.sizeHint());
        return save(designer, argv[2]);
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [dB [W [ohms]]]\n       %s --designer OUT.png\n", argv[0], argv[0]);
        return 2;
    }
    velkor::ui::Form1 window;
    const char* boxes[] = {"Text1", "Text2", "systemimpedance"};
    for (int i = 2; i < argc && i - 2 < 3; ++i)
        window.findChild<QLineEdit*>(QString::fromLatin1(boxes[i - 2]))->setText(QString::fromLocal8Bit(argv[i]));
    return save(window, argv[1]);
}
