#pragma once
// Reading and driving the window in tests.

#include "calc.h"
#include "fields.h"
#include "form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>

namespace testing_window {

/// The 27 captions a fresh engine run of these inputs gives.
inline QStringList captionsof(double atten, double pwr, double sysz, velkor::Series s)
{
    velkor::Calc c;
    c.loadseries(s);
    c.atten = atten;
    c.pwr = pwr;
    c.sysz = sysz;
    c.recalc();
    QStringList out;
    for (const std::string& t : c.captions)
        out << QString::fromStdString(t);
    return out;
}

/// The 27 captions the window shows, in the engine's field order.
inline QStringList shown(const velkor::ui::Form1& w)
{
    QStringList out;
    for (std::size_t i = 0; i < velkor::fieldcount; ++i) {
        const auto name = velkor::fieldname(static_cast<velkor::Field>(i));
        out << w.findChild<QLabel*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())))->text();
    }
    return out;
}

inline QLineEdit* box(const velkor::ui::Form1& w, const char* name)
{
    return w.findChild<QLineEdit*>(QString::fromLatin1(name));
}

inline QRadioButton* button(const velkor::ui::Form1& w, const char* name)
{
    return w.findChild<QRadioButton*>(QString::fromLatin1(name));
}

} // namespace testing_window
