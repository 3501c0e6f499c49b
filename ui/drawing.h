#pragma once
// The frames and wires of the window, each its own item so that it can be
// named and stacked, and the window's icon.

#include <QColor>
#include <QIcon>
#include <QLine>
#include <QRect>
#include <QWidget>

namespace velkor::ui {

/// The outline of a rectangle, drawn inside its box; lets the mouse through.
class FrameItem : public QWidget {
public:
    FrameItem(const QRect& box, QColor colour, int width, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor colour_;
    int width_;
};

/// A horizontal or vertical line one pixel wide; lets the mouse through.
class LineItem : public QWidget {
public:
    LineItem(const QLine& line, QColor colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QLine line_;   // in the item's own coordinates
    QColor colour_;
};

/// The 32 x 32 icon: a Pi attenuator in dark red on peach with "6dB".
QIcon attenuatoricon();

} // namespace velkor::ui
