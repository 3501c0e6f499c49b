#include "form1.h"

#include "base/numtext.h"
#include "drawing.h"
#include "paddesigner.h"
#include "text/netlist.h"
#include "velkorconfig.h"
#include "window/fields.h"
#include "window/inputs.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>

#include <array>
#include <limits>
#include <map>
#include <string_view>
#include <utility>

namespace velkor::ui {
namespace {

// The window colour as the help layer takes it, 0x00BBGGRR (0xC0E0FF).
constexpr quint32 helpcolour = quint32(qBlue(colour::window)) << 16 | quint32(qGreen(colour::window)) << 8 |
                               quint32(qRed(colour::window));
constexpr const char* helpfile = "Velkor.hlp";
constexpr const char* abouttext = "Velkor version " VELKOR_VERSION "\n\ntamsel@example.com";
constexpr const char* copytext = "Copy results";
constexpr const char* copyspicetext = "Copy SPICE netlist";
constexpr const char* designertext = "Pad designer\u2026";

// Font sizes in points, drawn at 96 logical dots per inch.
constexpr double normalpoints = 9.75;
constexpr double titlepoints = 24;
constexpr double subtitlepoints = 13.5;

int pixels(double points)
{
    constexpr double dotsperinch = 96, pointsperinch = 72;
    return qRound(points * dotsperinch / pointsperinch);
}

QFont fontfor(Face face)
{
    QFont f(QString::fromLatin1(fontfamily));
    f.setStyleHint(QFont::SansSerif);
    f.setBold(true);
    switch (face) {
    case Face::Normal:
        f.setPixelSize(pixels(normalpoints));
        break;
    case Face::Title:
        f.setPixelSize(pixels(titlepoints));
        break;
    case Face::Subtitle:
        f.setPixelSize(pixels(subtitlepoints));
        f.setItalic(true);
        break;
    }
    return f;
}

// The faces the window draws with, and the copies built into the program.
// Registering a face from memory costs a few milliseconds at start-up, so a
// copy is registered only where the system's own does not resolve. Asking
// for the face as the window draws it costs nothing extra: the window needs
// that face loaded anyway.
struct Embedded {
    Face face;
    const char* style;   // as the face names itself
    const char* file;
};
constexpr std::array<Embedded, 2> faces = {{
    {Face::Normal, "Bold", ":/fonts/LiberationSans-Bold.ttf"},
    {Face::Subtitle, "Bold Italic", ":/fonts/LiberationSans-BoldItalic.ttf"},
}};

void ensurefaces()
{
    static const bool registered = [] {
        for (const Embedded& e : faces) {
            const QFontInfo found(fontfor(e.face));
            if (found.family() != QLatin1String(fontfamily) || found.styleName() != QLatin1String(e.style))
                QFontDatabase::addApplicationFont(QString::fromLatin1(e.file));
        }
        return true;
    }();
    (void)registered;
}

void describe(QWidget* w, const Item& i)
{
    w->setObjectName(QString::fromLatin1(i.name));
    if (i.tooltip)
        w->setToolTip(QString::fromLatin1(i.tooltip));
    if (i.accessible)
        w->setAccessibleName(QString::fromLatin1(i.accessible));
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, QColor(i.colour));
    pal.setColor(QPalette::Text, QColor(i.colour));
    pal.setColor(QPalette::Window, QColor(colour::window));
    pal.setColor(QPalette::Base, QColor(colour::window));
    w->setPalette(pal);
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(windowtitle));
    setWindowIcon(attenuatoricon());
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    ensurefaces();
    setFont(fontfor(Face::Normal));   // the menu bar too: one face fewer to load
    buildmenus();
    buildclient();
    Form_Load();
    connecthandlers();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    // A request only: a Wayland compositor places windows itself.
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

Form1::~Form1()
{
    // Focus leaving the box as the window goes must not write it back.
    systemimpedance->disconnect(this);
}

void Form1::buildmenus()
{
    Quit = menuBar()->addAction(QStringLiteral("&Quit"));
    Quit->setObjectName(QStringLiteral("Quit"));
    help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("help"));
    about = help->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("about"));
    helpinfo = help->addAction(QStringLiteral("&Help"));
    helpinfo->setObjectName(QStringLiteral("helpinfo"));
    helpinfo->setShortcut(QKeySequence::HelpContents);
    addAction(helpinfo);   // F1 works with the menu closed

    // F10 opens the menus from the keyboard, as on the desktop: the menu
    // captions carry no access key for Help.
    auto* menukey = new QAction(this);
    menukey->setShortcut(Qt::Key_F10);
    connect(menukey, &QAction::triggered, this, &Form1::openmenus);
    addAction(menukey);
}

void Form1::buildclient()
{
    auto* client = new ClientArea(this);
    setCentralWidget(client);
    copyresults = new QAction(QString::fromLatin1(copytext), this);
    copyresults->setObjectName(QStringLiteral("copyresults"));
    copyresults->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    client->addAction(copyresults);
    copyspice = new QAction(QString::fromLatin1(copyspicetext), this);
    copyspice->setObjectName(QStringLiteral("copyspice"));
    client->addAction(copyspice);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    client->addAction(separator);
    designer = new QAction(QString::fromUtf8(designertext), this);
    designer->setObjectName(QStringLiteral("designer"));
    designer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    client->addAction(designer);
    client->setContextMenuPolicy(Qt::ActionsContextMenu);
    addAction(copyresults);   // the shortcuts work anywhere in the window
    addAction(designer);

    // The client area paints the frames and wires; labels stand over them,
    // and the text boxes and option buttons over everything.
    for (const Item& i : items())
        if (i.kind == Kind::Label)
            buildlabel(i, client);
    std::map<std::string_view, QWidget*> inputs;
    for (const Item& i : items())
        if (i.kind == Kind::TextBox || i.kind == Kind::Option)
            inputs[i.name] = buildinput(i, client);

    auto* series = new QButtonGroup(this);
    for (QRadioButton* b : {Option1, Option2, Option3})
        series->addButton(b);
    QWidget* previous = nullptr;
    for (const char* name : taborder()) {
        QWidget* w = inputs.at(name);
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
    inputs.at(taborder().front())->setFocus();
}

void Form1::buildlabel(const Item& i, QWidget* client)
{
    auto* l = new AnchoredLabel(pixelrect(i.box), i.anchor, client);
    describe(l, i);
    if (i.face != Face::Normal)
        l->setFont(fontfor(i.face));
    l->setAlignment(i.align | Qt::AlignTop);
    l->setWordWrap(i.wrap);
    if (const auto f = fieldbyname(i.name)) {
        // A placeholder that Form_Load replaces before the window is shown:
        // not worth sizing.
        l->setText(QString::fromLatin1(i.text));
        const std::string_view what = fielddescription(*f);
        l->setDescription(QString::fromLatin1(what.data(), static_cast<qsizetype>(what.size())));
        fields_[static_cast<std::size_t>(*f)] = l;
    } else {
        l->setCaption(QString::fromLatin1(i.text));
    }
}

QWidget* Form1::buildinput(const Item& i, QWidget* client)
{
    // The controls the handlers use, by their window names.
    static const std::map<std::string_view, QLineEdit* Form1::*> boxes = {
        {"Text1", &Form1::Text1}, {"Text2", &Form1::Text2}, {"systemimpedance", &Form1::systemimpedance}};
    static const std::map<std::string_view, QRadioButton* Form1::*> buttons = {
        {"Option1", &Form1::Option1}, {"Option2", &Form1::Option2}, {"Option3", &Form1::Option3}};

    QWidget* w = nullptr;
    if (i.kind == Kind::TextBox) {
        auto* e = new QLineEdit(QString::fromLatin1(i.text), client);
        e->setMaxLength(std::numeric_limits<int>::max());   // the boxes take text of any length
        e->setAlignment(i.align);
        this->*boxes.at(i.name) = e;
        w = e;
    } else {
        auto* b = new QRadioButton(QString::fromLatin1(i.text), client);
        b->setChecked(i.checked);
        this->*buttons.at(i.name) = b;
        w = b;
    }
    w->setGeometry(pixelrect(i.box));
    describe(w, i);
    return w;
}

void Form1::connecthandlers()
{
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    connect(systemimpedance, &QLineEdit::textChanged, this, &Form1::systemimpedance_Change);
    connect(systemimpedance, &QLineEdit::textEdited, this, &Form1::systemimpedance_Edited);
    connect(systemimpedance, &QLineEdit::editingFinished, this, &Form1::systemimpedance_Finished);
    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &Form1::Option3_Click);
    connect(about, &QAction::triggered, this, &Form1::about_Click);
    connect(helpinfo, &QAction::triggered, this, &Form1::helpinfo_Click);
    connect(Quit, &QAction::triggered, this, &Form1::Quit_Click);
    connect(copyresults, &QAction::triggered, this, &Form1::copyresults_Click);
    connect(copyspice, &QAction::triggered, this, &Form1::copyspice_Click);
    connect(designer, &QAction::triggered, this, &Form1::paddesigner_Click);
}

void Form1::recalc()
{
    ++recalcs_;
    if (!calc_.recalc())
        return;   // nothing finite to show: the previous results stay
    shown_ = {calc_.atten, calc_.pwr, calc_.sysz, series_, std::nullopt};
    for (std::size_t i = 0; i < fieldcount; ++i) {
        const std::string& c = calc_.captions[i];
        fields_[i]->setCaption(QString::fromLatin1(c.data(), static_cast<qsizetype>(c.size())));
    }
}

double Form1::readbox(const QLineEdit* box) const
{
    return readNumber(box->text().toStdString());
}

void Form1::take(double& input, Accepted a)
{
    input = a.value;
    if (a.recalc)
        recalc();
}

void Form1::selectseries(Series s)
{
    calc_.loadseries(s);
    series_ = s;
    if (calc_.atten > 0)
        recalc();
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Show which control has the focus from the start, not only after the
    // first Tab: at start it is a series button, and typing goes nowhere.
    // (Showing a window clears this mark, so it is set once shown.)
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void Form1::closeEvent(QCloseEvent*)
{
    if (designer_)
        designer_->close();   // at once, keeping its settings, though the program ends anyway
    QCoreApplication::quit();   // the help window must not keep the program alive
}

void Form1::Form_Load()
{
    CommonDialog1.setColor(helpcolour);
    calc_.loadseries(Series::E12);
    calc_.atten = readbox(Text1);
    calc_.pwr = readbox(Text2);
    calc_.sysz = readbox(systemimpedance);
    recalc();
}

void Form1::Text1_Change() { take(calc_.atten, acceptatten(readbox(Text1))); }
void Form1::Text2_Change() { take(calc_.pwr, acceptpwr(readbox(Text2))); }

// A change of the impedance text by the program: the number read is
// written back at once in sign-position form, and that change runs this
// handler again before this run ends.
void Form1::systemimpedance_Change()
{
    if (std::exchange(edited_, false))
        return;   // the user's own edit, handled as it was made
    take(calc_.sysz, acceptsysz(readbox(systemimpedance)));
    writeimpedance();
}

// The user's own edit (keys, paste, cut, undo, drop): the box keeps what is
// typed, so that 12.5 can be typed key by key, and the results follow every
// key. The box is written back when editing finishes.
void Form1::systemimpedance_Edited()
{
    edited_ = true;   // the change notification that follows is this edit
    calc_.sysz = acceptsysz(readbox(systemimpedance)).value;
    recalc();
}

// Return, Enter, or the focus leaving the box.
void Form1::systemimpedance_Finished()
{
    if (!systemimpedance->isModified())
        return;   // nothing typed since the last write-back
    writeimpedance();
    if (!systemimpedance->hasFocus())
        systemimpedance->setCursorPosition(0);   // show the leading digits
}

void Form1::writeimpedance()
{
    systemimpedance->setText(QString::fromStdString(signText(calc_.sysz)));
}

void Form1::Option1_Click() { selectseries(Series::E12); }
void Form1::Option2_Click() { selectseries(Series::E24); }
void Form1::Option3_Click() { selectseries(Series::E6); }

void Form1::about_Click()
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Velkor"), QString::fromLatin1(abouttext), QMessageBox::Ok, this);
    box.exec();
}

void Form1::helpinfo_Click()
{
    CommonDialog1.setFlag(true);
    CommonDialog1.setHelpCommand(HelpViewer::forcefile);
    CommonDialog1.setHelpFile(QString::fromLatin1(helpfile));
    CommonDialog1.showHelp();
}

void Form1::copyresults_Click()
{
    QGuiApplication::clipboard()->setText(results());
}

void Form1::copyspice_Click()
{
    QGuiApplication::clipboard()->setText(spicenetlist());
}

// The designer opens on the pad the results are for; once open, it keeps
// its own inputs and is only brought to the front.
void Form1::paddesigner_Click()
{
    if (!designer_)
        designer_ = std::make_unique<PadDesigner>(DesignerStart{QString::fromStdString(shortest(shown_.atten)),
                                                                QString::fromStdString(shortest(shown_.pwr)),
                                                                QString::fromStdString(shortest(shown_.sysz)),
                                                                shown_.series});
    designer_->show();
    designer_->raise();
    designer_->activateWindow();
}

QString Form1::spicenetlist() const
{
    const PadRequest q{shown_.atten, shown_.pwr, {shown_.sysz, shown_.sysz}, shown_.series,
                       {seriesTolerance(shown_.series)}};
    const std::optional<std::vector<PadResult>> pads = evaluatePads(q);
    return pads ? QString::fromStdString(netlist(q, *pads)) : QString();
}

QString Form1::results() const
{
    return QString::fromStdString(summary(shown_, calc_.captions));
}

void Form1::openmenus()
{
    menuBar()->setActiveAction(help->menuAction());
}

void Form1::Quit_Click()
{
    close();   // which ends the program, help window and all
}

} // namespace velkor::ui
