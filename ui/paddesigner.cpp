#include "paddesigner.h"

#include "base/numtext.h"
#include "drawing.h"
#include "responseplot.h"
#include "schematic.h"
#include "steppanel.h"
#include "stepplot.h"
#include "text/quantities.h"
#include "valuelabel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QSaveFile>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTextBrowser>
#include <QToolButton>

#include <array>
#include <map>
#include <string_view>
#include <utility>

namespace velkor::ui {
namespace {

constexpr const char* title = "Velkor pad designer";
constexpr const char* settingsGroup = "designer";
constexpr const char* helpFile = "Velkor.hlp";
constexpr const char* helpSection = "designer";
constexpr int kindWidth = 18;     // characters of a kind's name shown in its box
// A design worked out quicker than this (ms) shows no busy line: the old
// results stay as they are until the new ones replace them, without a flicker.
constexpr int busyAfterMs = 100;
// The window opens with its results laid out when its sweep has at most
// this many frequencies, a few milliseconds' work; a longer one comes as any
// other, after the busy line.
constexpr std::size_t openedAtOnce = 2001;
constexpr int resistorColumns = 4;   // theoretical, preferred, power, worst-case power
constexpr int figureColumns = 2;     // pairs of "what" and value

// Every series, smallest first.
constexpr std::array<Series, 6> allSeries = {Series::E6, Series::E12, Series::E24,
                                             Series::E48, Series::E96, Series::E192};

// The package list: ideal parts, each chip size, or parts with their
// parasitics typed in; 0603 unless another was chosen before.
constexpr const char* idealParts = "Ideal";
constexpr const char* customParts = "Custom";
constexpr const char* firstPackage = "0603";

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// What a design is of, in a refusal: "Pi pad", "step attenuator".
QString designName(const PadDesign& d)
{
    return d.steps ? QStringLiteral("step attenuator") : text(describe(d.request.kinds.front()).name);
}

// What the busy line says of a design being worked out.
QString busyLine(const PadDesign& d)
{
    if (!d.steps)
        return QStringLiteral("Working out the %1: its worst case, its bandwidths and its response at %2 "
                              "frequencies\u2026")
            .arg(text(describe(d.request.kinds.front()).inlineName))
            .arg(d.sweep.points);
    const StepRequest& q = d.steps->request;
    return QStringLiteral("Working out the step attenuator: its %1 states%2 and a state's response at %3 "
                          "frequencies\u2026")
        .arg(qsizetype(1) << q.bits.size())
        .arg(q.tolerance.given ? QStringLiteral(", their loss ranges") : QString())
        .arg(d.sweep.points);
}

} // namespace

// The inputs, in their tab order: a text box, a list or the check box,
// each with its caption and access key. The boxes name the input they
// hold, whether it is kept between runs, and what they are to the parts:
// a parasitic typed under Custom (worked out under a size, 0 under Ideal),
// the via a size adds (shown, never typed), or the board a size sits on.
enum class Control { box, list, check };
enum class PartBox { no, typed, via, board };
struct InputRow {
    Control control;
    const char* caption;
    const char* name;   // the object's name, and a kept box's settings key
    BoxText DesignInputs::*field = nullptr;
    bool remembered = false;
    PartBox part = PartBox::no;
    const char* placeholder = "";
};
const std::array<InputRow, 23> inputRows = {{
    {Control::list, "Pad &kind", "kind"},
    {Control::box, "&Attenuation (dB)", "db", &DesignInputs::db},
    {Control::box, "&Attenuation bits (dB)", "bits", &DesignInputs::bits, true},
    {Control::box, "Splitt&er outputs", "outputs", &DesignInputs::outputs},
    {Control::box, "Input power (&W or dBm)", "power", &DesignInputs::power},
    {Control::box, "&Input impedance (\u03a9)", "zin", &DesignInputs::zin},
    {Control::box, "&Output impedance (\u03a9)", "zout", &DesignInputs::zout, false, PartBox::no, "same as the input"},
    {Control::list, "&Series", "series"},
    {Control::box, "&Tolerance (%)", "tolerance", &DesignInputs::tolerance, false, PartBox::no, "the series' own"},
    {Control::check, "Pai&rs of parts", "pairs"},
    {Control::list, "Packa&ge", "package"},
    {Control::box, "Board to grou&nd (mm)", "boardHeight", &DesignInputs::boardHeight, true, PartBox::board},
    {Control::box, "Permittivit&y", "permittivity", &DesignInputs::permittivity, true, PartBox::board},
    {Control::box, "A&mbient (\u00b0C)", "ambient", &DesignInputs::ambient, true, PartBox::board},
    {Control::box, "Part &L (H)", "inductance", &DesignInputs::inductance, true, PartBox::typed},
    {Control::box, "Part &C (F)", "capacitance", &DesignInputs::capacitance, true, PartBox::typed},
    {Control::box, "Pa&d capacitance (F)", "padCapacitance", &DesignInputs::padCapacitance, true, PartBox::typed},
    {Control::box, "&Via L (H)", "viaInductance", nullptr, false, PartBox::via},
    {Control::box, "Sweep &from (Hz)", "from", &DesignInputs::from, true},
    {Control::box, "Sweep to (H&z)", "to", &DesignInputs::to, true},
    {Control::box, "&Points", "points", &DesignInputs::points, true},
    {Control::box, "Flatness (d&B)", "flatness", &DesignInputs::flatness, true},
    {Control::box, "Least ret&urn loss (dB)", "minReturnLoss", &DesignInputs::minReturnLoss, true},
}};

// A text box of the inputs: its row, its caption, and where its refusal is
// shown, above the results.
struct PadDesigner::Box {
    const InputRow* row;
    QLineEdit* edit;
    QLabel* error;
    QLabel* label;
};

// The choice at the top: a pad, or a step attenuator; its settings value.
constexpr std::array<const char*, 2> modes = {"Pad", "Step attenuator"};
constexpr const char* modeKey = "mode";
// The boxes of each mode alone: shown in it, hidden in the other.
bool onlyForPads(const InputRow& r) { return r.field == &DesignInputs::db || r.field == &DesignInputs::outputs; }
bool onlyForSteps(const InputRow& r) { return r.field == &DesignInputs::bits; }

PadDesigner::PadDesigner(const DesignerStart& start, QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QString::fromLatin1(title));
    setWindowIcon(attenuatoricon());
    // The inputs, then beside them the results; the spare width goes to the
    // results' tables and the plot.
    auto* results = buildResults();
    auto* inputs = new QGridLayout;
    buildInputs(inputs, start);
    auto* left = new QVBoxLayout;
    left->addLayout(inputs);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(results);
    stepPlot_ = new StepPlot(this);
    stepPlot_->setObjectName(QStringLiteral("stepPlot"));
    stepPlot_->hide();
    right->addWidget(stepPlot_, 1);
    plot_ = new ResponsePlot(this);
    plot_->setObjectName(QStringLiteral("plot"));
    right->addWidget(plot_, 1);
    auto* central = new QWidget(this);
    auto* all = new QHBoxLayout(central);
    all->addLayout(left);
    all->addLayout(right, 1);
    right->addLayout(buildActions());
    setCentralWidget(central);
    boxes_.front().edit->setFocus();   // once in its place: a widget moved loses its focus
    busyAfter_.setSingleShot(true);
    busyAfter_.setInterval(busyAfterMs);
    connect(&busyAfter_, &QTimer::timeout, this, &PadDesigner::showBusy);
    restoreSettings();
    ready_ = true;
    refresh();
}

PadDesigner::~PadDesigner() { saveSettings(); }

void PadDesigner::buildInputs(QGridLayout* grid, const DesignerStart& start)
{
    // The lists and the check box the handlers read, by their names.
    static const std::map<std::string_view, QComboBox* PadDesigner::*> lists = {
        {"kind", &PadDesigner::kind_}, {"series", &PadDesigner::series_}, {"package", &PadDesigner::package_}};
    inputs_.db.text = start.db.toStdString();
    inputs_.power.text = start.power.toStdString();
    inputs_.zin.text = start.impedance.toStdString();
    // What to design, first: a pad, or a step attenuator.
    mode_ = new QTabBar(this);
    mode_->setObjectName(QStringLiteral("mode"));
    mode_->setAccessibleName(QStringLiteral("What to design"));
    for (const char* m : modes)
        mode_->addTab(QString::fromLatin1(m));
    auto* modeLabel = new QLabel(QStringLiteral("W&hat to design"), this);
    modeLabel->setBuddy(mode_);
    grid->addWidget(modeLabel, 0, 0);
    grid->addWidget(mode_, 0, 1);
    for (int row = 0; row < int(inputRows.size()); ++row) {
        const InputRow& r = inputRows[std::size_t(row)];
        const int line = row + 1;
        QWidget* w = nullptr;
        QLabel* label = nullptr;
        if (r.control == Control::check) {
            w = pairs_ = new QCheckBox(QString::fromUtf8(r.caption), this);
            grid->addWidget(w, line, 1);
        } else {
            if (r.control == Control::box) {
                auto* edit = new QLineEdit(r.field ? text((inputs_.*r.field).text) : QString(), this);
                edit->setPlaceholderText(QString::fromUtf8(r.placeholder));
                auto* error = new QLabel(this);
                error->setObjectName(QString::fromLatin1(r.name) + QStringLiteral("Error"));
                error->setWordWrap(true);
                error->setStyleSheet(QStringLiteral("color: #d02020"));
                error->hide();
                refusals_->addWidget(error);
                label = new QLabel(QString::fromUtf8(r.caption), this);
                boxes_.push_back({&r, edit, error, label});
                connect(edit, &QLineEdit::textChanged, this, &PadDesigner::refresh);
                w = edit;
            } else {
                w = this->*lists.at(r.name) = new QComboBox(this);
            }
            if (!label)
                label = new QLabel(QString::fromUtf8(r.caption), this);
            label->setBuddy(w);
            grid->addWidget(label, line, 0);
            grid->addWidget(w, line, 1);
        }
        w->setObjectName(QString::fromLatin1(r.name));
        w->setAccessibleName(QString::fromUtf8(r.caption).remove(QLatin1Char('&')));
    }
    for (const PadDescription& d : padKinds())
        kind_->addItem(text(d.name), int(&d - padKinds().data()));
    connect(mode_, &QTabBar::currentChanged, this, &PadDesigner::modeChanged);
    // The box as wide as the other inputs; a longer name shows in full when the list opens.
    kind_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    kind_->setMinimumContentsLength(kindWidth);
    for (Series s : allSeries)
        series_->addItem(text(seriesName(s)));
    series_->setCurrentText(text(seriesName(start.series)));
    package_->addItem(QString::fromLatin1(idealParts));
    for (const ChipSize& size : chipSizes())
        package_->addItem(text(size.name));
    package_->addItem(QString::fromLatin1(customParts));
    package_->setCurrentText(QString::fromLatin1(firstPackage));
    connect(kind_, &QComboBox::currentIndexChanged, this, &PadDesigner::refresh);
    connect(series_, &QComboBox::currentIndexChanged, this, &PadDesigner::refresh);
    connect(pairs_, &QCheckBox::toggled, this, &PadDesigner::refresh);
    connect(package_, &QComboBox::currentIndexChanged, this, &PadDesigner::packageChanged);
}

QWidget* PadDesigner::buildResults()
{
    auto* panel = new QWidget(this);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    schematic_ = new Schematic(panel);
    schematic_->setObjectName(QStringLiteral("schematic"));
    layout->addWidget(schematic_, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    why_ = new QLabel(panel);
    why_->setObjectName(QStringLiteral("why"));
    why_->setWordWrap(true);
    why_->hide();
    column->addWidget(why_);
    // Each refused box's message under the line that says so.
    refusals_ = new QVBoxLayout;
    column->addLayout(refusals_);
    // What is being worked out, while it takes long enough to say; a
    // screen reader hears each change of it.
    busy_ = new QLabel(panel);
    busy_->setObjectName(QStringLiteral("busy"));
    busy_->setWordWrap(true);
    busy_->hide();
    column->addWidget(busy_);
    results_ = new QWidget(panel);
    results_->setObjectName(QStringLiteral("results"));
    auto* grids = new QVBoxLayout(results_);
    grids->setContentsMargins(0, 0, 0, 0);
    resistorGrid_ = new QGridLayout;
    figureGrid_ = new QGridLayout;
    grids->addLayout(resistorGrid_);
    grids->addLayout(figureGrid_);
    column->addWidget(results_);
    steps_ = new StepPanel(panel, [this](std::size_t state) { chooseState(state); });
    steps_->setObjectName(QStringLiteral("steps"));
    steps_->hide();
    column->addWidget(steps_, 1);
    column->addStretch();
    layout->addLayout(column, 1);
    return panel;
}

QLayout* PadDesigner::buildActions()
{
    struct Output {
        const char* caption;
        void (PadDesigner::*run)();
        QKeySequence keys;
    };
    const std::array<Output, 5> outputs = {{
        {"Copy results", &PadDesigner::copyResults, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {"Copy JSON", &PadDesigner::copyJson, {}},
        {"Copy SPICE netlist", &PadDesigner::copySpice, {}},
        {"Save Touchstone\u2026", &PadDesigner::saveTouchstoneAs, QKeySequence::Save},
        {"Save plot image\u2026", &PadDesigner::savePlotImageAs, {}},
    }};
    auto* buttons = new QHBoxLayout;
    for (const Output& o : outputs) {
        auto* a = new QAction(QString::fromUtf8(o.caption), this);
        a->setShortcut(o.keys);
        // A copy or save asked while the inputs are worked out waits for them.
        connect(a, &QAction::triggered, this, [this, run = o.run] { whenCurrent(run); });
        addAction(a);
        outputs_.push_back(a);
        auto* b = new QToolButton(this);
        b->setDefaultAction(a);
        b->setFocusPolicy(Qt::TabFocus);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    setContextMenuPolicy(Qt::ActionsContextMenu);

    // Keys of the window that are not in its menu.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, &PadDesigner::showHelp);
    return buttons;
}

void PadDesigner::restoreSettings()
{
    QSettings s;
    s.beginGroup(QString::fromLatin1(settingsGroup));
    for (const Box& b : boxes_)
        if (b.row->remembered)
            b.edit->setText(s.value(QString::fromLatin1(b.row->name), b.edit->text()).toString());
    package_->setCurrentText(s.value(QStringLiteral("package"), package_->currentText()).toString());
    const QString mode = s.value(QString::fromLatin1(modeKey)).toString();
    mode_->setCurrentIndex(mode == QLatin1String(modes[1]) ? 1 : 0);
    restoreGeometry(s.value(QStringLiteral("geometry")).toByteArray());
    packageChanged();
    modeChanged();
}

void PadDesigner::saveSettings() const
{
    QSettings s;
    s.beginGroup(QString::fromLatin1(settingsGroup));
    // Unless under Custom the part boxes show another's values: the custom
    // ones are kept aside.
    qsizetype aside = 0;
    for (const Box& b : boxes_)
        if (b.row->remembered)
            s.setValue(QString::fromLatin1(b.row->name), b.row->part == PartBox::typed && !b.edit->isEnabled()
                                                             ? customParts_.value(aside++)
                                                             : b.edit->text());
    s.setValue(QStringLiteral("package"), package_->currentText());
    s.setValue(QString::fromLatin1(modeKey), QString::fromLatin1(modes[std::size_t(mode_->currentIndex())]));
    s.setValue(QStringLiteral("geometry"), saveGeometry());
}

void PadDesigner::closeEvent(QCloseEvent* e)
{
    saveSettings();
    QWidget::closeEvent(e);
}

void PadDesigner::packageChanged()
{
    const QString chosen = package_->currentText();
    const bool custom = chosen == QLatin1String(customParts), sized = chipSizeByName(chosen.toStdString());
    for (Box& b : boxes_) {
        if (b.row->part == PartBox::typed) {
            if (!custom && b.edit->isEnabled())
                customParts_.append(b.edit->text());
            else if (custom && !b.edit->isEnabled() && !customParts_.isEmpty())
                b.edit->setText(customParts_.takeFirst());
            b.edit->setEnabled(custom);
        }
        if (b.row->part == PartBox::via)
            b.edit->setEnabled(false);
        if (b.row->part == PartBox::board)
            b.edit->setEnabled(sized);
    }
    refresh();
}

void PadDesigner::setStepMode(bool steps) { mode_->setCurrentIndex(steps ? 1 : 0); }

void PadDesigner::modeChanged()
{
    const bool steps = mode_->currentIndex() == 1;
    if (steps != inputs_.steps) {
        // Each mode keeps its kind; a step attenuator offers only the kinds
        // a bit can be.
        const QSignalBlocker quiet(kind_);
        const int was = kind_->currentData().toInt();
        kind_->clear();
        for (const PadDescription& d : padKinds())
            if (!steps || steppable(d.kind))
                kind_->addItem(text(d.name), int(&d - padKinds().data()));
        kind_->setCurrentIndex(std::max(kind_->findData(std::exchange(otherModeKind_, was)), 0));
        inputs_.steps = steps;
        shown_.reset();   // the other mode's results are not this one's
        chosenState_.reset();
    }
    for (Box& b : boxes_) {
        const bool shown = steps ? !onlyForPads(*b.row) : !onlyForSteps(*b.row);
        b.edit->setVisible(shown);
        b.label->setVisible(shown);
    }
    schematic_->setVisible(!steps);
    results_->setVisible(!steps);
    steps_->setVisible(steps);
    stepPlot_->setVisible(steps);
    refresh();
}

void PadDesigner::refresh()
{
    if (!ready_)
        return;   // still being built: worked out once, when built
    inputs_.kind = padKinds()[std::size_t(kind_->currentData().toInt())].kind;
    inputs_.series = allSeries[std::size_t(series_->currentIndex())];
    inputs_.pairs = pairs_->isChecked();
    inputs_.state = chosenState_;
    const QString chosen = package_->currentText();
    inputs_.package = chipSizeByName(chosen.toStdString());
    inputs_.partsFrom = inputs_.package                          ? PartsFrom::package
                      : chosen == QLatin1String(customParts) ? PartsFrom::custom
                                                                 : PartsFrom::ideal;
    for (const Box& b : boxes_)
        if (b.row->field)
            (inputs_.*b.row->field).text = b.edit->text().toStdString();
    showParts();
    std::optional<PadDesign> d = readDesign(inputs_);
    for (const Box& b : boxes_) {
        const QString why = b.row->field ? text((inputs_.*b.row->field).error) : QString();
        b.error->setText(why.isEmpty() ? QString() : b.edit->accessibleName() + QStringLiteral(": ") + why);
        b.error->setVisible(!why.isEmpty());
        b.edit->setAccessibleDescription(why);
        b.edit->setStyleSheet(why.isEmpty() ? QString() : QStringLiteral("QLineEdit { border: 2px solid #d02020; }"));
    }
    // A box that the kind does not read stays as typed, disabled.
    for (const Box& b : boxes_) {
        if (b.row->field == &DesignInputs::db)
            b.edit->setEnabled(describe(inputs_.kind).takesDb);
        if (b.row->field == &DesignInputs::outputs)
            b.edit->setEnabled(describe(inputs_.kind).fansOut);
        if (b.row->field == &DesignInputs::zout)   // a step attenuator's ports are equal
            b.edit->setEnabled(!inputs_.steps);
    }
    if (!d) {
        greyResults(QStringLiteral("Some inputs are not valid: the results are for the last valid ones."));
        return;
    }
    if (!d->why.empty()) {
        if (!inputs_.steps)
            schematic_->setPad(inputs_.kind, d->request.ports, {});
        greyResults(QStringLiteral("No %1 for these inputs: %2.").arg(designName(*d), text(d->why)));
        return;
    }
    // Worked out on the worker's thread; the results on display stay until
    // the new ones come, greyed once it takes long enough to notice.
    current_ = false;
    why_->hide();
    // A step attenuator's loss ranges walk up to 2^24 corners: never at once.
    const bool quick = !d->steps || !d->steps->request.tolerance.given;
    if (!shown_ && d->sweep.points <= openedAtOnce && quick) {
        worker_.stop();
        asked_ = 0;
        workOut(*d);
        display(std::move(*d));
        return;
    }
    askingState_ = false;
    const QString busy = busyLine(*d);
    ask(std::move(*d), busy);
}

void PadDesigner::ask(PadDesign d, QString busy)
{
    current_ = false;
    busyText_ = std::move(busy);
    asked_ = worker_.ask(std::move(d));
    if (!busy_->isHidden())
        showBusy();   // saying so already: now what it works out now
    else if (!busyAfter_.isActive())
        busyAfter_.start();
}

void PadDesigner::chooseState(std::size_t state)
{
    chosenState_ = state;
    // While the inputs are worked out, the design to come shows it; the
    // results of inputs no longer valid stay as they are.
    const bool stale = asked_ ? !askingState_ : !current_;
    if (!shown_ || !shown_->steps || stale || (current_ && shown_->steps->state == state))
        return;
    // The states stand; only the chosen one's response is worked out, in
    // place of another state's asked before.
    PadDesign d = *shown_;
    d.steps->state = state;
    askingState_ = true;
    ask(std::move(d), QStringLiteral("Working out state %1's response at %2 frequencies\u2026")
                          .arg(state)
                          .arg(shown_->radio.hertz.size()));
}

void PadDesigner::workedOut(std::uint64_t number, PadDesign design)
{
    if (number != asked_)
        return;   // for inputs that no longer stand
    asked_ = 0;
    busyAfter_.stop();
    busy_->hide();
    display(std::move(design));
}

void PadDesigner::display(PadDesign design)
{
    if (!designed(design)) {
        greyResults(QStringLiteral("No %1 for these inputs: %2.").arg(designName(design), text(design.why)));
        return;
    }
    const bool first = !shown_;
    shown_ = std::move(design);
    showDesign();
    // A state chosen while its design was worked out: its response next.
    if (shown_->steps && chosenState_ && *chosenState_ != *shown_->steps->state &&
        *chosenState_ < shown_->steps->result->states.size())
        chooseState(*chosenState_);
    if (first) {   // the window as small as its results, laid out, allow
        // The heights the results' tables took just now, from them up.
        for (QWidget* w = steps_; w != this; w = w->parentWidget()) {
            w->layout()->activate();
            w->updateGeometry();
        }
        setMinimumSize(minimumSizeHint());
    }
    if (auto run = std::exchange(waitingToRun_, nullptr))
        (this->*run)();
}

void PadDesigner::showBusy()
{
    if (!asked_)
        return;
    why_->hide();
    enableResults(false);
    busy_->setText(busyText_);
    busy_->show();
}

void PadDesigner::whenCurrent(void (PadDesigner::*run)())
{
    if (current_)
        (this->*run)();
    else if (asked_)
        waitingToRun_ = run;   // run once the inputs as they stand are worked out
}

void PadDesigner::showParts()
{
    // Under a size its values, worked out for the board as typed; under
    // Ideal none; under Custom the via is in the part's L.
    std::optional<Parasitics> parts = Parasitics{};
    if (inputs_.partsFrom == PartsFrom::package)
        parts = sizedParts(inputs_);
    if (inputs_.partsFrom == PartsFrom::custom || !parts)
        return;
    const std::map<PartBox, std::vector<double>> shown = {
        {PartBox::typed, {parts->inductance, parts->capacitance, parts->padCapacitance}},
        {PartBox::via, {parts->viaInductance}}};
    std::map<PartBox, std::size_t> next;
    for (const Box& b : boxes_)
        if (const auto values = shown.find(b.row->part); values != shown.end()) {
            const QSignalBlocker quiet(b.edit);
            b.edit->setText(text(prefixedText(values->second[next[b.row->part]++])));
        }
}

void PadDesigner::greyResults(const QString& why)
{
    // Nothing to work out for these inputs.
    worker_.stop();
    asked_ = 0;
    waitingToRun_ = nullptr;
    busyAfter_.stop();
    busy_->hide();
    current_ = false;
    why_->setText(why);
    why_->show();
    enableResults(false);
}

void PadDesigner::enableResults(bool on)
{
    results_->setEnabled(on);
    steps_->setEnabled(on);
    stepPlot_->setEnabled(on);
    plot_->setEnabled(on);
    for (QAction* a : outputs_)
        a->setEnabled(on);
}

void PadDesigner::showSteps()
{
    const PadDesign& d = *shown_;
    const StepSheet sheet = stepSheet(d);
    const StepResult& r = *d.steps->result;
    const StepState& state = r.states[sheet.shownState];
    // The state chosen in the table, while the design has it; else the one shown.
    steps_->setSheet(sheet, chosenState_ && *chosenState_ < r.states.size() ? *chosenState_ : sheet.shownState);
    stepPlot_->setStates(sheet.points, sheet.worstErrorState, sheet.shownState);
    stepPlot_->setAccessibleDescription(text(sheet.worstError.what + ": " + sheet.worstError.value));
    const bool modelled = r.request.radio && r.request.radio->modelled;
    const Curves& c = sheet.curves;
    plot_->setAccessibleDescription(QStringLiteral("State %1: insertion loss %2 at %3, %4 at %5")
                                        .arg(sheet.shownState)
                                        .arg(text(decibelText(c.insertionLoss.front())),
                                             text(hertzText(c.hertz.front())),
                                             text(decibelText(c.insertionLoss.back())),
                                             text(hertzText(c.hertz.back()))));
    plot_->setResponse(sheet.curves, {state.insertionLoss, d.radio.flatness, d.radio.minReturnLoss,
                                      modelled ? state.radio.bandwidths.flat : std::nullopt,
                                      modelled ? state.radio.bandwidths.matched : std::nullopt});
}

void PadDesigner::showDesign()
{
    const PadDesign& d = *shown_;
    if (d.steps) {
        showSteps();
        current_ = true;
        why_->hide();
        enableResults(true);
        return;
    }
    const PadResult& pad = d.row->pads.front();
    QStringList codes;
    for (const Part& p : pad.parts)
        codes << text(p.code);
    schematic_->setPad(pad.kind, d.request.ports, codes);
    const DesignResults results = designResults(d);
    showResults(results);
    const Bandwidths& b = d.row->padRadio.front().bandwidths;
    const Curves& c = results.curves;
    plot_->setAccessibleDescription(QStringLiteral("Flat to %1, matched to %2; insertion loss %3 at %4, %5 at %6")
                                        .arg(text(results.flatTo.value), text(results.matchedTo.value),
                                             text(decibelText(c.insertionLoss.front())), text(hertzText(c.hertz.front())),
                                             text(decibelText(c.insertionLoss.back())), text(hertzText(c.hertz.back()))));
    plot_->setResponse(results.curves,
                       {pad.built.insertionLoss, d.row->radio->flatness, d.row->radio->minReturnLoss, b.flat, b.matched});
    current_ = true;
    why_->hide();
    enableResults(true);
}

void PadDesigner::showResults(const DesignResults& results)
{
    const std::vector<ResultLine> lines = results.lines();
    bool same = lines.size() == values_.size();
    for (std::size_t i = 0; same && i < lines.size(); ++i)
        same = values_[i]->what() == text(lines[i].what);
    if (!same) {
        // Another kind or another set of figures: the labels are laid anew.
        for (QWidget* w : resultWidgets_)
            delete w;
        resultWidgets_.clear();
        values_.clear();
        const auto place = [&](QGridLayout* grid, QWidget* w, int row, int column) {
            grid->addWidget(w, row, column);
            resultWidgets_.push_back(w);
        };
        const std::array<const char*, resistorColumns> headings = {"Theoretical", "Preferred", "Power",
                                                                   "Worst-case power"};
        for (std::size_t c = 0; c < headings.size(); ++c)
            place(resistorGrid_, new QLabel(QString::fromLatin1(headings[c]), results_), 0, int(c) + 1);
        const std::size_t resistorLines = results.resistors.size() * resistorColumns;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            auto* value = new ValueLabel(text(lines[i].what), results_);
            values_.push_back(value);
            if (i < resistorLines) {
                const int row = int(i / resistorColumns) + 1, column = int(i % resistorColumns) + 1;
                if (column == 1)
                    place(resistorGrid_, new QLabel(text(results.resistors[i / resistorColumns].name), results_), row,
                          0);
                place(resistorGrid_, value, row, column);
                continue;
            }
            // The pad's figures in pairs of columns: what, then its value.
            const std::size_t k = i - resistorLines;
            const int row = int(k / figureColumns), column = int(k % figureColumns) * 2;
            place(figureGrid_, new QLabel(text(lines[i].what), results_), row, column);
            place(figureGrid_, value, row, column + 1);
        }
    }
    for (std::size_t i = 0; i < lines.size(); ++i)
        values_[i]->setValue(text(lines[i].value), text(lines[i].note));
}

void PadDesigner::refuse(const QString& what, const QString& why)
{
    auto* box = new QMessageBox(QMessageBox::Warning, QString::fromLatin1(title), what, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("refusal"));
    box->setInformativeText(why);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void PadDesigner::copyResults() { QGuiApplication::clipboard()->setText(text(resultsText(*shown_))); }
void PadDesigner::copyJson() { QGuiApplication::clipboard()->setText(text(resultsJson(*shown_))); }
void PadDesigner::copySpice() { QGuiApplication::clipboard()->setText(text(spiceText(*shown_))); }

bool PadDesigner::saveTouchstone(const QString& path)
{
    if (!current_) {
        refuse(QStringLiteral("The Touchstone file was not saved."),
               QStringLiteral("The results are not worked out for the inputs as they stand."));
        return false;
    }
    const std::string file = touchstoneText(*shown_);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file.data(), qint64(file.size())) != qint64(file.size()) ||
        !out.commit()) {
        refuse(QStringLiteral("The Touchstone file was not saved."), out.errorString());
        return false;
    }
    return true;
}

bool PadDesigner::savePlotImage(const QString& path)
{
    // As shown: in step mode the errors above the response.
    std::vector<QWidget*> plots = {plot_};
    if (inputs_.steps)
        plots.insert(plots.begin(), stepPlot_);
    QSize size(plot_->width(), 0);
    for (const QWidget* w : plots)
        size.rheight() += w->height();
    const qreal scale = devicePixelRatioF();
    QPixmap picture(size * scale);
    picture.setDevicePixelRatio(scale);
    {
        QPainter painter(&picture);
        QPoint at;
        for (QWidget* w : plots) {
            w->render(&painter, at);
            at.ry() += w->height();
        }
    }
    QImageWriter writer(path, "png");
    if (!writer.write(picture.toImage())) {
        refuse(QStringLiteral("The plot image was not saved."), writer.errorString());
        return false;
    }
    return true;
}

void PadDesigner::saveTouchstoneAs()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Touchstone"),
                                                      QStringLiteral("pad.s2p"), QStringLiteral("Touchstone (*.s2p)"));
    if (!path.isEmpty())
        saveTouchstone(path);
}

void PadDesigner::savePlotImageAs()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save plot image"),
                                                      QStringLiteral("response.png"), QStringLiteral("PNG (*.png)"));
    if (!path.isEmpty())
        savePlotImage(path);
}

void PadDesigner::showHelp()
{
    help_.setHelpCommand(HelpViewer::forcefile);
    help_.setHelpFile(QString::fromLatin1(helpFile));
    help_.showHelp();
    if (QTextBrowser* w = help_.window())
        w->scrollToAnchor(QString::fromLatin1(helpSection));
}

} // namespace velkor::ui
