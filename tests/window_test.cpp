// The window as a user meets it: start-up and layout, typing into each box,
// the series buttons, the menus and keys, the icon, and what a screen
// reader and the clipboard get. (The handlers' fuzz corpus, replayed as a
// test of its own, covers hostile text in every box.)

#include "calc.h"
#include "drawing.h"
#include "form1.h"
#include "layout.h"

#include <QtTest>
#include <QtWidgets>

#include <tuple>

using velkor::Series;
using velkor::ui::Form1;
using velkor::ui::Kind;
namespace colour = velkor::ui::colour;

namespace {

struct Inputs { double atten = 6, pwr = 1, sysz = 50; };   // dB, W, ohms
constexpr Inputs start;

// The captions a fresh engine run of these inputs gives.
QStringList fresh(Inputs in, Series s = Series::E12)
{
    velkor::Calc c;
    c.loadseries(s);
    std::tie(c.atten, c.pwr, c.sysz) = std::tuple(in.atten, in.pwr, in.sysz);
    c.recalc();
    QStringList out;
    for (const std::string& t : c.captions)
        out << QString::fromStdString(t);
    return out;
}

QLabel* field(const Form1& w, std::size_t i)   // the label of result field i
{
    const auto name = velkor::fieldname(static_cast<velkor::Field>(i));
    return w.findChild<QLabel*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

QStringList shown(const Form1& w)
{
    QStringList out;
    for (std::size_t i = 0; i < velkor::fieldcount; ++i)
        out << field(w, i)->text();
    return out;
}

template <class T = QLineEdit>
T* find(const Form1& w, const char* name) { return w.findChild<T*>(QString::fromLatin1(name)); }

void showactive(Form1& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

// Every item where the layout table puts it, in its colours: a label sized
// to its text on its anchor (a centre within half a pixel), everything else
// on its box; the painted frames and wires at their corners and ends.
void checklayout(const Form1& w)
{
    const QImage painted = w.centralWidget()->grab().toImage();
    QCOMPARE(painted.pixel(1, 1), colour::window);
    for (const velkor::ui::Item& i : velkor::ui::items()) {
        const QRect box = velkor::ui::pixelrect(i.box);
        const QPoint a(velkor::ui::px(i.ends.x1), velkor::ui::px(i.ends.y1)), b(velkor::ui::px(i.ends.x2), velkor::ui::px(i.ends.y2));
        if (const QPoint in(i.linewidth - 1, i.linewidth - 1), c = box.center(); i.kind == Kind::Frame || i.kind == Kind::Line) {
            const QList<QPoint> sides{{box.left() + in.x(), c.y()}, {box.right() - in.x(), c.y()}, {c.x(), box.top() + in.y()}, {c.x(), box.bottom() - in.y()}};
            for (QPoint p : i.kind == Kind::Line ? QList{a, b, (a + b) / 2} : sides)   // a frame: each side's innermost line of pixels
                QVERIFY2(painted.pixel(p) == i.colour, i.name);
            QVERIFY(i.kind == Kind::Line || painted.pixel(box.topLeft() + in + QPoint(1, 1)) != i.colour);
            continue;
        }
        const QWidget* item = find<QWidget>(w, i.name);
        QCOMPARE(item->toolTip(), QString::fromLatin1(i.tooltip ? i.tooltip : ""));
        const bool edit = i.kind == Kind::TextBox;
        if (const auto* l = qobject_cast<const QLabel*>(item); l || edit)
            QVERIFY2(int((l ? l->alignment() : static_cast<const QLineEdit*>(item)->alignment()) & Qt::AlignHorizontal_Mask) == int(i.align)
                         && (!l || l->wordWrap() == i.wrap), i.name);
        QVERIFY2(item->palette().color(edit ? QPalette::Text : QPalette::WindowText).rgb() == i.colour
                     && item->palette().color(edit ? QPalette::Base : QPalette::Window).rgb() == colour::window, i.name);
        const QRect at = item->geometry();
        const int off = i.anchor == velkor::ui::Anchor::Left ? at.left() - box.left()
                        : i.anchor == velkor::ui::Anchor::Right ? at.right() - box.right() : at.center().x() - box.center().x();
        QVERIFY2(i.anchor == velkor::ui::Anchor::None ? at == box : at.top() == box.top() && at.size() == item->sizeHint(), i.name);
        QVERIFY2(i.anchor == velkor::ui::Anchor::None || qAbs(off) <= (i.anchor == velkor::ui::Anchor::Centre), i.name);
    }
}

} // namespace

Q_DECLARE_METATYPE(Inputs)

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void startupAndLayout();
    void edits_data();
    void edits();
    void seriesButtons();
    void menusAndKeys();
    void resultsReadAndCopied();
};

void Form1Test::startupAndLayout()
{
    Form1 w;
    QCOMPARE(find(w, "Text1")->text() + find(w, "Text2")->text() + find(w, "systemimpedance")->text(), QStringLiteral("61.050"));
    QVERIFY(find<QRadioButton>(w, "Option1")->isChecked() && !find<QRadioButton>(w, "Option2")->isChecked() && w.recalccount() == 1);
    QCOMPARE(shown(w), fresh(start));
    QVERIFY(w.windowTitle() == QLatin1String(" Velkor - Pi and T Attenuator Calculator by Tamsel") && w.centralWidget()->size() == QSize(640, 416)
            && !(w.windowFlags() & Qt::WindowMaximizeButtonHint));   // fixed size
    QCOMPARE(w.helpviewer().color(), 0xC0E0FFu);   // the window colour as 0x00BBGGRR
    QCOMPARE(find<QLabel>(w, "Label7")->font().pixelSize(), 32);   // 24 points
    const QFont subtitle = find<QLabel>(w, "Label12")->font();
    QVERIFY(subtitle.italic() && subtitle.bold() && subtitle.pixelSize() == 18);   // 13.5 points
    for (const char* name : {"Text1", "Text2", "systemimpedance", "Option1", "Option2", "Option3"})
        QVERIFY(!find<QWidget>(w, name)->accessibleName().isEmpty());
    showactive(w);
    QVERIFY((w.frameGeometry().center() - w.screen()->availableGeometry().center()).manhattanLength() <= 4);
    auto* e12 = find<QRadioButton>(w, "Option1");   // has the focus, and shows it from the first moment
    const QImage focused = e12->grab().toImage();
    QStringList tabs{w.focusWidget()->objectName()};   // the designed order; the series buttons are one stop, on the selected one
    for (int i = 0; i < 3; ++i, tabs << QApplication::focusWidget()->objectName())
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(tabs, QStringList({"Option1", "Text1", "Text2", "systemimpedance"}));
    QVERIFY(QApplication::focusWidget() != e12 && focused != e12->grab().toImage());
    for (const char* db : {"6", "0.01", "60"}) {   // captions short and long
        find(w, "Text1")->setText(QString::fromLatin1(db));
        checklayout(w);
    }
    // The icon at a few points of its 32-pixel grid, at two sizes: ground, wires,
    // the series resistor's outline and inside, a shunt's, and the "6dB" text.
    const QRgb g = colour::iconground, r = colour::darkred, k = qRgb(0, 0, 0);
    const std::tuple<int, int, QRgb> points[] = {{0, 0, g}, {1, 5, r}, {11, 3, r}, {21, 7, r}, {21, 5, r}, {15, 3, r}, {12, 5, g}, {22, 3, g},
        {1, 29, r}, {25, 5, r}, {7, 15, r}, {12, 14, g}, {30, 29, r}, {31, 29, g}, {5, 30, g}, {26, 9, r}, {15, 7, r}, {5, 25, r}, {3, 10, r}, {3, 15, r}, {5, 9, r}, {7, 10, r}, {4, 11, g}, {9, 14, k}, {9, 15, k}, {10, 15, g}, {16, 14, k}, {19, 14, k}};
    for (int scale : {1, 8})
        for (const QImage image = velkor::ui::attenuatorimage(32 * scale); const auto& [x, y, c] : points)
            QVERIFY2(image.size() == QSize(32, 32) * scale && image.pixel(x * scale, y * scale) == c, qPrintable(QString::number(x * 100 + y)));
    for (int x = 8; x <= 22; ++x)   // the text stands in its five rows, nothing above or below
        QVERIFY(velkor::ui::attenuatorimage(32).pixel(x, 13) == g && velkor::ui::attenuatorimage(32).pixel(x, 19) == g);
}

void Form1Test::edits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("caret");        // typed key by key from here, Return last; -1: over all; -2: set by the program
    QTest::addColumn<QString>("text");     // "\b" is a Backspace
    QTest::addColumn<Inputs>("results");   // whose results show
    QTest::addColumn<QString>("shows");    // the box at the end
    QTest::addColumn<int>("recalcs");      // for text set by the program
    QTest::addColumn<int>("finish");       // the key that ends typing: Return, Tab (focus leaves), or none (the window goes)

    const char* z = "systemimpedance";
    QTest::newRow("atten-above-60") << "Text1" << -1 << "75" << Inputs{60, 1, 50} << "75" << 0 << int(Qt::Key_Return);
    QTest::newRow("atten-no-lower-limit") << "Text1" << -1 << "0.05" << Inputs{0.05, 1, 50} << "0.05" << 0 << int(Qt::Key_Return);
    QTest::newRow("atten-negative-keeps-results") << "Text1" << -1 << "-3" << start << "-3" << 0 << int(Qt::Key_Return);
    QTest::newRow("atten-emptied-keeps-results") << "Text1" << -2 << "" << start << "" << 0 << int(Qt::Key_Return);
    QTest::newRow("power-below-tenth-is-1") << "Text2" << -1 << "0.05" << start << "0.05" << 0 << int(Qt::Key_Return);
    QTest::newRow("power-tenth") << "Text2" << -1 << "0.1" << Inputs{6, 0.1, 50} << "0.1" << 0 << int(Qt::Key_Return);
    QTest::newRow("power-above-100") << "Text2" << -1 << "250" << Inputs{6, 100, 50} << "250" << 0 << int(Qt::Key_Return);
    QTest::newRow("z-decimal") << z << -1 << "12.5" << Inputs{6, 1, 12.5} << " 12.5" << 0 << int(Qt::Key_Return);
    QTest::newRow("z-below-one") << z << -1 << "0.5" << Inputs{6, 1, 0.5} << " .5" << 0 << int(Qt::Key_Return);
    QTest::newRow("z-leading-point") << z << -1 << ".75" << Inputs{6, 1, 0.75} << " .75" << 0 << int(Qt::Key_Return);
    QTest::newRow("z-exponent") << z << -1 << "1e6" << Inputs{6, 1, 1e6} << " 1000000" << 0 << int(Qt::Key_Return);
    QTest::newRow("z-upper-exponent") << z << -1 << "2.2E3" << Inputs{6, 1, 2200} << " 2200" << 0 << int(Qt::Key_Return);
    QTest::newRow("z-milliohm") << z << -1 << "0.001" << Inputs{6, 1, 0.001} << " .001" << 0 << int(Qt::Key_Return);
    QTest::newRow("z-negative-exponent") << z << -1 << "1.5e-2" << Inputs{6, 1, 0.015} << " .015" << 0 << int(Qt::Key_Return);
    QTest::newRow("z-zero-is-50") << z << -1 << "0" << start << " 50" << 0 << int(Qt::Key_Return);
    QTest::newRow("z-negative-is-50") << z << -1 << "-3" << start << " 50" << 0 << int(Qt::Key_Return);
    QTest::newRow("z-letters-are-50") << z << -1 << "abc" << start << " 50" << 0 << int(Qt::Key_Return);
    QTest::newRow("z-emptied-then-75") << z << 2 << "\b\b75" << Inputs{6, 1, 75} << " 75" << 0 << int(Qt::Key_Return);
    QTest::newRow("z-digit-in-front") << z << 0 << "7" << Inputs{6, 1, 750} << " 750" << 0 << int(Qt::Key_Return);
    QTest::newRow("z-focus-leaves-start-in-view") << z << -1 << "1e-30" << Inputs{6, 1, 1e-30} << " 1E-30" << 0 << int(Qt::Key_Tab);
    QTest::newRow("z-unfinished-as-window-goes") << z << -1 << "9" << Inputs{6, 1, 9} << "9" << 0 << 0;
    QTest::newRow("z-set-written-back-twice") << z << -2 << "75" << Inputs{6, 1, 75} << " 75" << 2 << int(Qt::Key_Return);
    QTest::newRow("z-set-sign-position-once") << z << -2 << " 75" << Inputs{6, 1, 75} << " 75" << 1 << int(Qt::Key_Return);
    QTest::newRow("z-set-emptied-shows-50") << z << -2 << "" << start << " 50" << 1 << int(Qt::Key_Return);
    QTest::newRow("z-set-fifteen-digits") << z << -2 << "0.1234567890123456" << Inputs{6, 1, 0.123456789012346} << " .123456789012346" << 2 << int(Qt::Key_Return);
}

// Typed key by key as a user types, results checked after the last key and
// again after Return; or set whole by the program.
void Form1Test::edits()
{
    QFETCH(QString, name);
    QFETCH(int, caret);
    QFETCH(QString, text);
    QFETCH(Inputs, results);
    QFETCH(QString, shows);
    QFETCH(int, finish);
    Form1 w;
    showactive(w);
    QLineEdit* e = find(w, qPrintable(name));
    if (caret == -2) {
        e->setText(text);
        QTEST(w.recalccount() - 1, "recalcs");
    } else {
        const QString before = e->text();
        e->setFocus();
        caret < 0 ? e->selectAll() : e->setCursorPosition(caret);
        for (QChar c : text)
            c == QLatin1Char('\b') ? QTest::keyClick(e, Qt::Key_Backspace) : QTest::keyClicks(e, QString(c));
        const QString typed = QString(text).remove(QLatin1Char('\b'));
        const int erased = static_cast<int>(text.size() - typed.size());
        QCOMPARE(e->text(), caret < 0 ? typed : before.left(caret - erased) + typed + before.mid(caret));   // every key kept
        QCOMPARE(shown(w), fresh(results));
        const int runs = w.recalccount();
        if (finish) {
            QTest::keyClick(e, Qt::Key(finish));
            QTest::keyClick(&w, Qt::Key_Tab);   // focus moving on with nothing more typed
        }
        QCOMPARE(w.recalccount() - runs, finish && shows != typed);   // the write-back's own run, once
        QCOMPARE(e->cursorPosition(), finish == Qt::Key_Tab ? 0 : int(shows.size()));   // after Return at the end; left, at the start
    }
    QCOMPARE(e->text(), shows);
    QCOMPARE(shown(w), fresh(results));
}

void Form1Test::seriesButtons()
{
    Form1 w;
    showactive(w);
    QTest::mouseClick(find<QRadioButton>(w, "Option2"), Qt::LeftButton);
    QCOMPARE(shown(w), fresh(start, Series::E24));
    QTest::mouseClick(find<QRadioButton>(w, "Option3"), Qt::LeftButton);
    QCOMPARE(shown(w), fresh(start, Series::E6));
    QTest::keyClick(find<QRadioButton>(w, "Option3"), Qt::Key_Down);   // to E12, within the group
    QVERIFY(find<QRadioButton>(w, "Option1")->isChecked());
    QCOMPARE(shown(w), fresh(start, Series::E12));
    find(w, "Text1")->setText(QStringLiteral("-3"));   // the table is loaded, nothing runs
    QTest::mouseClick(find<QRadioButton>(w, "Option2"), Qt::LeftButton);
    QCOMPARE(shown(w), fresh(start));
    QTest::mouseClick(find<QRadioButton>(w, "Option1"), Qt::LeftButton);
    find(w, "Text1")->setText(QStringLiteral("10"));
    QCOMPARE(w.state().pvtable[14], 3.6);   // an E24 leftover that changes no result
    QCOMPARE(shown(w), fresh({10, 1, 50}));
}

// F1 for help, F10 for the menus, then Quit.
void Form1Test::menusAndKeys()
{
    Form1 w;
    showactive(w);
    QTest::keyClick(&w, Qt::Key_F1);
    QTextBrowser* help = w.helpviewer().window();
    QVERIFY(help && help->isVisible() && !help->windowIcon().isNull() && help->size() == QSize(640, 520));
    QCOMPARE(help->windowTitle(), QStringLiteral("Velkor Help"));   // the document's own title
    QVERIFY(help->toPlainText().contains(QStringLiteral("Return loss")));
    QVERIFY((help->frameGeometry().center() - w.frameGeometry().center()).manhattanLength() <= 4);   // over the window
    QApplication::setActiveWindow(&w);
    QTest::keyClick(&w, Qt::Key_F1);
    QVERIFY(w.helpviewer().window() == help && w.recalccount() == 1);   // the same window, brought forward
    QTRY_COMPARE(QApplication::activeWindow(), help);
    help->close();
    velkor::ui::HelpViewer viewer(nullptr);
    viewer.setHelpCommand(velkor::ui::HelpViewer::forcefile);
    viewer.setHelpFile(QStringLiteral("Missing.hlp"));
    viewer.showHelp();
    QCOMPARE(viewer.window()->windowTitle(), QStringLiteral("Help file not found"));
    QApplication::setActiveWindow(&w);
    QString said;
    QTimer::singleShot(0, [&] {
        QTest::keyClick(&w, Qt::Key_F10);   // opens the menus; Down to About; Return
        QWidget* menu = QApplication::activePopupWidget();
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_Down);
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box && box->icon() == QMessageBox::NoIcon && box->buttons().size() == 1);
            said = box->windowTitle() + QLatin1Char('|') + box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::keyClick(menu, Qt::Key_Return);
        find<QAction>(w, "Quit")->trigger();
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);   // Quit ended it
    QCOMPARE(said, QStringLiteral("Velkor|Velkor version 1.0\n\ntamsel@example.com"));
    QVERIFY(w.recalccount() == 1 && !w.isVisible());
}


// What a screen reader reads of each result (what it is and its caption,
// kept current; nothing unnamed in the window), and what Copy results puts
// on the clipboard.
void Form1Test::resultsReadAndCopied()
{
    Form1 w;
    showactive(w);
    for (const char* db : {"6", "10"}) {
        find(w, "Text1")->setText(QString::fromLatin1(db));
        for (std::size_t i = 0; i < velkor::fieldcount; ++i) {
            const auto what = velkor::fielddescription(static_cast<velkor::Field>(i));
            QCOMPARE(QAccessible::queryAccessibleInterface(field(w, i))->text(QAccessible::Name),
                     QString::fromLatin1(what.data(), static_cast<qsizetype>(what.size())) + QStringLiteral(": ") + field(w, i)->text().trimmed());
        }
    }
    QAccessibleInterface* client = QAccessible::queryAccessibleInterface(w.centralWidget());
    for (int i = 0; i < client->childCount(); ++i)
        QVERIFY(!client->child(i)->text(QAccessible::Name).isEmpty());
    find(w, "Text1")->setText(QStringLiteral("6"));
    find(w, "Text1")->setText(QStringLiteral("-3"));   // stored, but not what the results are for
    QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(
        "Attenuation: 6 dB\nInput power: 1 W\nSystem impedance: 50 ohms\nSeries: E12\nPi R1 theoretical value in ohms: 150.5\n"
        "Pi R2 theoretical value in ohms: 37.4\nPi R3 theoretical value in ohms: 150.5\nT R1 theoretical value in ohms: 16.6\n"
        "T R2 theoretical value in ohms: 66.9\nT R3 theoretical value in ohms: 16.6\nPower in Pi R1, theoretical: 0.33 W\n"
        "Power in Pi R2, theoretical: 0.33 W\nPower in Pi R3, theoretical: 0.10 W\nPi R1 preferred value: 150R\n"
        "Pi R2 preferred value: 39R\nPi R3 preferred value: 150R\nT R1 preferred value: 18R\nT R2 preferred value: 68R\n"
        "T R3 preferred value: 18R\nPower in Pi R1, preferred value: 0.33 W\nPower in Pi R2, preferred value: 0.33 W\n"
        "Power in Pi R3, preferred value: 0.08 W\nPower in T R1, preferred value: 0.33 W\nPower in T R2, preferred value: 0.31 W\n"
        "Power in T R3, preferred value: 0.08 W\nPi actual attenuation with preferred values: Attenuation 6.19 dB\n"
        "T actual attenuation with preferred values: Attenuation 6.36 dB\nPi input VSWR with preferred values: VSWR 1.01\n"
        "T input VSWR with preferred values: VSWR 1.04\nPi return loss with preferred values: Rtn Loss -43.7 dB\n"
        "T return loss with preferred values: Rtn Loss -34.2 dB\n"));
    find(w, "Text1")->setText(QStringLiteral("6"));
    QTest::mouseClick(find<QRadioButton>(w, "Option2"), Qt::LeftButton);   // the series shown follows the buttons
    QVERIFY(w.results().contains(QStringLiteral("\nSeries: E24\n")));
    const QList<QAction*> menu = w.centralWidget()->actions();   // the client area's context menu
    QVERIFY(w.centralWidget()->contextMenuPolicy() == Qt::ActionsContextMenu && menu.size() == 1);
    QCOMPARE(menu.front()->text(), QStringLiteral("Copy results"));
}

QTEST_MAIN(Form1Test)
#include "window_test.moc"
