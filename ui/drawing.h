#pragma once
// The client area with the frames and circuit wires of the layout table
// painted on it, and the window's icon.

#include <QIcon>
#include <QImage>
#include <QWidget>

namespace velkor::ui {

/// The window's client area: the window colour, with every frame and wire
/// of the layout table painted on it. Painted rather than made widgets of
/// their own, they stay out of the accessibility tree and out of the way of
/// the mouse. Each is painted as filled pixel rectangles, so that at any
/// scale wires meet and frame corners are solid.
class ClientArea : public QWidget {
public:
    explicit ClientArea(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

/// The program's icon drawn at `size` x `size` pixels: a Pi attenuator in
/// dark red on peach with "6dB", drawn on a 32 x 32 grid and scaled.
QImage attenuatorimage(int size);

/// The window's icon, at the sizes a desktop asks for.
QIcon attenuatoricon();

} // namespace velkor::ui
