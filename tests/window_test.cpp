// The window as a user meets it: start-up, typing into each box, the series
// buttons, the menus and the layout.

#include "calc.h"
#include "fields.h"
#include "form1.h"
#include "layout.h"
#include "windowhelpers.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <memory>

using velkor::Calc;
using velkor::Field;
using velkor::Series;
using velkor::ui::Form1;

using namespace testing_window;

namespace {

QAction* action(const Form1& w, const char* name) { return w.findChild<QAction*>(QString::fromLatin1(name)); }

// Replaces a box's whole text the way a user does: select all, then type.
void retype(QLineEdit* e, const QString& text)
{
    e->setFocus();
    e->selectAll();
    if (text.isEmpty())
        QTest::keyClick(e, Qt::Key_Delete);
    else
        QTest::keyClicks(e, text);
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void startup();
    void attenuation_data();
    void attenuation();
    void attenuationEmptiedThenSmall();
    void power_data();
    void power();
    void impedance_data();
    void impedance();
    void impedanceTyped_data();
    void impedanceTyped();
    void impedanceFocusLeaves();
    void seriesButtons();
    void seriesWhileAttenuationNotPositive();
    void seriesByArrowKey();
    void shorterSeriesAfterLonger();
    void aboutBoxFromTheKeyboard();
    void focusShownAtStart();
    void resultsReadable();
    void copyResults();
    void helpWindow();
    void quitEndsTheEventLoop();
    void layoutInsideClientArea();
    void anchorsHold_data();
    void anchorsHold();
    void helpFileMissing();
    void tooltipsAndNames_data();
    void tooltipsAndNames();
    void tabOrder();
    void resultsDoNotOverlap_data();
    void resultsDoNotOverlap();
};

void Form1Test::startup()
{
    Form1 w;
    QCOMPARE(box(w, "Text1")->text(), QStringLiteral("6"));
    QCOMPARE(box(w, "Text2")->text(), QStringLiteral("1.0"));
    QCOMPARE(box(w, "systemimpedance")->text(), QStringLiteral("50"));   // not yet rewritten
    QVERIFY(button(w, "Option1")->isChecked());
    QVERIFY(!button(w, "Option2")->isChecked());
    QVERIFY(!button(w, "Option3")->isChecked());
    QCOMPARE(w.recalccount(), 1);
    // The engine's own test holds all 27 start-up captions; here the window
    // must show exactly those, a few spelt out.
    const QStringList start = shown(w);
    QCOMPARE(start, captionsof(6, 1, 50, Series::E12));
    QCOMPARE(start[static_cast<int>(Field::ThR0)], QStringLiteral("150.5"));
    QCOMPARE(start[static_cast<int>(Field::R2Plabel)], QStringLiteral(" 39R"));
    QCOMPARE(start[static_cast<int>(Field::TrueAttenP)], QStringLiteral("Attenuation 6.19 dB"));
    QCOMPARE(start[static_cast<int>(Field::rtnlosst)], QStringLiteral("Rtn Loss -34.2 dB"));
    QCOMPARE(w.windowTitle(), QStringLiteral(" Velkor - Pi and T Attenuator Calculator by Tamsel"));
    QCOMPARE(w.centralWidget()->size(), QSize(640, 416));
    QVERIFY(!w.windowIcon().isNull());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.focusWidget(), button(w, "Option1"));
}

void Form1Test::attenuation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("stored");
    QTest::addColumn<double>("shownfor");   // the dB whose results are shown; 6 = unchanged

    QTest::newRow("above-60-held-at-60") << "75" << 60.0 << 60.0;
    QTest::newRow("exactly-60") << "60" << 60.0 << 60.0;
    QTest::newRow("no-lower-limit") << "0.05" << 0.05 << 0.05;
    QTest::newRow("twenty") << "20" << 20.0 << 20.0;
    QTest::newRow("empty-keeps-results") << "" << 0.0 << 6.0;
    QTest::newRow("negative-keeps-results") << "-3" << -3.0 << 6.0;
    QTest::newRow("comma-reads-zero") << "0,5" << 0.0 << 6.0;
}

void Form1Test::attenuation()
{
    QFETCH(QString, typed);
    QFETCH(double, stored);
    QFETCH(double, shownfor);
    Form1 w;
    box(w, "Text1")->setText(typed);
    QCOMPARE(w.state().atten, stored);
    QCOMPARE(shown(w), captionsof(shownfor, 1, 50, Series::E12));
    QCOMPARE(box(w, "Text1")->text(), typed);   // never rewritten
}

void Form1Test::attenuationEmptiedThenSmall()
{
    Form1 w;
    retype(box(w, "Text1"), QString());
    QCOMPARE(w.recalccount(), 1);
    QCOMPARE(shown(w), captionsof(6, 1, 50, Series::E12));
    QTest::keyClicks(box(w, "Text1"), QStringLiteral("0.05"));
    QCOMPARE(w.state().atten, 0.05);
    QCOMPARE(shown(w), captionsof(0.05, 1, 50, Series::E12));
}

void Form1Test::power_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("stored");

    QTest::newRow("below-0.1-becomes-1") << "0.05" << 1.0;
    QTest::newRow("exactly-0.1") << "0.1" << 0.1;
    QTest::newRow("above-100-held") << "250" << 100.0;
    QTest::newRow("exactly-100") << "100" << 100.0;
    QTest::newRow("empty-is-1") << "" << 1.0;
    QTest::newRow("negative-is-1") << "-2" << 1.0;
    QTest::newRow("ten") << "10" << 10.0;
}

void Form1Test::power()
{
    QFETCH(QString, typed);
    QFETCH(double, stored);
    Form1 w;
    const int before = w.recalccount();
    box(w, "Text2")->setText(typed);
    QCOMPARE(w.state().pwr, stored);
    QCOMPARE(w.recalccount(), before + 1);
    QCOMPARE(shown(w), captionsof(6, stored, 50, Series::E12));
    QCOMPARE(box(w, "Text2")->text(), typed);
}

void Form1Test::impedance_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<double>("stored");
    QTest::addColumn<int>("recalcs");

    QTest::newRow("plain-number-twice") << "75" << " 75" << 75.0 << 2;
    QTest::newRow("sign-position-once") << " 75" << " 75" << 75.0 << 1;
    QTest::newRow("exponent") << "1e2" << " 100" << 100.0 << 2;
    QTest::newRow("leading-zero") << "050" << " 50" << 50.0 << 2;
    QTest::newRow("below-one") << "0.5" << " .5" << 0.5 << 2;
    QTest::newRow("empty-shows-50") << "" << " 50" << 50.0 << 1;
    QTest::newRow("negative-shows-50") << "-50" << " 50" << 50.0 << 1;
    QTest::newRow("zero-shows-50") << "0" << " 50" << 50.0 << 1;
    QTest::newRow("fifteen-digits") << "0.1234567890123456" << " .123456789012346" << 0.123456789012346 << 2;
}

void Form1Test::impedance()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(double, stored);
    QFETCH(int, recalcs);
    Form1 w;
    const int before = w.recalccount();
    box(w, "systemimpedance")->setText(typed);
    QCOMPARE(box(w, "systemimpedance")->text(), written);
    QCOMPARE(w.state().sysz, stored);
    QCOMPARE(w.recalccount() - before, recalcs);
    QCOMPARE(shown(w), captionsof(6, 1, stored, Series::E12));
}

void Form1Test::impedanceTyped_data()
{
    QTest::addColumn<int>("caret");        // where typing starts; -1: all selected
    QTest::addColumn<int>("backspaces");   // pressed before typing
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("stored");    // after the last key, and after Return
    QTest::addColumn<QString>("written");  // the box after Return

    QTest::newRow("decimal") << -1 << 0 << "12.5" << 12.5 << " 12.5";
    QTest::newRow("below-one") << -1 << 0 << "0.5" << 0.5 << " .5";
    QTest::newRow("leading-point") << -1 << 0 << ".75" << 0.75 << " .75";
    QTest::newRow("exponent") << -1 << 0 << "1e6" << 1e6 << " 1000000";
    QTest::newRow("upper-exponent") << -1 << 0 << "2.2E3" << 2200.0 << " 2200";
    QTest::newRow("milliohm") << -1 << 0 << "0.001" << 0.001 << " .001";
    QTest::newRow("negative-exponent") << -1 << 0 << "1.5e-2" << 0.015 << " .015";
    QTest::newRow("zero-is-50") << -1 << 0 << "0" << 50.0 << " 50";
    QTest::newRow("negative-is-50") << -1 << 0 << "-3" << 50.0 << " 50";
    QTest::newRow("letters-are-50") << -1 << 0 << "abc" << 50.0 << " 50";
    QTest::newRow("emptied-then-typed") << 2 << 2 << "75" << 75.0 << " 75";
    QTest::newRow("digit-in-front") << 0 << 0 << "7" << 750.0 << " 750";
}

void Form1Test::impedanceTyped()
{
    QFETCH(int, caret);
    QFETCH(int, backspaces);
    QFETCH(QString, keys);
    QFETCH(double, stored);
    QFETCH(QString, written);
    Form1 w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QLineEdit* z = box(w, "systemimpedance");
    z->setFocus();
    if (caret < 0)
        z->selectAll();
    else
        z->setCursorPosition(caret);
    for (int i = 0; i < backspaces; ++i)
        QTest::keyClick(z, Qt::Key_Backspace);
    QTest::keyClicks(z, keys);
    const QString typed = caret == 0 ? keys + QStringLiteral("50") : keys;
    QCOMPARE(z->text(), typed);   // every key kept
    QCOMPARE(w.state().sysz, stored);
    QCOMPARE(shown(w), captionsof(6, 1, stored, Series::E12));

    QTest::keyClick(z, Qt::Key_Return);
    QCOMPARE(z->text(), written);
    QCOMPARE(z->cursorPosition(), written.size());   // typing goes on at the end
    QCOMPARE(w.state().sysz, stored);
    QCOMPARE(shown(w), captionsof(6, 1, stored, Series::E12));
}

void Form1Test::impedanceFocusLeaves()
{
    auto w = std::make_unique<Form1>();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QLineEdit* z = box(*w, "systemimpedance");
    z->setFocus();
    z->selectAll();
    QTest::keyClicks(z, QStringLiteral("0.1234567890123456"));
    const int before = w->recalccount();
    QTest::keyClick(z, Qt::Key_Tab);
    QCOMPARE(z->text(), QStringLiteral(" .123456789012346"));
    QCOMPARE(w->recalccount() - before, 1);   // the write-back's own run
    QCOMPARE(z->cursorPosition(), 0);          // the leading digits in view
    // Focus back in, an edit, and the window closed with it unfinished: no
    // write-back runs into a window being taken down.
    z->setFocus();
    QTest::keyClicks(z, QStringLiteral("9"));
    w.reset();
}

void Form1Test::seriesButtons()
{
    Form1 w;
    QTest::mouseClick(button(w, "Option2"), Qt::LeftButton);
    QVERIFY(button(w, "Option2")->isChecked());
    QVERIFY(!button(w, "Option1")->isChecked());
    QCOMPARE(shown(w), captionsof(6, 1, 50, Series::E24));
    QCOMPARE(shown(w)[static_cast<int>(Field::R2Plabel)], QStringLiteral(" 36R"));
    QTest::mouseClick(button(w, "Option3"), Qt::LeftButton);
    QCOMPARE(shown(w), captionsof(6, 1, 50, Series::E6));
    QTest::mouseClick(button(w, "Option1"), Qt::LeftButton);
    QCOMPARE(shown(w), captionsof(6, 1, 50, Series::E12));
}

void Form1Test::seriesWhileAttenuationNotPositive()
{
    Form1 w;
    box(w, "Text1")->setText(QStringLiteral("-3"));
    const int before = w.recalccount();
    QTest::mouseClick(button(w, "Option2"), Qt::LeftButton);
    QCOMPARE(w.recalccount(), before);
    QCOMPARE(w.state().pvtable[14], 3.6);   // loaded all the same
    QCOMPARE(shown(w), captionsof(6, 1, 50, Series::E12));
    box(w, "Text1")->setText(QStringLiteral("6"));
    QCOMPARE(shown(w), captionsof(6, 1, 50, Series::E24));
}

void Form1Test::seriesByArrowKey()
{
    Form1 w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    button(w, "Option1")->setFocus();
    QTest::keyClick(button(w, "Option1"), Qt::Key_Down);
    QVERIFY(button(w, "Option2")->isChecked());
    QCOMPARE(shown(w), captionsof(6, 1, 50, Series::E24));
}

void Form1Test::shorterSeriesAfterLonger()
{
    Form1 w;
    box(w, "Text1")->setText(QStringLiteral("10"));
    QTest::mouseClick(button(w, "Option2"), Qt::LeftButton);
    QTest::mouseClick(button(w, "Option1"), Qt::LeftButton);
    QCOMPARE(w.state().pvtable[14], 3.6);   // E24 leftovers stay in the table
    QCOMPARE(shown(w), captionsof(10, 1, 50, Series::E12));
}

void Form1Test::aboutBoxFromTheKeyboard()
{
    Form1 w;
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QString title, text;
    int buttons = -1;
    QMessageBox::Icon icon = QMessageBox::Information;
    QTimer::singleShot(0, [&] {
        // F10 opens the menus; Down to About; Return.
        QTest::keyClick(&w, Qt::Key_F10);
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
    QCOMPARE(text.split(QLatin1Char('\n')),
             QStringList({QStringLiteral("Velkor version 1.0"), QString(), QStringLiteral("tamsel@example.com")}));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QCOMPARE(w.recalccount(), 1);
}

void Form1Test::focusShownAtStart()
{
    Form1 w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QRadioButton* e12 = button(w, "Option1");
    QCOMPARE(w.focusWidget(), e12);
    const QImage focused = e12->grab().toImage();
    box(w, "Text1")->setFocus();
    QVERIFY(focused != e12->grab().toImage());   // a focus mark, from the first moment
}

void Form1Test::resultsReadable()
{
    // What a screen reader reads of each result: what it is and its caption,
    // at start and after every recalculation.
    Form1 w;
    const auto check = [&w] {
        for (std::size_t i = 0; i < velkor::fieldcount; ++i) {
            const auto name = velkor::fieldname(static_cast<Field>(i));
            QLabel* l = w.findChild<QLabel*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
            const QString said = QAccessible::queryAccessibleInterface(l)->text(QAccessible::Name);
            QVERIFY2(said.endsWith(QStringLiteral(": ") + l->text().trimmed()), qPrintable(said));
        }
    };
    check();
    box(w, "Text1")->setText(QStringLiteral("10"));
    check();
    // Nothing in the client area is an unnamed node.
    QAccessibleInterface* client = QAccessible::queryAccessibleInterface(w.centralWidget());
    for (int i = 0; i < client->childCount(); ++i)
        QVERIFY(!client->child(i)->text(QAccessible::Name).isEmpty());
}

void Form1Test::copyResults()
{
    Form1 w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(
        "Attenuation: 6 dB\n"
        "Input power: 1 W\n"
        "System impedance: 50 ohms\n"
        "Series: E12\n"
        "Pi R1 theoretical value in ohms: 150.5\n"
        "Pi R2 theoretical value in ohms: 37.4\n"
        "Pi R3 theoretical value in ohms: 150.5\n"
        "T R1 theoretical value in ohms: 16.6\n"
        "T R2 theoretical value in ohms: 66.9\n"
        "T R3 theoretical value in ohms: 16.6\n"
        "Power in Pi R1, theoretical: 0.33 W\n"
        "Power in Pi R2, theoretical: 0.33 W\n"
        "Power in Pi R3, theoretical: 0.10 W\n"
        "Pi R1 preferred value: 150R\n"
        "Pi R2 preferred value: 39R\n"
        "Pi R3 preferred value: 150R\n"
        "T R1 preferred value: 18R\n"
        "T R2 preferred value: 68R\n"
        "T R3 preferred value: 18R\n"
        "Power in Pi R1, preferred value: 0.33 W\n"
        "Power in Pi R2, preferred value: 0.33 W\n"
        "Power in Pi R3, preferred value: 0.08 W\n"
        "Power in T R1, preferred value: 0.33 W\n"
        "Power in T R2, preferred value: 0.31 W\n"
        "Power in T R3, preferred value: 0.08 W\n"
        "Pi actual attenuation with preferred values: Attenuation 6.19 dB\n"
        "T actual attenuation with preferred values: Attenuation 6.36 dB\n"
        "Pi input VSWR with preferred values: VSWR 1.01\n"
        "T input VSWR with preferred values: VSWR 1.04\n"
        "Pi return loss with preferred values: Rtn Loss -43.7 dB\n"
        "T return loss with preferred values: Rtn Loss -34.2 dB\n"));
    // The context menu of the client area offers the same command.
    const QList<QAction*> offered = w.centralWidget()->actions();
    QCOMPARE(offered.size(), 1);
    QCOMPARE(offered.front()->text(), QStringLiteral("Copy results"));
    QCOMPARE(w.centralWidget()->contextMenuPolicy(), Qt::ActionsContextMenu);
}

void Form1Test::helpWindow()
{
    Form1 w;
    w.show();
    action(w, "helpinfo")->trigger();
    QTextBrowser* first = w.helpviewer().window();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->windowTitle(), QStringLiteral("Velkor Help"));   // the document's own title
    QVERIFY(first->toPlainText().contains(QStringLiteral("Return loss")));
    QTest::keyClick(&w, Qt::Key_F1);
    QCOMPARE(w.helpviewer().window(), first);
    int browsers = 0;
    for (const QWidget* t : QApplication::topLevelWidgets())
        browsers += qobject_cast<const QTextBrowser*>(t) != nullptr;
    QCOMPARE(browsers, 1);
    QCOMPARE(w.recalccount(), 1);
    first->close();
}

void Form1Test::quitEndsTheEventLoop()
{
    Form1 w;
    w.show();
    bool timedout = false;
    QTimer::singleShot(0, [&] { action(w, "Quit")->trigger(); });
    QTimer::singleShot(5000, [&] {
        timedout = true;
        QCoreApplication::exit(1);
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!timedout);
    QVERIFY(!w.isVisible());
}

void Form1Test::layoutInsideClientArea()
{
    Form1 w;
    const QRect client = w.centralWidget()->rect();
    const auto children = w.centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    const auto widgets = std::count_if(velkor::ui::items().begin(), velkor::ui::items().end(), [](const velkor::ui::Item& i) {
        return i.kind != velkor::ui::Kind::Frame && i.kind != velkor::ui::Kind::Line;   // those are painted
    });
    QCOMPARE(children.size(), widgets);
    for (const QWidget* c : children)
        QVERIFY2(client.contains(c->geometry()), qPrintable(c->objectName()));
}

void Form1Test::anchorsHold_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("anchor");   // pixels from the client's left edge
    QTest::addColumn<QString>("edge");

    QTest::newRow("right-aligned-pi-ohms") << "ThR(0)" << (3270 + 75) / 15 << "right";
    QTest::newRow("pi-r2-two-pixels-left") << "ThR(1)" << (3240 + 75) / 15 << "right";
    QTest::newRow("left-aligned-t-ohms") << "ThR(3)" << 6000 / 15 << "left";
    QTest::newRow("centred-pi-power") << "ThP(0)" << (4575 * 2 + 105) / 30 << "centre";
    QTest::newRow("right-aligned-code") << "R1Plabel" << (3120 + 510) / 15 << "right";
    QTest::newRow("left-aligned-attenuation") << "TrueAttenT" << 6600 / 15 << "left";
}

void Form1Test::anchorsHold()
{
    QFETCH(QString, name);
    QFETCH(int, anchor);
    QFETCH(QString, edge);
    Form1 w;
    const QLabel* l = w.findChild<QLabel*>(name);
    const auto at = [&] {
        const QRect g = l->geometry();
        return edge == QLatin1String("left") ? g.left() : edge == QLatin1String("right") ? g.left() + g.width() : g.left() + g.width() / 2;
    };
    QCOMPARE(at(), anchor);
    for (const char* db : {"0.01", "60", "3"}) {
        box(w, "Text1")->setText(QString::fromLatin1(db));
        QVERIFY(qAbs(at() - anchor) <= 1);   // a centre may fall half a pixel either way
        QCOMPARE(l->width(), l->sizeHint().width());
    }
}

void Form1Test::helpFileMissing()
{
    velkor::ui::HelpViewer viewer(nullptr);
    viewer.setHelpCommand(velkor::ui::HelpViewer::forcefile);
    viewer.setHelpFile(QStringLiteral("Missing.hlp"));
    viewer.showHelp();
    QVERIFY(viewer.window());
    const QString said = viewer.window()->toPlainText();
    QVERIFY(said.contains(QStringLiteral("Missing.hlp")));
    QCOMPARE(viewer.window()->windowTitle(), QStringLiteral("Help file not found"));
    viewer.window()->close();
}

void Form1Test::tooltipsAndNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<bool>("named");   // carries an accessible name

    QTest::newRow("power-field") << "ThP(1)" << "power dissipated in resistor NOT its power rating!" << true;
    QTest::newRow("theoretical-resistance") << "ThR(0)" << "" << true;
    QTest::newRow("e6-button") << "Option3" << "" << true;
    QTest::newRow("e12-button") << "Option1" << "Values 1.0, 1.2, 1.5, 1.8, 2.2 ..." << true;
    QTest::newRow("misspelt-as-designed") << "R2Plabel" << "R2nearest preferred value" << true;
    QTest::newRow("attenuation-box") << "Text1" << "Enter attenuation, 0.1-60dB" << true;
    QTest::newRow("impedance-box") << "systemimpedance" << "Enter system impedance, 10-999 ohms" << true;
    QTest::newRow("output-power") << "RealPR3T" << "same as R1 if power could be applied to output port" << true;
}

void Form1Test::tooltipsAndNames()
{
    QFETCH(QString, name);
    QFETCH(QString, tooltip);
    QFETCH(bool, named);
    Form1 w;
    const QWidget* item = w.findChild<QWidget*>(name);
    QVERIFY(item);
    QCOMPARE(item->toolTip(), tooltip);
    QCOMPARE(!item->accessibleName().isEmpty(), named);
}

void Form1Test::tabOrder()
{
    Form1 w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The chain holds all six in the designed order; the toolkit makes the
    // option buttons one tab stop, on whichever button is selected.
    QStringList seen;
    QWidget* at = w.focusWidget();
    for (int i = 0; i < 6 && at; ++i) {
        seen << at->objectName();
        at = at->nextInFocusChain();
        while (at && at->focusPolicy() == Qt::NoFocus)
            at = at->nextInFocusChain();
    }
    QCOMPARE(seen, QStringList({QStringLiteral("Option1"), QStringLiteral("Text1"), QStringLiteral("Text2"),
                                QStringLiteral("Option2"), QStringLiteral("systemimpedance"), QStringLiteral("Option3")}));
}

void Form1Test::resultsDoNotOverlap_data()
{
    QTest::addColumn<QString>("db");
    QTest::addColumn<QString>("ohms");
    QTest::addColumn<QString>("series");

    QTest::newRow("start") << "6" << "50" << "Option1";
    QTest::newRow("tiny-attenuation") << "0.01" << "50" << "Option2";
    QTest::newRow("sixty-dB") << "60" << "50" << "Option2";
    QTest::newRow("thousand-ohms") << "60" << "1000" << "Option2";
    QTest::newRow("tiny-and-large") << "0.01" << "1000" << "Option3";
}

void Form1Test::resultsDoNotOverlap()
{
    QFETCH(QString, db);
    QFETCH(QString, ohms);
    QFETCH(QString, series);
    Form1 w;
    QTest::mouseClick(button(w, qPrintable(series)), Qt::LeftButton);
    box(w, "Text1")->setText(db);
    box(w, "Text2")->setText(QStringLiteral("100"));
    box(w, "systemimpedance")->setText(ohms);
    // Result fields and the row names between them.
    QList<QLabel*> cells;
    for (std::size_t i = 0; i < velkor::fieldcount; ++i) {
        const auto name = velkor::fieldname(static_cast<Field>(i));
        cells << w.findChild<QLabel*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
    for (const char* name : {"Label23", "Label24", "Label25", "Label15", "Label14", "Label13", "Label34", "Label33",
                             "Label35", "Label16"})
        cells << w.findChild<QLabel*>(QString::fromLatin1(name));
    const QRect client = w.centralWidget()->rect();
    for (int i = 0; i < cells.size(); ++i) {
        QVERIFY2(client.contains(cells[i]->geometry()), qPrintable(cells[i]->objectName()));
        for (int j = i + 1; j < cells.size(); ++j)
            QVERIFY2(!cells[i]->geometry().intersects(cells[j]->geometry()),
                     qPrintable(cells[i]->objectName() + QStringLiteral(" overlaps ") + cells[j]->objectName()));
    }
}

QTEST_MAIN(Form1Test)
#include "window_test.moc"
