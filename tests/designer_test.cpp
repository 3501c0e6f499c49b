// The pad designer as a user meets it: inputs typed key by key, every
// result against velkor-cli's JSON for the same options, the copies and
// saves against what velkor-cli writes, the keyboard, a screen reader's
// view, refused input, and how the main window opens it.

#include "app.h"
#include "text/notation.h"
#include "form1.h"
#include "paddesigner.h"
#include "responseplot.h"
#include "steppanel.h"
#include "stepplot.h"

#include <QtTest>
#include <QtWidgets>
#include <nlohmann/json.hpp>

#include <cmath>
#include <sstream>

using velkor::ui::PadDesigner;
using Json = nlohmann::json;

namespace {

// The inputs of one row, as typed; kind, series and package as listed.
struct Typed {
    QString kind, key, db, power, zin, zout, series, tolerance;
    bool pairs;
    QString package, inductance, capacitance, padCapacitance, from, to, points, flatness, leastReturnLoss;
    QString outputs = {};   // a splitter's
    QString boardHeight = QStringLiteral("0.2"), permittivity = QStringLiteral("4.3"), ambient = QStringLiteral("25");
};

bool sized(const Typed& t) { return velkor::chipSizeByName(t.package.toStdString()) != nullptr; }

bool takesDb(const Typed& t) { return velkor::describe(*velkor::kindByKey(t.key.toStdString())).takesDb; }

template <class T = QLineEdit>
T* find(const QWidget& w, const char* name) { return w.findChild<T*>(QString::fromLatin1(name)); }

// Until the designer has worked out the inputs as they stand.
void settle(const PadDesigner& d) { QVERIFY(QTest::qWaitFor([&d] { return !d.working(); })); }

void type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    for (QChar c : text)   // a key each, the Unicode minus too
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    if (const auto* d = dynamic_cast<const PadDesigner*>(box->window()))
        settle(*d);
}

void enter(PadDesigner& d, const Typed& t)
{
    find<QComboBox>(d, "kind")->setCurrentText(t.kind);
    const std::pair<const char*, QString> boxes[] = {
        {"db", t.db}, {"power", t.power}, {"zin", t.zin}, {"zout", t.zout}, {"tolerance", t.tolerance},
        {"from", t.from}, {"to", t.to}, {"points", t.points}, {"flatness", t.flatness},
        {"minReturnLoss", t.leastReturnLoss}, {"outputs", t.outputs}};
    for (const auto& [name, text] : boxes)
        if (find(d, name)->isEnabled())
            type(find(d, name), text);
    // The boxes a package frees, after choosing it.
    if (t.package == QLatin1String("Custom") || sized(t))
        find<QComboBox>(d, "package")->setCurrentText(t.package);
    const std::pair<const char*, QString> freed[] = {
        {"inductance", t.inductance}, {"capacitance", t.capacitance}, {"padCapacitance", t.padCapacitance},
        {"boardHeight", t.boardHeight}, {"permittivity", t.permittivity}, {"ambient", t.ambient}};
    for (const auto& [name, text] : freed)
        if (find(d, name)->isEnabled())
            type(find(d, name), text);
    // The lists and the check box last: each must update the results itself.
    find<QComboBox>(d, "series")->setCurrentText(t.series);
    find<QCheckBox>(d, "pairs")->setChecked(t.pairs);
    find<QComboBox>(d, "package")->setCurrentText(t.package);
    settle(d);
}

// The command line for the same inputs.
std::vector<std::string> arguments(const Typed& t, bool sweep)
{
    std::vector<std::string> a = {"--pad", t.key.toStdString(), "-p", t.power.toStdString(), "--zin",
                                  t.zin.toStdString(), "-s", t.series.toStdString()};
    if (!t.zout.isEmpty())
        a.insert(a.end(), {"--zout", t.zout.toStdString()});
    if (!t.tolerance.isEmpty())
        a.insert(a.end(), {"-t", t.tolerance.toStdString()});
    if (t.pairs)
        a.emplace_back("--pairs");
    const bool ideal = t.package == QLatin1String("Ideal");
    if (sized(t))
        a.insert(a.end(), {"--package", t.package.toStdString(), "--board",
                           (t.boardHeight + "," + t.permittivity).toStdString(), "--ambient", t.ambient.toStdString()});
    else
        a.insert(a.end(), {"--parasitics", ideal ? "L=0,C=0,CPAD=0"
                                                 : ("L=" + t.inductance + ",C=" + t.capacitance + ",CPAD=" +
                                                    t.padCapacitance).toStdString()});
    if (sweep)
        a.insert(a.end(), {"--frequency", (t.from + ":" + t.to + ":" + t.points).toStdString()});
    a.insert(a.end(), {"--flatness", t.flatness.toStdString(), "--min-return-loss", t.leastReturnLoss.toStdString()});
    if (!t.outputs.isEmpty())
        a.insert(a.end(), {"--outputs", t.outputs.toStdString()});
    if (takesDb(t))
        a.push_back(t.db.toStdString());
    return a;
}

QString cli(std::vector<std::string> args)
{
    std::ostringstream out, err;
    velkor::cli::run(args, out, err);
    return QString::fromStdString(out.str() + err.str());
}

// A step attenuator as typed in step mode, at 1 W between 50 ohms; under a
// size on the board as first opened, with the sweep as first opened.
struct TypedSteps {
    QString kind, key, bits, series, tolerance;
    bool pairs;
    QString package;
};

void enter(PadDesigner& d, const TypedSteps& t)
{
    d.setStepMode(true);
    find<QComboBox>(d, "kind")->setCurrentText(t.kind);
    type(find(d, "bits"), t.bits);
    type(find(d, "tolerance"), t.tolerance);
    find<QComboBox>(d, "series")->setCurrentText(t.series);
    find<QCheckBox>(d, "pairs")->setChecked(t.pairs);
    find<QComboBox>(d, "package")->setCurrentText(t.package);
    settle(d);
}

std::vector<std::string> arguments(const TypedSteps& t)
{
    std::vector<std::string> a = {"--steps", "--pad", t.key.toStdString(), "-s", t.series.toStdString()};
    if (!t.tolerance.isEmpty())
        a.insert(a.end(), {"-t", t.tolerance.toStdString()});
    if (t.pairs)
        a.emplace_back("--pairs");
    if (t.package != QLatin1String("Ideal"))
        a.insert(a.end(), {"--package", t.package.toStdString(), "--board", "0.2,4.3"});
    for (const QString& bit : t.bits.split(QRegularExpression(QStringLiteral("[ ,]+")), Qt::SkipEmptyParts))
        a.push_back(bit.toStdString());
    return a;
}

// What the button captioned `caption` leaves on the clipboard.
QString copied(PadDesigner& d, const char* caption)
{
    for (QToolButton* b : d.findChildren<QToolButton*>())
        if (b->text() == QString::fromUtf8(caption))
            b->click();
    return QGuiApplication::clipboard()->text();
}

// A cell as a screen reader reads it, "heading: value[, what marks it]":
// its value, or what it reads when the heading is not its column's.
QString cell(const QTableWidget* t, int row, int column)
{
    const QString heading = t->horizontalHeaderItem(column)->text() + QStringLiteral(": ");
    const QString read = t->item(row, column)->data(Qt::AccessibleTextRole).toString();
    return read.startsWith(heading) ? read.mid(heading.size()).section(QStringLiteral(", "), 0, 0) : read;
}

// How a shown figure must relate to its exact value.
enum class Rounded { nearest, down, up };

// "" when `shown` (a number, its unit after a blank) is `exact` rounded as
// stated to the last digit shown; otherwise what differs.
QString mismatch(const QString& what, const QString& shown, double exact, Rounded r)
{
    const QString number = shown.section(QLatin1Char(' '), 0, 0);
    const QString mantissa = number.section(QLatin1Char('e'), 0, 0), unit = shown.section(QLatin1Char(' '), 1);
    double scale = std::pow(10.0, number.section(QLatin1Char('e'), 1).toInt());
    const QString prefixes = QStringLiteral("pn\u00b5m kMGT");   // 10^-12 to 10^12 by thousands
    for (const QString& base : {QStringLiteral("Hz"), QStringLiteral("W"), QStringLiteral("\u03a9")})
        if (unit.size() == base.size() + 1 && unit.endsWith(base))
            scale = std::pow(1000.0, prefixes.indexOf(unit.front()) - prefixes.indexOf(QLatin1Char(' ')));
    const qsizetype point = mantissa.indexOf(QLatin1Char('.'));
    const double step = std::pow(10.0, point < 0 ? 0 : -(mantissa.size() - point - 1)) * scale;
    const double value = mantissa.toDouble() * scale, slack = step * 1e-9;
    const bool fits = r == Rounded::nearest ? std::abs(value - exact) <= step / 2 + slack
                    : r == Rounded::down    ? value <= exact + slack && exact < value + step + slack
                                            : value >= exact - slack && exact > value - step - slack;
    return fits ? QString() : QStringLiteral("%1 shows %2 for %3").arg(what, shown).arg(exact, 0, 'g', 17);
}

// Three significant figures, as the powers and frequencies are written.
QString figures(const QString& what, const QString& shown, double exact, Rounded r)
{
    const QString problem = mismatch(what, shown, exact, r);
    const QString digits = shown.section(QLatin1Char(' '), 0, 0).section(QLatin1Char('e'), 0, 0).remove(
        QLatin1Char('.'));
    const qsizetype significant = digits.size() - (digits.size() - QString(digits).remove(QRegularExpression(
                                                                     QStringLiteral("^0+"))).size());
    return !problem.isEmpty() || significant == 3 ? problem : what + QStringLiteral(" has not three figures: ") + shown;
}

} // namespace

class DesignerTest : public QObject {
    Q_OBJECT

    // Each result, what -> value, as a screen reader reads it: "what: value".
    QMap<QString, QString> labels(const PadDesigner& d)
    {
        QMap<QString, QString> out;
        const QString results = QStringLiteral("results");
        // A value marked over its rating reads "what: value, over ...".
        for (const QLabel* l : d.findChild<QWidget*>(results)->findChildren<QLabel*>()) {
            const QString value = QString(l->text()).remove(QStringLiteral(" \u26a0"));
            if (l->accessibleName().section(QStringLiteral(", over"), 0, 0) == l->objectName() + ": " + value)
                out[l->objectName()] = value;
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);   // settings of the tests' own
        QSettings().clear();
    }

    void cleanup() { QSettings().clear(); }

    void results_data();
    void results();
    void copies_data() { results_data(); }
    void copies();
    void refusedInput_data();
    void refusedInput();
    void noDesign();
    void keyboard();
    void accessKeys_data();
    void accessKeys();
    void ticks_data();
    void ticks();
    void frequencyTicks_data();
    void frequencyTicks();
    void plot();
    void plotScene();
    void stepPlotLabel();
    void contextMenu();
    void failedSaves();
    void packages();
    void remembered();
    void mainWindow();
    void neverWaits();
    void steps_data();
    void steps();
    void chosenState();
    void stepRefusals_data();
    void stepRefusals();
    void stepMode();
    void openedInStepMode();
    void stepsNeverWait();
};

void DesignerTest::results_data()
{
    QTest::addColumn<Typed>("typed");
    QTest::newRow("pi") << Typed{"Pi", "pi", "6", "1", "50", "", "E12", "", false, "Custom", "0.5n", "50f",
                                 "80f", "10M", "6G", "600", "0.1", "20"};
    QTest::newRow("t unequal E192 1%") << Typed{"T", "t", "10", "250m", "75", "50", "E192", "1", false, "Custom",
                                                "1n", "0.1p", "0", "1M", "3G", "200", "0.2", "25"};
    QTest::newRow("bridged-T pairs ideal") << Typed{"Bridged-T", "bridged_t", "20", "30dBm", "4k7", "", "E6", "",
                                                    true, "Ideal", "", "", "", "10M", "6G", "50", "0.1", "20"};
    QTest::newRow("l-pad") << Typed{"Minimum-loss L-pad", "l_pad", "6", "2", "50", "75", "E24", "5%", false,
                                    "Custom", "0.3n", "20f", "40f", "100M", "10G", "100", "0.05", "30"};
    QTest::newRow("pi E48 pairs") << Typed{"Pi", "pi", "3.5", "0.1", "R47", "", "E48", "0", true, "Custom", "2n",
                                           "0", "0.2p", "0", "1G", "11", "1", "15"};
    QTest::newRow("h-pad unequal") << Typed{"H-pad (balanced T)", "h_pad", "10", "1", "75", "50", "E96", "", false,
                                            "Custom", "0.5n", "50f", "80f", "10M", "3G", "100", "0.1", "20"};
    QTest::newRow("splitter of 3") << Typed{"Resistive splitter", "splitter", "", "1", "50", "", "E24", "", true,
                                            "Custom", "0.5n", "50f", "80f", "10M", "6G", "100", "0.1", "20", "3"};
    QTest::newRow("pi 0603 as first opened") << Typed{"Pi", "pi", "6", "1", "50", "", "E12", "", false, "0603", "", "",
                                                      "", "10M", "6G", "600", "0.1", "20"};
    QTest::newRow("o-pad 0402 pairs hot, thick board")
        << Typed{"O-pad (balanced Pi)", "o_pad", "20", "250m", "75", "50", "E24", "2", true, "0402", "", "", "",
                 "10M", "3G", "100", "0.1", "20", "", "1.55mm", "3.8", "125"};
}

void DesignerTest::results()
{
    QFETCH(Typed, typed);
    PadDesigner d({});
    d.show();
    enter(d, typed);
    QVERIFY(d.current());
    // the L-pad's loss is its own, as the splitter's
    QCOMPARE(find(d, "db")->isEnabled(), takesDb(typed));
    QCOMPARE(find(d, "outputs")->isEnabled(), !typed.outputs.isEmpty());
    std::vector<std::string> args = arguments(typed, true);
    args.insert(args.begin(), {"-f", "json"});
    const Json row = Json::parse(cli(args).toStdString()).at(0);
    const Json& pad = row.at(typed.key.toStdString());
    const QMap<QString, QString> shown = labels(d);
    const auto num = [](const Json& j) { return j.get<double>(); };
    for (std::size_t i = 0; i < pad.at("codes").size(); ++i) {
        const QString r = QStringLiteral("R%1 ").arg(i + 1);
        QCOMPARE(shown[r + "preferred"], QString::fromStdString(pad["codes"][i].get<std::string>()));
        const QString ohms = shown[r + "theoretical"];
        QCOMPARE(mismatch(r + "theoretical", ohms, num(pad["theoretical_ohm"][i]), Rounded::nearest), QString());
        QCOMPARE(figures(r + "power", shown[r + "power"], num(pad["power_w"][i]), Rounded::nearest), QString());
        // With a package, the most loaded part's share.
        const Json& worstPower = pad.contains("part_power_w") ? pad["part_power_w"] : pad["worst_case"]["power_w"];
        QCOMPARE(figures(r + "worst-case power", shown[r + "worst-case power"], num(worstPower[i]), Rounded::up),
                 QString());
    }
    QCOMPARE(shown.value("Smallest package"),
             pad.contains("smallest_package") ? QString::fromStdString(pad["smallest_package"].is_null()
                                                                           ? "none of 0201 to 1206"
                                                                           : pad["smallest_package"].get<std::string>())
                                              : QString());
    const Json& worst = pad["worst_case"];
    const struct {
        const char* what;
        double exact;
        Rounded r;
    } figures2[] = {
        {"Attenuation as built", num(pad["attenuation_db"]), Rounded::nearest},
        {"Insertion loss", num(pad["insertion_loss_db"]), Rounded::nearest},
        {"Input VSWR", num(pad["vswr"]), Rounded::nearest},
        {"Input return loss", num(pad["return_loss_db"]), Rounded::nearest},
        {"Output return loss", num(pad["output_return_loss_db"]), Rounded::nearest},
        {"Worst-case VSWR", num(worst["vswr"]), Rounded::up},
        {"Worst-case return loss", num(worst["return_loss_db"]), Rounded::down},
    };
    for (const auto& f : figures2)
        QCOMPARE(mismatch(QString::fromLatin1(f.what), shown[QString::fromLatin1(f.what)], f.exact, f.r), QString());
    const QStringList range = shown["Worst-case attenuation"].split(QStringLiteral(" to "));
    QCOMPARE(mismatch("lowest", range.value(0), num(worst["attenuation_db"][0]), Rounded::down), QString());
    QCOMPARE(mismatch("highest", range.value(1), num(worst["attenuation_db"][1]), Rounded::up), QString());
    for (const char* what : {"Flat to", "Matched to"}) {
        const Json& hz = pad[what == std::string("Flat to") ? "flat_to_hz" : "matched_to_hz"];
        if (hz.is_null())
            QCOMPARE(shown[what], QStringLiteral("beyond 1 THz"));
        else
            QCOMPARE(figures(what, shown[what], num(hz), Rounded::down), QString());
    }
    QCOMPARE(shown.contains("Minimum attenuation"), typed.zout != "" && typed.zout != typed.zin);
    QCOMPARE(shown.contains("Isolation"), pad.contains("isolation_db"));
    if (pad.contains("isolation_db"))
        QCOMPARE(mismatch("Isolation", shown["Isolation"], num(pad["isolation_db"]), Rounded::nearest), QString());
    if (row.contains("minimum_attenuation_db"))
        QCOMPARE(mismatch("minimum", shown["Minimum attenuation"], num(row["minimum_attenuation_db"]),
                          Rounded::nearest), QString());
}

void DesignerTest::copies()
{
    QFETCH(Typed, typed);
    PadDesigner d({});
    d.show();
    enter(d, typed);
    std::vector<std::string> text = arguments(typed, false);
    text.emplace_back("--all");
    QCOMPARE(copied(d, "Copy results"), cli(text));
    std::vector<std::string> json = arguments(typed, true);
    json.insert(json.end(), {"-f", "json"});
    QCOMPARE(copied(d, "Copy JSON"), cli(json));
    json.back() = "spice";
    QCOMPARE(copied(d, "Copy SPICE netlist"), cli(json));
    json.back() = "touchstone";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pad.s2p"));
    QTimer::singleShot(0, &d, [&path] {   // the dialog the button opens, answered
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    copied(d, "Save Touchstone\u2026");
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), cli(json));
}

void DesignerTest::refusedInput_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");   // how it begins: the command line's tests hold it whole
    QTest::newRow("db junk") << "db" << "6x" << "not a number of dB:";
    QTest::newRow("db range") << "db" << "1:3:1" << "one value, not a range";
    QTest::newRow("power emptied") << "power" << "" << "not a power:";
    QTest::newRow("power zero") << "power" << "0" << "no attenuator for a power of 0 W or below";
    QTest::newRow("zin minus") << "zin" << "\u221250" << "use the ASCII hyphen-minus (-) for a minus sign";
    QTest::newRow("zout zero") << "zout" << "0R" << "no attenuator for 0 ohms or below";
    QTest::newRow("tolerance 100") << "tolerance" << "100" << "not a tolerance:";
    QTest::newRow("inductance big") << "inductance" << "2" << "L: not a value from 0 to 1";
    QTest::newRow("capacitance junk") << "capacitance" << "5x" << "C: not a value from 0 to 1";
    QTest::newRow("from colon") << "from" << "1:2" << "not a frequency up to 1000T:";
    QTest::newRow("to below from") << "to" << "1M" << "START must be below STOP";
    QTest::newRow("points one") << "points" << "1" << "POINTS is a count of frequencies";
    QTest::newRow("flatness zero") << "flatness" << "0" << "not a number of dB above 0:";
    QTest::newRow("board too thin") << "boardHeight" << "40um" << "the board's height to its ground plane must be";
    QTest::newRow("permittivity 21") << "permittivity" << "21" << "not a permittivity:";
    QTest::newRow("ambient 156") << "ambient" << "156" << "not an ambient temperature:";
}

void DesignerTest::refusedInput()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    PadDesigner d({});
    d.show();
    QLineEdit* edit = find(d, box.toLatin1().constData());
    if (!edit->isEnabled())   // a part's parasitics, typed under Custom
        find<QComboBox>(d, "package")->setCurrentText(QStringLiteral("Custom"));
    type(edit, text.chopped(text.isEmpty() ? 0 : 1));
    const QMap<QString, QString> before = labels(d);   // for the last valid text, if any
    const QString padC = find(d, "padCapacitance")->text();
    type(edit, text);
    // A size's parts as worked out for the last valid board.
    QCOMPARE(find(d, "padCapacitance")->text(), padC);
    const QLabel* error = find<QLabel>(d, (box + "Error").toLatin1().constData());
    QVERIFY2(edit->accessibleDescription().startsWith(message), qPrintable(edit->accessibleDescription()));
    QCOMPARE(error->text(), edit->accessibleName() + ": " + edit->accessibleDescription());
    // Above the greyed results, beside the inputs: nothing between them moves.
    const QWidget* results = find<QWidget>(d, "results");
    QVERIFY(error->mapTo(&d, QPoint()).y() < results->mapTo(&d, QPoint()).y());
    QVERIFY(error->mapTo(&d, QPoint()).x() >= edit->mapTo(&d, QPoint()).x() + edit->width());
    for (const QLabel* other : d.findChildren<QLabel*>(QRegularExpression(QStringLiteral("Error$"))))
        if (other != error)   // the refusal on its own box alone
            QCOMPARE(other->objectName() + ": " + other->text(), other->objectName() + ": ");
    QVERIFY(!d.current());
    QCOMPARE(labels(d), before);
    QVERIFY(!find<QWidget>(d, "results")->isEnabled());
    if (box != QLatin1String("inductance"))
        return;
    find<QComboBox>(d, "package")->setCurrentText(QStringLiteral("0603"));   // a size's parts instead
    QVERIFY2(error->isHidden(), qPrintable(error->text()));
}

void DesignerTest::noDesign()
{
    PadDesigner d({});
    d.show();
    find<QComboBox>(d, "kind")->setCurrentText(QStringLiteral("Bridged-T"));
    type(find(d, "zout"), QStringLiteral("75"));
    QCOMPARE(find<QLabel>(d, "why")->text(), QStringLiteral("No Bridged-T for these inputs: equal impedances only."));
    QVERIFY(find<QLabel>(d, "why")->isVisible());
    QVERIFY(!d.actions().front()->isEnabled());   // nothing to copy
    QVERIFY(!d.saveTouchstone(QDir::temp().filePath(QStringLiteral("velkor-none.s2p"))));   // nor to save
    QVERIFY(!find<QWidget>(d, "plot")->isEnabled());
    find<QComboBox>(d, "kind")->setCurrentText(QStringLiteral("Pi"));
    // the Pi's minimum between 75 and 50 ohms is 5.72 dB
    type(find(d, "db"), QStringLiteral("1"));
    QCOMPARE(find<QLabel>(d, "why")->text(),
             QStringLiteral("No Pi for these inputs: no Pi or T for 1 dB between 50 and 75 ohms: the attenuation "
                            "must be above the minimum of 5.7195 dB."));
    find(d, "db")->setText(QStringLiteral("6"));   // pasted: the refusal goes before the results come
    QVERIFY(find<QLabel>(d, "why")->isHidden());
    settle(d);
    QVERIFY(d.current());
    QVERIFY(find<QWidget>(d, "results")->isEnabled());   // greyed no longer
    type(find(d, "zin"), QStringLiteral("1e306"));
    type(find(d, "zout"), QString());
    QCOMPARE(find<QLabel>(d, "why")->text(), QStringLiteral("No Pi for these inputs: the pad's values leave the range "
                                                            "of a double."));
    type(find(d, "zin"), QStringLiteral("50"));
    type(find(d, "zout"), QStringLiteral("75"));
    const QMap<QString, QString> shown = labels(d);
    QCOMPARE(shown.size(), 24);   // 4 for each resistor, 12 for a pad between unequal impedances of 0603 parts
    // New values of the same figures, in the same labels: one a screen reader follows stays.
    const QPointer<QLabel> first = find<QWidget>(d, "results")->findChild<QLabel*>(shown.firstKey());
    type(find(d, "power"), QStringLiteral("2"));
    QVERIFY(first);
    find<QComboBox>(d, "kind")->setCurrentText(QStringLiteral("Resistive splitter"));
    // The kind chosen, without parts, its further arms named by their outputs.
    QCOMPARE(find<QWidget>(d, "schematic")->accessibleDescription(),
             QStringLiteral("R1 input arm, R2 arm to output 1, R3 arm to output 2"));
    type(find(d, "outputs"), QStringLiteral("1"));
    QVERIFY(find<QLabel>(d, "outputsError")->isVisible());
    find<QComboBox>(d, "kind")->setCurrentText(QStringLiteral("Pi"));   // which has no outputs to refuse
    QVERIFY(find<QLabel>(d, "outputsError")->isHidden());
}

void DesignerTest::keyboard()
{
    PadDesigner d({});
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    // A window of its own to a screen reader, named by its title.
    QCOMPARE(QAccessible::queryAccessibleInterface(&d)->role(), QAccessible::Window);
    QCOMPARE(QAccessible::queryAccessibleInterface(&d)->text(QAccessible::Name), QStringLiteral("Velkor pad designer"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("db"));
    QStringList order;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    for (int i = 0; i < 17; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Under 0603 its board's boxes; its parts' values are worked out, not typed.
    QCOMPARE(order, QStringList({"kind", "db", "power", "zin", "zout", "series", "tolerance", "pairs", "package",
                                 "boardHeight", "permittivity", "ambient", "from", "to", "points",
                                 "flatness", "minReturnLoss"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QTextBrowser* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("helpwindow") && w->isVisible())
            help = qobject_cast<QTextBrowser*>(w);
    QVERIFY(help);
    QVERIFY(help->verticalScrollBar()->value() > 0);   // at the designer's section, not the top
}

void DesignerTest::accessKeys_data()
{
    QTest::addColumn<QChar>("key");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("spoken");   // what a screen reader calls it
    const struct {
        char key;
        const char *box, *spoken;
    } keys[] = {
        {'K', "kind", "Pad kind"}, {'A', "db", "Attenuation (dB)"}, {'W', "power", "Input power (W or dBm)"},
        {'I', "zin", "Input impedance (Ω)"}, {'O', "zout", "Output impedance (Ω)"},
        {'S', "series", "Series"}, {'T', "tolerance", "Tolerance (%)"}, {'R', "pairs", "Pairs of parts"},
        {'G', "package", "Package"}, {'N', "boardHeight", "Board to ground (mm)"},
        {'Y', "permittivity", "Permittivity"}, {'M', "ambient", "Ambient (°C)"},
        {'L', "inductance", "Part L (H)"}, {'C', "capacitance", "Part C (F)"},
        {'D', "padCapacitance", "Pad capacitance (F)"}, {'F', "from", "Sweep from (Hz)"},
        {'Z', "to", "Sweep to (Hz)"}, {'P', "points", "Points"}, {'B', "flatness", "Flatness (dB)"},
        {'U', "minReturnLoss", "Least return loss (dB)"}};
    for (const auto& k : keys)
        QTest::newRow(k.box) << QChar::fromLatin1(k.key) << QString::fromLatin1(k.box) << QString::fromUtf8(k.spoken);
}

void DesignerTest::accessKeys()
{
    QFETCH(QChar, key);
    QFETCH(QString, box);
    PadDesigner d({});
    d.show();
    if (!d.findChild<QWidget*>(box)->isEnabled())   // a part's parasitics, typed under Custom
        find<QComboBox>(d, "package")->setCurrentText(QStringLiteral("Custom"));
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QTest::keyClick(&d, Qt::Key(key.unicode()), Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), box);
    QFETCH(QString, spoken);
    QCOMPARE(QApplication::focusWidget()->accessibleName(), spoken);
}

void DesignerTest::ticks_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("wanted");
    QTest::addColumn<QList<double>>("expected");
    QTest::newRow("0 to 6 GHz") << 0.0 << 6e9 << 6 << QList<double>{0, 1e9, 2e9, 3e9, 4e9, 5e9, 6e9};
    QTest::newRow("10 MHz to 6 GHz") << 1e7 << 6e9 << 6 << QList<double>{1e9, 2e9, 3e9, 4e9, 5e9, 6e9};
    QTest::newRow("steps of 2") << 0.0 << 45.0 << 4 << QList<double>{0, 20, 40};
    QTest::newRow("steps of 5") << -1.0 << 19.0 << 6 << QList<double>{0, 5, 10, 15};
    QTest::newRow("tenths") << 6.1 << 6.5 << 4 << QList<double>{6.1, 6.2, 6.3, 6.4, 6.5};
    QTest::newRow("no range") << 5.0 << 5.0 << 4 << QList<double>{5};
}

void DesignerTest::ticks()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, wanted);
    QFETCH(QList<double>, expected);
    const std::vector<double> got = velkor::ui::roundTicks(low, high, wanted);
    QCOMPARE(qsizetype(got.size()), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        QVERIFY2(std::abs(got[std::size_t(i)] - expected[i]) <= 1e-9 * std::abs(high - low),
                 qPrintable(QStringLiteral("tick %1 is %2").arg(i).arg(got[std::size_t(i)], 0, 'g', 17)));
}

void DesignerTest::frequencyTicks_data()
{
    QTest::addColumn<double>("hertz");
    QTest::addColumn<double>("top");
    QTest::addColumn<QString>("label");
    QTest::newRow("giga") << 2.5e9 << 6e9 << "2.5 GHz";
    QTest::newRow("below the prefix") << 5e8 << 6e9 << "0.5 GHz";
    QTest::newRow("binary step") << 0.30000000000000004e9 << 1e9 << "0.3 GHz";
    QTest::newRow("hertz") << 999.0 << 999.0 << "999 Hz";
    QTest::newRow("kilo") << 1000.0 << 1000.0 << "1 kHz";
    QTest::newRow("mega") << 2e7 << 5e7 << "20 MHz";
    QTest::newRow("tera, the last") << 2e15 << 1e15 << "2000 THz";
}

void DesignerTest::frequencyTicks()
{
    QFETCH(double, hertz);
    QFETCH(double, top);
    QFETCH(QString, label);
    QCOMPARE(velkor::ui::frequencyTick(hertz, top), label);
}

void DesignerTest::plot()
{
    PadDesigner d({});
    d.resize(1200, 800);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    auto* plot = find<velkor::ui::ResponsePlot>(d, "plot");
    QCOMPARE(plot->accessibleName(), QStringLiteral("Frequency response"));
    find<QComboBox>(d, "package")->setCurrentText(QStringLiteral("Custom"));   // 0.5n, 50f, 80f
    settle(d);
    // The default Pi of E12 parts: 6.1356 dB at 10 MHz and 6.5118 dB at 6 GHz (velkor-cli's JSON).
    QCOMPARE(plot->accessibleDescription(), QStringLiteral("Flat to 3.13 GHz, matched to 3.97 GHz; insertion loss "
                                                           "6.14 dB at 10.0 MHz, 6.51 dB at 6.00 GHz"));
    // the right end of the sweep
    QTest::mouseMove(plot, QPoint(plot->width() - 32, plot->height() / 4));
    QCOMPARE(plot->readout(), QStringLiteral("6.00 GHz: insertion loss 6.51 dB, return loss in 16.54 dB, out 16.54 dB"));
    type(find(d, "points"), QStringLiteral("3"));   // 10 MHz, 3.005 GHz, 6 GHz
    // at 3.30 GHz, nearer the middle frequency
    const int middle = 64 + (plot->width() - 64 - 32) * 55 / 100;
    QTest::mouseMove(plot, QPoint(middle, plot->height() / 4));
    QVERIFY2(plot->readout().startsWith(QLatin1String("3.01 GHz:")), qPrintable(plot->readout()));
    QTest::mouseMove(plot, QPoint(65, plot->height() / 4));   // a pixel in, nearer the first
    QVERIFY2(plot->readout().startsWith(QLatin1String("10.0 MHz:")), qPrintable(plot->readout()));
    QTest::mouseMove(plot, QPoint(40, plot->height() / 4));   // over the ticks' labels: no point
    QCOMPARE(plot->readout(), QString());
}

// Where a plot of 500 by 400 puts things: each pane (400 - 8) / 2 = 196
// high with 28 above and 34 below for labels, 64 left and 32 right; the
// insertion loss of 6.0 to 6.15 dB inside the 5.8 to 6.2 dB shown about
// its value at 0 Hz; the return losses on 0 to 40 dB.
void DesignerTest::plotScene()
{
    velkor::ui::ResponsePlot plot(nullptr);
    plot.resize(500, 400);
    const velkor::Curves curves{{1e9, 2e9, 3e9}, {6.0, 6.1, 6.15}, {30, 18, 10}, {31, 19, 12}};
    plot.setResponse(curves, {6.0, 0.1, 20, 1.5e9, 1e9});
    const velkor::ui::ResponsePlot::Scene loss = plot.scene(0), match = plot.scene(1);
    // 6.0, 6.1 and 6.15 dB lie 0.2, 0.3 and 0.35 dB below the top.
    QCOMPARE(loss.curves.at(0), QPolygonF({{64, 28 + 134 * 0.5}, {266, 28 + 134 * 0.75}, {468, 28 + 134 * 0.875}}));
    // The band of 5.9 to 6.1 dB; the least return loss a line at 20 dB.
    QCOMPARE(loss.band, QRectF(QPointF(64, 28 + 134 * 0.25), QPointF(468, 28 + 134 * 0.75)));
    QCOMPARE(match.band, QRectF(64, 299, 404, 0));
    QCOMPARE(loss.markAt.value_or(-1), 165.0);
    QCOMPARE(loss.mark, QStringLiteral("flat to 1.50 GHz"));
    // Matched to the sweep's first frequency: marked still.
    QCOMPARE(match.mark, QStringLiteral("matched to 1.00 GHz"));
    plot.setResponse(curves, {6.0, 0.1, 20, 0.5e9, 4e9});
    QVERIFY(!plot.scene(1).markAt);   // beyond the sweep: no mark
    // A straight run of points is stroked from its ends alone.
    velkor::Curves straight{{}, {}, {30, 30, 30, 30}, {31, 31, 31, 31}};
    for (double f : {1e9, 2e9, 3e9, 4e9}) {
        straight.hertz.push_back(f);
        straight.insertionLoss.push_back(6 + f / 1e11);
    }
    plot.setResponse(straight, {6.0, 0.1, 20, {}, {}});
    QCOMPARE(plot.scene(0).curves.at(0).size(), 2);
}

// The worst state named beside its ring, away from the zero line and the
// middle: for an error over 0 dB on the left, above it and to its right,
// the label's ink there and none in the same place below the ring.
void DesignerTest::stepPlotLabel()
{
    velkor::ui::StepPlot plot(nullptr);
    plot.setStates({{1, -0.05, {}}, {2, 0.3, {}}, {3, 0, {}}, {4, 0.02, {}}, {5, 0.1, {}}, {6, 0, {}}}, 1, 0);
    const QImage image = plot.grab().toImage();
    const QPointF ring = plot.scene().points[1];
    const auto inked = [&image](QRectF r) {
        int dark = 0;
        for (int y = int(r.top()); y < int(r.bottom()); ++y)
            for (int x = int(r.left()); x < int(r.right()); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    QVERIFY(inked(QRectF(ring.x() + 12, ring.y() - 25, 100, 16)) > 20);   // "worst: state 1"
    QCOMPARE(inked(QRectF(ring.x() + 12, ring.y() + 9, 100, 16)), 0);
}

void DesignerTest::contextMenu()
{
    PadDesigner d({});
    QCOMPARE(d.contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList commands;
    for (const QAction* a : d.actions())
        commands << a->text() + QStringLiteral(" ") + a->shortcut().toString();
    QCOMPARE(commands, QStringList({"Copy results Ctrl+Shift+C", "Copy JSON ", "Copy SPICE netlist ",
                                    "Save Touchstone\u2026 Ctrl+S", "Save plot image\u2026 "}));
}

void DesignerTest::failedSaves()
{
    PadDesigner d({});
    d.show();
    settle(d);
    QVERIFY(!d.saveTouchstone(QStringLiteral("/nonexistent/pad.s2p")));
    auto* refusal = d.findChild<QMessageBox*>(QStringLiteral("refusal"));
    QVERIFY(refusal && refusal->isVisible());
    QCOMPARE(refusal->text(), QStringLiteral("The Touchstone file was not saved."));
    QVERIFY(!d.savePlotImage(QStringLiteral("/nonexistent/plot.png")));
    QTemporaryDir dir;
    QVERIFY(d.savePlotImage(dir.filePath(QStringLiteral("plot.png"))));
    const QImage shown = find<QWidget>(d, "plot")->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(QImage(dir.filePath(QStringLiteral("plot.png"))).convertToFormat(QImage::Format_RGB32), shown);
}

// Each size fills the part boxes, fixed, with its values on the board as
// typed, each to four figures; a part over its rating is marked and read so.
void DesignerTest::packages()
{
    PadDesigner d({});
    d.show();
    settle(d);
    QCOMPARE(find<QComboBox>(d, "package")->currentText(), QStringLiteral("0603"));   // as first opened
    // The 1 W, 6 dB Pi of E12 parts at 10 %: R1 takes 0.37577 W, R3 0.09607 W.
    QCOMPARE(find<QLabel>(d, "R1 worst-case power")->accessibleName(),
             QStringLiteral("R1 worst-case power: 0.376 W, over its 0.100 W rating"));
    QCOMPARE(find<QLabel>(d, "R3 worst-case power")->accessibleName(), QStringLiteral("R3 worst-case power: 0.0961 W"));
    type(find(d, "boardHeight"), QStringLiteral("1.55"));
    for (const velkor::ChipSize& size : velkor::chipSizes()) {
        find<QComboBox>(d, "package")->setCurrentText(QString::fromStdString(std::string(size.name)));
        const velkor::Parasitics x = velkor::packageParasitics(size, {1.55, 4.3});
        const std::pair<const char*, double> boxes[] = {{"inductance", x.inductance},
                                                        {"capacitance", x.capacitance},
                                                        {"padCapacitance", x.padCapacitance},
                                                        {"viaInductance", x.viaInductance}};
        for (const auto& [name, value] : boxes) {
            QVERIFY(!find(d, name)->isEnabled());
            const double shown = velkor::readParasitic(find(d, name)->text().toStdString(), "").value_or(0);
            QVERIFY2(std::abs(shown / value - 1) < 5e-4, name);
        }
    }
}

void DesignerTest::remembered()
{
    // Every box as typed, and whether the next opening keeps it: the pad's
    // own inputs start afresh, the parts, the board and the sweep stay.
    const std::vector<std::tuple<const char*, QString, bool>> boxes = {
        {"db", "9", false}, {"bits", "1 2", true}, {"outputs", "3", false}, {"power", "2", false},
        {"zin", "75", false}, {"zout", "60", false}, {"tolerance", "2", false}, {"boardHeight", "1.55mm", true},
        {"permittivity", "3.8", true}, {"ambient", "85", true}, {"inductance", "2n", true},
        {"capacitance", "30f", true}, {"padCapacitance", "90f", true}, {"from", "1M", true}, {"to", "3G", true},
        {"points", "51", true}, {"flatness", "0.5", true}, {"minReturnLoss", "15", true}};
    QMap<QString, QString> first;
    {
        PadDesigner d({});
        d.resize(1500, 900);
        find<QComboBox>(d, "package")->setCurrentText(QStringLiteral("Custom"));
        for (const auto& [name, typed, kept] : boxes) {
            first[QLatin1String(name)] = find(d, name)->text();
            find(d, name)->setText(typed);   // pasted, into a box idle or hidden too
        }
        find<QComboBox>(d, "package")->setCurrentText(QStringLiteral("Ideal"));
        settle(d);
    }
    PadDesigner again({});
    QCOMPARE(find<QComboBox>(again, "package")->currentText(), QStringLiteral("Ideal"));
    for (const char* part : {"inductance", "capacitance", "padCapacitance"}) {   // under Ideal, 0 and fixed
        QCOMPARE(find(again, part)->text(), QStringLiteral("0"));
        QVERIFY(!find(again, part)->isEnabled());
    }
    QVERIFY(!find(again, "ambient")->isEnabled());   // a board for a size alone
    QCOMPARE(again.size(), QSize(1500, 900));
    find<QComboBox>(again, "package")->setCurrentText(QStringLiteral("Custom"));
    for (const auto& [name, typed, kept] : boxes)
        QCOMPARE(find(again, name)->text(), kept ? typed : first[QLatin1String(name)]);
    // The custom parts kept aside over any walk of the sizes, and back each time.
    auto* package = find<QComboBox>(again, "package");
    for (const char* size : {"0603", "0805", "Custom", "0402", "Custom", "1206", "0201", "Custom"}) {
        package->setCurrentText(QLatin1String(size));
        if (package->currentText() == QLatin1String("Custom"))
            QCOMPARE(find(again, "padCapacitance")->text(), QStringLiteral("90f"));
    }
}

void DesignerTest::mainWindow()
{
    velkor::ui::Form1 w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    type(find(w, "Text1"), QStringLiteral("10"));
    type(find(w, "systemimpedance"), QStringLiteral("75"));
    QTest::mouseClick(find<QRadioButton>(w, "Option2"), Qt::LeftButton);
    QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier);
    PadDesigner* d = w.paddesigner();
    QVERIFY(d && QTest::qWaitForWindowActive(d));
    QCOMPARE(find(*d, "db")->text(), QStringLiteral("10"));
    QCOMPARE(find(*d, "zin")->text(), QStringLiteral("75"));
    QCOMPARE(find<QComboBox>(*d, "series")->currentText(), QStringLiteral("E24"));
    QCOMPARE(find<QComboBox>(*d, "series")->count(), 6);   // E6 to E192
    type(find(*d, "points"), QStringLiteral("51"));
    QTest::keyClick(d, Qt::Key_Escape);
    QVERIFY(!d->isVisible());
    QCOMPARE(find(PadDesigner({}), "points")->text(), QStringLiteral("51"));   // saved as it closed
    QVERIFY(w.isVisible());
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(w.paddesigner(), d);
    QVERIFY(d->isVisible());
    w.close();
    QVERIFY(!d->isVisible());
}

// A 16-way splitter over 100001 frequencies takes a second or more: every
// key reaches its box while it is worked out, the busy line says what is,
// and the results shown are the latest inputs'.
void DesignerTest::neverWaits()
{
    PadDesigner d({});
    d.show();
    QTest::keyClick(find(d, "db"), Qt::Key_1);
    QVERIFY(d.working());   // after the first design, even a quick one is worked out beside the window
    find<QComboBox>(d, "kind")->setCurrentText(QStringLiteral("Resistive splitter"));
    type(find(d, "outputs"), QStringLiteral("16"));
    QTest::qWait(50);   // worked out at once: its 0.1 s to a busy line ended with it
    QElapsedTimer asked;
    asked.start();
    find(d, "points")->setText(QStringLiteral("100001"));   // pasted
    QVERIFY(d.working());   // back before the work is done
    QTest::keyClick(find(d, "power"), Qt::Key_0);   // 1 W to 10 W, while it works
    QCOMPARE(find(d, "power")->text(), QStringLiteral("10"));
    QVERIFY(d.working());
    QTest::qWait(70);
    if (asked.elapsed() < 95)   // the quiet 0.1 s counted from this work's start
        QVERIFY(find<QLabel>(d, "busy")->isHidden());
    QGuiApplication::clipboard()->clear();
    d.actions().at(1)->trigger();   // Copy JSON: it waits for the results
    const auto* busy = find<QLabel>(d, "busy");
    QTRY_VERIFY(busy->isVisible());   // a second or more, well past the quiet 0.1 s
    QVERIFY(busy->text().startsWith(QLatin1String("Working out the splitter")));
    QCOMPARE(busy->geometry().left(), find<QWidget>(d, "results")->geometry().left());   // in the results' column
    QVERIFY(!d.actions().front()->isEnabled());
    // A label a screen reader reads as it reads the results.
    QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<QLabel*>(busy))->text(QAccessible::Name), busy->text());
    QVERIFY(QTest::qWaitFor([&d] { return !d.working(); }, 30000));
    QCOMPARE(d.design()->request.power, 10.0);
    QVERIFY(QGuiApplication::clipboard()->text().contains(QLatin1String("\"power_w\": 10,")));
    QCOMPARE(d.design()->row->radio->hertz.size(), std::size_t(100001));
    QVERIFY(busy->isHidden());
}

void DesignerTest::steps_data()
{
    QTest::addColumn<TypedSteps>("typed");
    QTest::newRow("6-bit E24 Pi at 1 %") << TypedSteps{"Pi", "pi", "1 2 4 8 16 32", "E24", "1", false, "Ideal"};
    // 25 parts, too many for the corners, but no tolerance is typed
    QTest::newRow("H-pad pairs") << TypedSteps{"H-pad (balanced T)", "h_pad", "0.5, 1,3 6 12", "E12", "", true, "Ideal"};
    QTest::newRow("0402 swept") << TypedSteps{"Pi", "pi", "1 2 4 8 16 32", "E12", "", false, "0402"};
}

// Every figure of step mode against velkor-cli's JSON for the same inputs.
void DesignerTest::steps()
{
    QFETCH(TypedSteps, typed);
    PadDesigner d({});
    d.show();
    enter(d, typed);
    QVERIFY(d.current());
    std::vector<std::string> args = arguments(typed);
    QCOMPARE(copied(d, "Copy results"), cli(args));
    args.insert(args.end(), {"-f", "json"});
    const QString json = cli(args);
    QCOMPARE(copied(d, "Copy JSON"), json);
    const Json steps = Json::parse(json.toStdString()).at(0).at("steps");
    const auto num = [](const Json& j) { return j.get<double>(); };
    const QTableWidget* bits = d.stepPanel()->bits();
    const auto* chain = find<velkor::ui::StepChain>(d, "chain");
    QCOMPARE(bits->rowCount(), int(steps["pads"].size()));
    for (int bit = 0; bit < bits->rowCount(); ++bit) {
        const Json& pad = steps["pads"][std::size_t(bit)][typed.key.toStdString()];
        QStringList codes;
        for (const Json& code : pad["codes"])
            codes << QString::fromStdString(code.get<std::string>());
        QCOMPARE(cell(bits, bit, 2), codes.join(QLatin1Char(' ')));
        // The chain as a screen reader hears it: each bit's dB and parts.
        const QString link = QStringLiteral("bit %1, %2 dB: ").arg(bit + 1).arg(cell(bits, bit, 1)) + cell(bits, bit, 2);
        QVERIFY2(chain->accessibleDescription().contains(link), qPrintable(chain->accessibleDescription()));
        QCOMPARE(mismatch("bit loss", cell(bits, bit, 3), num(pad["insertion_loss_db"]), Rounded::nearest), QString());
        QCOMPARE(mismatch("bit return", cell(bits, bit, 4), num(pad["return_loss_db"]), Rounded::nearest), QString());
    }
    const QTableWidget* states = d.stepPanel()->states();
    QCOMPARE(states->accessibleName(), QStringLiteral("States"));
    QCOMPARE(states->rowCount(), int(steps["states"].size()));
    const std::size_t worst = steps["worst_error_state"], least = steps["least_return_loss_state"];
    for (int row = 0; row < states->rowCount(); ++row) {
        const Json& s = steps["states"][std::size_t(row)];
        QCOMPARE(cell(states, row, 0), QString::number(s["state"].get<int>()));
        QCOMPARE(cell(states, row, 1), QString::fromStdString(s["bits"].get<std::string>()));
        const char* keys[] = {"setting_db", "insertion_loss_db", "error_db", "return_loss_db", "output_return_loss_db"};
        for (int column = 2; column < 7; ++column)
            QCOMPARE(mismatch(keys[column - 2], cell(states, row, column), num(s[keys[column - 2]]), Rounded::nearest),
                     QString());
        int column = 7;
        for (const char* key : {"flat_to_hz", "matched_to_hz"}) {
            if (!s.contains(key))
                break;
            const QString shown = cell(states, row, column++);
            if (s[key].is_null())
                QCOMPARE(shown, QStringLiteral("beyond 1 THz"));
            else if (num(s[key]) == 0)
                QVERIFY2(shown.startsWith(QLatin1String("never (")), qPrintable(shown));
            else
                QCOMPARE(figures(key, shown, num(s[key]), Rounded::down), QString());
        }
        if (s.contains("insertion_loss_range_db")) {
            const QStringList range = cell(states, row, column).split(QStringLiteral(" to "));
            QCOMPARE(mismatch("low", range.value(0), num(s["insertion_loss_range_db"][0]), Rounded::down), QString());
            QCOMPARE(mismatch("high", range.value(1), num(s["insertion_loss_range_db"][1]), Rounded::up), QString());
        }
        // The worst rows marked by a sign, and read so.
        const bool marked = std::size_t(row) == worst || std::size_t(row) == least;
        QCOMPARE(states->item(row, 0)->text().endsWith(QStringLiteral("\u26a0")), marked);
    }
    const QString worstRead = states->item(int(worst), 0)->data(Qt::AccessibleTextRole).toString();
    QVERIFY2(worstRead.contains(QLatin1String(", worst error")), qPrintable(worstRead));
    const QString summary = find<QLabel>(d, "Worst error")->accessibleName();
    QCOMPARE(find<QWidget>(d, "stepPlot")->accessibleDescription(), summary);   // the plot's ringed state, in words
    QCOMPARE(mismatch("worst", summary.section(QLatin1Char(' '), 2), num(steps["worst_error_db"]), Rounded::nearest),
             QString());
    QVERIFY2(summary.contains(QStringLiteral("in state %1 (").arg(worst)), qPrintable(summary));
}

// Choosing a state by keyboard shows its response: its Touchstone file and
// netlist are velkor-cli's --state for it.
void DesignerTest::chosenState()
{
    PadDesigner d({});
    d.show();
    enter(d, TypedSteps{"Pi", "pi", "1 2 4 8 16 32", "E12", "", false, "0603"});
    QTableWidget* states = d.stepPanel()->states();
    QCOMPARE(states->currentColumn(), 0);   // a state is read from its number on
    states->setFocus();
    states->setCurrentCell(24, 0);
    QVERIFY(!d.current());   // the state's response to come: nothing to save of it yet
    QTest::keyClick(states, Qt::Key_Down);
    settle(d);
    QVERIFY(d.current());
    const auto* plot = find<velkor::ui::ResponsePlot>(d, "plot");
    const auto plotted = [plot] { return plot->accessibleDescription().section(QLatin1Char(':'), 0, 0); };
    QCOMPARE(plotted(), QStringLiteral("State 25"));
    std::vector<std::string> args = arguments(TypedSteps{"Pi", "pi", "1 2 4 8 16 32", "E12", "", false, "0603"});
    args.insert(args.end(), {"--state", "25", "-f", "spice"});
    QCOMPARE(copied(d, "Copy SPICE netlist"), cli(args));
    args.back() = "touchstone";
    args.insert(args.end(), {"--frequency", "10M:6G:600"});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state.s2p"));
    QVERIFY(d.saveTouchstone(path));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), cli(args));
    // The plot image as shown: the errors above the response.
    const QString image = dir.filePath(QStringLiteral("plot.png"));
    QVERIFY(d.savePlotImage(image));
    auto* errors = find<velkor::ui::StepPlot>(d, "stepPlot");
    const QImage top = QImage(image).copy(0, 0, errors->width(), errors->height());
    QCOMPARE(top.convertToFormat(QImage::Format_RGB32), errors->grab().toImage().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(QImage(image).height(), errors->height() + plot->height());
    // State 4 chosen, then two bits of four states: the worst error's instead.
    states->setCurrentCell(4, 0);
    settle(d);
    type(find(d, "bits"), QStringLiteral("1 2"));
    const std::size_t worst = d.design()->steps->result->worstErrorState;
    QCOMPARE(plotted(), QStringLiteral("State %1").arg(worst));
    QCOMPARE(states->currentRow(), int(worst));
    states->setCurrentCell(0, 0);   // the first row, every bit through
    settle(d);
    QCOMPARE(plotted(), QStringLiteral("State 0"));
    // A state chosen while new bits are worked out: the new bits' design shows it.
    find(d, "bits")->setText(QStringLiteral("1 2 4 8"));   // pasted
    states->setCurrentCell(2, 0);
    settle(d);
    QCOMPARE(d.design()->steps->request.bits.size(), std::size_t(4));
    QCOMPARE(plotted(), QStringLiteral("State 2"));
    // Back from a pad: the choice starts afresh, at the worst error's state (velkor-cli: 6 of 1 2 4 8, 0603).
    d.setStepMode(false);
    settle(d);
    d.setStepMode(true);
    settle(d);
    QCOMPARE(plotted(), QStringLiteral("State 6"));
}

void DesignerTest::stepRefusals_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("bits");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("message");
    QTest::newRow("junk") << "Pi" << "1 2 x" << "" << "bits" << "bit 3: not a number of dB:";
    QTest::newRow("range") << "T" << "1:3:1" << "" << "bits" << "bit 1: one value, not a range";
    QTest::newRow("nine") << "Pi" << "1 2 3 4 5 6 7 8 9" << "" << "bits" << "at most 8 bits";
    QTest::newRow("commas alone") << "Pi" << " , " << "" << "bits" << "no value: one to 8 bits";
    // 5 bits of 5 parts: 2^25 corners
    QTest::newRow("corners") << "H-pad (balanced T)" << "1 2 4 8 16" << "1" << "tolerance"
                             << "the state of every bit has 25 parts, 2^25 corners: at most 2^24";
}

void DesignerTest::stepRefusals()
{
    QFETCH(QString, kind);
    QFETCH(QString, bits);
    QFETCH(QString, tolerance);
    QFETCH(QString, box);
    QFETCH(QString, message);
    PadDesigner d({});
    d.show();
    enter(d, TypedSteps{kind, {}, bits, "E12", tolerance, false, "Ideal"});
    const QLineEdit* edit = find(d, box.toLatin1().constData());
    QVERIFY2(edit->accessibleDescription().startsWith(message), qPrintable(edit->accessibleDescription()));
    QCOMPARE(d.minimumSizeHint().width(), d.minimumWidth());   // wrapped, rather than widen the window
    QVERIFY(!edit->styleSheet().isEmpty());   // the red frame
    QCOMPARE(find<QLabel>(d, (box + "Error").toLatin1().constData())->text(),
             edit->accessibleName() + ": " + edit->accessibleDescription());
    QVERIFY(!d.current());
    d.setStepMode(false);   // a pad reads neither the bits nor a state's corners
    QVERIFY(find<QLabel>(d, (box + "Error").toLatin1().constData())->isHidden());
}

// The choice at the top: by its access key, with only the kinds a bit can
// be, one impedance, and remembered with each mode's kind.
void DesignerTest::stepMode()
{
    {
        PadDesigner d({});
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        find<QComboBox>(d, "kind")->setCurrentText(QStringLiteral("T"));
        QTest::keyClick(&d, Qt::Key_H, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget()->accessibleName(), QStringLiteral("What to design"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QVERIFY(d.stepMode());
        QStringList kinds;
        for (int i = 0; i < find<QComboBox>(d, "kind")->count(); ++i)
            kinds << find<QComboBox>(d, "kind")->itemText(i);
        QCOMPARE(kinds, QStringList({"Pi", "T", "Bridged-T", "H-pad (balanced T)", "O-pad (balanced Pi)"}));
        QVERIFY(!find(d, "zout")->isEnabled());
        QVERIFY(find(d, "db")->isHidden());
        QTest::keyClick(&d, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("bits"));
        find<QComboBox>(d, "kind")->setCurrentText(QStringLiteral("O-pad (balanced Pi)"));
        type(find(d, "bits"), QStringLiteral("1000 1000"));   // shunts of 2.7E+51 ohms
        QCOMPARE(find<QLabel>(d, "why")->text(), QStringLiteral("No step attenuator for these inputs: a bit's design "
                                                                "or the cascade leaves the range of a double."));
        d.setStepMode(false);
        QCOMPARE(find<QComboBox>(d, "kind")->currentText(), QStringLiteral("T"));
        d.setStepMode(true);
        QCOMPARE(find<QComboBox>(d, "kind")->currentText(), QStringLiteral("O-pad (balanced Pi)"));
    }
    PadDesigner again({});
    QVERIFY(again.stepMode());
    QCOMPARE(find<QComboBox>(again, "kind")->currentText(), QStringLiteral("Pi"));   // a mode's kind starts afresh
    again.setStepMode(false);
    QVERIFY(find(again, "bits")->isHidden());
    QCOMPARE(find<QComboBox>(again, "kind")->count(), int(velkor::padKinds().size()));
}

// Opened in step mode, the window laid out for its first results: its
// tables one under the other, neither over the other.
void DesignerTest::openedInStepMode()
{
    PadDesigner d({});
    d.setStepMode(true);
    d.show();
    settle(d);
    QVERIFY(d.stepPanel()->states()->y() > d.stepPanel()->bits()->geometry().bottom());
}

// Eight bits at their tolerance with parasitics, and a state over 100001
// frequencies: worked out on the worker, a key landing meanwhile.
void DesignerTest::stepsNeverWait()
{
    PadDesigner d({});
    d.show();
    enter(d, TypedSteps{"Pi", "pi", "1 2 4 8 16 32 64 128", "E12", "1", false, "0603"});
    find(d, "points")->setText(QStringLiteral("100001"));   // pasted
    QVERIFY(d.working());
    QTest::keyClick(find(d, "power"), Qt::Key_0);
    QCOMPARE(find(d, "power")->text(), QStringLiteral("10"));
    const auto* busy = find<QLabel>(d, "busy");
    QTRY_VERIFY(busy->isVisible() || !d.working());
    if (d.working())
        QCOMPARE(busy->text(), QStringLiteral("Working out the step attenuator: its 256 states, "
                                              "their loss ranges and a state's response at 100001 "
                                              "frequencies\u2026"));
    find(d, "power")->setText(QStringLiteral("x"));   // refused: the busy line goes with the work
    QVERIFY(busy->isHidden());
    find(d, "power")->setText(QStringLiteral("10"));
    QVERIFY(QTest::qWaitFor([&d] { return !d.working(); }, 30000));
    QCOMPARE(d.design()->steps->request.power, 10.0);
    QCOMPARE(d.design()->steps->response.size(), std::size_t(100001));
}

QTEST_MAIN(DesignerTest)
#include "designer_test.moc"
