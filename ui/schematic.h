#pragma once
// The schematic of one pad kind, drawn from its description: each resistor
// with its designator and preferred value, its role as its tooltip.

#include "pads/padkinds.h"

#include <QStringList>
#include <QWidget>

namespace velkor::ui {

class Schematic : public QWidget {
public:
    explicit Schematic(QWidget* parent);

    /// Draws `kind` between `ports`; `codes` are the preferred values in the
    /// kind's resistor order, or empty while there are none.
    void setPad(PadKind kind, Ports ports, const QStringList& codes);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override;
    bool event(QEvent* e) override;

private:
    QPointF at(GridPoint g) const;
    QRectF body(std::size_t resistor) const;   // the resistor's symbol, in widget pixels

    PadKind kind_ = PadKind::pi;
    Drawing drawing_;
    Ports ports_{50, 50};
    QStringList codes_;
};

} // namespace velkor::ui
