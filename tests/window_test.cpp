// The window as a user meets it: start-up and layout, typing into each box,
// the series buttons, the menus and keys, the icon, and what a screen
// reader and the clipboard get. (The handlers' fuzz corpus, replayed as a
// test of its own, covers hostile text in every box.)

#include "app.h"
#include "copyresults.h"
#include "drawing.h"
#include "form1.h"
#include "layout.h"
#include "window/calc.h"

#include <QtTest>
#include <QtWidgets>

#include <sstream>
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
    return w.findChild<QLabel*>(QString::fromLatin1(name.data(), qsizetype(name.size())));
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

template <class T>
QString text(const T& value)
{
    QString out;
    QDebug(&out).nospace() << value;
    return out;
}

// QCOMPARE that names the item, for checks in a loop over the layout table.
#define COMPARE_AT(where, actual, expected)                                        \
    QVERIFY2((actual) == (expected),                                               \
             qPrintable(QStringLiteral("%1: %2 is %3, not %4")                     \
                            .arg(QLatin1String(where), QLatin1String(#actual),     \
                                 text(actual), text(expected))))

// A painted frame has each side's innermost line of pixels in its colour and
// nothing of it inside; a wire, its ends and middle.
void checkpainted(const QImage& painted, const velkor::ui::Item& i)
{
    using velkor::ui::px;
    const QRect box = velkor::ui::pixelrect(i.box);
    const QPoint a(px(i.ends.x1), px(i.ends.y1)), b(px(i.ends.x2), px(i.ends.y2));
    const int in = i.linewidth - 1;
    const QPoint c = box.center();
    const QList<QPoint> sides{{box.left() + in, c.y()}, {box.right() - in, c.y()},
                              {c.x(), box.top() + in}, {c.x(), box.bottom() - in}};
    for (QPoint p : i.kind == Kind::Line ? QList{a, b, (a + b) / 2} : sides)
        COMPARE_AT(i.name, painted.pixel(p), i.colour);
    if (i.kind == Kind::Frame)
        QVERIFY2(painted.pixel(box.topLeft() + QPoint(in + 1, in + 1)) != i.colour, i.name);
}

// A widget on its box, or sized to its text on its anchor (a centre within
// half a pixel), in its colours, alignment and tooltip.
void checkwidget(const Form1& w, const velkor::ui::Item& i)
{
    using velkor::ui::Anchor;
    const QWidget* item = find<QWidget>(w, i.name);
    COMPARE_AT(i.name, item->toolTip(), QString::fromLatin1(i.tooltip ? i.tooltip : ""));
    const bool edit = i.kind == Kind::TextBox;
    const auto* label = qobject_cast<const QLabel*>(item);
    const auto* entry = qobject_cast<const QLineEdit*>(item);
    if (label || entry) {
        const Qt::Alignment align = label ? label->alignment() : entry->alignment();
        COMPARE_AT(i.name, int(align & Qt::AlignHorizontal_Mask), int(i.align));
    }
    if (label)
        COMPARE_AT(i.name, label->wordWrap(), i.wrap);
    const QPalette& pal = item->palette();
    COMPARE_AT(i.name, pal.color(edit ? QPalette::Text : QPalette::WindowText).rgb(), i.colour);
    COMPARE_AT(i.name, pal.color(edit ? QPalette::Base : QPalette::Window).rgb(), colour::window);
    const QRect at = item->geometry(), box = velkor::ui::pixelrect(i.box);
    if (i.anchor == Anchor::None) {
        COMPARE_AT(i.name, at, box);
        return;
    }
    COMPARE_AT(i.name, at.top(), box.top());
    COMPARE_AT(i.name, at.size(), item->sizeHint());
    const int off = i.anchor == Anchor::Left    ? at.left() - box.left()
                    : i.anchor == Anchor::Right ? at.right() - box.right()
                                                : at.center().x() - box.center().x();
    QVERIFY2(qAbs(off) <= (i.anchor == Anchor::Centre), qPrintable(text(i.name) + text(off)));
}

void checklayout(const Form1& w)
{
    const QImage painted = w.centralWidget()->grab().toImage();
    QCOMPARE(painted.pixel(1, 1), colour::window);
    for (const velkor::ui::Item& i : velkor::ui::items())
        if (i.kind == Kind::Frame || i.kind == Kind::Line)
            checkpainted(painted, i);
        else
            checkwidget(w, i);
}

} // namespace

Q_DECLARE_METATYPE(Inputs)

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void startupAndLayout();
    void icon();
    void edits_data();
    void edits();
    void seriesButtons();
    void menusAndKeys();
    void resultsReadAndCopied();
};

void Form1Test::startupAndLayout()
{
    Form1 w;
    const QString boxes = find(w, "Text1")->text() + QLatin1Char('|') + find(w, "Text2")->text()
                          + QLatin1Char('|') + find(w, "systemimpedance")->text();
    QCOMPARE(boxes, QStringLiteral("6|1.0|50"));
    QVERIFY(find<QRadioButton>(w, "Option1")->isChecked());
    QCOMPARE(shown(w), fresh(start));
    QCOMPARE(w.windowTitle(), QStringLiteral(" Velkor - Pi and T Attenuator Calculator by Tamsel"));
    QCOMPARE(w.centralWidget()->size(), QSize(640, 416));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));   // fixed size
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(w.helpviewer().color(), 0xC0E0FFu);   // the window colour as 0x00BBGGRR
    QCOMPARE(find<QLabel>(w, "Label7")->font().pixelSize(), 32);   // 24 points
    QCOMPARE(find<QLabel>(w, "Label2")->font().pixelSize(), 13);   // 9.75 points
    const QFont subtitle = find<QLabel>(w, "Label12")->font();
    QVERIFY(subtitle.italic());
    QVERIFY(subtitle.bold());
    QCOMPARE(subtitle.pixelSize(), 18);   // 13.5 points
    showactive(w);
    const QPoint centre = w.screen()->availableGeometry().center();
    QCOMPARE_LE((w.frameGeometry().center() - centre).manhattanLength(), 4);
    // The E12 button has the focus, and shows it from the first moment.
    auto* e12 = find<QRadioButton>(w, "Option1");
    const QImage focused = e12->grab().toImage();
    // The designed order; the series buttons are one stop, on the selected one.
    QStringList tabs{w.focusWidget()->objectName()};
    for (int i = 0; i < 3; ++i, tabs << QApplication::focusWidget()->objectName())
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(tabs, QStringList({"Option1", "Text1", "Text2", "systemimpedance"}));
    QVERIFY(focused != e12->grab().toImage());
    for (const char* db : {"6", "0.01", "60"}) {   // captions short and long
        find(w, "Text1")->setText(QString::fromLatin1(db));
        checklayout(w);
    }
}

// The icon at a few points of its 32-pixel grid, at two sizes: ground,
// wires, the series resistor's outline and inside, a shunt's, and the "6dB"
// text standing in its five rows, nothing above or below.
void Form1Test::icon()
{
    const QRgb g = colour::iconground, r = colour::darkred, k = qRgb(0, 0, 0);
    const std::tuple<int, int, QRgb> points[] = {
        {0, 0, g}, {1, 5, r}, {11, 3, r}, {21, 7, r}, {21, 5, r}, {15, 3, r}, {12, 5, g},
        {22, 3, g}, {1, 29, r}, {25, 5, r}, {7, 15, r}, {12, 14, g}, {30, 29, r}, {31, 29, g},
        {5, 30, g}, {26, 9, r}, {15, 7, r}, {5, 25, r}, {3, 10, r}, {3, 15, r}, {5, 9, r},
        {7, 10, r}, {4, 11, g}, {5, 11, g}, {9, 14, k}, {9, 15, k}, {10, 15, g}, {16, 14, k},
        {19, 14, k}, {31, 5, g}};
    for (int scale : {1, 8}) {
        const QImage image = velkor::ui::attenuatorimage(32 * scale);
        QCOMPARE(image.size(), QSize(32, 32) * scale);
        for (const auto& [x, y, c] : points) {
            const QString at = QStringLiteral("%1,%2").arg(x).arg(y);
            COMPARE_AT(qPrintable(at), image.pixel(x * scale, y * scale), c);
        }
    }
    const QList<QSize> sizes{{16, 16}, {32, 32}, {48, 48}, {64, 64}};   // the desktop's own
    QCOMPARE(velkor::ui::attenuatoricon().availableSizes(), sizes);
    const QImage image = velkor::ui::attenuatorimage(32);
    for (int x = 8; x <= 22; ++x) {
        COMPARE_AT("above the text", image.pixel(x, 13), g);
        COMPARE_AT("below the text", image.pixel(x, 19), g);
    }
}

void Form1Test::edits_data()
{
    QTest::addColumn<QString>("name");
    // Typed key by key from here, then the finishing key; -1: over all; -2: set by the program.
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("text");     // "\b" is a Backspace
    QTest::addColumn<Inputs>("results");   // whose results show
    QTest::addColumn<QString>("shows");    // the box at the end
    QTest::addColumn<int>("recalcs");      // for text set by the program
    // The key that ends typing: Return, Tab (focus leaves), or none (the window goes).
    QTest::addColumn<int>("finish");

    const char* z = "systemimpedance";
    // Typed over all and finished with Return, unless the row says otherwise.
    const auto row = [](const char* name, const char* box, const char* text, Inputs results,
                        const char* shows, int caret = -1, int recalcs = 0,
                        int finish = Qt::Key_Return) {
        QTest::newRow(name) << QString::fromLatin1(box) << caret << QString::fromUtf8(text)
                            << results << QString::fromUtf8(shows) << recalcs << finish;
    };
    row("atten-above-60", "Text1", "75", {60, 1, 50}, "75");
    row("atten-no-lower-limit", "Text1", "0.05", {0.05, 1, 50}, "0.05");
    row("atten-negative-keeps-results", "Text1", "-3", start, "-3");
    row("power-below-tenth-is-1", "Text2", "0.05", start, "0.05");
    row("power-tenth", "Text2", "0.1", {6, 0.1, 50}, "0.1");
    row("power-above-100", "Text2", "250", {6, 100, 50}, "250");
    row("z-decimal", z, "12.5", {6, 1, 12.5}, " 12.5");
    row("z-zero-is-50", z, "0", start, " 50");
    row("z-emptied-then-75", z, "\b\b75", {6, 1, 75}, " 75", 2);
    row("z-digit-in-front", z, "7", {6, 1, 750}, " 750", 0);
    row("z-focus-leaves-start-in-view", z, "1e-30", {6, 1, 1e-30}, " 1E-30", -1, 0, Qt::Key_Tab);
    row("z-unfinished-as-window-goes", z, "9", {6, 1, 9}, "9", -1, 0, 0);
    row("z-set-written-back-twice", z, "75", {6, 1, 75}, " 75", -2, 2);
    row("z-set-sign-position-once", z, " 75", {6, 1, 75}, " 75", -2, 1);
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
            if (c == QLatin1Char('\b'))
                QTest::keyClick(e, Qt::Key_Backspace);
            else
                QTest::keyClicks(e, QString(c));
        const QString typed = QString(text).remove(QLatin1Char('\b'));
        const int erased = static_cast<int>(text.size() - typed.size());
        // Every key kept.
        const QString kept = before.left(caret - erased) + typed + before.mid(caret);
        QCOMPARE(e->text(), caret < 0 ? typed : kept);
        QCOMPARE(shown(w), fresh(results));
        const int runs = w.recalccount();
        if (finish) {
            QTest::keyClick(e, Qt::Key(finish));
            QTest::keyClick(&w, Qt::Key_Tab);   // focus moving on with nothing more typed
        }
        // The write-back's own run, once; then the caret at the end after
        // Return, at the start once the focus has left.
        QCOMPARE(w.recalccount() - runs, finish && shows != typed);
        QCOMPARE(e->cursorPosition(), finish == Qt::Key_Tab ? 0 : int(shows.size()));
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
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QVERIFY(!help->windowIcon().isNull());
    QCOMPARE(help->size(), QSize(640, 520));
    QCOMPARE(help->windowTitle(), QStringLiteral("Velkor Help"));   // the document's own title
    const QPoint off = help->frameGeometry().center() - w.frameGeometry().center();
    QCOMPARE_LE(off.manhattanLength(), 4);   // over the window
    QApplication::setActiveWindow(&w);
    QTest::keyClick(&w, Qt::Key_F1);
    QCOMPARE(w.helpviewer().window(), help);   // the same window, brought forward
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
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->buttons().size(), 1);
            said = box->windowTitle() + QLatin1Char('|') + box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::keyClick(menu, Qt::Key_Return);
        find<QAction>(w, "Quit")->trigger();
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);   // Quit ended it
    QCOMPARE(said, QStringLiteral("Velkor|Velkor version 1.0\n\ntamsel@example.com"));
    QCOMPARE(w.recalccount(), 1);
    QVERIFY(!w.isVisible());
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
            const QString name = QString::fromLatin1(what.data(), qsizetype(what.size()))
                                 + QStringLiteral(": ") + field(w, i)->text().trimmed();
            const QAccessibleInterface* read = QAccessible::queryAccessibleInterface(field(w, i));
            QCOMPARE(read->text(QAccessible::Name), name);
        }
    }
    QAccessibleInterface* client = QAccessible::queryAccessibleInterface(w.centralWidget());
    for (int i = 0; i < client->childCount(); ++i)
        QVERIFY(!client->child(i)->text(QAccessible::Name).isEmpty());
    find(w, "Text1")->setText(QStringLiteral("6"));
    find(w, "Text1")->setText(QStringLiteral("-3"));   // stored, but not what the results are for
    QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromLatin1(sixdbresults));
    find(w, "Text1")->setText(QStringLiteral("6"));
    // The series shown follows the buttons.
    QTest::mouseClick(find<QRadioButton>(w, "Option2"), Qt::LeftButton);
    QVERIFY(w.results().contains(QStringLiteral("\nSeries: E24\n")));
    const QList<QAction*> menu = w.centralWidget()->actions();   // the client area's context menu
    QCOMPARE(w.centralWidget()->contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList commands;
    for (const QAction* a : menu)
        commands << a->text();
    QCOMPARE(commands, QStringList({"Copy results", "Copy SPICE netlist", "", "Pad designer\u2026"}));
    // The netlist the command line writes for the values on display.
    find(w, "Text1")->setText(QStringLiteral("10"));
    menu[1]->trigger();
    std::ostringstream cli, err;
    velkor::cli::run({"-f", "spice", "-s", "E24", "10"}, cli, err);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(cli.str()));
}

QTEST_MAIN(Form1Test)
#include "window_test.moc"
