// The window's handlers under any sequence of edits and clicks: the bytes
// decode into events replayed on a fresh window (offscreen); after every
// event the window must still keep its promise: every caption well formed
// and belonging to the inputs in force (or untouched), the stored inputs
// within their limits, and the impedance box holding what the user typed
// (which reads as the impedance in force) or, once written back, the
// sign-position text of that impedance.

#include "calc.h"
#include "fields.h"
#include "inputs.h"
#include "form1.h"
#include "numtext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>

namespace {

using velkor::Field;

constexpr std::size_t maxevents = 24;
constexpr std::size_t maxtext = 4096;

// The shape of every caption, by field.
const std::regex resistance(R"(\d+\.\d)");
const std::regex power(R"(\d+\.\d\d W)");
const std::regex code(R"( *([0-9][RkMGT][0-9]|[0-9]{2}[RkMGT]|[0-9]{2}0[RkMGT]|R0{0,2}[0-9]{2}|[0-9]\.[0-9]E[+-][0-9]{2,3}))");
const std::regex returnloss(R"(Rtn Loss -\d*\.\d{0,2} dB)");
const std::regex vswr(R"(VSWR (\d+\.\d\d))");
const std::regex attenuation(R"(Attenuation \d*\.\d{0,2} dB)");

#define check(ok) expect(ok, #ok, __LINE__)

bool expect(bool ok, const char* what, int line)
{
    if (!ok) {
        std::fprintf(stderr, "handlers_fuzz.cpp:%d: broken: %s\n", line, what);
        std::abort();
    }
    return ok;
}

void checkcaption(Field f, const std::string& t)
{
    const auto i = static_cast<std::size_t>(f);
    if (i <= static_cast<std::size_t>(Field::ThR5))
        return (void)check(std::regex_match(t, resistance));
    if (i <= static_cast<std::size_t>(Field::ThP2))
        return (void)check(std::regex_match(t, power));
    if (i <= static_cast<std::size_t>(Field::R3Tlabel))
        return (void)check(t.size() >= 4 && std::regex_match(t, code));
    if (i <= static_cast<std::size_t>(Field::RealPR3T))
        return (void)check(std::regex_match(t, power));
    if (f == Field::TrueAttenP || f == Field::TrueAttenT)
        return (void)check(std::regex_match(t, attenuation));
    if (f == Field::VSWRP || f == Field::VSWRT) {
        std::smatch m;
        check(std::regex_match(t, m, vswr));
        return (void)check(std::stod(m[1].str()) >= 1.0);
    }
    (void)check(std::regex_match(t, returnloss));
}

using Shown = std::array<std::string, velkor::fieldcount>;

Shown shown(const velkor::ui::Form1& w)
{
    Shown s;
    for (std::size_t i = 0; i < velkor::fieldcount; ++i) {
        const auto name = velkor::fieldname(static_cast<Field>(i));
        s[i] = w.findChild<QLabel*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())))
                   ->text()
                   .toStdString();
    }
    return s;
}

void checkwindow(const velkor::ui::Form1& w, const Shown& before, bool impedanceedited)
{
    const velkor::Calc& st = w.state();
    check(st.atten <= 60 && std::isfinite(st.atten));
    check(st.pwr >= 0.1 && st.pwr <= 100);
    check(st.sysz > 0 && std::isfinite(st.sysz));
    const QLineEdit* box = w.findChild<QLineEdit*>(QStringLiteral("systemimpedance"));
    const std::string z = box->text().toStdString();
    if (impedanceedited) {
        check(velkor::acceptsysz(velkor::readnum(z)).value == st.sysz);
        if (!box->isModified())
            check(velkor::signtext(st.sysz) == z);
    }
    const Shown now = shown(w);
    for (std::size_t i = 0; i < velkor::fieldcount; ++i)
        checkcaption(static_cast<Field>(i), now[i]);
    if (now == before)
        return;
    velkor::Calc fresh = st;   // the inputs and table in force
    check(fresh.recalc());
    for (std::size_t i = 0; i < velkor::fieldcount; ++i)
        check(fresh.captions[i] == now[i]);
}

// Types one character as a key press carrying it, as a keyboard or input
// method would; QTest's own helpers take Latin-1 only.
void type(QLineEdit* box, QChar c)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &release);
}

QString text(FuzzedDataProvider& in)
{
    const std::string bytes = in.ConsumeRandomLengthString(maxtext);
    return in.ConsumeBool() ? QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()))
                            : QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: it must outlive everything Qt tears down at exit.
    static QApplication* app = new QApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    velkor::ui::Form1 w;
    const std::array<QLineEdit*, 3> boxes = {w.findChild<QLineEdit*>(QStringLiteral("Text1")),
                                             w.findChild<QLineEdit*>(QStringLiteral("Text2")),
                                             w.findChild<QLineEdit*>(QStringLiteral("systemimpedance"))};
    const std::array<QRadioButton*, 3> buttons = {w.findChild<QRadioButton*>(QStringLiteral("Option1")),
                                                  w.findChild<QRadioButton*>(QStringLiteral("Option2")),
                                                  w.findChild<QRadioButton*>(QStringLiteral("Option3"))};
    bool impedanceedited = false;
    Shown before = shown(w);
    // Every single change of a box or click is one event, checked at once.
    const auto checked = [&] {
        impedanceedited = impedanceedited || boxes[2]->text() != QLatin1String("50");
        checkwindow(w, before, impedanceedited);
        before = shown(w);
    };
    for (std::size_t n = 0; n < maxevents && in.remaining_bytes() > 0; ++n) {
        const auto op = in.ConsumeIntegralInRange<int>(0, 4);
        const auto which = in.ConsumeIntegralInRange<std::size_t>(0, 2);
        switch (op) {
        case 0:   // paste or program a whole new text
            boxes[which]->setText(text(in));
            break;
        case 1: {   // type at the caret, perhaps over a selection
            QLineEdit* b = boxes[which];
            b->setFocus();
            if (in.ConsumeBool())
                b->selectAll();
            else
                b->setCursorPosition(in.ConsumeIntegralInRange<int>(0, static_cast<int>(b->text().size())));
            for (const QChar c : text(in)) {
                type(b, c);
                checked();
            }
            break;
        }
        case 2: {   // editing keys
            static constexpr Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
                                               Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Return, Qt::Key_Tab};
            boxes[which]->setFocus();
            QTest::keyClick(boxes[which], keys[in.ConsumeIntegralInRange<std::size_t>(0, std::size(keys) - 1)]);
            break;
        }
        case 3:
            buttons[which]->click();
            break;
        default:   // arrow keys within the series group
            buttons[which]->setFocus();
            QTest::keyClick(buttons[which], in.ConsumeBool() ? Qt::Key_Down : Qt::Key_Up);
            break;
        }
        checked();
    }
    return 0;
}
