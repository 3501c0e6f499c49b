#include "drawing.h"

#include "layout.h"

#include <QPainter>
#include <QPixmap>

namespace velkor::ui {

FrameItem::FrameItem(const QRect& box, QColor colour, int width, QWidget* parent)
    : QWidget(parent), colour_(colour), width_(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(box);
}

void FrameItem::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (int i = 0; i < width_; ++i) {   // nested one-pixel outlines, inside the box
        p.setPen(colour_);
        p.drawRect(rect().adjusted(i, i, -i - 1, -i - 1));
    }
}

LineItem::LineItem(const QLine& line, QColor colour, QWidget* parent)
    : QWidget(parent), colour_(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRect bounds = QRect(line.p1(), line.p2()).normalized();
    setGeometry(bounds.x(), bounds.y(), bounds.width() + 1, bounds.height() + 1);
    line_ = line.translated(-bounds.topLeft());
}

void LineItem::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(colour_);
    p.drawLine(line_);
}

QIcon attenuatoricon()
{
    constexpr int size = 32;
    QPixmap pm(size, size);
    pm.fill(QColor(colour::iconground));
    QPainter p(&pm);
    p.setPen(QColor(colour::darkred));
    p.setBrush(QColor(colour::iconground));
    // Top wire with the series resistor lying in it; bottom wire.
    p.drawLine(1, 5, 11, 5);
    p.drawRect(11, 3, 10, 4);
    p.drawLine(21, 5, 30, 5);
    p.drawLine(1, 29, 30, 29);
    // The two shunts, upright, from the top wire to the bottom wire.
    for (int x : {5, 26}) {
        p.drawLine(x, 5, x, 10);
        p.drawRect(x - 2, 10, 4, 12);
        p.drawLine(x, 22, x, 29);
    }
    // "6dB" in a 3 x 5 pixel face, drawn dot by dot: no font is loaded
    // just for the icon.
    static constexpr const char* glyphs[] = {
        "111" "100" "111" "101" "111",   // 6
        "001" "001" "111" "101" "111",   // d
        "110" "101" "110" "101" "110",   // B
    };
    constexpr int glyphwidth = 3, glyphheight = 5, textleft = 9, texttop = 14;
    for (int g = 0; g < 3; ++g)
        for (int row = 0; row < glyphheight; ++row)
            for (int col = 0; col < glyphwidth; ++col)
                if (glyphs[g][row * glyphwidth + col] == '1')
                    p.fillRect(textleft + g * (glyphwidth + 2) + col, texttop + row, 1, 1, Qt::black);
    p.end();
    return QIcon(pm);
}

} // namespace velkor::ui
