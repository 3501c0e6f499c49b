// The window's handlers under any sequence of edits and clicks: the bytes
// decode into events replayed on a fresh window (offscreen). After every
// event the stored inputs are within their limits, the impedance box holds
// what reads as the impedance in force (its sign-position text once written
// back), and the results are either untouched or exactly those of a fresh
// run of the inputs in force. (The window tests check that the labels show
// the results.)

#include "base/numtext.h"
#include "form1.h"
#include "window/calc.h"
#include "window/inputs.h"

#include <QTest>
#include <QtWidgets>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

#define CHECK(ok) ((ok) ? void() : broken(__LINE__, #ok))

[[noreturn]] void broken(int line, const char* what)
{
    std::fprintf(stderr, "handlers_fuzz.cpp:%d: broken: %s\n", line, what);
    std::abort();
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);   // never destroyed: Qt tears down after it
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    velkor::ui::Form1 w;
    const velkor::Calc& st = w.state();
    const auto boxes = w.findChildren<QLineEdit*>();   // attenuation, power, impedance
    const auto buttons = w.findChildren<QRadioButton*>();
    bool zedited = false;
    velkor::Captions before = st.captions;
    const auto text = [&in] {   // any bytes as UTF-8, or as Latin-1 for control characters
        const std::string b = in.ConsumeRandomLengthString(4096);
        const auto size = static_cast<qsizetype>(b.size());
        return in.ConsumeBool() ? QString::fromUtf8(b.data(), size)
                                : QString::fromLatin1(b.data(), size);
    };
    const auto checked = [&] {
        CHECK(st.atten <= velkor::attenmax);
        CHECK(st.pwr >= velkor::pwrmin);
        CHECK(st.pwr <= velkor::pwrmax);
        const std::string z = boxes[2]->text().toStdString();
        zedited = zedited || z != "50";
        CHECK(!zedited || velkor::acceptsysz(velkor::readNumber(z)).value == st.sysz);
        CHECK(!zedited || boxes[2]->isModified() || velkor::signText(st.sysz) == z);
        velkor::Calc fresh = st;   // the inputs and table in force
        CHECK(st.captions == before || (fresh.recalc() && fresh.captions == st.captions));
        before = st.captions;
    };
    static constexpr Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
                                       Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_Tab};
    for (int n = 0; n < 24 && in.remaining_bytes() > 0; ++n) {
        const auto op = in.ConsumeIntegralInRange<int>(0, 3);
        QLineEdit* b = boxes[in.ConsumeIntegralInRange<int>(0, 2)];
        QRadioButton* button = buttons[in.ConsumeIntegralInRange<int>(0, 2)];
        if (op == 0) {   // a whole new text from the program
            b->setText(text());
        } else if (op == 1) {   // typed at the caret or over all, as an input method sends it
            b->setFocus();
            const int end = static_cast<int>(b->text().size());
            if (in.ConsumeBool())
                b->selectAll();
            else
                b->setCursorPosition(in.ConsumeIntegralInRange<int>(0, end));
            for (const QChar c : text()) {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(b, &press);
                checked();
            }
        } else if (op == 2) {   // editing keys
            b->setFocus();
            const auto key = in.ConsumeIntegralInRange<std::size_t>(0, std::size(keys) - 1);
            QTest::keyClick(b, keys[key]);
        } else {
            button->click();
        }
        checked();
    }
    return 0;
}
