#pragma once
// The frequency response of a pad, drawn with QPainter: insertion loss
// over the sweep with the flatness band above, both return losses with the
// least allowed below, the bandwidths marked, and under the pointer a
// readout of the nearest frequency's values.

#include "designer.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace velkor::ui {

/// Round values from `low` to `high` for an axis, about `wanted` (> 0) of
/// them: every multiple in the range of a step of 1, 2 or 5 times a power
/// of ten.
std::vector<double> roundTicks(double low, double high, int wanted);

/// A frequency tick's label, as short as it reads, with the SI prefix of
/// the axis's end at `top` Hz: "2.5 GHz", "0.5 GHz", "0 GHz" on a 6 GHz axis.
QString frequencyTick(double hertz, double top);

class ResponsePlot : public QWidget {
public:
    /// What the curves are measured against.
    struct Limits {
        double insertionLossAtZero = 0;   ///< dB, the centre of the flatness band
        double flatness = 0.1;            ///< dB either side of it
        double leastReturnLoss = 20;      ///< dB
        std::optional<double> flatTo, matchedTo;   ///< Hz; none beyond the search
    };

    explicit ResponsePlot(QWidget* parent);

    void setResponse(Curves curves, const Limits& limits);
    /// The readout under the pointer, or "" when the pointer is away.
    QString readout() const;

    QSize sizeHint() const override { return {480, 400}; }
    QSize minimumSizeHint() const override { return {320, 240}; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent*) override;

private:
    struct Pane;
    void drawPane(QPainter& p, const Pane& pane) const;
    QRectF plotArea(int pane) const;

    Curves curves_;
    Limits limits_;
    std::optional<std::size_t> pointed_;   ///< the frequency under the pointer
};

} // namespace velkor::ui
