#include "drawing.h"

#include "layout.h"

#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace velkor::ui {

ClientArea::ClientArea(QWidget* parent) : QWidget(parent)
{
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
            const QPoint a(px(i.ends.x1), px(i.ends.y1)), b(px(i.ends.x2), px(i.ends.y2));
            p.fillRect(QRect(QPoint(qMin(a.x(), b.x()), qMin(a.y(), b.y())), QPoint(qMax(a.x(), b.x()), qMax(a.y(), b.y()))), c);
        }
    }
}

QImage attenuatorimage(int size)
{
    constexpr int grid = 32;   // the drawing's own size, pixels
    if (size < grid) {
        // Too small for the pixel drawing: shrink the full-size one.
        return attenuatorimage(grid).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(colour::iconground));
    QPainter p(&image);
    p.scale(double(size) / grid, double(size) / grid);
    // Drawn as whole grid cells, so that every size is as crisp as 32.
    const QColor wire(colour::darkred);
    const auto hline = [&](int x1, int x2, int y) { p.fillRect(x1, y, x2 - x1 + 1, 1, wire); };
    const auto vline = [&](int x, int y1, int y2) { p.fillRect(x, y1, 1, y2 - y1 + 1, wire); };
    const auto resistor = [&](int x, int y, int w, int h) {   // outline, corners included
        hline(x, x + w, y);
        hline(x, x + w, y + h);
        vline(x, y, y + h);
        vline(x + w, y, y + h);
    };
    // Top wire with the series resistor lying in it; bottom wire.
    hline(1, 11, 5);
    resistor(11, 3, 10, 4);
    hline(21, 30, 5);
    hline(1, 30, 29);
    // The two shunts, upright, from the top wire to the bottom wire.
    for (int x : {5, 26}) {
        vline(x, 5, 10);
        resistor(x - 2, 10, 4, 12);
        vline(x, 22, 29);
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
    return image;
}

QIcon attenuatoricon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(attenuatorimage(size)));
    return icon;
}

} // namespace velkor::ui
