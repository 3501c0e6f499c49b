// The window's handlers under any sequence of edits and clicks: the bytes
// decode into events replayed on a fresh window (offscreen). After every
// event the stored inputs are within their limits, the impedance box holds
// what reads as the impedance in force (its sign-position text once written
// back), and the captions are either untouched or exactly those of a fresh
// run of the inputs in force.

#include "calc.h"
#include "fields.h"
#include "form1.h"
#include "inputs.h"
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
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool ok, int line)
{
    if (!ok) {
        std::fprintf(stderr, "handlers_fuzz.cpp:%d: broken\n", line);
        std::abort();
    }
}
#define CHECK(ok) check(ok, __LINE__)

velkor::Captions shown(const velkor::ui::Form1& w)
{
    velkor::Captions s;
    for (std::size_t i = 0; i < velkor::fieldcount; ++i) {
        const auto name = velkor::fieldname(static_cast<velkor::Field>(i));
        s[i] = w.findChild<QLabel*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())))->text().toStdString();
    }
    return s;
}

void checkwindow(const velkor::ui::Form1& w, const QLineEdit* z, const velkor::Captions& before, bool zedited)
{
    const velkor::Calc& st = w.state();
    CHECK(st.atten <= velkor::attenmax && std::isfinite(st.atten));
    CHECK(st.pwr >= velkor::pwrmin && st.pwr <= velkor::pwrmax);
    CHECK(st.sysz > 0 && std::isfinite(st.sysz));
    const std::string text = z->text().toStdString();
    if (zedited) {
        CHECK(velkor::acceptsysz(velkor::readnum(text)).value == st.sysz);
        CHECK(z->isModified() || velkor::signtext(st.sysz) == text);
    }
    const velkor::Captions now = shown(w);
    if (now == before)
        return;
    velkor::Calc fresh = st;   // the inputs and table in force
    CHECK(fresh.recalc() && fresh.captions == now);
}

// One character as a key press carrying it, as an input method sends it;
// QTest's own helpers take Latin-1 only.
void type(QLineEdit* box, QChar c)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &press);
}

QString text(FuzzedDataProvider& in)
{
    const std::string b = in.ConsumeRandomLengthString(4096);
    return in.ConsumeBool() ? QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()))
                            : QString::fromLatin1(b.data(), static_cast<qsizetype>(b.size()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(*argc, *argv);   // never destroyed: Qt tears down after it
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
    bool zedited = false;
    velkor::Captions before = shown(w);
    const auto checked = [&] {
        zedited = zedited || boxes[2]->text() != QLatin1String("50");
        checkwindow(w, boxes[2], before, zedited);
        before = shown(w);
    };
    static constexpr Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,   Qt::Key_End,
                                       Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Return, Qt::Key_Tab};
    for (int n = 0; n < 24 && in.remaining_bytes() > 0; ++n) {
        const auto op = in.ConsumeIntegralInRange<int>(0, 4);
        const auto which = in.ConsumeIntegralInRange<std::size_t>(0, 2);
        QLineEdit* b = boxes[which];
        switch (op) {
        case 0:   // a whole new text from the program
            b->setText(text(in));
            break;
        case 1:   // typed at the caret, perhaps over a selection
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
        case 2:   // editing keys
            b->setFocus();
            QTest::keyClick(b, keys[in.ConsumeIntegralInRange<std::size_t>(0, std::size(keys) - 1)]);
            break;
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
