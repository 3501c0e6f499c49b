// The window as a user meets it: start-up and layout, typing into each box,
// the series buttons, the menus and keys, and what a screen reader and the
// clipboard get.

#include "calc.h"
#include "fields.h"
#include "form1.h"
#include "layout.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <limits>
#include <memory>

using velkor::Field;
using velkor::Series;
using velkor::ui::Form1;
using velkor::ui::Item;
using velkor::ui::Kind;

namespace {

// The inputs whose fresh engine run the window must show.
struct Inputs {
    double atten = 6, pwr = 1, sysz = 50;
};
constexpr Inputs start;

QStringList captionsof(Inputs in, Series s = Series::E12)
{
    velkor::Calc c;
    c.loadseries(s);
    c.atten = in.atten;
    c.pwr = in.pwr;
    c.sysz = in.sysz;
    c.recalc();
    QStringList out;
    for (const std::string& t : c.captions)
        out << QString::fromStdString(t);
    return out;
}

QLabel* field(const Form1& w, Field f)
{
    const auto name = velkor::fieldname(f);
    return w.findChild<QLabel*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

QStringList shown(const Form1& w)
{
    QStringList out;
    for (std::size_t i = 0; i < velkor::fieldcount; ++i)
        out << field(w, static_cast<Field>(i))->text();
    return out;
}

QLineEdit* box(const Form1& w, const QString& name) { return w.findChild<QLineEdit*>(name); }
QRadioButton* button(const Form1& w, const char* name) { return w.findChild<QRadioButton*>(QString::fromLatin1(name)); }

void showactive(Form1& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

// Every item where the table puts it: a label sized to its text on its
// anchor, everything else on its box; painted frames and wires in place.
void checklayout(const Form1& w)
{
    const QImage painted = w.centralWidget()->grab().toImage();
    for (const Item& i : velkor::ui::items()) {
        const QString name = QString::fromLatin1(i.name);
        const QRect box = velkor::ui::pixelrect(i.box);
        if (i.kind == Kind::Frame) {
            for (QPoint p : {box.topLeft(), box.bottomRight(), box.topLeft() + QPoint(i.linewidth - 1, i.linewidth - 1)})
                QVERIFY2(painted.pixel(p) == i.colour, qPrintable(name));
            QVERIFY2(painted.pixel(box.topLeft() + QPoint(i.linewidth, i.linewidth)) != i.colour, qPrintable(name));
            continue;
        }
        if (i.kind == Kind::Line) {
            const QPoint a(velkor::ui::px(i.ends.x1), velkor::ui::px(i.ends.y1));
            const QPoint b(velkor::ui::px(i.ends.x2), velkor::ui::px(i.ends.y2));
            for (QPoint p : {a, b, (a + b) / 2})
                QVERIFY2(painted.pixel(p) == i.colour, qPrintable(name));
            continue;
        }
        const QWidget* item = w.findChild<QWidget*>(name);
        QVERIFY2(item, qPrintable(name));
        QCOMPARE(item->toolTip(), QString::fromLatin1(i.tooltip ? i.tooltip : ""));
        QCOMPARE(item->palette().color(i.kind == Kind::TextBox ? QPalette::Text : QPalette::WindowText).rgb(), i.colour);
        const QRect at = item->geometry();
        if (i.anchor == velkor::ui::Anchor::None) {
            QCOMPARE(at, box);
            continue;
        }
        QCOMPARE(at.top(), box.top());
        QCOMPARE(at.size(), item->sizeHint());
        if (i.anchor == velkor::ui::Anchor::Left)
            QCOMPARE(at.left(), box.left());
        else if (i.anchor == velkor::ui::Anchor::Right)
            QCOMPARE(at.right(), box.right());
        else
            QVERIFY2(qAbs(at.center().x() - box.center().x()) <= 1, qPrintable(name));   // half a pixel either way
    }
}

} // namespace

Q_DECLARE_METATYPE(Inputs)

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void startup();
    void layoutFollowsTheTable();
    void typed_data();
    void typed();
    void setByProgram_data();
    void setByProgram();
    void impedanceFocusLeaves();
    void seriesButtons();
    void aboutFromTheKeyboard();
    void helpOnF1();
    void quitEndsTheEventLoop();
    void resultsReadable();
    void copyResults();
};

void Form1Test::startup()
{
    Form1 w;
    QCOMPARE(box(w, QStringLiteral("Text1"))->text(), QStringLiteral("6"));
    QCOMPARE(box(w, QStringLiteral("Text2"))->text(), QStringLiteral("1.0"));
    QCOMPARE(box(w, QStringLiteral("systemimpedance"))->text(), QStringLiteral("50"));   // not yet rewritten
    QVERIFY(button(w, "Option1")->isChecked() && !button(w, "Option2")->isChecked() && !button(w, "Option3")->isChecked());
    QCOMPARE(w.recalccount(), 1);
    QCOMPARE(shown(w), captionsof(start));
    QCOMPARE(w.windowTitle(), QStringLiteral(" Velkor - Pi and T Attenuator Calculator by Tamsel"));
    QCOMPARE(w.centralWidget()->size(), QSize(640, 416));
    QCOMPARE(w.helpviewer().color(), 0xC0E0FFu);   // the window colour as 0x00BBGGRR
    showactive(w);
    QVERIFY((w.frameGeometry().center() - w.screen()->availableGeometry().center()).manhattanLength() <= 4);
    // The focus is on E12, and shows.
    QRadioButton* e12 = button(w, "Option1");
    QCOMPARE(w.focusWidget(), e12);
    const QImage focused = e12->grab().toImage();
    box(w, QStringLiteral("Text1"))->setFocus();
    QVERIFY(focused != e12->grab().toImage());
}

void Form1Test::layoutFollowsTheTable()
{
    Form1 w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label7"))->font().pixelSize(), 32);   // 24 points
    QVERIFY(w.findChild<QLabel*>(QStringLiteral("Label12"))->font().italic());
    for (const char* db : {"6", "0.01", "60"}) {   // captions short and long
        box(w, QStringLiteral("Text1"))->setText(QString::fromLatin1(db));
        checklayout(w);
    }
    // Results and the row names between them stay clear of each other at
    // long values.
    box(w, QStringLiteral("Text2"))->setText(QStringLiteral("100"));
    box(w, QStringLiteral("systemimpedance"))->setText(QStringLiteral("1000"));
    QList<QLabel*> cells;
    for (std::size_t i = 0; i < velkor::fieldcount; ++i)
        cells << field(w, static_cast<Field>(i));
    for (const char* name : {"Label23", "Label24", "Label25", "Label15", "Label14", "Label13", "Label34", "Label33",
                             "Label35", "Label16"})
        cells << w.findChild<QLabel*>(QString::fromLatin1(name));
    for (int a = 0; a < cells.size(); ++a)
        for (int b = a + 1; b < cells.size(); ++b)
            QVERIFY2(!cells[a]->geometry().intersects(cells[b]->geometry()),
                     qPrintable(cells[a]->objectName() + QStringLiteral(" overlaps ") + cells[b]->objectName()));
    for (const char* name : {"Text1", "Text2", "systemimpedance", "Option1", "Option2", "Option3"})
        QVERIFY(!w.findChild<QWidget*>(QString::fromLatin1(name))->accessibleName().isEmpty());
}

void Form1Test::typed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("caret");        // where typing starts; -1: all selected
    QTest::addColumn<int>("backspaces");   // pressed before typing
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("stored");
    QTest::addColumn<Inputs>("results");   // whose results show
    QTest::addColumn<QString>("written");  // the box after Return

    const QString z = QStringLiteral("systemimpedance");
    QTest::newRow("atten-above-60") << "Text1" << -1 << 0 << "75" << 60.0 << Inputs{60, 1, 50} << "75";
    QTest::newRow("atten-no-lower-limit") << "Text1" << -1 << 0 << "0.05" << 0.05 << Inputs{0.05, 1, 50} << "0.05";
    QTest::newRow("atten-emptied") << "Text1" << 1 << 1 << "" << 0.0 << start << "";
    QTest::newRow("atten-negative") << "Text1" << -1 << 0 << "-3" << -3.0 << start << "-3";
    QTest::newRow("atten-overflow") << "Text1" << -1 << 0 << "1E999" << 60.0 << Inputs{60, 1, 50} << "1E999";
    QTest::newRow("atten-too-small-for-K") << "Text1" << -1 << 0 << "1e-17" << 1e-17 << Inputs{0.1, 1, 50} << "1e-17";
    QTest::newRow("power-below-tenth-is-1") << "Text2" << -1 << 0 << "0.05" << 1.0 << start << "0.05";
    QTest::newRow("power-tenth") << "Text2" << -1 << 0 << "0.1" << 0.1 << Inputs{6, 0.1, 50} << "0.1";
    QTest::newRow("power-above-100") << "Text2" << -1 << 0 << "250" << 100.0 << Inputs{6, 100, 50} << "250";
    QTest::newRow("power-negative") << "Text2" << -1 << 0 << "-2" << 1.0 << start << "-2";
    QTest::newRow("power-comma") << "Text2" << -1 << 0 << "2,5" << 2.0 << Inputs{6, 2, 50} << "2,5";
    QTest::newRow("z-decimal") << z << -1 << 0 << "12.5" << 12.5 << Inputs{6, 1, 12.5} << " 12.5";
    QTest::newRow("z-below-one") << z << -1 << 0 << "0.5" << 0.5 << Inputs{6, 1, 0.5} << " .5";
    QTest::newRow("z-leading-point") << z << -1 << 0 << ".75" << 0.75 << Inputs{6, 1, 0.75} << " .75";
    QTest::newRow("z-exponent") << z << -1 << 0 << "1e6" << 1e6 << Inputs{6, 1, 1e6} << " 1000000";
    QTest::newRow("z-upper-exponent") << z << -1 << 0 << "2.2E3" << 2200.0 << Inputs{6, 1, 2200} << " 2200";
    QTest::newRow("z-milliohm") << z << -1 << 0 << "0.001" << 0.001 << Inputs{6, 1, 0.001} << " .001";
    QTest::newRow("z-negative-exponent") << z << -1 << 0 << "1.5e-2" << 0.015 << Inputs{6, 1, 0.015} << " .015";
    QTest::newRow("z-zero-is-50") << z << -1 << 0 << "0" << 50.0 << start << " 50";
    QTest::newRow("z-negative-is-50") << z << -1 << 0 << "-3" << 50.0 << start << " 50";
    QTest::newRow("z-letters-are-50") << z << -1 << 0 << "abc" << 50.0 << start << " 50";
    QTest::newRow("z-emptied-then-75") << z << 2 << 2 << "75" << 75.0 << Inputs{6, 1, 75} << " 75";
    QTest::newRow("z-digit-in-front") << z << 0 << 0 << "7" << 750.0 << Inputs{6, 1, 750} << " 750";
    QTest::newRow("z-too-small-to-run") << z << -1 << 0 << "1E-300" << 1e-300 << Inputs{6, 1, 1e-30} << " 1E-300";
}

// Typed key by key, as a user types; then Return.
void Form1Test::typed()
{
    QFETCH(QString, name);
    QFETCH(int, caret);
    QFETCH(int, backspaces);
    QFETCH(QString, keys);
    QFETCH(double, stored);
    QFETCH(Inputs, results);
    QFETCH(QString, written);
    Form1 w;
    showactive(w);
    QLineEdit* e = box(w, name);
    const QString before = e->text();
    e->setFocus();
    if (caret < 0)
        e->selectAll();
    else
        e->setCursorPosition(caret);
    for (int i = 0; i < backspaces; ++i)
        QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, keys);
    QCOMPARE(e->text(), caret < 0 ? keys : before.left(caret - backspaces) + keys + before.mid(caret));
    const velkor::Calc& s = w.state();
    QCOMPARE(name == QLatin1String("Text1") ? s.atten : name == QLatin1String("Text2") ? s.pwr : s.sysz, stored);
    QCOMPARE(shown(w), captionsof(results));
    QTest::keyClick(e, Qt::Key_Return);
    QCOMPARE(e->text(), written);
    QCOMPARE(e->cursorPosition(), written.size());   // typing goes on at the end
    QCOMPARE(shown(w), captionsof(results));
}

void Form1Test::setByProgram_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Inputs>("results");
    QTest::addColumn<QString>("shows");   // the box afterwards
    QTest::addColumn<int>("recalcs");

    const QString z = QStringLiteral("systemimpedance");
    const QString digits(100000, QLatin1Char('9'));
    QTest::newRow("z-written-back-and-run-twice") << z << "75" << Inputs{6, 1, 75} << " 75" << 2;
    QTest::newRow("z-sign-position-once") << z << " 75" << Inputs{6, 1, 75} << " 75" << 1;
    QTest::newRow("z-emptied-shows-50") << z << "" << start << " 50" << 1;
    QTest::newRow("z-below-one") << z << "0.5" << Inputs{6, 1, 0.5} << " .5" << 2;
    QTest::newRow("z-fifteen-digits") << z << "0.1234567890123456" << Inputs{6, 1, 0.123456789012346}
                                      << " .123456789012346" << 2;
    QTest::newRow("z-overflow-keeps-results") << z << digits << start << " 1.79769313486232E+308" << 2;
    QTest::newRow("z-line-feeds-dropped") << z << "7\n5\n" << Inputs{6, 1, 75} << " 75" << 2;
    QTest::newRow("z-emoji-ends-number") << z << QStringLiteral(u"5\U0001F600") << Inputs{6, 1, 5} << " 5" << 2;
    QTest::newRow("z-full-width-digits-are-50") << z << QStringLiteral(u"\uFF15\uFF10") << start << " 50" << 1;
    QTest::newRow("atten-100000-digits") << "Text1" << digits << Inputs{60, 1, 50} << digits << 1;
    QTest::newRow("atten-arabic-digits-are-0") << "Text1" << QStringLiteral(u"\u0665\u0660") << start
                                               << QStringLiteral(u"\u0665\u0660") << 0;
    QTest::newRow("atten-nul-first") << "Text1" << QString(QChar(0)) + QStringLiteral("5") << start
                                     << QString(QChar(0)) + QStringLiteral("5") << 0;
    QTest::newRow("power-rtl-mark-after") << "Text2" << QStringLiteral(u"12\u200F") << Inputs{6, 12, 50}
                                          << QStringLiteral(u"12\u200F") << 1;
}

// Text put in whole by the program (or pasted over everything by the toolkit).
void Form1Test::setByProgram()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(Inputs, results);
    QFETCH(QString, shows);
    QFETCH(int, recalcs);
    Form1 w;
    box(w, name)->setText(text);
    QCOMPARE(box(w, name)->text(), shows);
    QCOMPARE(w.recalccount() - 1, recalcs);
    QCOMPARE(shown(w), captionsof(results));
}

void Form1Test::impedanceFocusLeaves()
{
    auto w = std::make_unique<Form1>();
    showactive(*w);
    QLineEdit* z = box(*w, QStringLiteral("systemimpedance"));
    z->setFocus();
    z->selectAll();
    QTest::keyClicks(z, QStringLiteral("0.1234567890123456"));
    const int before = w->recalccount();
    QTest::keyClick(z, Qt::Key_Tab);
    QCOMPARE(z->text(), QStringLiteral(" .123456789012346"));
    QCOMPARE(w->recalccount() - before, 1);   // the write-back's own run
    QCOMPARE(z->cursorPosition(), 0);          // the leading digits in view
    QTest::keyClick(w.get(), Qt::Key_Tab);     // leaving again, nothing typed: no run
    QCOMPARE(w->recalccount() - before, 1);
    // An edit left unfinished as the window goes: no write-back into a
    // window being taken down.
    z->setFocus();
    QTest::keyClicks(z, QStringLiteral("9"));
    w.reset();
}

void Form1Test::seriesButtons()
{
    Form1 w;
    showactive(w);
    QTest::mouseClick(button(w, "Option2"), Qt::LeftButton);
    QCOMPARE(shown(w), captionsof(start, Series::E24));
    QTest::mouseClick(button(w, "Option3"), Qt::LeftButton);
    QCOMPARE(shown(w), captionsof(start, Series::E6));
    QTest::keyClick(button(w, "Option3"), Qt::Key_Down);   // to E12, within the group
    QVERIFY(button(w, "Option1")->isChecked());
    QCOMPARE(shown(w), captionsof(start, Series::E12));
    // With the attenuation at 0 or below the table is loaded, nothing runs.
    box(w, QStringLiteral("Text1"))->setText(QStringLiteral("-3"));
    const int before = w.recalccount();
    QTest::mouseClick(button(w, "Option2"), Qt::LeftButton);
    QCOMPARE(w.recalccount(), before);
    QCOMPARE(w.state().pvtable[14], 3.6);
    QCOMPARE(shown(w), captionsof(start));
    // E24 then E12: the leftovers change no result.
    QTest::mouseClick(button(w, "Option1"), Qt::LeftButton);
    box(w, QStringLiteral("Text1"))->setText(QStringLiteral("10"));
    QCOMPARE(w.state().pvtable[14], 3.6);
    QCOMPARE(shown(w), captionsof({10, 1, 50}));
}

void Form1Test::aboutFromTheKeyboard()
{
    Form1 w;
    showactive(w);
    QString title, text;
    int buttons = -1;
    QMessageBox::Icon icon = QMessageBox::Information;
    QTimer::singleShot(0, [&] {
        QTest::keyClick(&w, Qt::Key_F10);   // opens the menus; Down to About; Return
        QWidget* menu = QApplication::activePopupWidget();
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_Down);
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = static_cast<int>(box->buttons().size());
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::keyClick(menu, Qt::Key_Return);
        QCoreApplication::exit(0);
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(title, QStringLiteral("Velkor"));
    QCOMPARE(text, QStringLiteral("Velkor version 1.0\n\ntamsel@example.com"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QCOMPARE(w.recalccount(), 1);
}

void Form1Test::helpOnF1()
{
    Form1 w;
    showactive(w);
    QTest::keyClick(&w, Qt::Key_F1);
    QTextBrowser* help = w.helpviewer().window();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Velkor Help"));   // the document's own title
    QVERIFY(help->toPlainText().contains(QStringLiteral("Return loss")));
    QCOMPARE(help->size(), QSize(640, 520));
    QVERIFY((help->frameGeometry().center() - w.frameGeometry().center()).manhattanLength() <= 4);   // over the window
    QVERIFY(!help->windowIcon().isNull());
    QApplication::setActiveWindow(&w);
    QTest::keyClick(&w, Qt::Key_F1);
    QCOMPARE(w.helpviewer().window(), help);   // the same window, brought forward
    QCOMPARE(w.recalccount(), 1);
    help->close();

    velkor::ui::HelpViewer viewer(nullptr);
    viewer.setHelpCommand(velkor::ui::HelpViewer::forcefile);
    viewer.setHelpFile(QStringLiteral("Missing.hlp"));
    viewer.showHelp();
    QCOMPARE(viewer.window()->windowTitle(), QStringLiteral("Help file not found"));
    QVERIFY(viewer.window()->toPlainText().contains(QStringLiteral("Missing.hlp")));
}

void Form1Test::quitEndsTheEventLoop()
{
    Form1 w;
    w.show();
    QTimer::singleShot(0, [&] { w.findChild<QAction*>(QStringLiteral("Quit"))->trigger(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!w.isVisible());
}

// What a screen reader reads of each result: what it is and its caption,
// at start and after a recalculation; and nothing unnamed in the window.
void Form1Test::resultsReadable()
{
    Form1 w;
    for (const char* db : {"6", "10"}) {
        box(w, QStringLiteral("Text1"))->setText(QString::fromLatin1(db));
        for (std::size_t i = 0; i < velkor::fieldcount; ++i) {
            QLabel* l = field(w, static_cast<Field>(i));
            const auto what = velkor::fielddescription(static_cast<Field>(i));
            QCOMPARE(QAccessible::queryAccessibleInterface(l)->text(QAccessible::Name),
                     QString::fromLatin1(what.data(), static_cast<qsizetype>(what.size())) + QStringLiteral(": ") +
                         l->text().trimmed());
        }
    }
    QAccessibleInterface* client = QAccessible::queryAccessibleInterface(w.centralWidget());
    for (int i = 0; i < client->childCount(); ++i)
        QVERIFY(!client->child(i)->text(QAccessible::Name).isEmpty());
}

void Form1Test::copyResults()
{
    Form1 w;
    showactive(w);
    box(w, QStringLiteral("Text1"))->setText(QStringLiteral("-3"));   // stored, but not what the results are for
    QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(
        "Attenuation: 6 dB\nInput power: 1 W\nSystem impedance: 50 ohms\nSeries: E12\n"
        "Pi R1 theoretical value in ohms: 150.5\nPi R2 theoretical value in ohms: 37.4\n"
        "Pi R3 theoretical value in ohms: 150.5\nT R1 theoretical value in ohms: 16.6\n"
        "T R2 theoretical value in ohms: 66.9\nT R3 theoretical value in ohms: 16.6\n"
        "Power in Pi R1, theoretical: 0.33 W\nPower in Pi R2, theoretical: 0.33 W\n"
        "Power in Pi R3, theoretical: 0.10 W\n"
        "Pi R1 preferred value: 150R\nPi R2 preferred value: 39R\nPi R3 preferred value: 150R\n"
        "T R1 preferred value: 18R\nT R2 preferred value: 68R\nT R3 preferred value: 18R\n"
        "Power in Pi R1, preferred value: 0.33 W\nPower in Pi R2, preferred value: 0.33 W\n"
        "Power in Pi R3, preferred value: 0.08 W\nPower in T R1, preferred value: 0.33 W\n"
        "Power in T R2, preferred value: 0.31 W\nPower in T R3, preferred value: 0.08 W\n"
        "Pi actual attenuation with preferred values: Attenuation 6.19 dB\n"
        "T actual attenuation with preferred values: Attenuation 6.36 dB\n"
        "Pi input VSWR with preferred values: VSWR 1.01\nT input VSWR with preferred values: VSWR 1.04\n"
        "Pi return loss with preferred values: Rtn Loss -43.7 dB\n"
        "T return loss with preferred values: Rtn Loss -34.2 dB\n"));
    const QList<QAction*> menu = w.centralWidget()->actions();   // the client area's context menu
    QCOMPARE(w.centralWidget()->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(menu.size(), 1);
    QCOMPARE(menu.front()->text(), QStringLiteral("Copy results"));
}

QTEST_MAIN(Form1Test)
#include "window_test.moc"
