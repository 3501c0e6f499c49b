// Whatever is typed or pasted into any box, the program keeps running and
// each box's rule gives its defined outcome. A row names the text, the
// number the state then holds, whose results are on display ("start" for
// the untouched start-up results), and for the impedance box what it shows.

#include "windowhelpers.h"

#include <QApplication>
#include <QClipboard>
#include <QtTest>

#include <limits>

using namespace testing_window;
using velkor::Series;
using velkor::ui::Form1;

namespace {

constexpr double dmax = std::numeric_limits<double>::max();

QString longdigits() { return QString(100000, QLatin1Char('9')); }
QString blanks() { return QStringLiteral("   \t "); }
QString nul() { return QString(QChar(0)) + QStringLiteral("5"); }
QString controls() { return QStringLiteral("\x01\x1b\x7f") + QStringLiteral("7"); }
QString trailingcontrol() { return QStringLiteral("7\x01") + QString(QChar(0)); }
QString arabicindic() { return QStringLiteral(u"\u0665\u0660"); }      // 50 in Arabic-Indic digits
QString fullwidth() { return QStringLiteral(u"\uFF15\uFF10"); }        // 50 in full-width digits
QString rtlfirst() { return QStringLiteral(u"\u200F12"); }             // right-to-left mark, then 12
QString rtlafter() { return QStringLiteral(u"12\u200F"); }
QString emojifirst() { return QStringLiteral(u"\U0001F600") + QStringLiteral("5"); }
QString emojiafter() { return QStringLiteral("5") + QStringLiteral(u"\U0001F600"); }
QString linefeeds() { return QStringLiteral("7\n5\n"); }

// Results on display, as the inputs whose fresh run they equal; atten <= 0
// stands for "the start-up results".
struct Results {
    double atten, pwr, sysz;
};
constexpr Results start{6, 1, 50};

} // namespace

Q_DECLARE_METATYPE(Results)

class HostileInput : public QObject {
    Q_OBJECT

private slots:
    void attenuation_data();
    void attenuation();
    void power_data();
    void power();
    void impedance_data();
    void impedance();
    void pastedWithLineFeeds();
};

void HostileInput::attenuation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("stored");
    QTest::addColumn<Results>("results");

    QTest::newRow("empty") << QString() << 0.0 << start;
    QTest::newRow("blanks-only") << blanks() << 0.0 << start;
    QTest::newRow("100000-digits") << longdigits() << 60.0 << Results{60, 1, 50};
    QTest::newRow("1E999") << "1E999" << 60.0 << Results{60, 1, 50};
    QTest::newRow("minus-1E999") << "-1E999" << -dmax << start;
    QTest::newRow("1E-999") << "1E-999" << 0.0 << start;
    QTest::newRow("nan") << "nan" << 0.0 << start;
    QTest::newRow("inf") << "inf" << 0.0 << start;
    QTest::newRow("infinity") << "infinity" << 0.0 << start;
    QTest::newRow("ampersand-hex") << "&H10" << 0.0 << start;
    QTest::newRow("D-exponent") << "1D2" << 1.0 << Results{1, 1, 50};
    QTest::newRow("comma-decimal") << "2,5" << 2.0 << Results{2, 1, 50};
    QTest::newRow("arabic-indic-digits") << arabicindic() << 0.0 << start;
    QTest::newRow("full-width-digits") << fullwidth() << 0.0 << start;
    QTest::newRow("nul-first") << nul() << 0.0 << start;
    QTest::newRow("control-first") << controls() << 0.0 << start;
    QTest::newRow("control-after") << trailingcontrol() << 7.0 << Results{7, 1, 50};
    QTest::newRow("rtl-mark-first") << rtlfirst() << 0.0 << start;
    QTest::newRow("rtl-mark-after") << rtlafter() << 12.0 << Results{12, 1, 50};
    QTest::newRow("emoji-first") << emojifirst() << 0.0 << start;
    QTest::newRow("emoji-after") << emojiafter() << 5.0 << Results{5, 1, 50};
    QTest::newRow("line-feeds") << linefeeds() << 75.0 << Results{60, 1, 50};
    QTest::newRow("below-K-resolution") << "1E-17" << 1e-17 << start;   // K rounds to 1: no finite run
}

void HostileInput::attenuation()
{
    QFETCH(QString, text);
    QFETCH(double, stored);
    QFETCH(Results, results);
    Form1 w;
    box(w, "Text1")->setText(text);
    QCOMPARE(w.state().atten, stored > 60 ? 60.0 : stored);
    QCOMPARE(shown(w), captionsof(results.atten, results.pwr, results.sysz, Series::E12));
    QCOMPARE(box(w, "Text1")->text(), text);
}

void HostileInput::power_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("stored");

    QTest::newRow("empty") << QString() << 1.0;
    QTest::newRow("blanks-only") << blanks() << 1.0;
    QTest::newRow("100000-digits") << longdigits() << 100.0;
    QTest::newRow("1E999") << "1E999" << 100.0;
    QTest::newRow("minus-1E999") << "-1E999" << 1.0;
    QTest::newRow("1E-999") << "1E-999" << 1.0;
    QTest::newRow("nan") << "nan" << 1.0;
    QTest::newRow("infinity") << "infinity" << 1.0;
    QTest::newRow("ampersand-hex") << "&H10" << 1.0;
    QTest::newRow("D-exponent") << "2D2" << 2.0;
    QTest::newRow("comma-decimal") << "2,5" << 2.0;
    QTest::newRow("arabic-indic-digits") << arabicindic() << 1.0;
    QTest::newRow("full-width-digits") << fullwidth() << 1.0;
    QTest::newRow("nul-first") << nul() << 1.0;
    QTest::newRow("control-after") << trailingcontrol() << 7.0;
    QTest::newRow("rtl-mark-after") << rtlafter() << 12.0;
    QTest::newRow("emoji-first") << emojifirst() << 1.0;
    QTest::newRow("line-feeds") << linefeeds() << 75.0;
}

void HostileInput::power()
{
    QFETCH(QString, text);
    QFETCH(double, stored);
    Form1 w;
    box(w, "Text2")->setText(text);
    QCOMPARE(w.state().pwr, stored);
    QCOMPARE(shown(w), captionsof(6, stored, 50, Series::E12));
}

void HostileInput::impedance_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shows");
    QTest::addColumn<double>("stored");
    QTest::addColumn<bool>("newresults");   // false: the start-up results stay

    QTest::newRow("empty") << QString() << " 50" << 50.0 << true;
    QTest::newRow("blanks-only") << blanks() << " 50" << 50.0 << true;
    QTest::newRow("100000-digits") << longdigits() << " 1.79769313486232E+308" << dmax << false;
    QTest::newRow("1E999") << "1E999" << " 1.79769313486232E+308" << dmax << false;
    QTest::newRow("minus-1E999") << "-1E999" << " 50" << 50.0 << true;
    QTest::newRow("1E-999") << "1E-999" << " 50" << 50.0 << true;
    QTest::newRow("edge-1E300") << "1E300" << " 1E+300" << 1e300 << false;
    QTest::newRow("edge-1E-300") << "1E-300" << " 1E-300" << 1e-300 << false;
    QTest::newRow("nan") << "nan" << " 50" << 50.0 << true;
    QTest::newRow("infinity") << "infinity" << " 50" << 50.0 << true;
    QTest::newRow("ampersand-hex") << "&H10" << " 50" << 50.0 << true;
    QTest::newRow("D-exponent") << "1D2" << " 1" << 1.0 << true;
    QTest::newRow("comma-decimal") << "2,5" << " 2" << 2.0 << true;
    QTest::newRow("arabic-indic-digits") << arabicindic() << " 50" << 50.0 << true;
    QTest::newRow("full-width-digits") << fullwidth() << " 50" << 50.0 << true;
    QTest::newRow("nul-first") << nul() << " 50" << 50.0 << true;
    QTest::newRow("control-after") << trailingcontrol() << " 7" << 7.0 << true;
    QTest::newRow("rtl-mark-first") << rtlfirst() << " 50" << 50.0 << true;
    QTest::newRow("emoji-after") << emojiafter() << " 5" << 5.0 << true;
    QTest::newRow("line-feeds") << linefeeds() << " 75" << 75.0 << true;
}

void HostileInput::impedance()
{
    QFETCH(QString, text);
    QFETCH(QString, shows);
    QFETCH(double, stored);
    QFETCH(bool, newresults);
    Form1 w;
    box(w, "systemimpedance")->setText(text);
    QCOMPARE(box(w, "systemimpedance")->text(), shows);
    QCOMPARE(w.state().sysz, stored);
    QCOMPARE(shown(w), newresults ? captionsof(6, 1, stored, Series::E12) : captionsof(6, 1, 50, Series::E12));
}

void HostileInput::pastedWithLineFeeds()
{
    Form1 w;
    QLineEdit* z = box(w, "systemimpedance");
    z->selectAll();
    QApplication::clipboard()->setText(linefeeds());
    z->paste();   // the user's own edit: kept as pasted until editing finishes
    QCOMPARE(z->text(), linefeeds());
    QCOMPARE(shown(w), captionsof(6, 1, 75, Series::E12));
    QTest::keyClick(z, Qt::Key_Return);
    QCOMPARE(z->text(), QStringLiteral(" 75"));
}

QTEST_MAIN(HostileInput)
#include "hostile_test.moc"
