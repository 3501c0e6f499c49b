#include "drawing.h"

#include "layout.h"

#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace velkor::ui {

ClientArea::ClientArea(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("client"));
    setFixedSize(px(clientwidth), px(clientheight));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(colour::window));
    setPalette(pal);
    setAutoFillBackground(true);
}

void ClientArea::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (const Item& i : items()) {
        const QColor c(i.colour);
        if (i.kind == Kind::Frame) {
            // The outline lies inside its box, linewidth pixels thick.
            const QRect r = pixelrect(i.box);
            const int w = i.linewidth;
            p.fillRect(r.left(), r.top(), r.width(), w, c);
            p.fillRect(r.left(), r.bottom() - w + 1, r.width(), w, c);
            p.fillRect(r.left(), r.top(), w, r.height(), c);
            p.fillRect(r.right() - w + 1, r.top(), w, r.height(), c);
        } else if (i.kind == Kind::Line) {
            // One pixel wide, both end points included.
            p.fillRect(QRect(QPoint(px(i.ends.x1), px(i.ends.y1)), QPoint(px(i.ends.x2), px(i.ends.y2))).normalized(), c);
        }
    }
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
