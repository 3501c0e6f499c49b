// The pad designer under any sequence of edits, choices and clicks: the
// bytes decode into events replayed on a fresh designer (offscreen). Once
// each event is worked out the results on display are either greyed with a
// reason, or current and exactly the engine's lines for the design on
// display, and no result reads nan or inf.

#include "paddesigner.h"

#include <QStandardPaths>
#include <QTest>
#include <QtWidgets>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

#define CHECK(ok) ((ok) ? void() : broken(__LINE__, #ok))

[[noreturn]] void broken(int line, const char* what)
{
    std::fprintf(stderr, "designer_fuzz.cpp:%d: broken: %s\n", line, what);
    std::abort();
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);   // never destroyed: Qt tears down after it
    QStandardPaths::setTestModeEnabled(true);   // the user's settings stay untouched
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    velkor::ui::PadDesigner d({});
    const auto boxes = d.findChildren<QLineEdit*>();
    const auto lists = d.findChildren<QComboBox*>();
    auto* pairs = d.findChild<QCheckBox*>();
    const auto text = [&in] {
        const std::string b = in.ConsumeRandomLengthString(64);
        return QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
    };
    const auto checked = [&] {
        while (d.working())   // its results come from a thread of their own
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const QWidget* results = d.findChild<QWidget*>(QStringLiteral("results"));
        CHECK(d.current() == results->isEnabled());
        CHECK(d.current() || !d.findChild<QLabel*>(QStringLiteral("why"))->text().isEmpty());
        if (!d.current())
            return;
        const std::vector<velkor::ResultLine> lines = velkor::designResults(*d.design()).lines();
        for (const velkor::ResultLine& l : lines) {
            const auto* shown = results->findChild<QLabel*>(QString::fromStdString(l.what));
            CHECK(shown && shown->text() == QString::fromStdString(l.value));
            CHECK(!shown->text().contains(QLatin1String("nan")) && !shown->text().contains(QLatin1String("inf")));
        }
    };
    for (int n = 0; n < 16 && in.remaining_bytes() > 0; ++n) {
        const auto op = in.ConsumeIntegralInRange<int>(0, 3);
        QLineEdit* box = boxes[in.ConsumeIntegralInRange<qsizetype>(0, boxes.size() - 1)];
        if (op == 0) {   // a whole new text, pasted
            box->setText(text());
        } else if (op == 1) {   // typed at the caret, a key at a time
            box->setFocus();
            box->setCursorPosition(in.ConsumeIntegralInRange<int>(0, static_cast<int>(box->text().size())));
            for (const QChar c : text()) {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(box, &press);
                checked();
            }
        } else if (op == 2) {   // another kind, series or package
            QComboBox* list = lists[in.ConsumeIntegralInRange<qsizetype>(0, lists.size() - 1)];
            list->setCurrentIndex(in.ConsumeIntegralInRange<int>(0, list->count() - 1));
        } else {
            pairs->click();
        }
        checked();
    }
    return 0;
}
