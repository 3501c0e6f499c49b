#include "drawing.h"

#include "layout.h"

#include <QFont>
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
    QFont f(QString::fromLatin1(fontfamily));
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRect(8, 12, 16, 12), Qt::AlignCenter, QStringLiteral("6dB"));
    p.end();
    return QIcon(pm);
}

} // namespace velkor::ui
